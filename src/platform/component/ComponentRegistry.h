#pragma once
// The per-user component registry: a text file with one section per class.
//
//   [{B6FB87A8-7CCA-4F1D-9617-172BBC573E5A}]
//   Name=Pinxel.Dabbler
//   Library=/home/me/pinxel/lib/libpinxel.so
//   PropertyPages={72A43563-E7B3-40DD-B68A-CE1108503172}
//
// Changes go through update(), which holds a lock file beside the registry
// for the read-modify-write, so two registrations at once do not lose each
// other's classes. Sections the registry does not know are kept.

#include "pinxel/ComponentRuntime.h"
#include "platform/files/IniDocument.h"

#include <functional>
#include <optional>

namespace pinxel {

class ComponentRegistry {
public:
    // $PINXEL_REGISTRY, else <user configuration folder>/pinxel/components.ini.
    static QString defaultPath();

    // Reads the registry; a missing file is an empty registry.
    explicit ComponentRegistry(const QString &path = defaultPath());

    QString path() const { return m_path; }
    QList<ComponentClass> classes() const;
    // By class identifier (braces optional, any case) or by readable name.
    std::optional<ComponentClass> find(const QString &nameOrClassId) const;

    // Records a class, replacing an entry with its identifier.
    void add(const ComponentClass &entry);
    bool remove(const QString &classId);
    void save() const;

    // Loads, changes and saves the registry while holding its lock.
    static void update(const QString &path, const std::function<void(ComponentRegistry &)> &change);

    // "{XXXXXXXX-...}" in upper case, whatever form the identifier came in.
    static QString normalizedClassId(const QString &classId);

private:
    QString m_path;
    IniDocument m_document;
};

}  // namespace pinxel
