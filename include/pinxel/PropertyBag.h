#pragma once
// The host's property storage as a control sees it. A control restores its
// properties with ReadProperty and saves them with WriteProperty; the values
// are variants that the control converts to its own types, so a bag may hand
// back text (a form file) or the typed values it was given (memory).
//
// Header only and free of library symbols: a host implements or compiles a bag
// without linking the library.

#include <QString>
#include <QVariant>

namespace pinxel {

class PropertyBag {
public:
    virtual ~PropertyBag() = default;

    // The stored value of key, or defaultValue when the bag holds none.
    virtual QVariant ReadProperty(const QString &key, const QVariant &defaultValue = QVariant()) = 0;
    // Stores value under key. Failures are pinxel::Error.
    virtual void WriteProperty(const QString &key, const QVariant &value,
                               const QVariant &defaultValue = QVariant()) = 0;
};

}  // namespace pinxel
