// `pinxel script`: the built tool run on small scripts, for its exit codes and
// what it prints.

#include "support/TestSupport.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPalette>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace pinxel::test {
namespace {

const QString Tool = QStringLiteral(PINXEL_BINARY_DIR "/bin/pinxel");

struct ToolRun {
    int exitCode = -1;
    QStringList out;  // stdout lines
    QString err;
};

class ScriptCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QFileInfo(Tool).isExecutable()) << "build the pinxel tool first: " << Tool.toStdString();
    }

    ToolRun run(const QString &script, QStringList options = {}, const QString &scaleFactor = {})
    {
        const QString file = m_dir.filePath(QStringLiteral("test.script"));
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(script.toUtf8());
        f.close();
        return runFile(file, options, scaleFactor);
    }

    ToolRun runFile(const QString &file, const QStringList &options = {}, const QString &scaleFactor = {})
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!scaleFactor.isEmpty())
            env.insert(QStringLiteral("QT_SCALE_FACTOR"), scaleFactor);
        process.setProcessEnvironment(env);
        process.start(Tool, QStringList{QStringLiteral("script")} << options << file);
        ToolRun result;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "pinxel script did not finish";
            return result;
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QTemporaryDir m_dir;
};

TEST_F(ScriptCommandTest, AnUnknownElementEndsWithTwoNamingTheLine)
{
    const ToolRun r = run(QStringLiteral("# a comment\n\npicPaint.MouseDown 1 0 5 5\nnoSuchThing.Click\nstate\n"));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("line 4"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("noSuchThing"))) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());  // the state line after it never ran

    // Values that do not convert, or do not fit what they set, are refused
    // before they reach the editor.
    for (const char *line : {"picPaint.Explode", "picPaint.MouseDown 1 0 x 5", "picPaint.MouseDown 1 0 nan 5",
                             "canvas 0 5", "canvas -5 10", "canvas 1e300 5", "canvas 2147483648 1", "canvas -5 0",
                             "canvas nan nan", "canvas inf -inf", "canvas 10.5 3", "canvas 20000 20000",
                             "optTools(4294967296).Click", "mnuBS(99999999999).Click", "answer color 1e300 0 0"})
        EXPECT_EQ(run(QString::fromLatin1(line) + QLatin1Char('\n')).exitCode, line[0] == 'a' ? 0 : 2) << line;
}

TEST_F(ScriptCommandTest, AnUnansweredMessageBoxEndsWithThreeAfterPrintingIt)
{
    const ToolRun r =
        run(QStringLiteral("picPaint.MouseDown 1 0 5 5\npicPaint.MouseUp 1 0 5 5\nmnuNew.Click\nstate\n"));
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, QStringList{QStringLiteral("message 51 Do you want to save the changes?")});
    EXPECT_TRUE(r.err.contains(QStringLiteral("line 3"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Do you want to save the changes?"))) << r.err.toStdString();
}

TEST_F(ScriptCommandTest, DisabledOrHiddenItemsAreRefusedAndTheScriptGoesOn)
{
    const ToolRun r = run(QStringLiteral("mnuUndo.Click\nanswer msgbox cancel\npicPaint.MouseDown 1 0 5 5\n"
                                         "picPaint.MouseUp 1 0 5 5\nmnuNew.Click\nmnuUndo.Click\nmnuUndo.Click\n"));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, (QStringList{QStringLiteral("refused: mnuUndo"),
                                  QStringLiteral("message 51 Do you want to save the changes?"),
                                  QStringLiteral("refused: mnuUndo")}));

    const ToolRun hidden = run(QStringLiteral("mnuNew.Click\nmnuFS(1).Click\n"), {QStringLiteral("--no-file-menu")});
    EXPECT_EQ(hidden.exitCode, 0) << hidden.err.toStdString();
    EXPECT_EQ(hidden.out, (QStringList{QStringLiteral("refused: mnuNew"), QStringLiteral("refused: mnuFS(1)")}));
}

TEST_F(ScriptCommandTest, MessageLineBreaksArePrintedAsBackslashN)
{
    const QString notPicture = m_dir.filePath(QStringLiteral("text.bmp"));
    QFile f(notPicture);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("text");
    f.close();
    const ToolRun r = run(QStringLiteral("answer open %1\nanswer msgbox ok\nmnuOpen.Click\n").arg(notPicture));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringList{QStringLiteral("message 16 Cannot open the file.\\n\\nThe file may be corrupt or "
                                                "not a valid picture file.")});
}

