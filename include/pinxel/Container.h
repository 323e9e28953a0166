#pragma once
// The control container: what a control asks of the host that sites it. The
// host implements this interface; the control only calls it.
//
// Header only and free of library symbols, so that a host implements it
// without linking the library.

#include <QString>
#include <QVariantList>

namespace pinxel {

class Container {
public:
    virtual ~Container() = default;

    // The ambient user mode: false while the host's form designer shows the control.
    virtual bool ambientUserMode() const = 0;
    // A property changed; the host marks its stored set dirty. name is the
    // property's storage name ("PictureFilename", "EditWidth", ...).
    virtual void propertyChanged(const QString &name) = 0;
    // The control raises one of its events. The arguments are passed by
    // reference: a handler may change them, as the event's declaration allows.
    virtual void raiseEvent(const QString &name, QVariantList &arguments) = 0;
};

}  // namespace pinxel
