#pragma once
// A property bag kept in a form file: one section of an IniDocument, holding
// a control's properties as readable text. Reading gives text back (the
// control converts it); writing keeps the text form in memory until save()
// replaces the file atomically. Other sections and keys of the file survive.

#include "pinxel/PropertyBag.h"
#include "platform/files/IniDocument.h"

namespace pinxel {

class FilePropertyBag : public PropertyBag {
public:
    // Reads the form file; a missing file is an empty form. Raises what
    // IniDocument::load raises for an unreadable or malformed file.
    FilePropertyBag(const QString &path, const QString &section);
    // A bag over a document already in hand (an empty form when the file could not be read).
    FilePropertyBag(const QString &path, const QString &section, IniDocument document);

    QVariant ReadProperty(const QString &key, const QVariant &defaultValue = QVariant()) override;
    void WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue = QVariant()) override;

    // Writes the whole form file atomically.
    void save();

    // True when the file holds the section: the control was saved before.
    bool hasSection() const { return m_document.section(m_section) != nullptr; }
    // The key of the last ReadProperty, so a host can say which value failed to convert.
    QString lastReadKey() const { return m_lastReadKey; }
    QString path() const { return m_path; }
    QString sectionName() const { return m_section; }
    IniDocument &document() { return m_document; }

    // The text a value is stored as: "True"/"False" for booleans, decimal numbers, text as it is.
    static QString textOf(const QVariant &value);

private:
    QString m_path;
    QString m_section;
    IniDocument m_document;
    QString m_lastReadKey;
};

}  // namespace pinxel
