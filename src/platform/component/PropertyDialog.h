#pragma once
// A host's property dialog: a control's property page with OK, Cancel and
// Apply. Apply follows the page's changed mark; OK applies a changed page and
// closes; a failing apply shows the page's message and keeps the dialog open
// on the failing field. pinxel-host creates the page by name through the
// component runtime, the Qt Designer plugin creates it directly.

#include "pinxel/PropertyPage.h"

#include <QDialog>

class QPushButton;

namespace pinxel {

class PropertyDialog : public QDialog, public PropertyPageSite {
    Q_OBJECT
public:
    // The page registered under pageClassId. Raises pinxel::Error when it cannot be created.
    PropertyDialog(QObject *control, const QString &pageClassId, const QString &title, QWidget *parent = nullptr);
    // A page already made; the dialog takes it. Raises pinxel::Error when it is no property page.
    PropertyDialog(QObject *control, QWidget *page, const QString &title, QWidget *parent = nullptr);
    ~PropertyDialog() override;

    QList<QObject *> selectedControls() override { return {m_control}; }
    void pageChanged(bool changed) override;

    // True once an apply succeeded: the control's properties changed.
    bool applied() const { return m_applied; }

signals:
    // After each apply, also one that failed part way: some properties may have changed.
    void changesApplied();

private:
    bool apply();

    QObject *m_control;
    QWidget *m_pageWidget = nullptr;
    pinxel::PropertyPageInterface *m_page = nullptr;
    QPushButton *m_applyButton = nullptr;
    bool m_applied = false;
};

}  // namespace pinxel
