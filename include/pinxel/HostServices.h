#pragma once
// Everything the library needs from a person or the machine, behind one
// interface: message boxes, the common dialogs, picture files, file queries,
// the printer, pointer shapes, the screen and the random source.
//
// QtHostServices serves a real user; ScriptedHostServices answers from a queue
// filled in advance and records what was shown, so that no test or script
// ever blocks on a modal window. Failures are pinxel::Error with the
// platform's numbers (32755 cancel, 70 permission denied, 53 file not found,
// 481 invalid picture, ...).

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

// Message box styles and answers.
enum MsgBoxStyle : int {
    MsgCritical = 16,               // error sign, OK
    MsgQuestionYesNo = 36,          // question sign, Yes and No
    MsgInformation = 64,            // information sign, OK
    MsgExclamationYesNoCancel = 51  // warning sign, Yes, No and Cancel
};
enum MsgBoxAnswer : int {
    AnswerOk = 1,
    AnswerCancel = 2,
    AnswerYes = 6,
    AnswerNo = 7
};

// The library's title: every message box carries it.
inline constexpr const char *LibraryTitle = "Pinxel";

// File attributes.
enum FileAttribute : int {
    AttrNormal = 0,
    AttrReadOnly = 1,
    AttrHidden = 2
};

// The state of one common dialog element (cdlOpen, cdlSave, cdlColor, cdlFonts, cdlPrint).
struct CommonDialog {
    int Flags = 0;
    QString DialogTitle;
    QString FileName;
    QString Filter;  // "Description|*.ext;*.ext2|Description|*.ext"
    int FilterIndex = 1;
    QString InitDir;
    QString DefaultExt;  // for a typed name without an extension
    pinxel::Color Color = 0;
    QString FontName = QStringLiteral("DejaVu Sans");
    double FontSize = 8.0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;
    int Copies = 1;
};

// The random source: uniform single-precision draws in [0, 1). The sequence
// is the classic 24-bit linear congruential one, so a seeded run repeats.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed = 0x50000);
    // Reseeds from the clock.
    void Randomize() { seed(readClock()); }
    void seed(std::uint32_t seed) { m_state = seed & 0xFFFFFF; }
    float Rnd();

    // Where Randomize reads the clock; none reads the machine's. A recording
    // notes every reading and a replay gives the same ones back.
    void setClock(std::function<std::uint32_t()> clock) { m_clock = std::move(clock); }
    std::uint32_t readClock() const { return m_clock ? m_clock() : machineClock(); }
    static std::uint32_t machineClock();

private:
    std::uint32_t m_state;
    std::function<std::uint32_t()> m_clock;
};

// The printer a picture is sent to.
class Printer {
public:
    virtual ~Printer() = default;
    int Copies = 1;
    // Draws the picture at (x, y) at its own size on the current page.
    virtual void PaintPicture(const QImage &picture, int x, int y) = 0;
    // Ends the document and sends it.
    virtual void EndDoc() = 0;
};

class HostServices {
public:
    virtual ~HostServices();

    // The services the library uses; QtHostServices unless a host or test sets another.
    static HostServices &current();
    // Takes no ownership; nullptr returns to the default Qt services.
    static void setCurrent(HostServices *services);

    // --- A person.
    // Shows text with a style (16, 36, 51) under the title "Pinxel"; returns the answer.
    virtual int MsgBox(const QString &text, int style) = 0;
    // The file and printer dialogs raise ErrCancel when cancelled; colour and
    // font leave the dialog's values as they were.
    virtual void ShowOpen(CommonDialog &dialog) = 0;
    virtual void ShowSave(CommonDialog &dialog) = 0;
    virtual void ShowColor(CommonDialog &dialog) = 0;
    virtual void ShowFont(CommonDialog &dialog) = 0;
    virtual void ShowPrinter(CommonDialog &dialog) = 0;
    virtual Printer &printer() = 0;
    // A pop-up menu at the pointer; returns the chosen item's index, or -1
    // when the menu is dismissed. An item "-" is a separator; the item
    // checkedItem (none when -1) carries the check mark. Services without
    // menus dismiss it.
    virtual int PopupMenu(const QStringList &items, int checkedItem = -1);
    // --- The desktop's clipboard.
    // Puts a picture on it, for other programs to paste. Services without a
    // desktop keep it to themselves.
    virtual void SetClipboardPicture(const QImage &picture);
    // Whether it holds a picture (PNG, bitmap or an image of Qt's), without reading it.
    virtual bool ClipboardHasPicture();
    // The picture it holds, as the program that put it there gave it
    // (transparency kept); null when it holds none or none that can be read.
    virtual QImage ClipboardPicture();
    // Counts the clipboard's changes in this process, its own copies
    // included, whichever services saw them: an editor pastes the desktop's
    // picture when the clipboard changed after the editor's own copy.
    static std::uint64_t ClipboardChanges();
    // Calls changed after every change of the clipboard, while context lives.
    static void watchClipboard(QObject *context, std::function<void()> changed);

    // --- Picture files.
    // An empty path gives an empty picture; a missing file raises 53, an
    // unreadable, corrupt, truncated or oversized one 481.
    virtual QImage LoadPicture(const QString &path);
    // Writes a 24-bit BMP, atomically: a failed save leaves the old file as it was.
    // A read-only file raises 70, also for root.
    virtual void SavePicture(const QImage &picture, const QString &path);

    // --- Files.
    virtual bool FileExists(const QString &path);
    virtual int GetAttr(const QString &path);
    // AttrNormal gives the owner write permission back; AttrReadOnly takes every write bit away.
    virtual void SetAttr(const QString &path, int attributes);
    virtual void Kill(const QString &path);
    // The folder the library was loaded from.
    virtual QString AppPath();

    // --- Pointer shapes: a cursor file (.cur) with its hot spot, raises 53 or 481.
    virtual QCursor LoadCursor(const QString &path);

    // --- Screen and random source.
    virtual double TwipsPerPixelX();
    virtual double TwipsPerPixelY();
    RandomSource &random() { return m_random; }

protected:
    // Services tell the watchers of every change of the clipboard here.
    static void clipboardChanged();

private:
    RandomSource m_random;
};

// Limits of picture files the loader accepts.
inline constexpr int MaxPictureSide = 32768;
inline constexpr std::int64_t MaxPicturePixels = MaxSurfacePixels;

}  // namespace pinxel
