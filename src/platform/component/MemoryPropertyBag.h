#pragma once
// A property bag in memory: the values a control wrote, in the order written,
// with the defaults it passed. Tests read the record; a host may copy a
// control's set between instances with it (design mode to run mode).

#include "pinxel/PropertyBag.h"

#include <QList>

namespace pinxel {

class MemoryPropertyBag : public PropertyBag {
public:
    struct Write {
        QString key;
        QVariant value;
        QVariant defaultValue;
    };

    QVariant ReadProperty(const QString &key, const QVariant &defaultValue = QVariant()) override;
    void WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue = QVariant()) override;

    // Stores a value as a host would have it, without recording a write.
    void setValue(const QString &key, const QVariant &value);
    bool contains(const QString &key) const;
    QVariant value(const QString &key) const;

    // Every WriteProperty since the last clearWrites, in order.
    const QList<Write> &writes() const { return m_writes; }
    void clearWrites() { m_writes.clear(); }
    // Keys read since construction, in order.
    const QStringList &reads() const { return m_reads; }

private:
    qsizetype indexOf(const QString &key) const;

    QList<std::pair<QString, QVariant>> m_values;
    QList<Write> m_writes;
    QStringList m_reads;
};

}  // namespace pinxel
