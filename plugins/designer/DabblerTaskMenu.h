#pragma once
// The task menu of a Dabbler in Qt Designer: "Edit Properties..." opens the
// control's property page in a dialog with OK, Cancel and Apply. Each apply
// goes to the control through its setters, as in any host, and then to the
// form as one undoable command, so Designer marks and stores what changed.

#include <QObject>
#include <QVariantMap>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

#include <memory>

class QAction;

namespace pinxel {
class Dabbler;
class PropertyDialog;
}  // namespace pinxel

class DabblerTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)
public:
    DabblerTaskMenu(pinxel::Dabbler *control, QObject *parent);

    QAction *preferredEditAction() const override;
    QList<QAction *> taskActions() const override;

    // The dialog the action shows, not yet shown (for tests and the action).
    std::unique_ptr<pinxel::PropertyDialog> makeDialog(QWidget *parent = nullptr);

private:
    void editProperties();
    // Hands the properties changed since the last apply to the form.
    void recordChanges(QVariantMap &before);

    pinxel::Dabbler *m_control;
    QAction *m_editAction;
};

class DabblerTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT
public:
    explicit DabblerTaskMenuFactory(QExtensionManager *parent = nullptr) : QExtensionFactory(parent) {}

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override;
};
