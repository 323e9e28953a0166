#include "platform/component/PropertyDialog.h"

#include "pinxel/ComponentRuntime.h"
#include "pinxel/Error.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace pinxel {

PropertyDialog::PropertyDialog(QObject *control, const QString &pageClassId, const QString &title, QWidget *parent)
    : PropertyDialog(control, ComponentRuntime::createInstance(pageClassId), title, parent)
{}

PropertyDialog::PropertyDialog(QObject *control, QWidget *page, const QString &title, QWidget *parent)
    : QDialog(parent), m_control(control), m_pageWidget(page)
{
    setWindowTitle(title);
    m_page = qobject_cast<PropertyPageInterface *>(m_pageWidget);
    if (!m_page) {
        const QString name = m_pageWidget ? QString::fromLatin1(m_pageWidget->metaObject()->className()) : QString();
        delete m_pageWidget;
        throw Error(ErrCannotCreateObject,
                    QCoreApplication::translate("Error", "Can't create object: %1 is no property page").arg(name));
    }
    m_pageWidget->setParent(this);
    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    m_applyButton = buttons->button(QDialogButtonBox::Apply);
    m_applyButton->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (apply())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_applyButton, &QPushButton::clicked, this, [this] { apply(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pageWidget);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_page->setSite(this);
    try {
        m_page->selectionChanged();
    } catch (const Error &error) {
        // The dialog opens anyway: the fields after the failing one stay empty.
        QMessageBox::warning(parentWidget(), title, error.description());
    }
}

PropertyDialog::~PropertyDialog()
{
    if (m_page)
        m_page->setSite(nullptr);
}

void PropertyDialog::pageChanged(bool changed)
{
    if (m_applyButton)
        m_applyButton->setEnabled(changed);
}

bool PropertyDialog::apply()
{
    if (!m_page->changed())
        return true;
    try {
        m_page->applyChanges();
    } catch (const Error &error) {
        m_applied = true;  // the fields before the failing one were applied
        QMessageBox::warning(this, windowTitle(), error.description());
        emit changesApplied();
        return false;
    }
    m_applied = true;
    m_page->setChanged(false);
    emit changesApplied();
    return true;
}

}  // namespace pinxel
