#include "control/EditProperties.h"

#include "control/ComponentServer.h"
#include "control/VariantConversion.h"
#include "pinxel/Dabbler.h"
#include "pinxel/Error.h"
#include "pinxel/Screen.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <iterator>
#include <utility>

namespace pinxel {

namespace {

// "Object doesn't support this property or method": a selected object that is no Dabbler.
constexpr int ErrNotSupported = 438;

constexpr double PageWidth = 5925.0;
constexpr double PageHeight = 3630.0;

int pixelsX(double twips) { return static_cast<int>(roundHalfEven(twips / twipsPerPixelX())); }
int pixelsY(double twips) { return static_cast<int>(roundHalfEven(twips / twipsPerPixelY())); }

// Places an element by its left, top, width and height in twips.
template <typename Element>
Element *place(Element *element, const char *name, double left, double top, double width, double height)
{
    element->setObjectName(QLatin1String(name));
    element->setGeometry(pixelsX(left), pixelsY(top), pixelsX(width), pixelsY(height));
    return element;
}

QLabel *label(QWidget *page, const char *name, const char *caption, double l, double t, double w, double h)
{
    QLabel *element = place(new QLabel(QCoreApplication::translate("EditProperties", caption), page), name, l, t, w, h);
    // The places suit the small system font the page was laid out for; a
    // wider font lets a caption run on into the free space to its right
    // rather than lose its end.
    if (element->sizeHint().width() > element->width())
        element->resize(element->sizeHint().width(), element->height());
    return element;
}

QLineEdit *textBox(QWidget *page, const char *name, double l, double t, double w, double h)
{
    return place(new QLineEdit(page), name, l, t, w, h);
}

QCheckBox *checkBox(QWidget *page, const char *name, const char *caption, double l, double t, double w, double h)
{
    QCheckBox *element =
        place(new QCheckBox(QCoreApplication::translate("EditProperties", caption), page), name, l, t, w, h);
    if (element->sizeHint().width() > element->width())  // as a label's caption does
        element->resize(element->sizeHint().width(), element->height());
    return element;
}

}  // namespace

EditProperties::EditProperties(QWidget *parent)
    : QWidget(parent), lblAppearance(label(this, "lblAppearance", QT_TRANSLATE_NOOP("EditProperties", "Appearance:"),
                                           90, 120, 1125, 240)),
      txtAppearance(textBox(this, "txtAppearance", 1320, 0, 525, 330)),
      lblBorderStyle(
          label(this, "lblBorderStyle", QT_TRANSLATE_NOOP("EditProperties", "BorderStyle:"), 90, 765, 1005, 240)),
      txtBorderStyle(textBox(this, "txtBorderStyle", 1320, 720, 525, 330)),
      lblWindowCaption(
          label(this, "lblWindowCaption", QT_TRANSLATE_NOOP("EditProperties", "WindowCaption:"), 90, 1425, 1365, 240)),
      txtWindowCaption(textBox(this, "txtWindowCaption", 90, 1670, 5685, 330)),
      lblpicturefilename(label(this, "lblpicturefilename", QT_TRANSLATE_NOOP("EditProperties", "picturefilename:"), 90,
                               2070, 1245, 240)),
      txtpicturefilename(textBox(this, "txtpicturefilename", 90, 2320, 5685, 330)),
      lblEditWidth(label(this, "lblEditWidth", QT_TRANSLATE_NOOP("EditProperties", "EditWidth:"), 90, 2715, 885, 240)),
      txtEditWidth(textBox(this, "txtEditWidth", 90, 2970, 765, 330)),
      lblEditHeight(
          label(this, "lblEditHeight", QT_TRANSLATE_NOOP("EditProperties", "EditHeight:"), 1320, 2640, 900, 240)),
      txtEditHeight(textBox(this, "txtEditHeight", 1320, 2895, 780, 330)),
      chkEditMaximized(checkBox(this, "chkEditMaximized", QT_TRANSLATE_NOOP("EditProperties", "EditMaximized"), 3480,
                                405, 1635, 285)),
      chkEditMenuFile(
          checkBox(this, "chkEditMenuFile", QT_TRANSLATE_NOOP("EditProperties", "EditMenuFile"), 3480, 840, 1620, 285))
{
    setObjectName(QStringLiteral("EditProperties"));
    resize(sizeHint());

    QWidget *const tabOrder[] = {txtAppearance, txtBorderStyle, txtWindowCaption, txtpicturefilename,
                                 txtEditWidth,  txtEditHeight,  chkEditMaximized, chkEditMenuFile};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    // Assistive tools name each box by its label and tell which property a field edits.
    const std::pair<QLabel *, QLineEdit *> labelled[] = {
        {lblAppearance, txtAppearance},       {lblBorderStyle, txtBorderStyle},
        {lblWindowCaption, txtWindowCaption}, {lblpicturefilename, txtpicturefilename},
        {lblEditWidth, txtEditWidth},         {lblEditHeight, txtEditHeight}};
    for (const auto &[caption, box] : labelled)
        caption->setBuddy(box);
    for (QWidget *field : tabOrder)
        field->setAccessibleDescription(
            QCoreApplication::translate("EditProperties", "The control's %1 property").arg(field->objectName().mid(3)));

    // Setting a value from code counts like the user's change: a box's state
    // moves its flag, any edit marks the page changed.
    connect(chkEditMenuFile, &QCheckBox::stateChanged, this, &EditProperties::chkEditMenuFile_Click);
    connect(chkEditMaximized, &QCheckBox::stateChanged, this, &EditProperties::chkEditMaximized_Click);
    for (QLineEdit *text :
         {txtAppearance, txtBorderStyle, txtWindowCaption, txtpicturefilename, txtEditWidth, txtEditHeight})
        connect(text, &QLineEdit::textChanged, this, [this] { setChanged(true); });

    ComponentServer::instanceCreated();
}

EditProperties::~EditProperties() { ComponentServer::instanceDestroyed(); }

QSize EditProperties::sizeHint() const { return QSize(pixelsX(PageWidth), pixelsY(PageHeight)); }

void EditProperties::setChanged(bool changed)
{
    m_changed = changed;
    if (m_site)
        m_site->pageChanged(changed);
}

void EditProperties::chkEditMenuFile_Click()
{
    PageEditMenuFile = toFlag(chkEditMenuFile->checkState() != Qt::Unchecked);
    setChanged(true);
}

void EditProperties::chkEditMaximized_Click()
{
    PageEditMaximized = toFlag(chkEditMaximized->checkState() != Qt::Unchecked);
    setChanged(true);
}

DabblerInterface &EditProperties::firstSelected() const
{
    const QList<QObject *> selected = m_site ? m_site->selectedControls() : QList<QObject *>();
    if (selected.isEmpty() || !selected.front())
        throw Error(ErrSubscriptOutOfRange,
                    QCoreApplication::translate("Error", "Subscript out of range: no control is selected"));
    auto *control = qobject_cast<DabblerInterface *>(selected.front());
    if (!control)
        throw Error(ErrNotSupported,
                    QCoreApplication::translate("Error", "Object doesn't support this property or method"));
    return *control;
}

void EditProperties::selectionChanged()
{
    DabblerInterface &c = firstSelected();
    chkEditMenuFile->setChecked((toFlag(c.EditMenuFile()) & 1) != 0);
    chkEditMaximized->setChecked((toFlag(c.EditMaximized()) & 1) != 0);
    txtEditHeight->setText(QString::number(c.EditHeight()));
    txtEditWidth->setText(QString::number(c.EditWidth()));
    txtpicturefilename->setText(c.picturefilename());
    txtWindowCaption->setText(c.WindowCaption());
    txtBorderStyle->setText(QString::number(c.BorderStyle()));
    txtAppearance->setText(QString::number(c.Appearance()));
}

void EditProperties::applyChanges()
{
    DabblerInterface &c = firstSelected();
    struct Step {
        const char *property;
        QWidget *field;
        std::function<void()> apply;
    };
    const Step steps[] = {
        {"EditMenuFile", chkEditMenuFile, [&] { c.setEditMenuFile(isSet(PageEditMenuFile)); }},
        {"EditMaximized", chkEditMaximized, [&] { c.setEditMaximized(isSet(PageEditMaximized)); }},
        {"EditHeight", txtEditHeight, [&] { c.setEditHeight(variantToInt32(txtEditHeight->text())); }},
        {"EditWidth", txtEditWidth, [&] { c.setEditWidth(variantToInt32(txtEditWidth->text())); }},
        {"picturefilename", txtpicturefilename, [&] { c.setPicturefilename(txtpicturefilename->text()); }},
        {"WindowCaption", txtWindowCaption, [&] { c.setWindowCaption(txtWindowCaption->text()); }},
        {"BorderStyle", txtBorderStyle, [&] { c.setBorderStyle(variantToInt16(txtBorderStyle->text())); }},
        {"Appearance", txtAppearance, [&] { c.setAppearance(variantToInt16(txtAppearance->text())); }},
    };
    for (const Step &step : steps) {
        try {
            step.apply();
        } catch (const Error &error) {
            // The failing field takes the focus; the steps before it stay applied.
            step.field->setFocus();
            if (auto *text = qobject_cast<QLineEdit *>(step.field))
                text->selectAll();
            throw Error(error.number(),
                        QStringLiteral("%1: %2").arg(QLatin1String(step.property), error.description()));
        }
    }
}

}  // namespace pinxel
