#include "platform/files/IniDocument.h"

#include "pinxel/Error.h"
#include "platform/files/FileWrites.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace pinxel {

namespace {

[[noreturn]] void badLine(const QString &origin, int line, const QString &why)
{
    const QString where = origin.isEmpty() ? QString() : origin + QStringLiteral(", ");
    throw Error(ErrBadFileFormat,
                QCoreApplication::translate("Error", "Bad file format: %1line %2: %3").arg(where).arg(line).arg(why));
}

bool needsQuotes(const QString &value)
{
    if (value.isEmpty())
        return false;
    if (value.front().isSpace() || value.back().isSpace() || value.front() == u'"')
        return true;
    for (const QChar c : value)
        if (c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    return false;
}

QString quoted(const QString &value)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

QString unquoted(const QString &text, const QString &origin, int line)
{
    QString out;
    qsizetype i = 1;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"')
            break;
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++i >= text.size())
            badLine(origin, line, QStringLiteral("the quoted value ends inside an escape"));
        switch (text[i].unicode()) {
        case '"':
            out += u'"';
            break;
        case '\\':
            out += u'\\';
            break;
        case 'n':
            out += u'\n';
            break;
        case 'r':
            out += u'\r';
            break;
        case 't':
            out += u'\t';
            break;
        case 'x': {
            bool ok = false;
            const int code = text.mid(i + 1, 2).toInt(&ok, 16);
            if (!ok || i + 2 >= text.size())
                badLine(origin, line, QStringLiteral("\\x needs two hexadecimal digits"));
            out += QChar(code);
            i += 2;
            break;
        }
        default:
            badLine(origin, line, QStringLiteral("unknown escape \\%1").arg(text[i]));
        }
    }
    if (i >= text.size())
        badLine(origin, line, QStringLiteral("the quoted value has no closing quote"));
    if (!text.mid(i + 1).trimmed().isEmpty())
        badLine(origin, line, QStringLiteral("text after the closing quote"));
    return out;
}

// Adds a name, compared without regard to case; false when it was there.
bool insertNew(QSet<QString> &names, const QString &name)
{
    const QString folded = name.toCaseFolded();
    const qsizetype before = names.size();
    names.insert(folded);
    return names.size() != before;
}

}  // namespace

IniDocument IniDocument::parse(const QString &text, const QString &origin)
{
    IniDocument document;
    Section *current = nullptr;
    // Names seen so far, folded: a file of many sections or keys is read in
    // linear time.
    QSet<QString> sectionNames, keysOfCurrent;
    bool beforeFirstSection = true;
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const int lineNumber = static_cast<int>(n + 1);
        QString line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.startsWith(u';') || trimmed.startsWith(u'#')) {
            if (beforeFirstSection)
                document.header << trimmed.mid(1).trimmed();
            continue;
        }
        if (trimmed.startsWith(u'[')) {
            if (!trimmed.endsWith(u']') || trimmed.size() < 3)
                badLine(origin, lineNumber, QStringLiteral("a section header needs the form [Name]"));
            const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed();
            if (!insertNew(sectionNames, name))
                badLine(origin, lineNumber, QStringLiteral("section [%1] appears twice").arg(name));
            document.m_sections.append(Section{name, {}});
            current = &document.m_sections.back();
            keysOfCurrent.clear();
            beforeFirstSection = false;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            badLine(origin, lineNumber, QStringLiteral("a line needs the form Key=value"));
        if (!current)
            badLine(origin, lineNumber, QStringLiteral("a value before the first [section]"));
        const QString key = line.left(equals).trimmed();
        if (key.isEmpty())
            badLine(origin, lineNumber, QStringLiteral("the key is empty"));
        const QString raw = line.mid(equals + 1).trimmed();
        const QString value = raw.startsWith(u'"') ? unquoted(raw, origin, lineNumber) : raw;
        if (!insertNew(keysOfCurrent, key))
            badLine(origin, lineNumber, QStringLiteral("key %1 appears twice in [%2]").arg(key, current->name));
        current->entries.append(Entry{key, value});
    }
    return document;
}

