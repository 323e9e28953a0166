#pragma once
// The one failure type of the library. Every operation that can fail throws
// an Error carrying the platform's error number and description, so that each
// handler can trap it and pass it on to ReportError as its documented trap says.

#include <QString>
#include <stdexcept>

namespace pinxel {

// Error numbers the library raises or traps.
enum ErrorNumber : int {
    ErrInvalidProcedureCall = 5,
    ErrOverflow = 6,
    ErrOutOfMemory = 7,
    ErrSubscriptOutOfRange = 9,
    ErrDivisionByZero = 11,
    ErrTypeMismatch = 13,
    ErrFileNotFound = 53,
    ErrDeviceIO = 57,
    ErrDiskFull = 61,
    ErrPermissionDenied = 70,
    ErrPathNotFound = 76,
    ErrPropertyNotFound = 380,  // invalid property value
    ErrInvalidPicture = 481,
    ErrPrinter = 482,
    ErrCancel = 32755,
};

class Error : public std::runtime_error {
public:
    Error(int number, const QString &description);
    // An error with the platform's standard description for its number.
    explicit Error(int number);

    int number() const { return m_number; }
    QString description() const { return m_description; }

    // The standard description of an error number ("Overflow", ...).
    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
};

}  // namespace pinxel
