#pragma once
/// \file
/// \brief The property page protocol between a host's property dialog and a page.
///
/// The host implements PropertyPageSite; the page implements
/// PropertyPageInterface and is reached from the QWidget the component runtime
/// created with qobject_cast<pinxel::PropertyPageInterface *>, so the host
/// needs no link to the library.
///
/// The library's one page is EditProperties (Pinxel.EditProperties,
/// EditPropertiesClassId in Dabbler.h), the control's page for eight of its
/// nine properties (all but Stretch). Everything here runs on the GUI thread.

#include <QList>
#include <QObject>
#include <QtPlugin>

class QWidget;

namespace pinxel {

/// The host's property dialog as a page sees it.
///
/// The host implements it and hands it to PropertyPageInterface::setSite();
/// the page calls it on the GUI thread.
class PropertyPageSite {
public:
    virtual ~PropertyPageSite() = default;

    /// The controls selected in the host; a page works on the first one.
    /// Each is the control's QObject (its widget), which the page casts to
    /// pinxel::DabblerInterface.
    virtual QList<QObject *> selectedControls() = 0;
    /// The page's changed mark moved; the host enables Apply while it is set.
    virtual void pageChanged(bool changed) = 0;
};

/// A property page, as the host's property dialog drives it.
///
/// Create it with ComponentRuntime::createInstance("Pinxel.EditProperties")
/// and qobject_cast the widget to this interface; put the widget in a dialog
/// with OK, Cancel and Apply. Call it on the GUI thread.
class PropertyPageInterface {
public:
    virtual ~PropertyPageInterface() = default;

    /// The page as a widget, to place in the host's dialog.
    virtual QWidget *widget() = 0;
    /// The site stays the host's; the page keeps the pointer until it is set again.
    virtual void setSite(PropertyPageSite *site) = 0;

    /// The page's changed mark. Setting it tells the site.
    virtual bool changed() const = 0;
    /// Sets the page's changed mark and tells the site (PropertyPageSite::pageChanged()).
    /// The host clears it after a successful apply.
    virtual void setChanged(bool changed) = 0;

    /// Notice: the host's selection changed; the page fills its fields from the first selected control.
    ///
    /// Reading the control's picturefilename reloads its picture. Filling the
    /// fields marks the page changed.
    /// \throws Error 9 when no control is selected, 438 when the first is no
    /// Dabbler, or the control's failure to reload its picture (53, 481, ...).
    virtual void selectionChanged() = 0;
    /// Notice: the user applied or pressed OK; the page writes its fields to the
    /// first selected control. A failure (a pinxel::Error whose description
    /// names the failing property) ends the apply at that field; the fields
    /// before it stay applied.
    ///
    /// The order is EditMenuFile, EditMaximized, EditHeight, EditWidth,
    /// picturefilename, WindowCaption, BorderStyle, Appearance, each through
    /// the control's setter; the failing field takes the focus.
    /// \throws Error 13 for a text that is no number, 6 for one out of
    /// range, 380 for a BorderStyle or Appearance other than 0 or 1, the
    /// picture file's failure (53, 70, 57, 481, 7; the name stays applied),
    /// or 9 and 438 as selectionChanged(). The description starts with the
    /// property's name ("EditWidth: Type mismatch").
    virtual void applyChanges() = 0;
};

}  // namespace pinxel

Q_DECLARE_INTERFACE(pinxel::PropertyPageInterface, "org.pinxel.PropertyPageInterface/1.0")
