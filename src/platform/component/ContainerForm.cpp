#include "platform/component/ContainerForm.h"

#include "pinxel/Dabbler.h"
#include "pinxel/Error.h"

#include <QCoreApplication>
#include <QFile>

namespace pinxel {

ContainerForm::ContainerForm(const QString &path, const QString &controlName)
{
    try {
        m_bag = std::make_unique<FilePropertyBag>(path, controlName);
    } catch (const Error &error) {
        m_loadError = error.description();
        m_bag = std::make_unique<FilePropertyBag>(path, controlName, IniDocument());
        m_backupBeforeSave = true;
    }
}

QString ContainerForm::restore(DabblerInterface &control, const QString &firstPicture)
{
    if (!holdsControl()) {
        control.initProperties();
        if (firstPicture.isEmpty())
            return QString();
        try {
            control.setPicturefilename(firstPicture);
        } catch (const Error &error) {
            return QCoreApplication::translate("ContainerForm", "The picture %1 cannot be shown: %2")
                .arg(firstPicture, error.description());
        }
        return QString();
    }
    try {
        control.readProperties(*m_bag);
    } catch (const Error &error) {
        m_backupBeforeSave = true;
        return QCoreApplication::translate(
                   "ContainerForm", "The form file %1 could not be restored: the value of %2 is not valid (%3).\n"
                                    "The values before it were restored; the file is kept as it is.")
            .arg(path(), m_bag->lastReadKey(), error.description());
    }
    return QString();
}

void ContainerForm::keep(DabblerInterface &control) { control.writeProperties(*m_bag); }

QString ContainerForm::save(DabblerInterface &control)
{
    QString backup;
    if (m_backupBeforeSave && QFile::exists(path())) {
        backup = path() + QStringLiteral(".bak");
        QFile::remove(backup);
        if (!QFile::copy(path(), backup))
            throw Error(ErrPermissionDenied,
                        QCoreApplication::translate("Error", "Permission denied: cannot keep a copy of %1 as %2")
                            .arg(path(), backup));
    }
    control.writeProperties(*m_bag);
    m_bag->save();
    m_backupBeforeSave = false;
    return backup;
}

}  // namespace pinxel
