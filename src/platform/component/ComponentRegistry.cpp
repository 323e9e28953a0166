#include "platform/component/ComponentRegistry.h"

#include "pinxel/Error.h"
#include "platform/files/FileWrites.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <sys/statvfs.h>

namespace pinxel {

namespace {
const QString KeyName = QStringLiteral("Name");
const QString KeyLibrary = QStringLiteral("Library");
const QString KeyPropertyPages = QStringLiteral("PropertyPages");

bool looksLikeClassId(const QString &text)
{
    const QString id = ComponentRegistry::normalizedClassId(text);
    return id.size() == 38 && id.count(u'-') == 4;
}
}  // namespace

QString ComponentRegistry::defaultPath()
{
    const QString fromEnvironment = qEnvironmentVariable("PINXEL_REGISTRY");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/pinxel/components.ini");
}

QString ComponentRegistry::normalizedClassId(const QString &classId)
{
    QString id = classId.trimmed().toUpper();
    if (!id.startsWith(u'{'))
        id.prepend(u'{');
    if (!id.endsWith(u'}'))
        id.append(u'}');
    return id;
}

ComponentRegistry::ComponentRegistry(const QString &path) : m_path(path), m_document(IniDocument::load(path))
{
    if (m_document.header.isEmpty())
        m_document.header << QStringLiteral("Pinxel component registry: one section per class.");
}

QList<ComponentClass> ComponentRegistry::classes() const
{
    QList<ComponentClass> result;
    for (const IniDocument::Section &section : m_document.sections()) {
        if (!looksLikeClassId(section.name))
            continue;
        ComponentClass entry;
        entry.classId = normalizedClassId(section.name);
        entry.name = m_document.value(section.name, KeyName).value_or(QString());
        entry.library = m_document.value(section.name, KeyLibrary).value_or(QString());
        const QString pages = m_document.value(section.name, KeyPropertyPages).value_or(QString());
        for (const QString &page : pages.split(u',', Qt::SkipEmptyParts))
            entry.propertyPages << normalizedClassId(page);
        result << entry;
    }
    return result;
}

std::optional<ComponentClass> ComponentRegistry::find(const QString &nameOrClassId) const
{
    const bool byId = looksLikeClassId(nameOrClassId);
    const QString id = normalizedClassId(nameOrClassId);
    for (const ComponentClass &entry : classes())
        if (byId ? entry.classId == id : entry.name.compare(nameOrClassId.trimmed(), Qt::CaseInsensitive) == 0)
            return entry;
    return std::nullopt;
}

void ComponentRegistry::add(const ComponentClass &entry)
{
    const QString id = normalizedClassId(entry.classId);
    m_document.removeSection(id);
    m_document.setValue(id, KeyName, entry.name);
    m_document.setValue(id, KeyLibrary, entry.library);
    if (!entry.propertyPages.isEmpty())
        m_document.setValue(id, KeyPropertyPages, entry.propertyPages.join(u','));
}

bool ComponentRegistry::remove(const QString &classId) { return m_document.removeSection(normalizedClassId(classId)); }

void ComponentRegistry::save() const { m_document.save(m_path); }

void ComponentRegistry::update(const QString &path, const std::function<void(ComponentRegistry &)> &change)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw Error(ErrPathNotFound, QCoreApplication::translate("Error", "Path not found: cannot create the folder %1")
                                         .arg(info.absolutePath()));
    // Refused before the lock is taken: a folder, a pipe, a read-only
    // registry (also for root) or a folder that cannot be written.
    checkWritableTarget(path);
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(10000)) {
        if (lock.error() == QLockFile::LockFailedError)
            throw Error(ErrPermissionDenied,
                        QCoreApplication::translate("Error", "Permission denied: the component registry %1 is locked")
                            .arg(path));
        // The folder was writable a moment ago: the usual reason left is a full disk.
        struct statvfs space {};
        const bool full =
            ::statvfs(QFile::encodeName(info.absolutePath()).constData(), &space) == 0 && space.f_bavail == 0;
        if (full)
            throw Error(ErrDiskFull, QCoreApplication::translate(
                                         "Error", "Disk full: no space left to lock the component registry %1")
                                         .arg(path));
        throw Error(
            ErrDeviceIO,
            QCoreApplication::translate("Error", "Device I/O error: cannot create the lock file %1.lock").arg(path));
    }
    ComponentRegistry registry(path);
    change(registry);
    registry.save();
}

}  // namespace pinxel
