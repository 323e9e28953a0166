#pragma once
// The answers of dialogs as script lines, both ways: a script's "answer ..."
// line queued in scripted services, and a recording's services that write
// the line for each answer a person (or a queued answer) gave.
//
//   answer msgbox yes|no|cancel|ok
//   answer open PATH|cancel         answer save PATH|cancel
//   answer print COPIES|cancel      answer color R G B|cancel
//   answer font NAME SIZE [bold] [italic] [underline] [strikethrough] R G B|cancel
//   answer popup INDEX|dismiss      answer clock READING

#include "pinxel/ScriptedHostServices.h"

#include <QStringList>

#include <functional>

namespace pinxel {

// Queues the answer of an "answer" line (its words after "answer");
// throws ScriptError for one it cannot read.
void queueScriptAnswer(ScriptedHostServices &services, const QStringList &words);

// Services that pass every request to others and write each answer given as
// its script line. The clock's readings are answers too.
class RecordingHostServices : public HostServices {
public:
    using Note = std::function<void(const QString &line)>;
    // Keeps a picture beside the recording; returns the path a script line
    // names it by, or an empty string when it could not be kept.
    using Keep = std::function<QString(const QImage &picture)>;
    // Told the path before the editor writes a picture file.
    using BeforeSave = std::function<void(const QString &path)>;
    RecordingHostServices(HostServices &inner, Note note, Keep keep = nullptr, BeforeSave beforeSave = nullptr);

    int MsgBox(const QString &text, int style) override;
    void ShowOpen(CommonDialog &dialog) override;
    void ShowSave(CommonDialog &dialog) override;
    void ShowColor(CommonDialog &dialog) override;
    void ShowFont(CommonDialog &dialog) override;
    void ShowPrinter(CommonDialog &dialog) override;
    Printer &printer() override { return m_inner->printer(); }
    // The services the requests go to from now on.
    void setInner(HostServices &inner) { m_inner = &inner; }
    int PopupMenu(const QStringList &items, int checkedItem = -1) override;
    void SetClipboardPicture(const QImage &picture) override { m_inner->SetClipboardPicture(picture); }
    bool ClipboardHasPicture() override { return m_inner->ClipboardHasPicture(); }
    // The desktop's picture a paste takes is kept beside the recording, and
    // its clipboard line written before the paste's event.
    QImage ClipboardPicture() override;
    QImage LoadPicture(const QString &path) override { return m_inner->LoadPicture(path); }
    void SavePicture(const QImage &picture, const QString &path) override
    {
        if (m_beforeSave)
            m_beforeSave(path);
        m_inner->SavePicture(picture, path);
    }
    bool FileExists(const QString &path) override { return m_inner->FileExists(path); }
    int GetAttr(const QString &path) override { return m_inner->GetAttr(path); }
    void SetAttr(const QString &path, int attributes) override { m_inner->SetAttr(path, attributes); }
    void Kill(const QString &path) override { m_inner->Kill(path); }
    QString AppPath() override { return m_inner->AppPath(); }
    QCursor LoadCursor(const QString &path) override { return m_inner->LoadCursor(path); }
    double TwipsPerPixelX() override { return m_inner->TwipsPerPixelX(); }
    double TwipsPerPixelY() override { return m_inner->TwipsPerPixelY(); }

private:
    // Runs a file or printer dialog; a cancel (error 32755) is noted and goes on.
    void fileDialog(const QString &kind, CommonDialog &dialog, void (HostServices::*show)(CommonDialog &),
                    const std::function<QString()> &answer);

    HostServices *m_inner;
    Note m_note;
    Keep m_keep;
    BeforeSave m_beforeSave;
};

}  // namespace pinxel
