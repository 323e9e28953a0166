// The File menu: New, Open, Save, Save As (with the read-only question) and
// Print, and the question whether to save changes.

#include "model/EditorModel.h"

#include "document/mdlGeneral.h"
#include "tools/ToolTable.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace pinxel {

namespace {

const char *const OpenFilter =
    "All Picture Files|*.bmp;*.dib;*.gif;*.jpg; *.wma;*.emf;*.ico;*.cur|Bitmaps (*.bmp;*.dib)|*.bmp;*.dib|GIF Images "
    "(*.gif)|*.gif|JPEG Images (*.jpg)|*.jpg|MetaFiles (*.wma;*.emf)|*.wma; *.emf|Icons (*.ico;*.cur)|*.ico;*.cur|All "
    "Files (*.*)|*.*";
const char *const SaveFilter = "Bitmap Files (*.bmp) |*.bmp";

// Asks whether to save the changes before New or Open. True to go on: after
// No, or after Yes when the save succeeded. A cancelled or failed save stops
// the command, so the unsaved picture is never thrown away.
bool askToSaveChanges(EditorModel &model)
{
    const int answer =
        model.host().MsgBox(QStringLiteral("Do you want to save the changes?"), MsgExclamationYesNoCancel);
    if (answer == AnswerCancel)
        return false;
    if (answer == AnswerYes) {
        model.save();
        return model.IsDirty == FlagFalse;
    }
    return true;
}

// Writes the picture to CurrentFileName; failures go to the caller.
void saveCanvas(EditorModel &model)
{
    model.SetZoomView(0, 0, FlagTrue);
    model.host().SavePicture(model.composedPicture(), model.CurrentFileName);
    model.IsDirty = FlagFalse;
    model.UpdateCaption();
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

void EditorModel::newPicture()
{
    if (!m_fileMenuShown)
        IsDirty = FlagFalse;
    if (IsDirty == FlagTrue && !askToSaveChanges(*this))
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
}

void EditorModel::openPicture()
{
    // Failures are open errors; a cancelled dialog is none. The view is laid
    // out again in every case.
    try {
        if (isSet(IsDirty) && !askToSaveChanges(*this)) {
            layOut();
            return;
        }
        cdlOpen.Filter = QString::fromLatin1(OpenFilter);
        cdlOpen.FileName.clear();
        host().ShowOpen(cdlOpen);
        const QString path = cdlOpen.FileName;
        if (!path.isEmpty()) {
            IsDirty = FlagFalse;
            newPicture();
            picPaint.setPicture(host().LoadPicture(path));
            CurrentFileName = path;
            UpdateCaption();
            ClearImageBuffer();
            pressTool(ToolZoom, 1);
            chooseTool();
        }
    } catch (const Error &error) {
        if (error.number() != ErrCancel)
            ReportError(ReportOpen, error.description());
    }
    layOut();
}

void EditorModel::save()
{
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
    const QString previousName = CurrentFileName;
    bool written = false;
    try {
        cdlSave.DialogTitle = QStringLiteral("Save As");
        cdlSave.Filter = QString::fromLatin1(SaveFilter);
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
    const QString text = QStringLiteral("The file is read-only/hidden. \r\n"
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
        QTemporaryDir scratch;
        if (!scratch.isValid())
            throw Error(ErrPathNotFound, QStringLiteral("Cannot create a temporary folder for printing."));
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
