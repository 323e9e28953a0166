// `pinxel script ... --jobs N`: a batch's pictures replayed in processes of
// the tool itself.

#include "ScriptJobs.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace pinxel::cli {

namespace {

// Ends a picture's output on both streams of a child: no printed text holds a NUL.
const QByteArray PictureEnd("\0pinxel: end of picture\0\n", 25);

void put(std::FILE *stream, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

struct Share {
    QStringList pictures;
    std::unique_ptr<QProcess> process;
    QByteArray out, err;  // what was not passed on yet
    int passed = 0;       // pictures whose output was passed on
    bool ended = false;
    bool failed = false;  // did not start, or did not end normally
    int exitCode = 0;

    // Passes on the output of the pictures replayed; once ended, the rest.
    void passOn()
    {
        for (;;) {
            const qsizetype outEnd = out.indexOf(PictureEnd), errEnd = err.indexOf(PictureEnd);
            if (outEnd < 0 || errEnd < 0)
                break;
            put(stdout, out.left(outEnd));
            put(stderr, err.left(errEnd));
            out.remove(0, outEnd + PictureEnd.size());
            err.remove(0, errEnd + PictureEnd.size());
            ++passed;
        }
        if (!ended)
            return;
        put(stdout, std::exchange(out, {}));
        put(stderr, std::exchange(err, {}));
        if (!failed)
            return;
        const QString what = passed < pictures.size() ? QStringLiteral("on %1").arg(pictures[passed])
                                                      : QStringLiteral("after %1").arg(pictures.back());
        const QString left =
            pictures.size() - passed > 1
                ? QStringLiteral("; %1 more pictures were not replayed").arg(pictures.size() - passed - 1)
                : QString();
        std::fprintf(stderr, "pinxel script: the replay %s %s%s\n", qPrintable(what),
                     process->error() == QProcess::FailedToStart ? "could not start" : "ended abnormally",
                     qPrintable(left));
        std::fflush(stderr);
    }
};

// The children's environment: each would warn again of an unset runtime
// folder as this process did when it started; they are given the one it chose.
QProcessEnvironment childEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR"))) {
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        qInstallMessageHandler(previous);
        if (!runtime.isEmpty())
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }
    return environment;
}

}  // namespace

int replayInShares(const QStringList &arguments, const QStringList &pictures, int jobs)
{
    std::vector<Share> shares(size_t(std::clamp<qsizetype>(jobs, 1, pictures.size())));
    for (size_t i = 0; i < shares.size(); ++i) {
        const qsizetype first = pictures.size() * qsizetype(i) / qsizetype(shares.size());
        const qsizetype end = pictures.size() * qsizetype(i + 1) / qsizetype(shares.size());
        shares[i].pictures = pictures.mid(first, end - first);
    }
    QEventLoop loop;
    size_t head = 0;  // the first share whose output is not all passed on
    const auto advance = [&] {
        for (; head < shares.size(); ++head) {
            shares[head].passOn();
            if (!shares[head].ended)
                return;
        }
        loop.quit();
    };
    const QProcessEnvironment environment = childEnvironment();
    for (Share &share : shares) {
        share.process = std::make_unique<QProcess>();
        QProcess &process = *share.process;
        process.setProcessEnvironment(environment);
#ifdef Q_OS_LINUX
        // Gone with this process, as one process's batch would be.
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
        const auto take = [&share, &shares, &head] {
            share.out += share.process->readAllStandardOutput();
            share.err += share.process->readAllStandardError();
            if (head < shares.size() && &share == &shares[head])
                share.passOn();
        };
        QObject::connect(&process, &QProcess::readyReadStandardOutput, take);
        QObject::connect(&process, &QProcess::readyReadStandardError, take);
        QObject::connect(&process, &QProcess::finished,
                         [&share, take, &advance](int code, QProcess::ExitStatus status) {
                             share.ended = true;
                             share.failed = status != QProcess::NormalExit;
                             share.exitCode = share.failed ? 1 : code;
                             take();
                             advance();
                         });
        QObject::connect(&process, &QProcess::errorOccurred, [&share, &advance](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;  // a crash also finishes
            share.ended = share.failed = true;
            share.exitCode = 1;
            advance();
        });
        QByteArray names;
        for (const QString &picture : share.pictures)
            names += QFile::encodeName(picture) + '\0';
        process.start(QCoreApplication::applicationFilePath(),
                      QStringList{QStringLiteral("script")} + arguments + QStringList{QStringLiteral("--batch-share")});
        if (!process.waitForStarted())
            continue;  // reported in its turn
        process.write(names);
        process.closeWriteChannel();
    }
    if (head < shares.size())
        loop.exec();
    int worst = 0;
    for (const Share &share : shares)
        worst = std::max(worst, share.exitCode);
    return worst;
}

QStringList sharePictures()
{
    QFile in;
    QStringList pictures;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return pictures;
    for (const QByteArray &name : in.readAll().split('\0'))
        if (!name.isEmpty())
            pictures << QFile::decodeName(name);
    return pictures;
}

void endSharePicture()
{
    std::fflush(stdout);
    put(stdout, PictureEnd);
    put(stderr, PictureEnd);
}

}  // namespace pinxel::cli
