// What a host that embeds the editor uses: pictures handed in, the modified
// flag, the host's file handler, drops and short notices.

#include "model/EditorModel.h"

#include "pinxel/Error.h"
#include "platform/files/PictureFileChecks.h"

#include <QCoreApplication>

namespace pinxel {

void EditorModel::checkHandedPicture(const QImage &picture)
{
    checkPictureSize(picture.width(), picture.height(), QString());  // a null picture has none
}

void EditorModel::setModified(bool modified)
{
    IsDirty = modified ? FlagTrue : FlagFalse;
    tellModified();
}

void EditorModel::tellModified()
{
    if (isModified() == m_toldModified)
        return;
    m_toldModified = isModified();
    emit modifiedChanged(m_toldModified);
}

void EditorModel::setFileHandler(FileHandler *handler)
{
    m_fileHandler = handler;
    if (handler)
        setFileMenuShown(true);
}

void EditorModel::pasteDroppedPicture(const QImage &picture)
{
    if (picture.isNull()) {
        showNotice(
            QCoreApplication::translate("EditorModel", "The dropped data holds no picture the editor can read."));
        return;
    }
    try {
        checkHandedPicture(picture);
    } catch (const Error &error) {
        showNotice(error.description());
        return;
    }
    pasteFloating(picture);
}

void EditorModel::showNotice(const QString &text)
{
    if (m_status[0] == text)
        return;
    setStatus(1, text);
    emit statusChanged();
}

}  // namespace pinxel
