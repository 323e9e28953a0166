#pragma once
// The error reporter every editor operation hands its failures to, and the
// two small helpers the editor shares.

#include "pinxel/Numeric.h"

#include <QString>

#include <type_traits>

namespace pinxel {

// Error reporter codes: 0 shows the failure's own description; the others
// show a fixed two-line message for their command.
enum ReportCode : int {
    ReportDescription = 0,
    ReportWrite = 1,
    ReportPrint = 2,
    ReportOpen = 3,
    ReportDraw = 4,
};

// The text ReportError shows for a code; empty (and nothing shown) for an unknown code.
QString ReportErrorText(int code, const QString &description);

// Shows the message of the code in a critical-stop box (style 16) and returns
// when the user closed it. Any other code shows nothing.
void ReportError(int code, const QString &description);

// True (-1) when a file exists at the path.
Flag FileExists(const QString &path);

// a when the flag is set, else b.
template <typename A, typename B> auto ChooseValue(Flag flag, const A &a, const B &b) -> std::common_type_t<A, B>
{
    return isSet(flag) ? std::common_type_t<A, B>(a) : std::common_type_t<A, B>(b);
}

}  // namespace pinxel
