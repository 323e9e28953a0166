#pragma once
// A small readable text format of sections and key=value lines, shared by the
// component registry and form files:
//
//   ; comment
//   [Section]
//   Key=value
//   Caption="  spaces kept, \"quotes\", \\ and \n escaped"
//
// Sections and keys keep their order; names match without regard to case.
// Values that would not survive a plain line are written quoted. A file is
// replaced atomically, so a failed save leaves the old file as it was.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace pinxel {

// "Bad file format": a file that does not parse.
inline constexpr int ErrBadFileFormat = 321;

class IniDocument {
public:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };

    // The largest file read (1 MiB): forms and registries are a few lines.
    static constexpr qint64 MaxFileSize = 1 << 20;

    // Raises Error 321 naming origin and the line that does not parse.
    static IniDocument parse(const QString &text, const QString &origin = QString());
    // A missing file gives an empty document; an unreadable one, a folder or
    // a pipe raises 70 (never opened), a failed read 57, one that does not
    // parse or is too large 321. Linear in the file's length.
    static IniDocument load(const QString &path);
    // Writes atomically, creating the folder; raises 76 (folder cannot be
    // made), 70 (not writable: also a read-only file, for root too, a folder
    // or a pipe), 321 (larger than load() reads), 61 (disk full) or 57 (the
    // write failed).
    void save(const QString &path) const;
    QString toText() const;

    const QList<Section> &sections() const { return m_sections; }
    const Section *section(const QString &name) const;
    Section &ensureSection(const QString &name);
    bool removeSection(const QString &name);

    std::optional<QString> value(const QString &section, const QString &key) const;
    // Replaces the value in place, or appends the key to the section.
    void setValue(const QString &section, const QString &key, const QString &value);

    // Comment lines written at the top of the file, without their "; ".
    QStringList header;

private:
    QList<Section> m_sections;
};

}  // namespace pinxel
