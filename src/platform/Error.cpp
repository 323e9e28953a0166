#include "pinxel/Error.h"

namespace pinxel {

Error::Error(int number, const QString &description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{}

Error::Error(int number) : Error(number, standardDescription(number)) {}

QString Error::standardDescription(int number)
{
    switch (number) {
    case ErrInvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrOverflow:
        return QStringLiteral("Overflow");
    case ErrOutOfMemory:
        return QStringLiteral("Out of memory");
    case ErrSubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case ErrDivisionByZero:
        return QStringLiteral("Division by zero");
    case ErrTypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrFileNotFound:
        return QStringLiteral("File not found");
    case ErrDeviceIO:
        return QStringLiteral("Device I/O error");
    case ErrDiskFull:
        return QStringLiteral("Disk full");
    case ErrPermissionDenied:
        return QStringLiteral("Permission denied");
    case ErrPathNotFound:
        return QStringLiteral("Path not found");
    case ErrPropertyNotFound:
        return QStringLiteral("Invalid property value");
    case ErrInvalidPicture:
        return QStringLiteral("Invalid picture");
    case ErrPrinter:
        return QStringLiteral("Printer error");
    case ErrCancel:
        return QStringLiteral("Cancel was selected.");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

}  // namespace pinxel
