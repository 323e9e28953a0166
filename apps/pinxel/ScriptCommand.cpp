// `pinxel script FILE|-`: drives the editor with the lines of a script, or
// replays a recording, on its own picture or on others.

#include "Command.h"
#include "ScriptJobs.h"

#include "editor/EditorScript.h"
#include "editor/frmPaint.h"
#include "model/EditorModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace pinxel::cli {
namespace {

struct ScriptOptions {
    bool fileMenu = true;
    bool show = false;
    bool headless = false;  // the editor model alone, no window
    QString path;
    QString record;
    QString on;
    QString save;
    QString journal;
    QString jobs;
    QStringList allowWrites;
    bool share = false;          // a child replaying a share of a batch (--batch-share)
    QStringList shareArguments;  // the arguments a share's child runs with
};

// What the run may write: see ScriptWrites.
ScriptWrites allowedWrites(const ScriptOptions &options, const QString &onPicture, const QString &saveTo)
{
    ScriptWrites writes;
    writes.allowScriptFolder(options.path == QLatin1String("-") ? QDir::currentPath()
                                                                : QFileInfo(options.path).absolutePath());
    if (!saveTo.isEmpty())
        writes.allowFile(saveTo);
    if (!options.record.isEmpty())
        writes.allowFileAndKept(options.record);
    for (const QString &folder : options.allowWrites)
        writes.allowFolder(folder);
    writes.skipRecordedSaves(!onPicture.isEmpty());
    return writes;
}

// Exit codes: 0 every line ran (and matched its recording), 1 the editor
// failed, 2 a line it cannot read, 3 a dialog nobody answered, 4 a replay
// that differs from its recording, 5 a write the script was not allowed.
int runOnce(const ScriptOptions &options, const QString &onPicture, const QString &saveTo)
{
    QFile file;
    if (options.path == QLatin1String("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "pinxel script: cannot read standard input\n");
            return 2;
        }
    } else {
        file.setFileName(options.path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "pinxel script: cannot read %s\n", qPrintable(options.path));
            return 2;
        }
    }
    ScriptedHostServices services;
    const auto print = [](const QString &line) {
        std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
    };
    int lineNumber = 0;
    try {
        // A headless run has a model of its own; otherwise the control's window holds one.
        std::unique_ptr<EditorModel> model = options.headless ? std::make_unique<EditorModel>() : nullptr;
        std::unique_ptr<EditorScript> running =
            model ? std::make_unique<EditorScript>(services, *model, options.fileMenu, print)
                  : std::make_unique<EditorScript>(services, options.fileMenu, print);
        EditorScript &script = *running;
        if (options.path != QLatin1String("-"))
            script.setFolder(QFileInfo(options.path).absolutePath());
        script.confineWrites(allowedWrites(options, onPicture, saveTo));
        if (!options.record.isEmpty())
            script.recordInto(options.record);
        if (!options.journal.isEmpty())
            script.journalInto(options.journal);
        if (!onPicture.isEmpty())
            script.replayOn(onPicture);
        if (options.show)
            script.window().show();
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            ++lineNumber;
            script.run(line);
        }
        lineNumber = 0;
        if (!saveTo.isEmpty()) {
            script.savePicture(saveTo);
            print(QStringLiteral("saved %1").arg(saveTo));
        }
        return script.differences() > 0 ? 4 : 0;
    } catch (const ScriptError &error) {
        std::fprintf(stderr, "pinxel script: line %d: %s\n", lineNumber, error.what());
        return 2;
    } catch (const UnansweredDialog &error) {
        std::fprintf(stderr, "pinxel script: line %d: %s\n", lineNumber, error.what());
        return 3;
    } catch (const WriteRefused &error) {
        if (lineNumber > 0)
            std::fprintf(stderr, "pinxel script: line %d: %s\n", lineNumber, error.what());
        else
            std::fprintf(stderr, "pinxel script: %s\n", error.what());
        return 5;
    } catch (const Error &error) {
        if (lineNumber > 0)
            std::fprintf(stderr, "pinxel script: line %d: %s\n", lineNumber, qPrintable(error.description()));
        else
            std::fprintf(stderr, "pinxel script: %s\n", qPrintable(error.description()));
        return 1;
    }
}

// The pictures --on names: one file, or a pattern of file names in one folder.
QStringList picturesOn(const QString &on)
{
    const QFileInfo pattern(on);
    if (!on.contains(QLatin1Char('*')) && !on.contains(QLatin1Char('?')) && !on.contains(QLatin1Char('[')))
        return {on};
    QStringList pictures;
    const QDir folder = pattern.dir();
    for (const QString &name : folder.entryList({pattern.fileName()}, QDir::Files, QDir::Name))
        pictures << folder.filePath(name);
    return pictures;
}

