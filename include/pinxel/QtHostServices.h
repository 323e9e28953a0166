#pragma once
/// \file
/// \brief pinxel::QtHostServices: the host services for a person at the screen.
///
/// The host services for a person at the screen: Qt message boxes, file,
/// colour, font and print dialogs, a QPrinter and QMenu pop-ups.

#include "pinxel/HostServices.h"

#include <QString>

#include <memory>

class QWidget;

namespace pinxel {

class QtPrinter;

/// The host services for a person: Qt's dialogs, the system's printers and
/// the desktop's clipboard. The default HostServices::current() of a program
/// that links the library.
///
/// Its dialogs are modal and run their own event loop. Make it and call it
/// on the GUI thread, with a QApplication.
class QtHostServices : public HostServices {
public:
    /// Printing goes to the PDF file named by PINXEL_PRINT_PDF, when it is set.
    QtHostServices();
    ~QtHostServices() override;

    int MsgBox(const QString &text, int style) override;
    void ShowOpen(CommonDialog &dialog) override;
    void ShowSave(CommonDialog &dialog) override;
    void ShowColor(CommonDialog &dialog) override;
    void ShowFont(CommonDialog &dialog) override;
    /// The system's printer dialog; with printToPdf() set, no dialog: the
    /// preset copies stand.
    /// \throws Error 32755 when the user cancels.
    void ShowPrinter(CommonDialog &dialog) override;
    Printer &printer() override;
    int PopupMenu(const QStringList &items, int checkedItem = -1) override;
    void SetClipboardPicture(const QImage &picture) override;
    bool ClipboardHasPicture() override;
    QImage ClipboardPicture() override;

    /// Sends every print job to this PDF file without showing the printer
    /// dialog; an empty path returns to the system's printers.
    void setPrintToPdf(const QString &path);
    /// The PDF file print jobs go to; empty for the system's printers.
    QString printToPdf() const { return m_pdfPath; }

    /// The window the dialogs belong to; the active window when none is set.
    void setDialogParent(QWidget *parent) { m_parent = parent; }

private:
    QWidget *dialogParent() const;

    std::unique_ptr<QtPrinter> m_printer;
    QString m_pdfPath;
    QWidget *m_parent = nullptr;
    QMetaObject::Connection m_clipboardWatch;
};

/// "Text files|*.txt;*.log|All|*.*" in Qt's name filter form, one per entry:
/// {"Text files (*.txt *.log)", "All (*.*)"}.
///
/// Patterns a description repeats in parentheses are shown once. Any thread.
QStringList toQtNameFilters(const QString &filter);

/// The extension a save dialog gives a typed name without one: DefaultExt when
/// it is a plain extension, else the first plain pattern of the chosen filter
/// (a pattern such as "*.brg" names no single extension); empty for none.
///
/// Returned without the dot. Any thread.
QString saveDialogSuffix(const CommonDialog &dialog);

}  // namespace pinxel
