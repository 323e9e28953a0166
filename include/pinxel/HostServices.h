#pragma once
/// \file
/// \brief pinxel::HostServices: everything the library needs from a person or the machine.
///
/// Everything the library needs from a person or the machine, behind one
/// interface: message boxes, the common dialogs, picture files, file queries,
/// the printer, pointer shapes, the screen and the random source.
///
/// QtHostServices serves a real user; ScriptedHostServices answers from a queue
/// filled in advance and records what was shown, so that no test or script
/// ever blocks on a modal window. Failures are pinxel::Error with the
/// platform's numbers (32755 cancel, 70 permission denied, 53 file not found,
/// 481 invalid picture, ...).
///
/// The library calls the services on the GUI thread, and so should a host:
/// the services, the current() pointer and the clipboard's watchers are kept
/// without locks.

#include "pinxel/Numeric.h"
#include "pinxel/PictureSurface.h"

#include <QCursor>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

namespace pinxel {

/// Message box styles (HostServices::MsgBox()): an icon (16 critical, 32
/// question, 48 warning, 64 information) plus a button set (0 OK, 1 OK and
/// Cancel, 2 Abort, Retry and Ignore, 3 Yes, No and Cancel, 4 Yes and No,
/// 5 Retry and Cancel). The library uses these four.
enum MsgBoxStyle : int {
    MsgCritical = 16,               ///< error sign, OK
    MsgQuestionYesNo = 36,          ///< question sign, Yes and No
    MsgInformation = 64,            ///< information sign, OK
    MsgExclamationYesNoCancel = 51  ///< warning sign, Yes, No and Cancel
};
/// Message box answers: the button the user chose (HostServices::MsgBox()).
enum MsgBoxAnswer : int {
    AnswerOk = 1,      ///< OK
    AnswerCancel = 2,  ///< Cancel, also closing a box that has a Cancel button
    AnswerYes = 6,     ///< Yes
    AnswerNo = 7       ///< No
};

/// The library's title: every message box carries it.
inline constexpr const char *LibraryTitle = "Pinxel";

/// File attributes (HostServices::GetAttr(), HostServices::SetAttr()).
enum FileAttribute : int {
    AttrNormal = 0,    ///< writable by its owner
    AttrReadOnly = 1,  ///< the owner's write bit is clear
    AttrHidden = 2     ///< never reported: a leading dot is only a naming habit here
};

/// The state of one common dialog element (cdlOpen, cdlSave, cdlColor, cdlFonts, cdlPrint).
///
/// The caller presets the fields; the Show calls of HostServices read them
/// and write the user's choice back.
struct CommonDialog {
    /// Options of the dialog: 2 ask before overwriting (save), 4 no selection
    /// and 8 no page numbers (printer), 256 font effects and colour (font),
    /// 2048 the folder must exist, 4096 the file must exist (open).
    int Flags = 0;
    QString DialogTitle;      ///< The caption; empty: the dialog's own ("Open", "Save As", "Color", "Font").
    QString FileName;         ///< The file chosen (open, save); preset: the name the dialog starts with.
    QString Filter;           ///< "Description|*.ext;*.ext2|Description|*.ext"
    int FilterIndex = 1;      ///< The filter chosen, from 1.
    QString InitDir;          ///< The folder the file dialogs start in; empty: the current one.
    QString DefaultExt;       ///< for a typed name without an extension
    pinxel::Color Color = 0;  ///< The colour chosen (colour dialog, and the font dialog's effects), packed.
    QString FontName = QStringLiteral("DejaVu Sans");  ///< The font chosen: its family.
    double FontSize = 8.0;                             ///< Its size in points.
    bool FontBold = false;                             ///< Bold.
    bool FontItalic = false;                           ///< Italic.
    bool FontUnderline = false;                        ///< Underlined (with font effects).
    bool FontStrikethru = false;                       ///< Struck through (with font effects).
    int Copies = 1;                                    ///< The copies chosen in the printer dialog.
};

/// The random source: uniform single-precision draws in [0, 1). The sequence
/// is the classic 24-bit linear congruential one, so a seeded run repeats.
///
/// One per HostServices (HostServices::random()); not locked, so one thread at a time.
class RandomSource {
public:
    /// A source at a seed; only its low 24 bits count.
    explicit RandomSource(std::uint32_t seed = 0x50000);
    /// Reseeds from the clock.
    void Randomize() { seed(readClock()); }
    /// Restarts the sequence at a seed; only its low 24 bits count.
    void seed(std::uint32_t seed) { m_state = seed & 0xFFFFFF; }
    /// The next draw, in [0, 1).
    float Rnd();

