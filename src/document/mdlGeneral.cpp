#include "document/mdlGeneral.h"

#include "pinxel/HostServices.h"

#include <QCoreApplication>

namespace pinxel {

QString ReportErrorText(int code, const QString &description)
{
    const auto twoLines = [](const char *first, const char *second) {
        return QCoreApplication::translate("ReportError", first) + QStringLiteral("\r\n\r\n")
               + QCoreApplication::translate("ReportError", second);
    };
    switch (code) {
    case ReportDescription:
        return description;
    case ReportWrite:
        return twoLines(QT_TRANSLATE_NOOP("ReportError", "Cannot write to the disk."),
                        QT_TRANSLATE_NOOP("ReportError", "Make sure the disk is not full or write-protected."));
    case ReportPrint:
        return twoLines(QT_TRANSLATE_NOOP("ReportError", "Cannot print the file."),
                        QT_TRANSLATE_NOOP("ReportError", "Make sure the print is ready."));
    case ReportOpen:
        return twoLines(QT_TRANSLATE_NOOP("ReportError", "Cannot open the file."),
                        QT_TRANSLATE_NOOP("ReportError", "The file may be corrupt or not a valid picture file."));
    case ReportDraw:
        return twoLines(QT_TRANSLATE_NOOP("ReportError", "Cannot drawing using the selected tool."),
                        QT_TRANSLATE_NOOP("ReportError", "The needed file may be missing."));
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
