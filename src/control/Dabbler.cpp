// Dabbler: construction, the display of Image1, the event relays and the methods.

#include "pinxel/DabblerWidget.h"

#include "control/ComponentServer.h"
#include "control/EditorLauncher.h"
#include "control/ImageElement.h"
#include "document/mdlGeneral.h"
#include "pinxel/Container.h"
#include "pinxel/HostServices.h"
#include "pinxel/Screen.h"
#include "platform/files/PictureFileChecks.h"

#include <QCoreApplication>

namespace pinxel {

namespace {
// The printer dialog's preset flags.
constexpr int PrinterDialogFlags = 12;
}  // namespace

Dabbler::Dabbler(QWidget *parent) : QWidget(parent), m_image(new ImageElement(this)), m_timer1(new QTimer(this))
{
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);  // disabled until Dabbler opens the editor
    setObjectName(QStringLiteral("Dabbler"));
    setAutoFillBackground(true);
    // Image1 at design: at 0, 0, stretched, fixed single border, flat.
    m_image->setStretch(true);
    m_image->setBorderStyle(1);
    m_image->setAppearance(0);
    resizeImage();

    connect(m_image, &ImageElement::MouseDown, this, [this](std::int16_t b, std::int16_t s, float x, float y) {
        relayMouse(QStringLiteral("MouseDown"), b, s, x, y);
    });
    connect(m_image, &ImageElement::MouseMove, this, [this](std::int16_t b, std::int16_t s, float x, float y) {
        relayMouse(QStringLiteral("MouseMove"), b, s, x, y);
    });
    connect(m_image, &ImageElement::MouseUp, this, [this](std::int16_t b, std::int16_t s, float x, float y) {
        relayMouse(QStringLiteral("MouseUp"), b, s, x, y);
    });
    connect(m_image, &ImageElement::Click, this, &Dabbler::relayClick);
    ComponentServer::instanceCreated();
}

Dabbler::~Dabbler() { ComponentServer::instanceDestroyed(); }

bool Dabbler::ambientUserMode() const { return m_container ? m_container->ambientUserMode() : true; }

void Dabbler::resizeImage()
{
    // The inner size in twips, the control's coordinate units.
    const double scaleWidth = width() * twipsPerPixelX();
    const double scaleHeight = height() * twipsPerPixelY();
    m_image->Move(0.0, 0.0, scaleWidth, scaleHeight);
}

void Dabbler::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    resizeImage();
}

void Dabbler::relayMouse(const QString &event, std::int16_t button, std::int16_t shift, float x, float y)
{
    if (event == QLatin1String("MouseDown"))
        emit MouseDown(button, shift, x, y);
    else if (event == QLatin1String("MouseMove"))
        emit MouseMove(button, shift, x, y);
    else
        emit MouseUp(button, shift, x, y);
    if (m_container) {
        QVariantList arguments{QVariant::fromValue(button), QVariant::fromValue(shift), QVariant::fromValue(x),
                               QVariant::fromValue(y)};
        m_container->raiseEvent(event, arguments);
    }
}

void Dabbler::relayClick()
{
    emit Click();
    if (m_container) {
        QVariantList none;
        m_container->raiseEvent(QStringLiteral("Click"), none);
    }
}

QString Dabbler::openEditor()
{
    // In the host's designer the method does nothing.
    if (!ambientUserMode())
        return QString();
    EditorLauncher *launcher = EditorLauncher::installed();
    if (!launcher) {
        ReportError(ReportDescription, QCoreApplication::translate("Dabbler", "The picture editor is not available."));
        return QString();
    }
    launcher->openEditor(*this);
    return QString();
}

void Dabbler::SaveAs(const QString &picturefilename)
{
    HostServices::current().SavePicture(m_image->Picture(), picturefilename);
}

QImage Dabbler::picture() const { return m_image->Picture(); }

void Dabbler::setPicture(const QImage &picture)
{
    checkPictureSize(picture.width(), picture.height(), QString());
    m_image->setPicture(picture);
    m_image->update();
    update();
}

void Dabbler::PicturePrint()
{
    try {
        if (EditorLauncher *launcher = EditorLauncher::installed()) {
            launcher->printPicture(*this);
            return;
        }
        HostServices &host = HostServices::current();
        CommonDialog dialog;
        dialog.Flags = PrinterDialogFlags;
        host.ShowPrinter(dialog);
        // The copies chosen in the dialog apply to the printout.
        Printer &printer = host.printer();
        printer.Copies = dialog.Copies;
        if (m_image->Picture().isNull())
            throw Error(ErrInvalidPicture,
                        QCoreApplication::translate("Error", "Invalid picture: the control shows no picture"));
        printer.PaintPicture(m_image->Picture(), 0, 0);
        printer.EndDoc();
    } catch (const Error &error) {
        if (error.number() != ErrCancel)
            ReportError(ReportPrint, error.description());
    }
}

}  // namespace pinxel
