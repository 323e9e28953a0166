// The File menu: New, Open, Save, Save As (with the read-only question),
// Print and Exit, and the question whether to save changes.

#include "editor/frmPaint.h"

#include "control/FileMenuShown.h"
#include "document/mdlGeneral.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace pinxel {

namespace {

const char *const OpenFilter =
    "All Picture Files|*.bmp;*.dib;*.gif;*.jpg; *.wma;*.emf;*.ico;*.cur|Bitmaps (*.bmp;*.dib)|*.bmp;*.dib|GIF Images "
    "(*.gif)|*.gif|JPEG Images (*.jpg)|*.jpg|MetaFiles (*.wma;*.emf)|*.wma; *.emf|Icons (*.ico;*.cur)|*.ico;*.cur|All "
    "Files (*.*)|*.*";
const char *const SaveFilter = "Bitmap Files (*.bmp) |*.bmp";

}  // namespace

// Asks whether to save the changes before New or Open. True to go on: after
// No, or after Yes when the save succeeded. A cancelled or failed save stops
// the command, so the unsaved picture is never thrown away.
static bool askToSaveChanges(frmPaint &window)
{
    const int answer =
        HostServices::current().MsgBox(QStringLiteral("Do you want to save the changes?"), MsgExclamationYesNoCancel);
    if (answer == AnswerCancel)
        return false;
    if (answer == AnswerYes) {
        window.mnuSave_Click();
        return window.IsDirty == FlagFalse;
    }
    return true;
}

void frmPaint::mnuNew_Click()
{
    try {
        if (!isSet(FileMenuShown))
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
        AdjustPaintResizeBox();
        ClearImageBuffer();
        m_selection.discard();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuOpen_Click()
{
    try {
        if (isSet(IsDirty) && !askToSaveChanges(*this)) {
            Form_Resize();
            AdjustPaintResizeBox();
            return;
        }
        cdlOpen.Filter = QString::fromLatin1(OpenFilter);
        cdlOpen.FileName.clear();
        HostServices::current().ShowOpen(cdlOpen);
        const QString path = cdlOpen.FileName;
        if (!path.isEmpty()) {
            IsDirty = FlagFalse;
            mnuNew_Click();
            picPaint.setPicture(HostServices::current().LoadPicture(path));
            CurrentFileName = path;
            UpdateCaption();
            ClearImageBuffer();
            optTools_MouseDown(ToolZoom, 1, 0, 0, 0);
            optTools_Click(ToolZoom);
        }
    } catch (const Error &error) {
        if (error.number() != ErrCancel)
            ReportError(ReportOpen, error.description());
    }
    Form_Resize();
    AdjustPaintResizeBox();
}

// Writes the canvas to CurrentFileName; failures go to the caller.
static void saveCanvas(frmPaint &window)
{
    window.SetZoomView(0, 0, FlagTrue);
    HostServices::current().SavePicture(window.composedPicture(), window.CurrentFileName);
    window.IsDirty = FlagFalse;
    window.UpdateCaption();
}

// Save with a name: true when the file was written; a failure is shown as a write error.
static bool saveNamed(frmPaint &window)
{
    try {
        saveCanvas(window);
        return true;
    } catch (const Error &error) {
        ReportError(ReportWrite, error.description());
        return false;
    }
}

void frmPaint::mnuSave_Click()
{
    if (CurrentFileName.isEmpty()) {
        mnuSaveAs_Click();
        return;
    }
    saveNamed(*this);
}

void frmPaint::mnuSaveAs_Click()
{
    // A write that does not happen leaves the picture's name as it was, so
    // that the name always matches the caption and the file last written.
    const QString previousName = CurrentFileName;
    bool written = false;
    try {
        cdlSave.DialogTitle = QStringLiteral("Save As");
        cdlSave.Filter = QString::fromLatin1(SaveFilter);
        cdlSave.DefaultExt = QStringLiteral("*.brg");
        HostServices::current().ShowSave(cdlSave);
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
            HostServices &host = HostServices::current();
            if (error.number() != ErrPermissionDenied || !host.FileExists(CurrentFileName)
                || host.GetAttr(CurrentFileName) != AttrReadOnly
                || host.GetAttr(QFileInfo(CurrentFileName).absolutePath()) == AttrReadOnly)
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

Flag frmPaint::ReadOnlyPrompt(const QString &path)
{
    const QString text = QStringLiteral("The file is read-only/hidden. \r\n"
                                        "Are you sure you want to write into the file and remove the "
                                        "read-only/hidden property?");
    if (HostServices::current().MsgBox(text, MsgQuestionYesNo) != AnswerYes)
        return FlagFalse;
    HostServices::current().SetAttr(path, AttrNormal);
    return FlagTrue;
}

void frmPaint::mnuPrint_Click()
{
    try {
        HostServices &host = HostServices::current();
        host.ShowPrinter(cdlPrint);
        host.printer().Copies = cdlPrint.Copies;
        SetZoomView(0, 0, FlagTrue);
        // The picture as the user sees it reaches the printer through a
        // file private to this run, so no file of the user's can be touched;
        // the canvas and a floating selection stay as they are.
        QTemporaryDir scratch;
        if (!scratch.isValid())
            throw Error(ErrPathNotFound, QStringLiteral("Cannot create a temporary folder for printing."));
        const QString temp = scratch.filePath(QStringLiteral("print.bmp"));
        host.SavePicture(composedPicture(), temp);
        const QImage printed = host.LoadPicture(temp);
        host.Kill(temp);
        host.printer().PaintPicture(printed, 0, 0);
        host.printer().EndDoc();
    } catch (const Error &error) {
        if (error.number() != ErrCancel)
            ReportError(ReportPrint, error.description());
    }
}

void frmPaint::mnuExit_Click()
{
    try {
        close();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

}  // namespace pinxel