// A line printed by `state`, which must be one JSON object.
QJsonObject stateOf(const QString &line)
{
    QJsonParseError error;
    const QJsonObject state = QJsonDocument::fromJson(line.toUtf8(), &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
    return state;
}

TEST_F(ScriptCommandTest, StateIsOneJsonLineWithTheEditorsVariables)
{
    const ToolRun r = run(QStringLiteral("canvas 50 40\noptTools(0).MouseDown 1 0 0 0\noptTools(0).Click\n"
                                         "picPaint.MouseDown 1 0 10 10\npicPaint.MouseMove 1 0 20 15\n"
                                         "picPaint.MouseUp 1 0 20 15\nstate\n"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_EQ(r.out.size(), 1);
    const QJsonObject state = stateOf(r.out[0]);
    for (const char *key :
         {"IsDragging",      "IsDrawing",     "PolygonActive", "SelectionUnmoved", "SelectionDragging",
          "IsDirty",         "CanvasResized", "DragOriginX",   "DragOriginY",      "StartX",
          "StartY",          "EndX",          "EndY",          "PolygonPoints",    "FilterBrushFilter",
          "CurrentTool",     "BrushIndex",    "UndoCurrent",   "UndoNewest",       "UndoOldest",
          "DotIndex",        "LineDrawStyle", "FillOption",    "ShapeFillStyle",   "ZoomFactor",
          "CurrentFileName", "canvas",        "caption",       "foreColor",        "fillColor",
          "menus",           "status",        "picSelect",     "picClipboard",     "hscPaint",
          "vscPaint"})
        EXPECT_TRUE(state.contains(QLatin1String(key))) << key;
    EXPECT_EQ(state[QStringLiteral("CurrentTool")].toInt(), 0);
    EXPECT_EQ(state[QStringLiteral("caption")].toString(), QStringLiteral("Limnery"));
    EXPECT_EQ(state[QStringLiteral("canvas")][QStringLiteral("width")].toInt(), 50);
    EXPECT_EQ(state[QStringLiteral("canvas")][QStringLiteral("widthTwips")].toDouble(), 54 * 15.0);
    const QJsonObject select = state[QStringLiteral("picSelect")].toObject();
    EXPECT_TRUE(select[QStringLiteral("visible")].toBool());
    EXPECT_EQ(select[QStringLiteral("left")].toInt(), 11);
    EXPECT_EQ(select[QStringLiteral("width")].toInt(), 9);
    const QJsonObject cut = state[QStringLiteral("menus")][QStringLiteral("mnuCut")].toObject();
    EXPECT_TRUE(cut[QStringLiteral("enabled")].toBool());
    EXPECT_TRUE(cut.contains(QStringLiteral("checked")));
    EXPECT_TRUE(cut.contains(QStringLiteral("visible")));
    EXPECT_FALSE(state[QStringLiteral("menus")][QStringLiteral("mnuUndo")][QStringLiteral("enabled")].toBool());
    EXPECT_EQ(state[QStringLiteral("status")].toArray().size(), 3);
    EXPECT_FALSE(state[QStringLiteral("hscPaint")][QStringLiteral("visible")].toBool());
    EXPECT_TRUE(state[QStringLiteral("hscPaint")].toObject().contains(QStringLiteral("max")));
}

// What state reports is what the editor set, also where Qt keeps it otherwise:
// a hidden item is not thereby disabled, a bar's maximum goes negative when
// the canvas fits, and highlights sit at their designed twips.
TEST_F(ScriptCommandTest, StateReportsTheDesignedValuesAndAMenuDropClearsTheStatusBar)
{
    const ToolRun r = run(QStringLiteral("canvas 50 40\noptTools(4).MouseDown 1 0 0 0\noptTools(4).Click\n"
                                         "fraOptDot.MouseDown 1 0 350 420\npicPaint.MouseMove 0 0 12 34\n"
                                         "state\nmnuEdit.Click\nstate\n"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_EQ(r.out.size(), 2);
    const QJsonObject before = stateOf(r.out[0]), after = stateOf(r.out[1]);
    const QJsonObject menus = before[QStringLiteral("menus")].toObject();
    const QJsonObject transparent = menus[QStringLiteral("mnuFS(1)")].toObject();
    EXPECT_FALSE(transparent[QStringLiteral("visible")].toBool());
    EXPECT_TRUE(transparent[QStringLiteral("enabled")].toBool());
    EXPECT_FALSE(menus[QStringLiteral("mnuTFilter")][QStringLiteral("visible")].toBool());
    EXPECT_LT(before[QStringLiteral("vscPaint")][QStringLiteral("max")].toInt(), 0);
    EXPECT_EQ(before[QStringLiteral("tools")][QStringLiteral("lblDot")].toArray(), (QJsonArray{325, 400}));
    EXPECT_EQ(before[QStringLiteral("status")].toArray()[1].toString(), QStringLiteral("12,34"));
    EXPECT_EQ(after[QStringLiteral("status")].toArray(), (QJsonArray{QString(), QString(), QString()}));
}

}  // namespace
}  // namespace pinxel::test

namespace pinxel::test {
namespace {

// The curve handles, the text box and the font dialog answered with a face of several words.
TEST_F(ScriptCommandTest, ScriptsShapeCurvesAndTypeAndRestyleText)
{
    const ToolRun r = run(QStringLiteral(
        "canvas 300 200\noptTools(13).MouseDown 1 0 0 0\noptTools(13).Click\n"
        "picPaint.MouseDown 1 0 100 100\npicPaint.MouseUp 1 0 100 100\n"
        "imgBezier(3).MouseDown 1 0 1 1\nimgBezier(3).MouseMove 1 0 11 -9\nimgBezier(3).MouseUp 1 0 11 -9\nstate\n"
        "optTools(8).MouseDown 1 0 0 0\noptTools(8).Click\npicPaint.MouseDown 1 0 20 30\npicPaint.MouseUp 1 0 20 30\n"
        "txtText.KeyDown 65 1\ntxtText.KeyPress 65\ntxtText.KeyUp 65 1\n"
        "answer font DejaVu Sans Mono 14 bold italic 0 0 255\nmnuFont.Click\nstate\ntxtText.KeyUp 13 0\nstate\n"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_EQ(r.out.size(), 3);
    const QJsonArray handles = stateOf(r.out[0])[QStringLiteral("imgBezier")].toArray();
    ASSERT_EQ(handles.size(), 4);
    EXPECT_TRUE(handles[3][QStringLiteral("visible")].toBool());
    EXPECT_EQ(handles[3][QStringLiteral("left")].toInt(), 160);
    EXPECT_EQ(handles[3][QStringLiteral("top")].toInt(), 140);
    EXPECT_EQ(handles[0][QStringLiteral("left")].toInt(), 50);

    const QJsonObject typing = stateOf(r.out[1]);
    const QJsonObject box = typing[QStringLiteral("txtText")].toObject();
    EXPECT_TRUE(box[QStringLiteral("visible")].toBool());
    EXPECT_EQ(box[QStringLiteral("left")].toInt(), 20);
    EXPECT_EQ(box[QStringLiteral("text")].toString(), QStringLiteral("A"));
    EXPECT_EQ(box[QStringLiteral("tag")].toString(), QString());
    EXPECT_GT(box[QStringLiteral("height")].toInt(), 15) << "restyled in 14 points";
    const QJsonObject font = typing[QStringLiteral("font")].toObject();
    EXPECT_EQ(font[QStringLiteral("name")].toString(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(font[QStringLiteral("size")].toDouble(), 14);
    EXPECT_TRUE(font[QStringLiteral("bold")].toBool());
    EXPECT_TRUE(font[QStringLiteral("italic")].toBool());
    EXPECT_FALSE(font[QStringLiteral("underline")].toBool());
    EXPECT_EQ(typing[QStringLiteral("foreColor")].toString(), QStringLiteral("0 0 255"));
    // Choosing the text tool finished the curve: one step; the stamp another.
    const QJsonObject stamped = stateOf(r.out[2]);
    EXPECT_FALSE(stamped[QStringLiteral("txtText")][QStringLiteral("visible")].toBool());
    EXPECT_EQ(stamped[QStringLiteral("UndoCurrent")].toInt(), 2);
}

TEST_F(ScriptCommandTest, ScriptsZoomPanAndPickWithCtrlAndBothButtons)
{
    const ToolRun r =
        run(QStringLiteral("canvas 1200 900\noptTools(15).MouseDown 1 0 0 0\noptTools(15).Click\n"
                           "picPaint.MouseDown 1 0 600 450\npicPaint.MouseUp 1 0 600 450\n"
                           "picPaint.MouseDown 1 2 10 10\npicPaint.MouseUp 1 2 10 10\npicPaint.MouseDown 1 2 10 "
                           "10\npicPaint.MouseUp 1 2 10 10\n"
                           "optTools(17).MouseDown 1 0 0 0\noptTools(17).Click\npicPaint.MouseDown 1 0 100 100\n"
                           "picPaint.MouseMove 1 0 1200 1200\nstate\npicPaint.MouseUp 1 0 1200 1200\n"
                           "optTools(1).MouseDown 1 0 0 0\noptTools(1).Click\npicPaint.MouseDown 2 0 5 "
                           "5\npicPaint.MouseUp 2 0 5 5\nstate\n"));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_EQ(r.out.size(), 2);
    const QJsonObject panning = stateOf(r.out[0]);
    EXPECT_FLOAT_EQ(float(panning[QStringLiteral("ZoomFactor")].toDouble()), 0.8f);
    EXPECT_EQ(panning[QStringLiteral("picZoom")][QStringLiteral("width")].toInt(), 1200);
    EXPECT_EQ(panning[QStringLiteral("canvas")][QStringLiteral("width")].toInt(), 960);
    EXPECT_EQ(panning[QStringLiteral("pointer")].toString(), QStringLiteral("handgrab.cur"));
    EXPECT_EQ(panning[QStringLiteral("IsDragging")].toInt(), -1);
    EXPECT_EQ(panning[QStringLiteral("hscPaint")][QStringLiteral("value")].toInt(), 20) << "20 pixels right";
    const QJsonObject picked = stateOf(r.out[1]);
    EXPECT_EQ(picked[QStringLiteral("pointer")].toString(), QStringLiteral("pick.cur"));
    EXPECT_EQ(picked[QStringLiteral("UndoCurrent")].toInt(), 1) << "the pan, not the right-click";
    EXPECT_FLOAT_EQ(float(picked[QStringLiteral("ZoomFactor")].toDouble()), 0.8f) << "Pick Color keeps the zoom";
}

// At any scale factor nothing but the canvas's sunken frame and the resize
// handles shows beside the picture: no device pixel of the frame is left
// unpainted (it showed as a black line under the canvas at 1.25 and 2).
TEST_F(ScriptCommandTest, TheCanvasFrameIsWholeAtEveryScaleFactor)
{
    const QString picture = m_dir.filePath(QStringLiteral("red.png"));
    ASSERT_TRUE(filledImage(200, 150, composeColor(201, 17, 93)).save(picture));
    const QPalette palette = QApplication::palette();
    QSet<QRgb> allowed{qRgb(0, 0, 128)};  // the handles
    for (const QPalette::ColorRole role :
         {QPalette::Window, QPalette::Mid, QPalette::Light, QPalette::Dark, QPalette::Midlight})
        allowed.insert(palette.color(role).rgb());
    for (const char *scale : {"1", "1.25", "2"}) {
        SCOPED_TRACE(scale);
        const QString shot = m_dir.filePath(QStringLiteral("shot.png"));
        const ToolRun r =
            run(QStringLiteral("load %1\nscreenshot %2\n").arg(picture, shot), {}, QString::fromLatin1(scale));
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QImage window = QImage(shot).convertToFormat(QImage::Format_RGB32);
        QRect red;
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x)
                if (window.pixel(x, y) == qRgb(201, 17, 93))
                    red |= QRect(x, y, 1, 1);
        const double factor = QString::fromLatin1(scale).toDouble();
        ASSERT_NEAR(red.width(), 200 * factor, 1);
        ASSERT_NEAR(red.height(), 150 * factor, 1);
        // Below and right of the picture: the frame, then the view's background.
        const int band = int(std::ceil(2 * factor)) + 6;
        const QRect around = red.adjusted(0, 0, band, band);
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x)
                if (!red.contains(x, y)) {
                    ASSERT_TRUE(allowed.contains(window.pixel(x, y)))
                        << x << "," << y << " is " << std::hex << window.pixel(x, y);
                }
    }
}

// A full disk, made for the test on a small memory file system in a private
// mount namespace: the saves and the registry say what happened, and leave
// nothing behind.
TEST_F(ScriptCommandTest, AFullDiskIsReportedAsAFullDisk)
{
    const QString full = m_dir.filePath(QStringLiteral("full"));
    ASSERT_TRUE(QDir().mkpath(full));
    QFile script(m_dir.filePath(QStringLiteral("save.script")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("canvas 300 300\nsave %1/out.bmp\nsave %1/out.png\n").arg(full).toUtf8());
    script.close();
    const QString steps = QStringLiteral(
        "mount -t tmpfs -o size=64k tmpfs \"$0\" || exit 77; head -c 1048576 /dev/zero > \"$0/fill\" 2>/dev/null; "
        "\"$1\" script \"$2\" 2>&1; PINXEL_REGISTRY=\"$0/reg.ini\" \"$1\" register 2>&1; ls \"$0\"");
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"), steps,
                                              full, Tool, script.fileName()});
    if (!process.waitForStarted())
        GTEST_SKIP() << "no unshare here";
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString out = QString::fromUtf8(process.readAll());
    if (process.exitCode() == 77 || out.contains(QLatin1String("unshare:")))
        GTEST_SKIP() << "no private mounts here: " << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Disk full: no space left to write %1/out.bmp").arg(full)))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QLatin1String("Disk full: no space left to lock the component registry")))
        << out.toStdString();
    EXPECT_FALSE(out.contains(QLatin1String("Unknown error"))) << out.toStdString();
    EXPECT_TRUE(out.trimmed().endsWith(QLatin1String("\nfill"))) << out.toStdString();  // no temporary files
}

TEST_F(ScriptCommandTest, ARecordedRunReplaysExactlyAndOnOtherPictures)
{
    const QString picture = m_dir.filePath(QStringLiteral("p.bmp"));
    ASSERT_TRUE(randomImage(70, 50, 3).save(picture, "BMP"));
    const QString recording = m_dir.filePath(QStringLiteral("run.pxs"));
    // A relative load is read from the script's folder; the air brush reads the clock.
    const ToolRun recorded =
        run(QStringLiteral("load p.bmp\noptTools(10).MouseDown 1 0 0 0\noptTools(10).Click\n"
                           "picPaint.MouseDown 1 0 20 20\npicPaint.MouseMove 1 0 30 25\n"
                           "picPaint.MouseUp 1 0 30 25\nanswer color 9 8 7\nlblFillColor.DblClick\n"),
            {QStringLiteral("--record"), recording});
    ASSERT_EQ(recorded.exitCode, 0) << recorded.err.toStdString();
    QFile file(recording);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("load ") + picture)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("answer color 9 8 7\nlblFillColor.DblClick\nstate {")));

    const auto replay = [&](const QString &script, const QStringList &options = {}) {
        const ToolRun r = run(script, options);
        return std::pair{r.exitCode, r.out.join(QLatin1Char('\n')) + QLatin1Char('\n')};
    };
    // As recorded; then with a clock reading and a state field changed by hand.
    const std::pair asRecorded(0, QStringLiteral("state: as recorded\nchecksum: as recorded\n"));
    EXPECT_EQ(replay(text), asRecorded);
    QString otherClock = text;
    otherClock.replace(QRegularExpression(QStringLiteral("answer clock \\d+")), QStringLiteral("answer clock 1"));
    const auto [clockCode, clockOut] = replay(otherClock);
    EXPECT_EQ(clockCode, 4);
    EXPECT_TRUE(clockOut.contains(QStringLiteral("checksum differs: recorded "))) << clockOut.toStdString();
    const auto [stateCode, stateOut] =
        replay(QString(text).replace(QStringLiteral("\"CurrentTool\":10"), QStringLiteral("\"CurrentTool\":3")));
    EXPECT_EQ(stateCode, 4);
    EXPECT_TRUE(stateOut.contains(QStringLiteral("state differs: CurrentTool recorded 3, replayed 10")))
        << stateOut.toStdString();

    // On every picture of a pattern, each saved under its name; not compared.
    QDir(m_dir.path()).mkpath(QStringLiteral("in"));
    QDir(m_dir.path()).mkpath(QStringLiteral("out"));
    ASSERT_TRUE(filledImage(40, 30, qRgb(255, 255, 255)).save(m_dir.filePath(QStringLiteral("in/a.bmp")), "BMP"));
    ASSERT_TRUE(filledImage(90, 20, qRgb(0, 0, 255)).save(m_dir.filePath(QStringLiteral("in/b.bmp")), "BMP"));
    const auto [batchCode, batchOut] = replay(text, {QStringLiteral("--on"), m_dir.filePath(QStringLiteral("in/*.bmp")),
                                                     QStringLiteral("--save"), m_dir.filePath(QStringLiteral("out/"))});
    EXPECT_EQ(batchCode, 0) << batchOut.toStdString();
    EXPECT_FALSE(batchOut.contains(QStringLiteral("recorded"))) << batchOut.toStdString();
    for (const auto &[name, size] : {std::pair{"a.bmp", QSize(40, 30)}, std::pair{"b.bmp", QSize(90, 20)}}) {
        const QImage out(m_dir.filePath(QStringLiteral("out/") + QLatin1String(name)));
        EXPECT_EQ(out.size(), size) << name;
        EXPECT_NE(out.pixel(25, 10), qRgb(0, 0, 255)) << name << ": the spray reached it";
    }

    // The example beside the sample picture replays as it was recorded.
    const ToolRun example = runFile(QStringLiteral(PINXEL_SOURCE_DIR "/resources/example-session.pxs"));
    EXPECT_EQ(std::pair(example.exitCode, example.out.join(QLatin1Char('\n')) + QLatin1Char('\n')), asRecorded);

    // A recording that cannot be written ends at once, saying where.
    const ToolRun refused = run(QStringLiteral("canvas 5 5\n"),
                                {QStringLiteral("--record"), m_dir.filePath(QStringLiteral("no/such/run.pxs"))});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("no/such"))) << refused.err.toStdString();
}

// A batch spread over processes prints, saves and ends as one process does:
// the pictures' lines and messages in the files' order, a picture that
// fails reported in its place, the worst exit code.
TEST_F(ScriptCommandTest, ABatchInSeveralJobsEndsAsInOne)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("in"));
    for (const char *name : {"a", "b", "c", "d", "e"}) {
        const QString picture = m_dir.filePath(QStringLiteral("in/%1.bmp").arg(QLatin1String(name)));
        if (*name == 'c') {  // not a picture: the editor fails on it
            QFile text(picture);
            ASSERT_TRUE(text.open(QIODevice::WriteOnly));
            text.write("text");
        } else {
            ASSERT_TRUE(randomImage(30 + *name, 20, std::uint32_t(*name)).save(picture, "BMP"));
        }
    }
    const QString script = m_dir.filePath(QStringLiteral("batch.pxs"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("load in/a.bmp\nmnuInvertColors.Click\nmnuUndo.Click\nmnuRedo.Click\nmnuRedo.Click\nstate\n");
    file.close();
    struct Batch {
        int exitCode;
        QString out, err;
        QStringList saved;  // the saved files' checksums
    };
    const QString out = m_dir.filePath(QStringLiteral("out/"));
    const auto batch = [&](const QString &jobs) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        const ToolRun r = runFile(script, {QStringLiteral("--on"), m_dir.filePath(QStringLiteral("in/*.bmp")),
                                           QStringLiteral("--save"), out, QStringLiteral("--jobs"), jobs});
        Batch b{r.exitCode, r.out.join(QLatin1Char('\n')), r.err, {}};
        for (const QFileInfo &saved : QDir(out).entryInfoList(QDir::Files, QDir::Name)) {
            QFile bytes(saved.filePath());
            EXPECT_TRUE(bytes.open(QIODevice::ReadOnly));
            b.saved << saved.fileName() + QLatin1Char(' ')
                           + QString::fromLatin1(
                               QCryptographicHash::hash(bytes.readAll(), QCryptographicHash::Sha1).toHex());
        }
        return b;
    };
    const Batch one = batch(QStringLiteral("1"));
    EXPECT_EQ(one.exitCode, 1) << one.err.toStdString();
    EXPECT_EQ(one.saved.size(), 4);
    EXPECT_EQ(one.out.count(QStringLiteral("on /")), 5) << one.out.toStdString();
    EXPECT_EQ(one.out.count(QStringLiteral("refused: mnuRedo")), 4) << one.out.toStdString();
    EXPECT_TRUE(one.err.contains(QStringLiteral("c.bmp"))) << one.err.toStdString();
    for (const char *jobs : {"2", "3", "9"}) {
        const Batch many = batch(QString::fromLatin1(jobs));
        EXPECT_EQ(many.exitCode, one.exitCode) << jobs;
        EXPECT_EQ(many.out.toStdString(), one.out.toStdString()) << jobs;
        EXPECT_EQ(many.err.toStdString(), one.err.toStdString()) << jobs;
        EXPECT_EQ(many.saved, one.saved) << jobs;
    }
    for (const char *jobs : {"0", "-2", "two", ""}) {
        const ToolRun refused = runFile(script, {QStringLiteral("--on"), m_dir.filePath(QStringLiteral("in/*.bmp")),
                                                 QStringLiteral("--jobs"), QString::fromLatin1(jobs)});
        EXPECT_EQ(refused.exitCode, 2) << jobs;
        EXPECT_TRUE(refused.err.contains(QStringLiteral("--jobs takes a whole number"))) << refused.err.toStdString();
        EXPECT_TRUE(refused.out.isEmpty()) << jobs;
    }
}

