#include "platform/files/FileWrites.h"

#include "pinxel/Error.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace pinxel {

namespace {
QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }
}  // namespace

void checkWritableTarget(const QString &path)
{
    if (path.isEmpty())
        throw Error(ErrPathNotFound, QCoreApplication::translate("Error", "Path not found: no file name was given"));
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    struct stat folderStat {};
    if (::stat(QFile::encodeName(folder).constData(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode))
        throw Error(ErrPathNotFound, QCoreApplication::translate("Error", "Path not found: %1").arg(folder));
    struct stat fileStat {};
    const bool exists = ::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &fileStat) == 0;
    if (exists && S_ISDIR(fileStat.st_mode))
        throw Error(ErrPermissionDenied,
                    QCoreApplication::translate("Error", "Permission denied: %1 is a folder").arg(path));
    if (exists && !S_ISREG(fileStat.st_mode))
        throw Error(ErrPermissionDenied,
                    QCoreApplication::translate("Error", "Permission denied: %1 is not a regular file").arg(path));
    if (!(folderStat.st_mode & S_IWUSR) || ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        throw Error(
            ErrPermissionDenied,
            QCoreApplication::translate("Error", "Permission denied: the folder %1 is not writable").arg(folder));
    // The owner's write bit decides, also for an administrator whom the
    // system itself would let through: read-only means read-only.
    if (exists && (!(fileStat.st_mode & S_IWUSR) || ::access(QFile::encodeName(path).constData(), W_OK) != 0))
        throw Error(ErrPermissionDenied,
                    QCoreApplication::translate("Error", "Permission denied: %1 is read-only").arg(path));
}

namespace {

Error writeFailure(const QString &path, int error, const QString &fallback)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return Error(ErrDiskFull,
                     QCoreApplication::translate("Error", "Disk full: no space left to write %1").arg(path));
    case EACCES:
    case EPERM:
    case EROFS:
        return Error(ErrPermissionDenied, QCoreApplication::translate("Error", "Permission denied: cannot write %1: %2")
                                              .arg(path, systemError(error)));
    case 0:
        return Error(
            ErrDeviceIO,
            QCoreApplication::translate("Error", "Device I/O error: writing %1 failed: %2").arg(path, fallback));
    default:
        return Error(ErrDeviceIO, QCoreApplication::translate("Error", "Device I/O error: writing %1 failed: %2")
                                      .arg(path, systemError(error)));
    }
}

}  // namespace

void saveFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    checkWritableTarget(path);
    QSaveFile file(path);
    // Qt's texts lose the system's reason ("Unknown error"): errno keeps it.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw writeFailure(path, errno, file.errorString());
    errno = 0;
    if (!write(file) || !file.flush()) {
        const int error = errno;
        const QString why = file.errorString();
        file.cancelWriting();
        throw writeFailure(path, error, why);
    }
    errno = 0;
    if (!file.commit())
        throw writeFailure(path, errno, file.errorString());
}

}  // namespace pinxel
