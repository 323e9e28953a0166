#include "platform/component/FilePropertyBag.h"

#include <utility>

namespace pinxel {

FilePropertyBag::FilePropertyBag(const QString &path, const QString &section)
    : m_path(path), m_section(section), m_document(IniDocument::load(path))
{}

FilePropertyBag::FilePropertyBag(const QString &path, const QString &section, IniDocument document)
    : m_path(path), m_section(section), m_document(std::move(document))
{}

QVariant FilePropertyBag::ReadProperty(const QString &key, const QVariant &defaultValue)
{
    m_lastReadKey = key;
    if (const std::optional<QString> text = m_document.value(m_section, key))
        return *text;
    return defaultValue;
}

void FilePropertyBag::WriteProperty(const QString &key, const QVariant &value, const QVariant &)
{
    // Defaults are written too: the file shows every value the control holds.
    m_document.setValue(m_section, key, textOf(value));
}

void FilePropertyBag::save() { m_document.save(m_path); }

QString FilePropertyBag::textOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return value.toString();
}

}  // namespace pinxel