    /// Where Randomize reads the clock; none reads the machine's. A recording
    /// notes every reading and a replay gives the same ones back.
    void setClock(std::function<std::uint32_t()> clock) { m_clock = std::move(clock); }
    /// A reading of the clock set with setClock(), else of the machine's.
    std::uint32_t readClock() const { return m_clock ? m_clock() : machineClock(); }
    /// A reading of the machine's clock, folded into 24 bits.
    static std::uint32_t machineClock();

private:
    std::uint32_t m_state;
    std::function<std::uint32_t()> m_clock;
};

/// The printer a picture is sent to (HostServices::printer()).
///
/// A print job is PaintPicture() calls, the first opening the document,
/// then EndDoc().
class Printer {
public:
    virtual ~Printer() = default;
    /// The copies of the next document; the printer dialog's choice is set here before printing.
    int Copies = 1;
    /// Draws the picture at (x, y) at its own size on the current page.
    /// (QtHostServices scales a picture larger than the page down to fit.)
    /// \throws Error 482 when the print job cannot be started.
    virtual void PaintPicture(const QImage &picture, int x, int y) = 0;
    /// Ends the document and sends it.
    /// \throws Error 482 when the job cannot be finished or written.
    virtual void EndDoc() = 0;
};

/// The services of a person and the machine that the library calls: the one
/// in use is current().
///
/// The dialogs and the printer are pure virtual; the files, cursors, screen
/// and clipboard have working defaults, which QtHostServices and
/// ScriptedHostServices keep or extend. A host may derive its own services
/// from either and set them with setCurrent(). Called on the GUI thread.
class HostServices {
public:
    virtual ~HostServices();

    /// The services the library uses; QtHostServices unless a host or test sets another.
    ///
    /// The default services are made on first use and go with the
    /// QApplication. (A program built on the library's pictures' core alone,
    /// without its widgets, gets ScriptedHostServices.)
    static HostServices &current();
    /// Takes no ownership; nullptr returns to the default Qt services.
    /// Services that are destroyed while current unset themselves.
    static void setCurrent(HostServices *services);

    /// \name A person
    ///@{

    /// Shows text with a style (16, 36, 51) under the title "Pinxel"; returns the answer.
    virtual int MsgBox(const QString &text, int style) = 0;
    /// The file and printer dialogs raise ErrCancel when cancelled; colour and
    /// font leave the dialog's values as they were.
    ///
    /// ShowOpen: the file dialog for opening; the choice lands in
    /// CommonDialog::FileName and CommonDialog::FilterIndex.
    /// \throws Error 32755 when the user cancels.
    virtual void ShowOpen(CommonDialog &dialog) = 0;
    /// The file dialog for saving; with QtHostServices a name typed without
    /// an extension gets CommonDialog::DefaultExt or the chosen filter's
    /// (saveDialogSuffix()).
    /// \throws Error 32755 when the user cancels.
    virtual void ShowSave(CommonDialog &dialog) = 0;
    /// The colour dialog, on CommonDialog::Color; a cancel leaves it as it was.
    virtual void ShowColor(CommonDialog &dialog) = 0;
    /// The font dialog, on the font fields (and the colour with font
    /// effects, Flags 256); a cancel leaves them as they were.
    virtual void ShowFont(CommonDialog &dialog) = 0;
    /// The printer dialog; the copies chosen land in CommonDialog::Copies
    /// and in printer()'s Printer::Copies.
    /// \throws Error 32755 when the user cancels.
    virtual void ShowPrinter(CommonDialog &dialog) = 0;
    /// The printer the next print job goes to; it lives as long as the services.
    virtual Printer &printer() = 0;
    /// A pop-up menu at the pointer; returns the chosen item's index, or -1
    /// when the menu is dismissed. An item "-" is a separator; the item
    /// checkedItem (none when -1) carries the check mark. Services without
    /// menus dismiss it.
    virtual int PopupMenu(const QStringList &items, int checkedItem = -1);
    ///@}

