#include "editor/EditorScript.h"

#include "editor/RecoveryJournal.h"
#include "editor/ScriptAnswers.h"
#include "editor/ScriptWords.h"
#include "editor/SessionRecorder.h"
#include "editor/StateLine.h"

#include "control/FileMenuShown.h"
#include "editor/frmPaint.h"
#include "pinxel/Screen.h"
#include "platform/files/PictureFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace pinxel {

EditorScript::EditorScript(ScriptedHostServices &services, bool fileMenu, Sink sink)
    : m_services(services), m_sink(std::move(sink))
{
    setUp(fileMenu);
}

EditorScript::EditorScript(ScriptedHostServices &services, EditorModel &model, bool fileMenu, Sink sink)
    : m_services(services), m_sink(std::move(sink)), m_headless(&model)
{
    setUp(fileMenu);
}

EditorScript::EditorScript(ScriptedHostServices &services, frmPaint &window, Sink sink)
    : m_services(services), m_sink(std::move(sink)), m_attached(&window), m_previous(&HostServices::current())
{
    HostServices::setCurrent(&m_services);
    m_reported = m_services.shown().size();
}

frmPaint *EditorScript::openWindow() const
{
    if (m_attached)
        return m_attached;
    return frmPaint::exists() ? &frmPaint::instance() : nullptr;
}

void EditorScript::setUp(bool fileMenu)
{
    HostServices::setCurrent(&m_services);
    setTwipsPerPixelOverride(15.0);
    FileMenuShown = toFlag(fileMenu);
    // As the control's Dabbler opens it: caption, size, File menu, fresh history.
    EditorModel &m = model();
    if (headless())
        m.load();
    m.setCaption(QStringLiteral("Limnery"));
    if (!headless()) {
        window().setWidth(10000);
        window().setHeight(10000);
    }
    m.setFileMenuShown(fileMenu);
    m.ClearImageBuffer();
    layOut();
    flushMessages();
}

EditorScript::~EditorScript()
{
    QObject::disconnect(m_watch);  // an attached window lives on
    m_journal.reset();             // the run ended as it meant to; before the recording it stands in front of
    if (m_recorder)
        m_recorder->finish();  // before the script's own close below
    m_services.setWriteCheck(nullptr);
    if (m_previous) {
        HostServices::setCurrent(m_previous);  // the attached window goes on as it was
        return;
    }
    if (headless()) {
        m_headless->IsDirty = FlagFalse;
    } else if (frmPaint::exists()) {
        frmPaint &w = frmPaint::instance();
        w.model().IsDirty = FlagFalse;  // the script is over: close without a question
        w.close();
    }
    HostServices::setCurrent(nullptr);
    setTwipsPerPixelOverride(0.0);
}

frmPaint &EditorScript::window() const
{
    if (headless())
        throw ScriptError("this line needs the editor's window; the script runs headless");
    if (m_previous && !m_attached)
        throw ScriptError("the editor's window has closed");
    // Touching a closed window of the control creates it anew.
    frmPaint &w = m_attached ? *m_attached : frmPaint::instance();
    if (m_watched != &w) {
        // What the window hands the host as it closes, as the control keeps it.
        m_watched = &w;
        QObject::disconnect(m_watch);
        m_watch = QObject::connect(&w, &frmPaint::closed, &w, [this, &w] {
            m_handedBack = w.model().composedPicture();
            m_stateAtClose = editorStateJson(w);
        });
        if (m_recorder)
            m_recorder->attach(w);
        if (m_journal)
            m_journal->attach(w);
    }
    return w;
}

EditorModel &EditorScript::model() const { return headless() ? *m_headless : window().model(); }

void EditorScript::layOut()
{
    if (!headless())
        window().Form_Resize();
}

QImage EditorScript::finalPicture() const
{
    if (headless())
        return m_headless->composedPicture();
    return openWindow() ? openWindow()->model().composedPicture() : m_handedBack;
}

void EditorScript::recordInto(const QString &path)
{
    if (headless())
        throw ScriptError("a headless script cannot be recorded: the recording replays in a window");
    m_recorder = std::make_unique<SessionRecorder>(path);
    if (!isSet(FileMenuShown))
        m_recorder->setupLine(QStringLiteral("filemenu hidden"));
    m_watched = nullptr;
    window();
}

void EditorScript::journalInto(const QString &folder)
{
    if (headless())
        throw ScriptError("a headless script cannot keep a journal: the journal replays in a window");
    RecoveryJournal::Opening opening;
    opening.editor = QStringLiteral("script");
    opening.name = QStringLiteral("a script's picture");
    opening.picture = model().composedPicture();
    if (!isSet(FileMenuShown))
        opening.setup << QStringLiteral("filemenu hidden");
    m_journal = std::make_unique<RecoveryJournal>(folder, window(), opening);
}

