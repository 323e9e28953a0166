#include "editor/EditorScript.h"

#include "editor/ScriptAnswers.h"
#include "editor/ScriptWords.h"
#include "editor/SessionRecorder.h"
#include "editor/StateLine.h"

#include "control/FileMenuShown.h"
#include "editor/frmPaint.h"
#include "imaging/mdlEffect.h"
#include "pinxel/Screen.h"
#include "platform/files/PictureFiles.h"
#include "view/CanvasTextBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace pinxel {

EditorScript::EditorScript(ScriptedHostServices &services, bool fileMenu, Sink sink)
    : m_services(services), m_sink(std::move(sink))
{
    HostServices::setCurrent(&services);
    setTwipsPerPixelOverride(15.0);
    FileMenuShown = toFlag(fileMenu);
    // As the control's Dabbler opens it: caption, size, File menu, fresh history.
    frmPaint &w = frmPaint::instance();
    w.setWindowTitle(QStringLiteral("Limnery"));
    w.setWidth(10000);
    w.setHeight(10000);
    w.menu(QStringLiteral("mnuFile"))->menuAction()->setVisible(fileMenu);
    w.ClearImageBuffer();
    w.Form_Resize();
    flushMessages();
}

EditorScript::~EditorScript()
{
    if (m_recorder)
        m_recorder->finish();  // before the script's own close below
    if (frmPaint::exists()) {
        frmPaint &w = frmPaint::instance();
        w.IsDirty = FlagFalse;  // the script is over: close without a question
        w.close();
    }
    HostServices::setCurrent(nullptr);
    setTwipsPerPixelOverride(0.0);
}

frmPaint &EditorScript::window() const
{
    frmPaint &w = frmPaint::instance();  // touching a closed window creates it anew
    if (m_watched != &w) {
        // What the window hands the host as it closes, as the control keeps it.
        m_watched = &w;
        QObject::connect(&w, &frmPaint::closed, &w, [this, &w] {
            m_handedBack = w.composedPicture();
            m_stateAtClose = editorStateJson(w);
        });
        if (m_recorder)
            m_recorder->attach(w);
    }
    return w;
}

QImage EditorScript::finalPicture() const
{
    return frmPaint::exists() ? frmPaint::instance().composedPicture() : m_handedBack;
}

void EditorScript::recordInto(const QString &path)
{
    m_recorder = std::make_unique<SessionRecorder>(path);
    if (!isSet(FileMenuShown))
        m_recorder->setupLine(QStringLiteral("filemenu hidden"));
    m_watched = nullptr;
    window();
}

QString EditorScript::resolve(const QString &path) const
{
    return m_folder.isEmpty() || QDir::isAbsolutePath(path) ? path : QDir(m_folder).filePath(path);
}