IniDocument IniDocument::load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return IniDocument();
    if (info.isDir())
        throw Error(ErrPermissionDenied,
                    QCoreApplication::translate("Error", "Permission denied: %1 is a folder, not a file").arg(path));
    // A pipe or a device would block the read or never end.
    if (!info.isFile())
        throw Error(ErrPermissionDenied,
                    QCoreApplication::translate("Error", "Permission denied: %1 is not a regular file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(ErrPermissionDenied, QCoreApplication::translate("Error", "Permission denied: cannot read %1: %2")
                                             .arg(path, file.errorString()));
    if (file.size() > MaxFileSize)
        throw Error(ErrBadFileFormat,
                    QCoreApplication::translate("Error", "Bad file format: %1 is larger than %2 bytes")
                        .arg(path)
                        .arg(MaxFileSize));
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw Error(ErrDeviceIO,
                    QCoreApplication::translate("Error", "Device I/O error: %1: %2").arg(path, file.errorString()));
    if (bytes.size() > MaxFileSize)
        throw Error(ErrBadFileFormat,
                    QCoreApplication::translate("Error", "Bad file format: %1 is larger than %2 bytes")
                        .arg(path)
                        .arg(MaxFileSize));
    if (bytes.contains('\0'))
        throw Error(ErrBadFileFormat,
                    QCoreApplication::translate("Error", "Bad file format: %1 is not a text file").arg(path));
    return parse(QString::fromUtf8(bytes), path);
}

QString IniDocument::toText() const
{
    QString text;
    for (const QString &comment : header)
        text += QStringLiteral("; ") + comment + u'\n';
    for (const Section &section : m_sections) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + section.name + QStringLiteral("]\n");
        for (const Entry &entry : section.entries)
            text += entry.key + u'=' + (needsQuotes(entry.value) ? quoted(entry.value) : entry.value) + u'\n';
    }
    return text;
}

void IniDocument::save(const QString &path) const
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw Error(ErrPathNotFound, QCoreApplication::translate("Error", "Path not found: cannot create the folder %1")
                                         .arg(info.absolutePath()));
    // A file that load() would refuse is never written: it could not be read back.
    const QByteArray bytes = toText().toUtf8();
    if (bytes.size() > MaxFileSize)
        throw Error(ErrBadFileFormat,
                    QCoreApplication::translate("Error", "Bad file format: %1 would be larger than %2 bytes (%3)")
                        .arg(path)
                        .arg(MaxFileSize)
                        .arg(bytes.size()));
    saveFileAtomically(path, [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); });
}

const IniDocument::Section *IniDocument::section(const QString &name) const
{
    for (const Section &section : m_sections)
        if (section.name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    return nullptr;
}

IniDocument::Section &IniDocument::ensureSection(const QString &name)
{
    for (Section &section : m_sections)
        if (section.name.compare(name, Qt::CaseInsensitive) == 0)
            return section;
    m_sections.append(Section{name, {}});
    return m_sections.back();
}

bool IniDocument::removeSection(const QString &name)
{
    for (qsizetype i = 0; i < m_sections.size(); ++i)
        if (m_sections[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            m_sections.removeAt(i);
            return true;
        }
    return false;
}

std::optional<QString> IniDocument::value(const QString &sectionName, const QString &key) const
{
    if (const Section *found = section(sectionName))
        for (const Entry &entry : found->entries)
            if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
                return entry.value;
    return std::nullopt;
}

void IniDocument::setValue(const QString &sectionName, const QString &key, const QString &value)
{
    Section &target = ensureSection(sectionName);
    for (Entry &entry : target.entries)
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0) {
            entry.value = value;
            return;
        }
    target.entries.append(Entry{key, value});
}

}  // namespace pinxel