void EditorScript::tellSetup(const QString &line)
{
    if (m_recorder)
        m_recorder->setupLine(line);
    if (m_journal)
        m_journal->setupLine(line);
}

void EditorScript::confineWrites(const ScriptWrites &writes)
{
    m_writes = writes;
    m_services.setWriteCheck([this](const QString &path) {
        if (m_ownWrite)
            return true;
        QString skipped;
        if (m_writes.checkEditorWrite(path, skipped))
            return true;
        m_sink(skipped);
        return false;
    });
}

QString EditorScript::resolve(const QString &path) const
{
    return m_folder.isEmpty() || QDir::isAbsolutePath(path) ? path : QDir(m_folder).filePath(path);
}

void EditorScript::loadPicture(const QString &path)
{
    model().showPicture(HostServices::current().LoadPicture(path));
    m_onPicture.clear();
    tellSetup(QStringLiteral("load ") + QFileInfo(path).absoluteFilePath());
}

void EditorScript::expect(const QString &what, const QString &recorded, const QString &replayed)
{
    if (m_comparing == Comparing::Skip)
        return;
    if (recorded == replayed) {
        m_sink(what + QStringLiteral(": as recorded"));
        return;
    }
    ++m_differences;
    const QStringList fields = what == QLatin1String("state") ? stateDifferences(recorded, replayed) : QStringList();
    m_sink(what + QStringLiteral(" differs: ")
           + (fields.isEmpty() ? QStringLiteral("recorded %1, replayed %2").arg(recorded, replayed)
                               : fields.join(QStringLiteral("; "))));
}

void EditorScript::flushMessages()
{
    const auto &shown = m_services.shown();
    m_reported = std::min(m_reported, shown.size());  // the record may have been cleared
    for (; m_reported < shown.size(); ++m_reported) {
        const ShownDialog &dialog = shown[m_reported];
        if (dialog.kind != DialogKind::MessageBox)
            continue;
        QString text = dialog.text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        m_sink(QStringLiteral("message %1 %2").arg(dialog.style).arg(text));
    }
}

const std::vector<EditorScript::LineKind> &EditorScript::lineKinds()
{
    static const std::vector<LineKind> kinds = {
        {"answer",
         "answer DIALOG ANSWER      msgbox yes|no|cancel|ok, open|save PATH|cancel, print COPIES|cancel,\n"
         "                          color R G B|cancel, font NAME SIZE [bold] [italic] [underline]\n"
         "                          [strikethrough] R G B|cancel, popup INDEX|dismiss, clock READING",
         false, false, &EditorScript::runAnswer},
        {"load", "load PATH                 the picture the editor opens on", false, false, &EditorScript::runLoad},
        {"canvas", "canvas W H                a white canvas of that size", true, false, &EditorScript::runCanvas},
        {"caption", "caption TEXT              the window's caption", true, false, &EditorScript::runCaption},
        {"filemenu", "filemenu shown|hidden     the File menu", true, false, &EditorScript::runFileMenu},
        {"twips", "twips TWIPS-PER-PIXEL     the screen's twips a pixel", true, false, &EditorScript::runTwips},
        {"frame", "frame DX DY               what the recorded window's frame added to its size", true, false,
         &EditorScript::runFrame},
        {"save", "save PATH                 saves the picture as the user would get it", false, false,
         &EditorScript::runSave},
        {"screenshot", "screenshot PATH.png       the window as a user sees it", false, false,
         &EditorScript::runScreenshot},
        {"clipboard", "clipboard PATH            another program puts the picture on the desktop's clipboard", false,
         false, &EditorScript::runClipboard},
        {"drop",
         "drop file|picture PATH    a picture file, or another program's picture data (none: unreadable), dropped",
         false, false, &EditorScript::runDrop},
        {"state", "state [JSON]              prints the state line, or compares it with the recorded one", false, true,
         &EditorScript::runState},
        {"checksum", "checksum [SHA1]           prints the picture's checksum, or compares it", false, true,
         &EditorScript::runChecksum},
    };
    return kinds;
}

QString EditorScript::lineHelp()
{
    QString help =
        QStringLiteral("ELEMENT[(INDEX)].EVENT ARGS  raises an element's event: picPaint.MouseDown 1 0 10 10\n");
    for (const LineKind &kind : lineKinds())
        help += QString::fromLatin1(kind.usage) + QLatin1Char('\n');
    return help;
}