int runScript(const QStringList &arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.isEmpty()) {
        std::printf("usage: pinxel script [--no-file-menu] [--show|--headless] [--record OUT] [--journal DIR]\n"
                    "                     [--on PICTURE|'DIR/*.bmp' [--save OUT] [--jobs N]] [--allow-writes DIR]...\n"
                    "                     FILE|-\n"
                    "Opens the editor as the control does (headless unless --show and a display) and runs\n"
                    "the script's lines:\n%s"
                    "  --headless     runs the editor model alone, with no window (no frame, screenshot or\n"
                    "                 window events, no recording)\n",
                    qPrintable(EditorScript::lineHelp()));
        std::printf("A recording ends with its state and checksum, which a replay compares.\n"
                    "  --record OUT   records this run as a script that replays it\n"
                    "  --on PICTURE   replays on another picture (its load line replaced); a quoted pattern\n"
                    "                 replays on every picture it matches, each in a fresh editor\n"
                    "  --save OUT     saves the final picture: a file, or with a pattern a folder ending in /\n"
                    "  --jobs N       replays a pattern's pictures in N processes (default: one a core); the\n"
                    "                 output, messages and exit code are those of one process\n"
                    "  --journal DIR  keeps a recovery journal of the run in DIR (pinxel recover restores it)\n"
                    "A script writes files (save and screenshot lines, Save and Save As answered by it) only\n"
                    "inside its own folder (standard input: the current folder), at its --save target and\n"
                    "into its --record file; a replay with --on skips its recording's Save and Save As.\n"
                    "  --allow-writes DIR  allows writes (and a replay's saves) inside DIR too\n"
                    "Exit 0 when every line ran, 1 when the editor failed, 2 for a line it cannot read,\n"
                    "3 for a dialog nobody answered, 4 for a replay that differs from its recording,\n"
                    "5 for a write the script was not allowed.\n");
        return arguments.isEmpty() ? 2 : 0;
    }
    ScriptOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        QString *value = argument == QLatin1String("--record")    ? &options.record
                         : argument == QLatin1String("--on")      ? &options.on
                         : argument == QLatin1String("--save")    ? &options.save
                         : argument == QLatin1String("--journal") ? &options.journal
                         : argument == QLatin1String("--jobs")    ? &options.jobs
                                                                  : nullptr;
        if (argument == QLatin1String("--allow-writes")) {
            options.allowWrites << QString();
            value = &options.allowWrites.back();
        }
        if (value) {
            if (i + 1 >= arguments.size()) {
                std::fprintf(stderr, "pinxel script: %s needs a value\n", qPrintable(argument));
                return 2;
            }
            *value = arguments[++i];
            if (value != &options.on && value != &options.jobs)
                options.shareArguments << argument << *value;
            continue;
        }
        if (argument == QLatin1String("--batch-share")) {
            options.share = true;
            continue;
        }
        options.shareArguments << argument;
        if (argument == QLatin1String("--no-file-menu")) {
            options.fileMenu = false;
        } else if (argument == QLatin1String("--show")) {
            options.show = true;
        } else if (argument == QLatin1String("--headless")) {
            options.headless = true;
        } else {
            options.path = argument;
        }
    }
    if (options.path.isEmpty()) {
        std::fprintf(stderr, "pinxel script: which script?\n");
        return 2;
    }
    bool numberOk = !arguments.contains(QLatin1String("--jobs"));
    const int jobs = numberOk ? QThread::idealThreadCount() : options.jobs.toInt(&numberOk);
    if (!numberOk || jobs < 1) {
        std::fprintf(stderr, "pinxel script: --jobs takes a whole number of processes, 1 or more, not '%s'\n",
                     qPrintable(options.jobs));
        return 2;
    }
    const QStringList pictures = options.share          ? sharePictures()
                                 : options.on.isEmpty() ? QStringList{QString()}
                                                        : picturesOn(options.on);
    if (pictures.isEmpty()) {
        std::fprintf(stderr, "pinxel script: no picture matches %s\n", qPrintable(options.on));
        return 2;
    }
    const bool many = options.share || pictures.size() > 1 || options.on != pictures.front();
    if (many && !options.save.isEmpty() && !QFileInfo(options.save).isDir()) {
        std::fprintf(stderr, "pinxel script: with a pattern, --save names a folder that exists: %s\n",
                     qPrintable(options.save));
        return 2;
    }
    if (many && !options.record.isEmpty()) {
        std::fprintf(stderr, "pinxel script: --record records one run, not one per picture\n");
        return 2;
    }
    if (many && options.path == QLatin1String("-")) {
        std::fprintf(stderr, "pinxel script: a pattern replays a script file, not standard input\n");
        return 2;
    }
    if (many && !options.share && jobs > 1 && pictures.size() > 1)
        return replayInShares(options.shareArguments, pictures, jobs);
    int worst = 0;
    for (const QString &picture : pictures) {
        QString saveTo = options.save;
        if (many && !saveTo.isEmpty())
            saveTo = QDir(options.save).filePath(QFileInfo(picture).completeBaseName() + QStringLiteral(".bmp"));
        if (many) {
            // Before the picture's messages, which go to the other stream.
            std::printf("on %s\n", qPrintable(picture));
            std::fflush(stdout);
        }
        const int code = runOnce(options, picture, saveTo);
        worst = std::max(worst, code);
        // No event loop runs here: the closed editor is deleted now, so that
        // a long batch keeps its memory.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (options.share)
            endSharePicture();
    }
    return worst;
}

const Command script("script", runScript);

}  // namespace
}  // namespace pinxel::cli