    /// \name The desktop's clipboard
    ///@{

    /// Puts a picture on it, for other programs to paste. Services without a
    /// desktop keep it to themselves.
    virtual void SetClipboardPicture(const QImage &picture);
    /// Whether it holds a picture (PNG, bitmap or an image of Qt's), without reading it.
    virtual bool ClipboardHasPicture();
    /// The picture it holds, as the program that put it there gave it
    /// (transparency kept); null when it holds none or none that can be read.
    virtual QImage ClipboardPicture();
    /// Counts the clipboard's changes in this process, its own copies
    /// included, whichever services saw them: an editor pastes the desktop's
    /// picture when the clipboard changed after the editor's own copy.
    static std::uint64_t ClipboardChanges();
    /// Calls changed after every change of the clipboard, while context lives.
    static void watchClipboard(QObject *context, std::function<void()> changed);
    ///@}

    /// \name Picture files
    ///@{

    /// An empty path gives an empty picture; a missing file raises 53, an
    /// unreadable, corrupt, truncated or oversized one 481.
    ///
    /// Reads BMP, JPEG, PNG, GIF, ICO and CUR, told apart by their first
    /// bytes whatever the name's extension, as an RGB32 picture.
    /// \throws Error 53 (missing, a folder or not a regular file), 70 (no
    /// permission to read), 57 (a read error), 481 (no picture of a known
    /// format, corrupt, truncated, beyond MaxPictureSide or MaxPicturePixels),
    /// 7 (out of memory).
    virtual QImage LoadPicture(const QString &path);
    /// Writes a 24-bit BMP, atomically: a failed save leaves the old file as it was.
    /// A read-only file raises 70, also for root.
    /// \throws Error 481 (a null or oversized picture), 76 (no name, or a
    /// folder that does not exist), 70 (a read-only file, a folder, or a
    /// folder that is not writable), 61 (disk full), 57 (a write error), 7.
    virtual void SavePicture(const QImage &picture, const QString &path);
    ///@}

    /// \name Files
    ///@{

    /// Whether a regular file exists at path (false for a folder or an empty path).
    virtual bool FileExists(const QString &path);
    /// AttrReadOnly when the owner may not write the file, else AttrNormal.
    /// \throws Error 53 when nothing is at path.
    virtual int GetAttr(const QString &path);
    /// AttrNormal gives the owner write permission back; AttrReadOnly takes every write bit away.
    /// \throws Error 53 when nothing is at path, 70 when the mode cannot be changed.
    virtual void SetAttr(const QString &path, int attributes);
    /// Deletes a file. A read-only file is protected from deletion, as from
    /// writing, even for root.
    /// \throws Error 53 when no file is at path (or a folder), 70 when it is
    /// read-only or cannot be deleted.
    virtual void Kill(const QString &path);
    /// The folder the library was loaded from.
    virtual QString AppPath();
    ///@}

    /// \name Pointer shapes
    ///@{

    /// A cursor file (.cur) with its hot spot.
    /// \throws Error 53 (missing or a folder), 70 (not readable), 481 (no
    /// cursor, or one too large).
    virtual QCursor LoadCursor(const QString &path);
    ///@}

    /// \name Screen and random source
    ///@{

    /// Twips per pixel across the screen: twipsPerPixelX() (Screen.h).
    virtual double TwipsPerPixelX();
    /// Twips per pixel down the screen: twipsPerPixelY() (Screen.h).
    virtual double TwipsPerPixelY();
    /// The random source of these services (the air brush draws from it).
    RandomSource &random() { return m_random; }
    ///@}

protected:
    /// Services tell the watchers of every change of the clipboard here.
    static void clipboardChanged();

private:
    RandomSource m_random;
};

/// The largest side, in pixels, of a picture the loader accepts (and
/// EditorWidget::setPicture(), Dabbler::setPicture()).
inline constexpr int MaxPictureSide = 32768;
/// The most pixels of a picture the loader accepts: MaxSurfacePixels, 100 million.
inline constexpr std::int64_t MaxPicturePixels = MaxSurfacePixels;

}  // namespace pinxel
