#pragma once
// EditProperties: the control's property page. It edits eight of the nine
// properties (all but Stretch) of the first selected control, through the
// control's own setters, so every value goes through the same notices and
// side effects as one set by the host.

#include "pinxel/Numeric.h"
#include "pinxel/PropertyPage.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace pinxel {

class DabblerInterface;

class EditProperties : public QWidget, public PropertyPageInterface {
    Q_OBJECT
    Q_INTERFACES(pinxel::PropertyPageInterface)
public:
    explicit EditProperties(QWidget *parent = nullptr);
    ~EditProperties() override;

    QWidget *widget() override { return this; }
    void setSite(PropertyPageSite *site) override { m_site = site; }
    bool changed() const override { return m_changed; }
    void setChanged(bool changed) override;
    void selectionChanged() override;
    void applyChanges() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The page's fields, in tab order.
    QLabel *const lblAppearance;
    QLineEdit *const txtAppearance;
    QLabel *const lblBorderStyle;
    QLineEdit *const txtBorderStyle;
    QLabel *const lblWindowCaption;
    QLineEdit *const txtWindowCaption;
    QLabel *const lblpicturefilename;
    QLineEdit *const txtpicturefilename;
    QLabel *const lblEditWidth;
    QLineEdit *const txtEditWidth;
    QLabel *const lblEditHeight;
    QLineEdit *const txtEditHeight;
    QCheckBox *const chkEditMaximized;
    QCheckBox *const chkEditMenuFile;

    // The check boxes' states as flags (true -1, false 0).
    Flag PageEditMenuFile = FlagFalse;
    Flag PageEditMaximized = FlagFalse;

private:
    void chkEditMenuFile_Click();
    void chkEditMaximized_Click();
    // The first selected control; raises when there is none or it is no Dabbler.
    DabblerInterface &firstSelected() const;

    PropertyPageSite *m_site = nullptr;
    bool m_changed = false;
};

}  // namespace pinxel
