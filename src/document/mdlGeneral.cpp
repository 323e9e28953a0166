#include "document/mdlGeneral.h"

#include "pinxel/HostServices.h"

namespace pinxel {

QString ReportErrorText(int code, const QString &description)
{
    const auto twoLines = [](const char *first, const char *second) {
        return QString::fromLatin1(first) + QStringLiteral("\r\n\r\n") + QString::fromLatin1(second);
    };
    switch (code) {
    case ReportDescription:
        return description;
    case ReportWrite:
        return twoLines("Cannot write to the disk.", "Make sure the disk is not full or write-protected.");
    case ReportPrint:
        return twoLines("Cannot print the file.", "Make sure the print is ready.");
    case ReportOpen:
        return twoLines("Cannot open the file.", "The file may be corrupt or not a valid picture file.");
    case ReportDraw:
        return twoLines("Cannot drawing using the selected tool.", "The needed file may be missing.");
    default:
        return QString();
    }
}

void ReportError(int code, const QString &description)
{
    if (code < ReportDescription || code > ReportDraw)
        return;
    HostServices::current().MsgBox(ReportErrorText(code, description), MsgCritical);
}

Flag FileExists(const QString &path) { return toFlag(HostServices::current().FileExists(path)); }

}  // namespace pinxel