void EditorScript::loadPicture(const QString &path)
{
    frmPaint &w = window();
    w.picPaint.setPicture(HostServices::current().LoadPicture(path));
    w.toolBox.forgetAll();
    w.selection().discard();
    w.ClearImageBuffer();
    w.AdjustPaintResizeBox();
    w.Form_Resize();
    m_onPicture.clear();
    if (m_recorder)
        m_recorder->setupLine(QStringLiteral("load ") + QFileInfo(path).absoluteFilePath());
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
    // Also after the window closed; with a value, compares it with the
    // state and picture as they were (the window's as it closed).
    if (head == QLatin1String("state")) {
        if (words.isEmpty())
            m_sink(stateJson());
        else
            expect(head, rest, frmPaint::exists() || m_stateAtClose.isEmpty() ? stateJson() : m_stateAtClose);
        return;
    }
    if (head == QLatin1String("checksum")) {
        const QString replayed = pictureChecksum(finalPicture());
        if (words.isEmpty())
            m_sink(QStringLiteral("checksum ") + replayed);
        else
            expect(head, rest, replayed);
        return;
    }
    frmPaint &w = window();

    if (head == QLatin1String("answer")) {
        const QString target = words.mid(1).join(QLatin1Char(' '));
        if ((words.value(0) == QLatin1String("open") || words.value(0) == QLatin1String("save")) && !target.isEmpty()
            && target != QLatin1String("cancel"))
            words = QStringList{words[0], resolve(target)};
        queueScriptAnswer(m_services, words);
    } else if (head == QLatin1String("load")) {
        if (words.isEmpty())
            throw ScriptError("load: a path is needed");
        loadPicture(m_onPicture.isEmpty() ? resolve(rest) : m_onPicture);
    } else if (head == QLatin1String("caption")) {
        w.setWindowTitle(rest);
    } else if (head == QLatin1String("filemenu")) {
        if (words.size() != 1 || (words[0] != QLatin1String("shown") && words[0] != QLatin1String("hidden")))
            throw ScriptError(QStringLiteral("'%1': filemenu shown or filemenu hidden").arg(line).toStdString());
        FileMenuShown = toFlag(words[0] == QLatin1String("shown"));
        w.menu(QStringLiteral("mnuFile"))->menuAction()->setVisible(isSet(FileMenuShown));
    } else if (head == QLatin1String("frame")) {
        expectArgs(words, 2, line);
        w.assumeFrame(QSize(wholeNumber(words, 0, line, 0, 1000), wholeNumber(words, 1, line, 0, 1000)));
    } else if (head == QLatin1String("twips")) {
        expectArgs(words, 1, line);
        const double twips = number(words, 0, line);  // 12.5 at 115.2 dots an inch
        if (twips < 1 || twips > 1440)
            throw ScriptError(QStringLiteral("'%1': twips a pixel from 1 to 1440").arg(line).toStdString());
        setTwipsPerPixelOverride(twips);
        w.Form_Resize();
    } else if (head == QLatin1String("canvas")) {
        expectArgs(words, 2, line);
        const int width = wholeNumber(words, 0, line, 1, MaxPictureSide);
        const int height = wholeNumber(words, 1, line, 1, MaxPictureSide);
        if (qint64(width) * height > MaxPicturePixels)
            throw ScriptError(
                QStringLiteral("'%1': more than %2 pixels").arg(line).arg(MaxPicturePixels).toStdString());
        w.picPaint.setPixelSize(width, height);
        w.AdjustPaintResizeBox();
        w.Form_Resize();
    } else if (head == QLatin1String("save")) {
        if (words.isEmpty())
            throw ScriptError("save: a path is needed");
        savePicture(resolve(rest));
    } else if (head == QLatin1String("screenshot")) {
        // The whole window as a user would see it, rendered offscreen.
        if (words.isEmpty())
            throw ScriptError("screenshot: a path is needed");
        const QString path = resolve(rest);
        w.setAttribute(Qt::WA_DontShowOnScreen, !w.isVisible());
        w.show();
        const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
        saveImageFile(w.grab().toImage(), path, format.isEmpty() ? "png" : format.constData());
    } else {
        static const QRegularExpression event(
            QStringLiteral("^([A-Za-z][A-Za-z0-9]*)(?:\\((\\d+)\\))?\\.([A-Za-z]+)$"));
        const QRegularExpressionMatch match = event.match(head);
        if (!match.hasMatch())
            throw ScriptError(QStringLiteral("'%1': not a command or ELEMENT.EVENT").arg(line).toStdString());
        bool fits = true;
        const int index = match.captured(2).isEmpty() ? -1 : match.captured(2).toInt(&fits);
        if (!fits)
            throw ScriptError(QStringLiteral("'%1': the index does not fit").arg(line).toStdString());
        raiseEvent(match.captured(1), index, match.captured(3), words);
    }
    // The lines that set the editor up go into a recording as they are.
    static const QStringList setupLines = {QStringLiteral("caption"), QStringLiteral("filemenu"),
                                           QStringLiteral("frame"), QStringLiteral("twips"), QStringLiteral("canvas")};
    if (m_recorder && setupLines.contains(head))
        m_recorder->setupLine(line);
}

void EditorScript::savePicture(const QString &path) const
{
    const QImage picture = finalPicture();
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        saveImageFile(picture, path, "png");
    else
        HostServices::current().SavePicture(picture, path);
}

void EditorScript::raiseEvent(const QString &element, int index, const QString &event, const QStringList &args)
{
    frmPaint &w = window();
    if (!m_onPicture.isEmpty())
        loadPicture(m_onPicture);  // a recording with no picture of its own
    const QString name = (index >= 0 ? ElementEvents::indexed(element, index) : element) + QLatin1Char('.') + event;
    const QString line = (name + QLatin1Char(' ') + args.join(QLatin1Char(' '))).trimmed();
    const auto unknown = [&] { return ScriptError(("'" + line + "': unknown element or event").toStdString()); };

    if (element.startsWith(QLatin1String("mnu"))) {
        // Every item can be clicked, also those whose command does nothing
        // yet; but only when a user could reach it.
        const QString item = name.section(QLatin1Char('.'), 0, 0);
        if (event != QLatin1String("Click") || !w.item(item))
            throw unknown();
        if (!w.reachable(item)) {
            m_sink(QStringLiteral("refused: ") + item);
            return;
        }
        expectArgs(args, 0, line);
        w.clickMenuItem(item);
        return;
    }
    const ElementEvents::Event *found = w.events().find(name);
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
    w.events().raise(name, values);
}

QString EditorScript::stateJson() const { return editorStateJson(); }

}  // namespace pinxel