void EditorScript::run(const QString &rawLine)
{
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return;
    struct Flush {
        EditorScript *script;
        ~Flush() { script->flushMessages(); }
    } flush{this};

    QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
    const QString head = words.takeFirst();
    const QString rest = line.section(QLatin1Char(' '), 1).trimmed();  // a path or a state may hold spaces
    for (const LineKind &kind : lineKinds()) {
        if (head != QLatin1String(kind.word))
            continue;
        if (!kind.afterClose)
            model();  // the window again, if a line closed it
        (this->*kind.run)(words, rest, line);
        // The lines that set the editor up go into a recording as they are.
        if (kind.setup)
            tellSetup(line);
        return;
    }
    static const QRegularExpression event(QStringLiteral("^([A-Za-z][A-Za-z0-9]*)(?:\\((\\d+)\\))?\\.([A-Za-z]+)$"));
    const QRegularExpressionMatch match = event.match(head);
    if (!match.hasMatch())
        throw ScriptError(QStringLiteral("'%1': not a command or ELEMENT.EVENT").arg(line).toStdString());
    bool fits = true;
    const int index = match.captured(2).isEmpty() ? -1 : match.captured(2).toInt(&fits);
    if (!fits)
        throw ScriptError(QStringLiteral("'%1': the index does not fit").arg(line).toStdString());
    raiseEvent(match.captured(1), index, match.captured(3), words);
}

// Also after the window closed; with a value, compares it with the state
// and picture as they were (the window's as it closed).
void EditorScript::runState(const QStringList &words, const QString &rest, const QString &)
{
    if (words.isEmpty())
        m_sink(stateJson());
    else
        expect(QStringLiteral("state"), rest,
               headless() || openWindow() || m_stateAtClose.isEmpty() ? stateJson() : m_stateAtClose);
}

void EditorScript::runChecksum(const QStringList &words, const QString &rest, const QString &)
{
    const QString replayed = pictureChecksum(finalPicture());
    if (words.isEmpty())
        m_sink(QStringLiteral("checksum ") + replayed);
    else
        expect(QStringLiteral("checksum"), rest, replayed);
}

void EditorScript::runAnswer(const QStringList &given, const QString &, const QString &)
{
    QStringList words = given;
    const QString target = words.mid(1).join(QLatin1Char(' '));
    if ((words.value(0) == QLatin1String("open") || words.value(0) == QLatin1String("save")) && !target.isEmpty()
        && target != QLatin1String("cancel"))
        words = QStringList{words[0], resolve(target)};
    queueScriptAnswer(m_services, words);
}

void EditorScript::runLoad(const QStringList &words, const QString &rest, const QString &)
{
    if (words.isEmpty())
        throw ScriptError("load: a path is needed");
    loadPicture(m_onPicture.isEmpty() ? resolve(rest) : m_onPicture);
}

void EditorScript::runClipboard(const QStringList &words, const QString &rest, const QString &)
{
    if (words.isEmpty())
        throw ScriptError("clipboard: a path is needed");
    m_services.SetClipboardPicture(m_services.LoadPicture(resolve(rest)));
}

void EditorScript::runDrop(const QStringList &words, const QString &rest, const QString &line)
{
    const bool file = !words.isEmpty() && words[0] == QLatin1String("file");
    if (words.size() < 2 || (!file && words[0] != QLatin1String("picture")))
        throw ScriptError(
            QStringLiteral("'%1': drop file PATH, drop picture PATH or drop picture none").arg(line).toStdString());
    const QString named = rest.section(QLatin1Char(' '), 1).trimmed();
    EditorModel &m = model();
    if (file) {
        const QString path = resolve(named);
        m.events().perform(QStringLiteral("drop file ") + path, QImage(), [&] { m.openDroppedFile(path); });
        return;
    }
    // "none": data that holds no picture the editor can read.
    const QImage picture = named == QLatin1String("none") ? QImage() : m_services.LoadPicture(resolve(named));
    m.events().perform(picture.isNull() ? QStringLiteral("drop picture none") : QStringLiteral("drop picture"), picture,
                       [&] { m.pasteDroppedPicture(picture); });
}

void EditorScript::runCaption(const QStringList &, const QString &rest, const QString &) { model().setCaption(rest); }

void EditorScript::runFileMenu(const QStringList &words, const QString &, const QString &line)
{
    if (words.size() != 1 || (words[0] != QLatin1String("shown") && words[0] != QLatin1String("hidden")))
        throw ScriptError(QStringLiteral("'%1': filemenu shown or filemenu hidden").arg(line).toStdString());
    FileMenuShown = toFlag(words[0] == QLatin1String("shown"));
    model().setFileMenuShown(isSet(FileMenuShown));
}

