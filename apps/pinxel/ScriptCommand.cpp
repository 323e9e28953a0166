// `pinxel script FILE|-`: drives the editor with the lines of a script.

#include "Command.h"

#include "editor/EditorScript.h"
#include "editor/frmPaint.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace pinxel::cli {
namespace {

int runScript(const QStringList &arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.isEmpty()) {
        std::printf("usage: pinxel script [--no-file-menu] [--show] FILE|-\n"
                    "Opens the editor as the control does (headless unless --show and a display) and runs\n"
                    "the script's lines: ELEMENT.EVENT ARGS, answer DIALOG ..., load, canvas, save, state.\n"
                    "Exit 0 when every line ran, 2 for a line it cannot read, 3 for a dialog nobody answered.\n");
        return arguments.isEmpty() ? 2 : 0;
    }
    bool fileMenu = true;
    bool show = false;
    QString path;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--no-file-menu"))
            fileMenu = false;
        else if (argument == QLatin1String("--show"))
            show = true;
        else
            path = argument;
    }
    QFile file;
    if (path == QLatin1String("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "pinxel script: cannot read standard input\n");
            return 2;
        }
    } else {
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "pinxel script: cannot read %s\n", qPrintable(path));
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
        EditorScript script(services, fileMenu, print);
        if (show)
            script.window().show();
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            ++lineNumber;
            script.run(line);
        }
    } catch (const ScriptError &error) {
        std::fprintf(stderr, "pinxel script: line %d: %s\n", lineNumber, error.what());
        return 2;
    } catch (const UnansweredDialog &error) {
        std::fprintf(stderr, "pinxel script: line %d: %s\n", lineNumber, error.what());
        return 3;
    } catch (const Error &error) {
        std::fprintf(stderr, "pinxel script: line %d: %s\n", lineNumber, qPrintable(error.description()));
        return 1;
    }
    return 0;
}

const Command script("script", "drive the editor with a script of events and answers", runScript);

}  // namespace
}  // namespace pinxel::cli
