// `pinxel script` lines on any bytes: each line runs or is refused as a
// script error; unanswered dialogs and the editor's own errors end the line.
// Nothing may crash or hang.
//
// One editor window serves every input, as one user session would; each
// input starts on a 64 x 48 canvas with the Pencil. Paths in lines are
// moved into a scratch folder, so that the fuzzer never reads or writes
// files of its own choosing.

#include "editor/EditorScript.h"
#include "pinxel/Error.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>

namespace {

using namespace pinxel;

// The window needs no display: the offscreen platform is chosen before the
// application starts.
int &offscreen(int &argc)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

struct Session {
    int argc = 1;
    char name[12] = "fuzz_Script";
    char *argv[2] = {name, nullptr};
    QApplication application{offscreen(argc), argv};
    QTemporaryDir scratch;
    ScriptedHostServices services;
    EditorScript script{services, true, [](const QString &) {}};

    Session()
    {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        // Whatever a line names, nothing is written outside the scratch folder.
        ScriptWrites writes;
        writes.allowScriptFolder(scratch.path());
        script.confineWrites(writes);
    }

    // The line with any path replaced by a name in the scratch folder.
    QString confined(const QString &line) const
    {
        static const QRegularExpression withPath(
            QStringLiteral("^\\s*(load|save|screenshot|answer\\s+open|answer\\s+save)\\s+(.*)$"));
        const QRegularExpressionMatch match = withPath.match(line);
        if (!match.hasMatch())
            return line;
        // Only a dialog's answer can be "cancel"; for any other line it is a file's name.
        if (match.captured(1).startsWith(QLatin1String("answer"))
            && match.captured(2).trimmed() == QLatin1String("cancel"))
            return line;
        QString name = match.captured(2).section(QLatin1Char('/'), -1);
        name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")));
        name = name.left(32);
        if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
            name.prepend(QLatin1Char('f'));
        return match.captured(1) + QLatin1Char(' ') + scratch.filePath(name);
    }

    void run(const QString &line)
    {
        try {
            script.run(line);
        } catch (const ScriptError &) {
        } catch (const UnansweredDialog &) {
        } catch (const Error &) {
        } catch (const WriteRefused &) {
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Session session;
    session.services.forgetAll();
    session.run(QStringLiteral("twips 15"));
    session.run(QStringLiteral("frame 0 0"));
    session.run(QStringLiteral("canvas 64 48"));
    session.run(QStringLiteral("optTools(4).Click"));
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(0, 200))
        session.run(session.confined(line.left(400)));
    // No event loop runs here: a window closed by the input is deleted now,
    // as the loop of a real session would.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
