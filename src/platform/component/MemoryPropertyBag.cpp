#include "platform/component/MemoryPropertyBag.h"

namespace pinxel {

qsizetype MemoryPropertyBag::indexOf(const QString &key) const
{
    for (qsizetype i = 0; i < m_values.size(); ++i)
        if (m_values[i].first.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant MemoryPropertyBag::ReadProperty(const QString &key, const QVariant &defaultValue)
{
    m_reads << key;
    const qsizetype i = indexOf(key);
    return i < 0 ? defaultValue : m_values[i].second;
}

void MemoryPropertyBag::WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    m_writes.append(Write{key, value, defaultValue});
    setValue(key, value);
}

void MemoryPropertyBag::setValue(const QString &key, const QVariant &value)
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        m_values.append({key, value});
    else
        m_values[i].second = value;
}

bool MemoryPropertyBag::contains(const QString &key) const { return indexOf(key) >= 0; }

QVariant MemoryPropertyBag::value(const QString &key) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? QVariant() : m_values[i].second;
}

}  // namespace pinxel
