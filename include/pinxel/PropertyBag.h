#pragma once
/// \file
/// \brief pinxel::PropertyBag, the host's property storage as a control sees it.
///
/// A control restores its properties with ReadProperty and saves them with
/// WriteProperty; the values are variants that the control converts to its
/// own types, so a bag may hand back text (a form file) or the typed values
/// it was given (memory).
///
/// Header only and free of library symbols: a host implements or compiles a bag
/// without linking the library.

#include <QString>
#include <QVariant>

namespace pinxel {

/// The host's storage of one control's properties, read by
/// DabblerInterface::readProperties() and written by
/// DabblerInterface::writeProperties().
///
/// The host implements it; the control calls it on the GUI thread while it
/// restores or saves. What a member throws ends the restore or save and
/// reaches the host's call.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;

    /// The stored value of key, or defaultValue when the bag holds none.
    ///
    /// The control converts the value itself: text such as "12000", "True"
    /// or "&H10" is read as a form file holds it; a value that does not
    /// convert fails the restore with pinxel::Error 13, one out of range
    /// with 6.
    virtual QVariant ReadProperty(const QString &key, const QVariant &defaultValue = QVariant()) = 0;
    /// Stores value under key. defaultValue is the value a restore assumes
    /// when the key is missing: a bag may leave out a value equal to it.
    /// Failures are pinxel::Error.
    virtual void WriteProperty(const QString &key, const QVariant &value,
                               const QVariant &defaultValue = QVariant()) = 0;
};

}  // namespace pinxel
