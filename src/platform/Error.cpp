#include "pinxel/Error.h"

#include <QCoreApplication>

namespace pinxel {

Error::Error(int number, const QString &description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{}

Error::Error(int number) : Error(number, standardDescription(number)) {}

QString Error::standardDescription(int number)
{
    switch (number) {
    case ErrInvalidProcedureCall:
        return QCoreApplication::translate("Error", "Invalid procedure call or argument");
    case ErrOverflow:
        return QCoreApplication::translate("Error", "Overflow");
    case ErrOutOfMemory:
        return QCoreApplication::translate("Error", "Out of memory");
    case ErrSubscriptOutOfRange:
        return QCoreApplication::translate("Error", "Subscript out of range");
    case ErrDivisionByZero:
        return QCoreApplication::translate("Error", "Division by zero");
    case ErrTypeMismatch:
        return QCoreApplication::translate("Error", "Type mismatch");
    case ErrFileNotFound:
        return QCoreApplication::translate("Error", "File not found");
    case ErrDeviceIO:
        return QCoreApplication::translate("Error", "Device I/O error");
    case ErrDiskFull:
        return QCoreApplication::translate("Error", "Disk full");
    case ErrPermissionDenied:
        return QCoreApplication::translate("Error", "Permission denied");
    case ErrPathNotFound:
        return QCoreApplication::translate("Error", "Path not found");
    case ErrPropertyNotFound:
        return QCoreApplication::translate("Error", "Invalid property value");
    case ErrInvalidPicture:
        return QCoreApplication::translate("Error", "Invalid picture");
    case ErrPrinter:
        return QCoreApplication::translate("Error", "Printer error");
    case ErrCancel:
        return QCoreApplication::translate("Error", "Cancel was selected.");
    default:
        return QCoreApplication::translate("Error", "Application-defined or object-defined error");
    }
}

}  // namespace pinxel
