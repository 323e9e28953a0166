#pragma once
// The property page protocol between a host's property dialog and a page.
//
// The host implements PropertyPageSite; the page implements
// PropertyPageInterface and is reached from the QWidget the component runtime
// created with qobject_cast<pinxel::PropertyPageInterface *>, so the host
// needs no link to the library.

#include <QList>
#include <QObject>
#include <QtPlugin>

class QWidget;

namespace pinxel {

class PropertyPageSite {
public:
    virtual ~PropertyPageSite() = default;

    // The controls selected in the host; a page works on the first one.
    virtual QList<QObject *> selectedControls() = 0;
    // The page's changed mark moved; the host enables Apply while it is set.
    virtual void pageChanged(bool changed) = 0;
};

class PropertyPageInterface {
public:
    virtual ~PropertyPageInterface() = default;

    virtual QWidget *widget() = 0;
    // The site stays the host's; the page keeps the pointer until it is set again.
    virtual void setSite(PropertyPageSite *site) = 0;

    // The page's changed mark. Setting it tells the site.
    virtual bool changed() const = 0;
    virtual void setChanged(bool changed) = 0;

    // Notice: the host's selection changed; the page fills its fields from the first selected control.
    virtual void selectionChanged() = 0;
    // Notice: the user applied or pressed OK; the page writes its fields to the
    // first selected control. A failure (a pinxel::Error whose description
    // names the failing property) ends the apply at that field; the fields
    // before it stay applied.
    virtual void applyChanges() = 0;
};

}  // namespace pinxel

Q_DECLARE_INTERFACE(pinxel::PropertyPageInterface, "org.pinxel.PropertyPageInterface/1.0")
