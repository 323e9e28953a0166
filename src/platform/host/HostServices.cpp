#include "pinxel/HostServices.h"

#include "pinxel/Error.h"
#include "pinxel/Screen.h"
#include "pinxel/ScriptedHostServices.h"
#include "platform/files/CursorFile.h"
#include "platform/files/PictureFiles.h"
#include "platform/host/DefaultHostServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QPointer>

#include <chrono>
#include <memory>

#include <dlfcn.h>
#include <sys/stat.h>

namespace pinxel {

// --- Random source.

RandomSource::RandomSource(std::uint32_t seed) : m_state(seed & 0xFFFFFF) {}

std::uint32_t RandomSource::machineClock()
{
    // Any clock bits will do; fold the nanoseconds into the 24-bit state.
    const auto ticks = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return static_cast<std::uint32_t>((ticks ^ (ticks >> 24) ^ (ticks >> 48)) & 0xFFFFFF);
}

float RandomSource::Rnd()
{
    // Unsigned arithmetic wraps modulo 2^32, a multiple of 2^24, so the mask
    // gives the state modulo 2^24 exactly.
    m_state = (m_state * 1140671485u + 12820163u) & 0xFFFFFFu;
    return static_cast<float>(m_state) / 16777216.0f;
}

// --- The current services.

namespace {
HostServices *g_current = nullptr;
std::unique_ptr<HostServices> g_default;
DefaultServicesMaker g_makeDefault = nullptr;
}  // namespace

void setDefaultServicesMaker(DefaultServicesMaker maker) { g_makeDefault = maker; }

HostServices::~HostServices()
{
    if (g_current == this)
        g_current = nullptr;
}

HostServices &HostServices::current()
{
    if (g_current)
        return *g_current;
    if (!g_default) {
        g_default = g_makeDefault ? g_makeDefault() : std::make_unique<ScriptedHostServices>();
        // Its printer and dialogs belong to the application: they go with it.
        if (QCoreApplication::instance())
            qAddPostRoutine([] { g_default.reset(); });
    }
    return *g_default;
}

void HostServices::setCurrent(HostServices *services) { g_current = services; }

int HostServices::PopupMenu(const QStringList &, int) { return -1; }
void HostServices::SetClipboardPicture(const QImage &) {}
bool HostServices::ClipboardHasPicture() { return false; }
QImage HostServices::ClipboardPicture() { return QImage(); }

namespace {
struct ClipboardWatch {
    QPointer<QObject> context;
    std::function<void()> changed;
};
std::uint64_t g_clipboardChanges = 0;
std::vector<ClipboardWatch> &clipboardWatchers()
{
    static std::vector<ClipboardWatch> watchers;
    return watchers;
}
}  // namespace

std::uint64_t HostServices::ClipboardChanges() { return g_clipboardChanges; }

void HostServices::watchClipboard(QObject *context, std::function<void()> changed)
{
    auto &watchers = clipboardWatchers();
    std::erase_if(watchers, [](const ClipboardWatch &watch) { return watch.context.isNull(); });
    watchers.push_back({context, std::move(changed)});
}

void HostServices::clipboardChanged()
{
    ++g_clipboardChanges;
    // A watcher may add another (an editor made on a change): call a copy.
    const std::vector<ClipboardWatch> now = clipboardWatchers();
    for (const ClipboardWatch &watch : now)
        if (watch.context)
            watch.changed();
}

// --- Picture files.

QImage HostServices::LoadPicture(const QString &path) { return loadPictureFile(path); }

void HostServices::SavePicture(const QImage &picture, const QString &path) { savePictureFile(picture, path); }

// --- Files.

namespace {
bool statPath(const QString &path, struct stat &info)
{
    const QByteArray name = QFile::encodeName(path);
    return !path.isEmpty() && ::stat(name.constData(), &info) == 0;
}

[[noreturn]] void fileNotFound(const QString &path)
{
    throw Error(ErrFileNotFound, QCoreApplication::translate("Error", "File not found: %1").arg(path));
}
}  // namespace

bool HostServices::FileExists(const QString &path)
{
    struct stat info {};
    return statPath(path, info) && S_ISREG(info.st_mode);
}

int HostServices::GetAttr(const QString &path)
{
    struct stat info {};
    if (!statPath(path, info))
        fileNotFound(path);
    // The owner's write bit is the read-only attribute; there is no hidden
    // attribute here (a leading dot is only a naming habit).
    return (info.st_mode & S_IWUSR) ? AttrNormal : AttrReadOnly;
}

void HostServices::SetAttr(const QString &path, int attributes)
{
    struct stat info {};
    if (!statPath(path, info))
        fileNotFound(path);
    mode_t mode = info.st_mode & 07777;
    if (attributes & AttrReadOnly)
        mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
    else
        mode |= S_IWUSR;
    if (::chmod(QFile::encodeName(path).constData(), mode) != 0)
        throw Error(
            ErrPermissionDenied,
            QCoreApplication::translate("Error", "Permission denied: cannot change the attributes of %1").arg(path));
}

void HostServices::Kill(const QString &path)
{
    struct stat info {};
    if (!statPath(path, info) || S_ISDIR(info.st_mode))
        fileNotFound(path);
    // A read-only file is protected from deletion, as it is from writing,
    // even for an administrator.
    if (!(info.st_mode & S_IWUSR))
        throw Error(ErrPermissionDenied,
                    QCoreApplication::translate("Error", "Permission denied: %1 is read-only").arg(path));
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        throw Error(ErrPermissionDenied,
                    QCoreApplication::translate("Error", "Permission denied: cannot delete %1").arg(path));
}

QString HostServices::AppPath()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void *>(&HostServices::current), &info) != 0 && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return QDir::currentPath();
}

// --- Pointer shapes.

QCursor HostServices::LoadCursor(const QString &path)
{
    const CursorImage cursor = readCursorFile(path);
    return QCursor(QPixmap::fromImage(cursor.image), cursor.hotSpot.x(), cursor.hotSpot.y());
}

// --- Screen.

double HostServices::TwipsPerPixelX() { return twipsPerPixelX(); }
double HostServices::TwipsPerPixelY() { return twipsPerPixelY(); }

}  // namespace pinxel
