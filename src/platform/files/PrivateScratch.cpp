#include "platform/files/PrivateScratch.h"

#include "pinxel/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>
#include <QStringList>

namespace pinxel {

namespace {

QMutex g_lock;
QStringList g_alive;  // the folders' paths, each ending in '/'

}  // namespace

PrivateScratch::PrivateScratch()
{
    if (!m_dir.isValid())
        throw Error(ErrPathNotFound,
                    QCoreApplication::translate("Error", "Cannot create a temporary folder for printing."));
    const QMutexLocker locked(&g_lock);
    g_alive << QDir::cleanPath(m_dir.path()) + QLatin1Char('/');
}

PrivateScratch::~PrivateScratch()
{
    const QMutexLocker locked(&g_lock);
    g_alive.removeOne(QDir::cleanPath(m_dir.path()) + QLatin1Char('/'));
}

bool PrivateScratch::holds(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
    const QMutexLocker locked(&g_lock);
    for (const QString &folder : g_alive)
        if (clean.startsWith(folder) && !clean.mid(folder.size()).contains(QLatin1Char('/')))
            return true;
    return false;
}

}  // namespace pinxel