// A script is data people send each other: it writes only inside its own
// folder, at its --save target and into its recording, unless
// --allow-writes names a folder; anything else ends the run with 5 and
// leaves the file as it was.
TEST_F(ScriptCommandTest, AScriptWritesOnlyWhereItWasAllowed)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString victim = elsewhere.filePath(QStringLiteral("victim.txt"));
    const QString away = elsewhere.filePath(QStringLiteral("new.bmp"));
    const auto writeVictim = [&] {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("keep me\n");
    };
    const QString link = m_dir.filePath(QStringLiteral("link.bmp"));
    ASSERT_TRUE(QFile::link(victim, link));
    const QStringList allow{QStringLiteral("--allow-writes"), elsewhere.path()};
    struct Case {
        const char *what;
        QString script;
        QStringList options;
        int exitCode;
        QString written;  // a file the run must have made, or empty
    };
    const Case cases[] = {
        {"Save As answered outside",
         QStringLiteral("canvas 8 8\nanswer save %1\nmnuSaveAs.Click\n").arg(victim),
         {},
         5,
         {}},
        {"a save line outside", QStringLiteral("canvas 8 8\nsave %1\n").arg(away), {}, 5, {}},
        {"a save line up and out",
         QStringLiteral("canvas 8 8\nsave ../%1/new.bmp\n").arg(QFileInfo(elsewhere.path()).fileName()),
         {},
         5,
         {}},
        {"a screenshot outside", QStringLiteral("canvas 8 8\nscreenshot %1.png\n").arg(away), {}, 5, {}},
        {"a link out of the folder", QStringLiteral("canvas 8 8\nsave link.bmp\n"), {}, 5, {}},
        {"inside the script's folder",
         QStringLiteral("canvas 8 8\nsave in.bmp\nanswer save in2.bmp\nmnuSaveAs.Click\n"),
         {},
         0,
         m_dir.filePath(QStringLiteral("in2.bmp"))},
        {"the --save target", QStringLiteral("canvas 8 8\n"), {QStringLiteral("--save"), away}, 0, away},
        {"allowed by --allow-writes", QStringLiteral("canvas 8 8\nsave %1\n").arg(away), allow, 0, away},
    };
    for (const Case &c : cases) {
        writeVictim();
        QFile::remove(away);
        const ToolRun r = run(c.script, c.options);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.what << ": " << r.err.toStdString();
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("keep me\n")) << c.what;
        const bool told =
            r.err.contains(QLatin1String("refused to write")) && r.err.contains(QLatin1String("--allow-writes"));
        EXPECT_EQ(told, c.exitCode == 5) << c.what << ": " << r.err.toStdString();
        EXPECT_EQ(QFileInfo::exists(away), c.written == away) << c.what;
        EXPECT_TRUE(c.written.isEmpty() || QFileInfo::exists(c.written)) << c.what;
    }

    // A replay on another picture skips the recording's own Save, and says so.
    const QString mine = m_dir.filePath(QStringLiteral("mine.bmp"));
    const QString other = elsewhere.filePath(QStringLiteral("other.bmp"));
    ASSERT_TRUE(filledImage(20, 10, qRgb(0, 0, 255)).save(mine, "BMP"));
    const QString recording = m_dir.filePath(QStringLiteral("saves.pxs"));
    const ToolRun recorded =
        run(QStringLiteral("load mine.bmp\nmnuInvertColors.Click\nanswer save %1\nmnuSaveAs.Click\n").arg(other),
            QStringList{QStringLiteral("--record"), recording} + allow);
    ASSERT_EQ(recorded.exitCode, 0) << recorded.err.toStdString();
    for (const bool allowed : {false, true}) {
        ASSERT_TRUE(filledImage(20, 10, qRgb(0, 255, 0)).save(other, "BMP"));
        const ToolRun replayed =
            runFile(recording, QStringList{QStringLiteral("--on"), other} + (allowed ? allow : QStringList()));
        EXPECT_EQ(replayed.exitCode, 0) << replayed.err.toStdString();
        EXPECT_EQ(replayed.out.join(QLatin1Char('\n')).contains(QLatin1String("skipped the recording's save to")),
                  !allowed)
            << replayed.out.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(QImage(other).pixel(3, 3), allowed ? qRgb(255, 0, 255) : qRgb(0, 255, 0)) << allowed;
    }
}

}  // namespace
}  // namespace pinxel::test
