#include "editor/ScriptWrites.h"

#include "platform/files/PrivateScratch.h"

#include <QDir>
#include <QFileInfo>

namespace pinxel {

QString ScriptWrites::target(const QString &path)
{
    const QFileInfo file(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    // An existing file is what a link points at; a new one lies in its
    // folder as the links lead there.
    if (file.exists())
        return file.canonicalFilePath();
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? file.absoluteFilePath() : QDir(folder).filePath(file.fileName());
}

namespace {

QString folderOf(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QString clean = canonical.isEmpty() ? QDir::cleanPath(QDir::current().absoluteFilePath(folder)) : canonical;
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

}  // namespace

void ScriptWrites::allowScriptFolder(const QString &folder)
{
    m_confined = true;
    m_scriptFolder = folderOf(folder);
}

void ScriptWrites::allowFolder(const QString &folder)
{
    m_confined = true;
    m_allowed << folderOf(folder);
}

void ScriptWrites::allowFile(const QString &path)
{
    m_confined = true;
    m_files << target(path);
}

void ScriptWrites::allowFileAndKept(const QString &path)
{
    allowFile(path);
    const QFileInfo file(target(path));
    m_keptBeside << file.dir().filePath(file.completeBaseName() + QLatin1Char('.'));
}

bool ScriptWrites::inside(const QString &path, const QStringList &folders) const
{
    for (const QString &folder : folders)
        if (path.startsWith(folder))
            return true;
    return false;
}

WriteRefused ScriptWrites::refused(const QString &path) const
{
    const QString where = m_scriptFolder.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(m_scriptFolder);
    return WriteRefused(QStringLiteral("refused to write %1: a script writes only inside its own folder%2, at its "
                                       "--save target and into its --record or --journal file; "
                                       "--allow-writes DIR allows a folder above it")
                            .arg(path, where)
                            .toStdString());
}

void ScriptWrites::check(const QString &path) const
{
    if (!m_confined)
        return;
    const QString written = target(path);
    if (m_files.contains(written) || (!m_scriptFolder.isEmpty() && written.startsWith(m_scriptFolder))
        || inside(written, m_allowed) || inside(written, m_keptBeside) || PrivateScratch::holds(written))
        return;
    throw refused(written);
}

bool ScriptWrites::checkEditorWrite(const QString &path, QString &skipped) const
{
    if (PrivateScratch::holds(path))
        return true;
    const QString written = target(path);
    if (!m_skipRecordedSaves || inside(written, m_allowed)) {
        check(path);
        return true;
    }
    skipped = QStringLiteral("skipped the recording's save to %1: a replay with --on does not repeat it; "
                             "--allow-writes DIR allows it")
                  .arg(written);
    return false;
}

}  // namespace pinxel
