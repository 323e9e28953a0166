#pragma once
// Conversions of a property value to the type of the property it is assigned
// to, by the platform's rules: text is parsed as a number ("12", " 1.5 ",
// "&H1F") or as "True"/"False"; fractions round to the nearest integer with
// halves to even; a value out of range raises Overflow (6); text that is no
// number raises Type mismatch (13); an empty variant is 0, false or "".
// Used when restoring from a property bag and when the property page applies
// its text fields.

#include <QString>
#include <QVariant>

#include <cstdint>

namespace pinxel {

std::int16_t variantToInt16(const QVariant &value);
std::int32_t variantToInt32(const QVariant &value);
bool variantToBool(const QVariant &value);
// Booleans become "True"/"False", numbers their decimal text.
QString variantToText(const QVariant &value);

}  // namespace pinxel