void EditorScript::runFrame(const QStringList &words, const QString &, const QString &line)
{
    expectArgs(words, 2, line);
    window().assumeFrame(QSize(wholeNumber(words, 0, line, 0, 1000), wholeNumber(words, 1, line, 0, 1000)));
}

void EditorScript::runTwips(const QStringList &words, const QString &, const QString &line)
{
    expectArgs(words, 1, line);
    const double twips = number(words, 0, line);  // 12.5 at 115.2 dots an inch
    if (twips < 1 || twips > 1440)
        throw ScriptError(QStringLiteral("'%1': twips a pixel from 1 to 1440").arg(line).toStdString());
    setTwipsPerPixelOverride(twips);
    layOut();
}

void EditorScript::runCanvas(const QStringList &words, const QString &, const QString &line)
{
    EditorModel &m = model();
    expectArgs(words, 2, line);
    const int width = wholeNumber(words, 0, line, 1, MaxPictureSide);
    const int height = wholeNumber(words, 1, line, 1, MaxPictureSide);
    if (qint64(width) * height > MaxPicturePixels)
        throw ScriptError(QStringLiteral("'%1': more than %2 pixels").arg(line).arg(MaxPicturePixels).toStdString());
    m.picPaint.setPixelSize(width, height);
    m.layOut();
}

void EditorScript::runSave(const QStringList &words, const QString &rest, const QString &)
{
    if (words.isEmpty())
        throw ScriptError("save: a path is needed");
    savePicture(resolve(rest));
}

void EditorScript::runScreenshot(const QStringList &words, const QString &rest, const QString &)
{
    // The whole window as a user would see it, rendered offscreen.
    frmPaint &w = window();
    if (words.isEmpty())
        throw ScriptError("screenshot: a path is needed");
    const QString path = resolve(rest);
    m_writes.check(path);
    w.setAttribute(Qt::WA_DontShowOnScreen, !w.isVisible());
    w.show();
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    saveImageFile(w.grab().toImage(), path, format.isEmpty() ? "png" : format.constData());
}

void EditorScript::savePicture(const QString &path) const
{
    m_writes.check(path);
    const QImage picture = finalPicture();
    m_ownWrite = true;
    const struct Done {
        bool &own;
        ~Done() { own = false; }
    } done{m_ownWrite};
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        saveImageFile(picture, path, "png");
    else
        HostServices::current().SavePicture(picture, path);
}

void EditorScript::raiseEvent(const QString &element, int index, const QString &event, const QStringList &args)
{
    EditorModel &m = model();
    if (!m_onPicture.isEmpty())
        loadPicture(m_onPicture);  // a recording with no picture of its own
    const QString name = (index >= 0 ? ElementEvents::indexed(element, index) : element) + QLatin1Char('.') + event;
    const QString line = (name + QLatin1Char(' ') + args.join(QLatin1Char(' '))).trimmed();
    const auto unknown = [&] { return ScriptError(("'" + line + "': unknown element or event").toStdString()); };

    if (element.startsWith(QLatin1String("mnu"))) {
        // Every item can be clicked, also those whose command does nothing
        // yet; but only when a user could reach it.
        const QString item = name.section(QLatin1Char('.'), 0, 0);
        if (event != QLatin1String("Click") || !m.hasItem(item))
            throw unknown();
        if (!m.reachable(item)) {
            m_sink(QStringLiteral("refused: ") + item);
            return;
        }
        expectArgs(args, 0, line);
        m.events().raise(name);
        return;
    }
    const ElementEvents::Event *found = m.events().find(name);
    if (!found)
        throw unknown();
    expectArgs(args, found->argCount, line);
    ElementEvents::Args values;
    // Handlers take their arguments as the 32-bit numbers of the events.
    for (int i = 0; i < args.size(); ++i) {
        const double value = number(args, i, line);
        if (!(value > -2147483649.0 && value < 2147483648.0))
            throw ScriptError(
                QStringLiteral("'%1': argument %2 does not fit in 32 bits").arg(line).arg(i + 1).toStdString());
        values.push_back(value);
    }
    m.events().raise(name, values);
}

QString EditorScript::stateJson() const
{
    if (headless())
        return editorStateJson(*m_headless, nullptr);
    return openWindow() ? editorStateJson(*openWindow()) : QStringLiteral("{\"closed\":true}");
}

}  // namespace pinxel
