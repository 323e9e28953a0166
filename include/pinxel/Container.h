#pragma once
/// \file
/// \brief pinxel::Container, what a control asks of the host that sites it.
///
/// The control container: the host implements this interface; the control
/// only calls it.
///
/// Header only and free of library symbols, so that a host implements it
/// without linking the library.

#include <QString>
#include <QVariantList>

namespace pinxel {

/// The host's side of a sited control: its user mode, its property notices
/// and the events it raises.
///
/// The host implements it and hands it to DabblerInterface::setContainer();
/// the container stays the host's and must outlive the control's use of it
/// (or be unset with nullptr). The control calls it on the GUI thread, from
/// inside its own members and event handlers. Whatever a member throws
/// reaches the control's caller, or Qt's event loop for an event relay: a
/// container should not throw.
class Container {
public:
    virtual ~Container() = default;

    /// The ambient user mode: false while the host's form designer shows the
    /// control (then DabblerInterface::Dabbler() does nothing), true at run time.
    virtual bool ambientUserMode() const = 0;
    /// A property changed; the host marks its stored set dirty. name is the
    /// property's storage name ("PictureFilename", "EditWidth", ...). Called
    /// by every setter after it stored the value, also by the property page.
    virtual void propertyChanged(const QString &name) = 0;
    /// The control raises one of its events. The arguments are passed by
    /// reference: a handler may change them, as the event's declaration allows.
    ///
    /// name is "MouseDown", "MouseMove" or "MouseUp", with the arguments
    /// Button and Shift (std::int16_t masks: button 1 left, 2 right, 4 middle;
    /// shift 1 Shift, 2 Ctrl, 4 Alt) and X and Y (float, twips), or "Click"
    /// with none. The same events reach Qt code as the signals of pinxel::Dabbler.
    virtual void raiseEvent(const QString &name, QVariantList &arguments) = 0;
};

}  // namespace pinxel
