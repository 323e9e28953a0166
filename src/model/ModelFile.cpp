// The File menu: New, Open, Save, Save As (with the read-only question) and
// Print, and the question whether to save changes.

#include "model/EditorModel.h"

#include "document/mdlGeneral.h"
#include "platform/files/PrivateScratch.h"
#include "tools/ToolTable.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>

namespace pinxel {

namespace {

//: Descriptions and patterns alternate between the bars: translate the descriptions only.
const char *const OpenFilter = QT_TRANSLATE_NOOP(
    "EditorModel",
    "All Picture Files|*.bmp;*.dib;*.gif;*.jpg; *.wma;*.emf;*.ico;*.cur|Bitmaps (*.bmp;*.dib)|*.bmp;*.dib|GIF Images "
    "(*.gif)|*.gif|JPEG Images (*.jpg)|*.jpg|MetaFiles (*.wma;*.emf)|*.wma; *.emf|Icons (*.ico;*.cur)|*.ico;*.cur|All "
    "Files (*.*)|*.*");
//: Description and pattern between the bar: translate the description only.
const char *const SaveFilter = QT_TRANSLATE_NOOP("EditorModel", "Bitmap Files (*.bmp) |*.bmp");

// Writes the picture to CurrentFileName; failures go to the caller.
void saveCanvas(EditorModel &model)
{
    model.SetZoomView(0, 0, FlagTrue);
    model.host().SavePicture(model.composedPicture(), model.CurrentFileName);
    model.setModified(false);
    model.UpdateCaption();
}

// Save and Save As with a host's file handler: true when the host stored the
// picture. Whatever the host throws is a failed save: the picture stays modified.
bool saveToHost(EditorModel &model, bool saveAs)
{
    model.SetZoomView(0, 0, FlagTrue);
    bool stored = false;
    // The host's own reason is shown: the disk message of a file write would mislead.
    const auto failed = [](const QString &why) {
        ReportError(ReportDescription,
                    QCoreApplication::translate("EditorModel", "The picture could not be saved: %1").arg(why));
    };
    try {
        stored = model.fileHandler()->save(model.composedPicture(), saveAs);
    } catch (const Error &error) {
        failed(error.description());
    } catch (const std::exception &error) {
        failed(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        failed(QCoreApplication::translate("EditorModel", "the host gave no reason"));
    }
    if (stored) {
        model.setModified(false);
        model.UpdateCaption();
    }
    return stored;
}

// The picture the host's handler opens; nothing when the user cancelled.
std::optional<QImage> openFromHost(FileHandler &handler)
{
    std::optional<QImage> picture;
    try {
        picture = handler.open();
    } catch (const Error &) {
        throw;
    } catch (const std::exception &error) {
        throw Error(ErrInvalidPicture, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        throw Error(ErrInvalidPicture, QCoreApplication::translate("EditorModel", "The picture could not be opened."));
    }
    if (picture)
        EditorModel::checkHandedPicture(*picture);
    return picture;
}

// Save with a name: true when the file was written; a failure is shown as a write error.
bool saveNamed(EditorModel &model)
{
    try {
        saveCanvas(model);
        return true;
    } catch (const Error &error) {
        ReportError(ReportWrite, error.description());
        return false;
    }
}

}  // namespace

// Asks whether to save the changes before New or Open. True to go on: after
// No, or after Yes when the save succeeded. A cancelled or failed save stops
// the command, so the unsaved picture is never thrown away.
bool EditorModel::askToSaveChanges()
{
    const int answer = host().MsgBox(QCoreApplication::translate("EditorModel", "Do you want to save the changes?"),
                                     MsgExclamationYesNoCancel);
    if (answer == AnswerCancel)
        return false;
    if (answer == AnswerYes) {
        save();
        return IsDirty == FlagFalse;
    }
    return true;
}

void EditorModel::newPicture()
{
    if (!m_fileMenuShown)
        IsDirty = FlagFalse;
    if (IsDirty == FlagTrue && !askToSaveChanges())
        return;
    picZoom.Move(0, 0, picPaint.Width(), picPaint.Height());
    picZoom.setPicture(QImage());
    SetZoomView(0, 0, FlagTrue);
    picPaint.setPicture(QImage());  // white, at the canvas's size
    IsDirty = FlagFalse;
    CurrentFileName.clear();
    UpdateCaption();
    toolBox.forgetAll();
    ZoomFactor = 1.0f;
    m_view->placeResizeHandles();
    ClearImageBuffer();
    m_selection.discard();
    tellModified();
}

void EditorModel::openPicture()
{
    // Failures are open errors; a cancelled dialog is none. The view is laid
    // out again in every case.
    try {
        if (isSet(IsDirty) && !askToSaveChanges()) {
            layOut();
            return;
        }
        if (m_fileHandler) {
            if (const std::optional<QImage> picture = openFromHost(*m_fileHandler))
                showOpened(*picture, QString());
        } else {
            cdlOpen.Filter = QCoreApplication::translate("EditorModel", OpenFilter);
            cdlOpen.FileName.clear();
            host().ShowOpen(cdlOpen);
            const QString path = cdlOpen.FileName;
            if (!path.isEmpty()) {
                // The new picture comes first, as documented: a file that
                // does not load leaves it blank and untitled.
                IsDirty = FlagFalse;
                newPicture();
                showOpened(host().LoadPicture(path), path);
            }
        }
    } catch (const Error &error) {
        if (error.number() != ErrCancel)
            ReportError(ReportOpen, error.description());
    }
    layOut();
}

void EditorModel::showOpened(const QImage &picture, const QString &name)
{
    IsDirty = FlagFalse;
    newPicture();
    picPaint.setPicture(picture);
    CurrentFileName = name;
    UpdateCaption();
    ClearImageBuffer();
    pressTool(ToolZoom, 1);
    chooseTool();
}

void EditorModel::openDroppedFile(const QString &path)
{
    if (!m_fileMenuShown) {
        // The host keeps the files to itself (the window takes no such drop).
        showNotice(QCoreApplication::translate("EditorModel", "Files do not open here: the File menu is hidden."));
        return;
    }
    QImage picture;
    try {
        picture = host().LoadPicture(path);
    } catch (const Error &error) {
        showNotice(QCoreApplication::translate("EditorModel", "%1 holds no picture the editor can read: %2")
                       .arg(QFileInfo(path).fileName(), error.description()));
        return;
    }
    if (isSet(IsDirty) && !askToSaveChanges()) {
        layOut();
        return;
    }
    showOpened(picture, m_fileHandler ? QString() : path);  // with a handler, the host names the pictures
    layOut();
}

void EditorModel::save()
{
    if (m_fileHandler) {
        saveToHost(*this, false);
        return;
    }
    if (CurrentFileName.isEmpty()) {
        saveAs();
        return;
    }
    saveNamed(*this);
}

void EditorModel::saveAs()
{
    // A write that does not happen leaves the picture's name as it was, so
    // that the name always matches the caption and the file last written.
    if (m_fileHandler) {
        saveToHost(*this, true);
        return;
    }
    const QString previousName = CurrentFileName;
    bool written = false;
    try {
        cdlSave.DialogTitle = QCoreApplication::translate("EditorModel", "Save As");
        cdlSave.Filter = QCoreApplication::translate("EditorModel", SaveFilter);
        cdlSave.DefaultExt = QStringLiteral("*.brg");
        host().ShowSave(cdlSave);
        if (cdlSave.FileName.isEmpty())
            return;
        CurrentFileName = cdlSave.FileName;
        try {
            saveCanvas(*this);
            written = true;
        } catch (const Error &error) {
            // Only a read-only file in a folder that can be written is
            // offered the change of attribute: a folder, a pipe or a file the
            // folder would refuse anyway keeps its permissions.
            HostServices &services = host();
            if (error.number() != ErrPermissionDenied || !services.FileExists(CurrentFileName)
                || services.GetAttr(CurrentFileName) != AttrReadOnly
                || services.GetAttr(QFileInfo(CurrentFileName).absolutePath()) == AttrReadOnly)
                throw;
            if (isSet(ReadOnlyPrompt(CurrentFileName)))
                written = saveNamed(*this);
        }
    } catch (const Error &error) {
        if (error.number() != ErrCancel)
            ReportError(ReportWrite, error.description());
    }
    if (!written)
        CurrentFileName = previousName;
}

Flag EditorModel::ReadOnlyPrompt(const QString &path)
{
    const QString text =
        QCoreApplication::translate("EditorModel", "The file is read-only/hidden. \r\n"
                                                   "Are you sure you want to write into the file and remove the "
                                                   "read-only/hidden property?");
    if (host().MsgBox(text, MsgQuestionYesNo) != AnswerYes)
        return FlagFalse;
    host().SetAttr(path, AttrNormal);
    return FlagTrue;
}

void EditorModel::print()
{
    try {
        HostServices &services = host();
        services.ShowPrinter(cdlPrint);
        services.printer().Copies = cdlPrint.Copies;
        SetZoomView(0, 0, FlagTrue);
        // The picture as the user sees it reaches the printer through a
        // file private to this run, so no file of the user's can be touched;
        // the canvas and a floating selection stay as they are.
        PrivateScratch scratch;
        const QString temp = scratch.filePath(QStringLiteral("print.bmp"));
        services.SavePicture(composedPicture(), temp);
        const QImage printed = services.LoadPicture(temp);
        services.Kill(temp);
        services.printer().PaintPicture(printed, 0, 0);
        services.printer().EndDoc();
    } catch (const Error &error) {
        if (error.number() != ErrCancel)
            ReportError(ReportPrint, error.description());
    }
}

}  // namespace pinxel
