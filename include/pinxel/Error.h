#pragma once
/// \file
/// \brief pinxel::Error, the one failure type of the library, and the error numbers it carries.
///
/// Every operation that can fail throws an Error carrying the platform's
/// error number and description, so that each handler can trap it and pass
/// it on to ReportError as its documented trap says. A host catches
/// `const pinxel::Error &` around the control's properties and methods (all
/// but Dabbler::PicturePrint, which reports its own failures) and around
/// EditorWidget::setPicture.

#include <QString>
#include <stdexcept>

/// The library Pinxel: the control Dabbler, the editor widget, the component
/// runtime and the services they share. See \ref index "the main page".
namespace pinxel {

/// Error numbers the library raises or traps, the number() of an Error.
///
/// The names say what the number means; Error::standardDescription() gives
/// the text an Error made from the number alone carries.
enum ErrorNumber : int {
    /// 5, "Invalid procedure call or argument": an argument out of its range
    /// (a cursor written beyond 256 pixels a side, or its hot spot outside it).
    ErrInvalidProcedureCall = 5,
    /// 6, "Overflow": 16- or 32-bit arithmetic or a conversion out of range (Numeric.h).
    ErrOverflow = 6,
    /// 7, "Out of memory": a picture's pixels or a file's bytes could not be allocated.
    ErrOutOfMemory = 7,
    /// 9, "Subscript out of range": an index beyond a table (a palette
    /// swatch, an effect kind), or a property page with no control selected.
    ErrSubscriptOutOfRange = 9,
    /// 11, "Division by zero": divTrunc() or modTrunc() by zero.
    ErrDivisionByZero = 11,
    /// 13, "Type mismatch": a stored or typed value that does not convert to
    /// the property's type (letters for EditWidth).
    ErrTypeMismatch = 13,
    /// 53, "File not found": a picture or cursor file that does not exist,
    /// or a folder or device where a file was expected.
    ErrFileNotFound = 53,
    /// 57, "Device I/O error": a read or write the system failed for another reason.
    ErrDeviceIO = 57,
    /// 61, "Disk full": no space left for a write.
    ErrDiskFull = 61,
    /// 70, "Permission denied": a read-only file or folder, or one the user
    /// may not read or write (also for root: read-only means read-only).
    ErrPermissionDenied = 70,
    /// 76, "Path not found": no file name, or a folder that does not exist.
    ErrPathNotFound = 76,
    /// 380, "Invalid property value": a value the control's image element refuses
    /// (Appearance or BorderStyle other than 0 or 1).
    ErrPropertyNotFound = 380,
    /// 481, "Invalid picture": a file that is no picture of a readable
    /// format, corrupt, truncated or too large; a null or oversized picture
    /// handed in; no picture to save or print.
    ErrInvalidPicture = 481,
    /// 482, "Printer error": the print job could not be started, finished or written.
    ErrPrinter = 482,
    /// 32755, "Cancel was selected.": the user cancelled an open, save or
    /// printer dialog. The library's commands end silently on it.
    ErrCancel = 32755,
};

/// The failure the library throws: an error number and its description.
///
/// Derived from std::runtime_error, whose what() is the description in
/// UTF-8. Copyable and free of shared state: it may be made, thrown and read
/// on any thread.
class Error : public std::runtime_error {
public:
    /// An error with a number (usually an ErrorNumber) and a description of
    /// its own, which usually names the file or value at fault
    /// ("File not found: /tmp/a.bmp").
    Error(int number, const QString &description);
    /// An error with the platform's standard description for its number.
    explicit Error(int number);

    /// The error number: an ErrorNumber, or ErrCannotCreateObject (429) from the component runtime.
    int number() const { return m_number; }
    /// The description shown to the user, as the library's error reporter shows it.
    QString description() const { return m_description; }

    /// The standard description of an error number ("Overflow", ...);
    /// "Application-defined or object-defined error" for a number the library does not know.
    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
};

}  // namespace pinxel
