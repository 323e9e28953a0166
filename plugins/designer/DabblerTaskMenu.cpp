#include "DabblerTaskMenu.h"

#include "control/EditProperties.h"
#include "pinxel/DabblerWidget.h"
#include "pinxel/Error.h"
#include "platform/component/PropertyDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaProperty>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>

namespace {
// The control's own properties, as Designer lists them.
QVariantMap propertyValues(const QObject &control)
{
    QVariantMap values;
    const QMetaObject &meta = pinxel::Dabbler::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        values.insert(QString::fromLatin1(meta.property(i).name()), meta.property(i).read(&control));
    return values;
}
}  // namespace

DabblerTaskMenu::DabblerTaskMenu(pinxel::Dabbler *control, QObject *parent)
    : QObject(parent), m_control(control),
      m_editAction(new QAction(QCoreApplication::translate("DabblerTaskMenu", "Edit Properties..."), this))
{
    connect(m_editAction, &QAction::triggered, this, &DabblerTaskMenu::editProperties);
}

QAction *DabblerTaskMenu::preferredEditAction() const { return m_editAction; }

QList<QAction *> DabblerTaskMenu::taskActions() const { return {m_editAction}; }

std::unique_ptr<pinxel::PropertyDialog> DabblerTaskMenu::makeDialog(QWidget *parent)
{
    return std::make_unique<pinxel::PropertyDialog>(
        m_control, new pinxel::EditProperties, QCoreApplication::translate("DabblerTaskMenu", "Dabbler Properties"),
        parent);
}

void DabblerTaskMenu::editProperties()
{
    QDesignerFormWindowInterface *form = QDesignerFormWindowInterface::findFormWindow(m_control);
    std::unique_ptr<pinxel::PropertyDialog> dialog;
    try {
        dialog = makeDialog(form ? static_cast<QWidget *>(form) : m_control->window());
    } catch (const pinxel::Error &error) {
        QMessageBox::warning(m_control->window(), QCoreApplication::translate("DabblerTaskMenu", "Dabbler Properties"),
                             error.description());
        return;
    }
    QVariantMap before = propertyValues(*m_control);
    connect(dialog.get(), &pinxel::PropertyDialog::changesApplied, this, [this, &before] { recordChanges(before); });
    dialog->exec();
}

void DabblerTaskMenu::recordChanges(QVariantMap &before)
{
    QDesignerFormWindowInterface *form = QDesignerFormWindowInterface::findFormWindow(m_control);
    const QVariantMap after = propertyValues(*m_control);
    if (!form) {
        before = after;
        return;
    }
    // The page already set the control; Designer's command takes the old value
    // from the control, so it is put back first for Undo to return to it.
    form->beginCommand(QCoreApplication::translate("DabblerTaskMenu", "Edit Properties"));
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) == it.value())
            continue;
        m_control->setProperty(qPrintable(it.key()), before.value(it.key()));
        form->cursor()->setWidgetProperty(m_control, it.key(), it.value());
    }
    form->endCommand();
    before = after;
}

QObject *DabblerTaskMenuFactory::createExtension(QObject *object, const QString &iid, QObject *parent) const
{
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension))
        return nullptr;
    if (auto *control = qobject_cast<pinxel::Dabbler *>(object))
        return new DabblerTaskMenu(control, parent);
    return nullptr;
}
