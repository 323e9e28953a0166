#pragma once
// The host's property dialog: a control's property page, created through the
// component runtime, with OK, Cancel and Apply. Apply follows the page's
// changed mark; OK applies a changed page and closes; a failing apply shows
// the page's message and keeps the dialog open on the failing field.

#include "pinxel/PropertyPage.h"

#include <QDialog>

class QPushButton;

class PropertyDialog : public QDialog, public pinxel::PropertyPageSite {
    Q_OBJECT
public:
    // Raises pinxel::Error when the page cannot be created.
    PropertyDialog(QObject *control, const QString &pageClassId, const QString &title, QWidget *parent = nullptr);
    ~PropertyDialog() override;

    QList<QObject *> selectedControls() override { return {m_control}; }
    void pageChanged(bool changed) override;

    // True once an apply succeeded: the control's properties changed.
    bool applied() const { return m_applied; }

private:
    bool apply();

    QObject *m_control;
    QWidget *m_pageWidget = nullptr;
    pinxel::PropertyPageInterface *m_page = nullptr;
    QPushButton *m_applyButton = nullptr;
    bool m_applied = false;
};
