// Opening the editor from the control: the control's method Dabbler hands
// itself to this launcher, which loads the control's picture into the
// canvas, sets the caption, size, window state and File menu, mirrors the
// canvas into the control once a second while the editor is open, and shows
// the editor modally.

#include "control/EditorLauncher.h"
#include "control/ImageElement.h"
#include "editor/RecoveryJournal.h"
#include "editor/SessionRecorder.h"
#include "editor/frmPaint.h"
#include "pinxel/DabblerWidget.h"
#include "platform/files/PrivateScratch.h"

#include <QFileInfo>

#include <memory>

namespace pinxel {

namespace {

class DabblerEditor : public EditorLauncher {
public:
    void openEditor(Dabbler &control) override
    {
        // A recording that cannot be written keeps the editor closed and says why.
        std::unique_ptr<SessionRecorder> recorder;
        const QString recordInto = qEnvironmentVariable("PINXEL_RECORD");
        if (!recordInto.isEmpty()) {
            m_sessions = recordInto == m_recordInto ? m_sessions + 1 : 1;
            m_recordInto = recordInto;
            recorder = std::make_unique<SessionRecorder>(SessionRecorder::sessionPath(recordInto, m_sessions));
        }

        const QString name = control.picturefilename();
        frmPaint &w = frmPaint::instance();
        EditorModel &m = w.model();
        if (!name.isEmpty()) {
            // Each documented read of the file decodes it only if it changed.
            m.picPaint.setPicture(control.Image1()->reloadPicture(control.picturefilename()));
            w.AdjustPaintResizeBox();  // the handles follow the picture's size
        }
        m.setCaption(control.WindowCaption().isEmpty() ? QStringLiteral("Limnery") : control.WindowCaption());
        if (control.EditWidth() == 0)
            control.setEditWidth(10000);
        if (control.EditHeight() == 0)
            control.setEditHeight(10000);
        w.setWidth(control.EditWidth());
        w.setHeight(control.EditHeight());
        if (control.EditMaximized())
            w.setWindowState(w.windowState() | Qt::WindowMaximized);
        m.setFileMenuShown(control.EditMenuFile());
        if (recorder)
            recordOpening(*recorder, w, name, control.EditMenuFile());

        // Timer1: the host sees the picture as it is being edited.
        const QMetaObject::Connection tick = QObject::connect(
            control.Timer1(), &QTimer::timeout, &w, [&control, &w] { mirror(control, w.model().composedPicture()); });
        // A last copy as the editor closes, so the host keeps the final picture.
        bool changed = false;
        const QMetaObject::Connection last =
            QObject::connect(&w, &frmPaint::closed, &control, [&control, &w, &changed] {
                mirror(control, w.model().composedPicture());
                changed = w.model().isModified();
            });
        control.Timer1()->start();
        // The canvas shares the picture Image1 shows (an unchanged file's),
        // so its first stroke copies it anyway: the history shares it too.
        const bool shared = m.picPaint.Image().cacheKey() == control.Image1()->Picture().cacheKey();
        m.ClearImageBuffer(shared ? UndoRing::HistoryStart::SharesPicture : UndoRing::HistoryStart::CopiesPicture);
        m.setModified(false);  // whatever the last session left: this one starts on the file
        // After a crash, the work of that session comes back first.
        std::unique_ptr<RecoveryJournal> journal =
            RecoveryJournal::openSession(w, journalOpening(w, name, control.EditMenuFile()));
        w.showModal(&control);
        journal.reset();  // before the recording, whose services it stood in front of
        if (recorder)
            recorder->finish();
        control.Timer1()->stop();
        QObject::disconnect(tick);
        QObject::disconnect(last);
        emit control.editorClosed(changed);
    }

private:
    // A copy of the canvas into Image1, told to the host when it changed Image1.
    static void mirror(Dabbler &control, const QImage &canvas)
    {
        const QImage &shown = control.Image1()->Picture();
        const bool same = canvas.cacheKey() == shown.cacheKey() || canvas == shown;
        control.Image1()->setPicture(canvas);
        if (!same)
            emit control.pictureEdited();
    }

    // The lines that open the editor as this session did, before its events.
    static void recordOpening(SessionRecorder &recorder, frmPaint &w, const QString &picture, bool fileMenu)
    {
        for (const QString &line : openingLines(w, fileMenu))
            recorder.setupLine(line);
        if (!picture.isEmpty())
            recorder.setupLine(QStringLiteral("load ") + QFileInfo(picture).absoluteFilePath());
        recorder.attach(w);
    }

    // What the journal of this session starts with: the picture as it opened and the lines that set the editor up.
    static RecoveryJournal::Opening journalOpening(frmPaint &w, const QString &picture, bool fileMenu)
    {
        RecoveryJournal::Opening opening;
        opening.editor = QStringLiteral("control");
        opening.file = picture;
        opening.name = picture.isEmpty() ? w.model().caption() : QFileInfo(picture).fileName();
        opening.picture = w.model().composedPicture();
        opening.setup = openingLines(w, fileMenu);
        return opening;
    }

    // The lines that set the editor up as the control opened it.
    static QStringList openingLines(frmPaint &w, bool fileMenu)
    {
        QStringList lines{QStringLiteral("caption ") + w.model().caption()};
        if (!fileMenu)
            lines << QStringLiteral("filemenu hidden");
        const double twips = HostServices::current().TwipsPerPixelX();
        if (twips != 15.0)
            lines << QStringLiteral("twips %1").arg(twips, 0, 'g', 17);
        return lines;
    }

    QString m_recordInto;  // the sessions are counted for each file
    int m_sessions = 0;

public:
    void printPicture(Dabbler &control) override
    {
        HostServices &host = HostServices::current();
        EditorModel &m = frmPaint::instance().model();  // created hidden when it does not exist
        host.ShowPrinter(m.cdlPrint);
        host.printer().Copies = m.cdlPrint.Copies;
        // The picture reaches the printer by way of the editor's canvas,
        // through a private file that cannot collide with one of the user's.
        PrivateScratch scratch;
        const QString temp = scratch.filePath(QStringLiteral("print.bmp"));
        host.SavePicture(control.Image1()->Picture(), temp);
        m.picPaint.setPicture(host.LoadPicture(temp));
        host.Kill(temp);
        host.printer().PaintPicture(m.picPaint.Image(), 0, 0);
        host.printer().EndDoc();
    }
};

DabblerEditor g_launcher;
const bool g_installed = (EditorLauncher::install(&g_launcher), true);

}  // namespace

}  // namespace pinxel
