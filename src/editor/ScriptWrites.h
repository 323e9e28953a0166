#pragma once
// What a script may write. Scripts and recordings travel between people, so
// a script run from the command line writes only inside its own folder, at
// the files its command line names (--save, --record, --journal) and inside
// the folders --allow-writes names. A replay on other pictures (--on) also
// skips the recording's own Save and Save As, which were meant for the
// recorded picture, unless --allow-writes names their folder.

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace pinxel {

// A write the script was not allowed to make; not a pinxel::Error, so that
// no handler of the editor takes it for a failed save and goes on.
class WriteRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScriptWrites {
public:
    // Unconfined until a folder or file is allowed.
    bool confined() const { return m_confined; }
    // Allows nothing more than what is allowed by name.
    void confine() { m_confined = true; }

    void allowScriptFolder(const QString &folder);
    // A folder --allow-writes names: also the recording's own saves there.
    void allowFolder(const QString &folder);
    void allowFile(const QString &path);
    // A file and the pictures kept beside it (NAME.*), as a recording keeps them.
    void allowFileAndKept(const QString &path);
    void skipRecordedSaves(bool skip) { m_skipRecordedSaves = skip; }

    // For the script's own writes (save and screenshot lines, --save):
    // throws WriteRefused naming the path and the flag that allows it.
    void check(const QString &path) const;
    // For a write the editor makes (Save, Save As, the read-only question):
    // false when it is to be skipped, with the reason in skipped.
    bool checkEditorWrite(const QString &path, QString &skipped) const;

    // The path as it will be written: absolute, clean, its folder's links resolved.
    static QString target(const QString &path);

private:
    bool inside(const QString &path, const QStringList &folders) const;
    WriteRefused refused(const QString &path) const;

    bool m_confined = false;
    bool m_skipRecordedSaves = false;
    QString m_scriptFolder;
    QStringList m_allowed;  // folders --allow-writes names
    QStringList m_files;
    QStringList m_keptBeside;  // NAME. prefixes of files beside a recording
};

}  // namespace pinxel
