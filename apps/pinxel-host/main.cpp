// pinxel-host: a desktop program that hosts the control Dabbler on a form.
//
//   pinxel-host [--form FILE] [--design] [--screenshot FILE.png] [--record FILE]
//
// The control is created by name through the component runtime (register it
// with `pinxel register`), restored from the form file and saved back to it.
// --screenshot renders the form without a display, saves it and exits.
// --record records each editing session as a script `pinxel script` replays
// (the library does it for any host that sets PINXEL_RECORD).

#include "HostWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

QString defaultFormPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder + QStringLiteral("/pinxel/host-form.ini");
}

// The bundled sample picture: the source tree's, else the installed one.
QString samplePicture()
{
    const QStringList candidates{
        QStringLiteral(PINXEL_RESOURCES_DIR "/sample.bmp"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/pinxel/sample.bmp"),
    };
    for (const QString &candidate : candidates)
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    return QString();
}

}  // namespace

int main(int argc, char **argv)
{
    bool screenshot = false;  // or anything else that needs no screen
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--screenshot" || argument.startsWith("--screenshot=") || argument == "--help"
            || argument == "-h" || argument == "--help-all")
            screenshot = true;
    }
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
    if (screenshot) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    } else if (!display) {
        // An invisible window nobody can close would run for ever.
        std::fprintf(stderr, "pinxel-host: there is no display to show the form on (DISPLAY is not set).\n"
                             "Use --screenshot FILE.png to render the form without one.\n");
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pinxel-host"));
    // Qt's own texts (the message boxes' buttons, the file, colour and print
    // dialogs) in the system's language, as every host should load them: the
    // library translates only its own. PINXEL_TRANSLATE=off keeps all English.
    QTranslator qtTexts;
    if (qEnvironmentVariable("PINXEL_TRANSLATE").compare(QLatin1String("off"), Qt::CaseInsensitive) != 0
        && qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Hosts the Pinxel control Dabbler on a form."));
    parser.addHelpOption();
    const QCommandLineOption formOption(QStringLiteral("form"),
                                        QStringLiteral("The form file (default %1).").arg(defaultFormPath()),
                                        QStringLiteral("FILE"), defaultFormPath());
    const QCommandLineOption designOption(QStringLiteral("design"), QStringLiteral("Start in design mode."));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Render the form without a display, save it as a PNG file and exit."), QStringLiteral("FILE"));
    const QCommandLineOption recordOption(
        QStringLiteral("record"),
        QStringLiteral("Record each editing session as a script for pinxel script (the second into FILE-2, ...)."),
        QStringLiteral("FILE"));
    parser.addOptions({formOption, designOption, screenshotOption, recordOption});
    parser.process(app);
    if (parser.isSet(recordOption)) {
        // Said now rather than when the editor opens.
        const QFileInfo record(parser.value(recordOption));
        const QFileInfo folder(record.absolutePath());
        if (record.isDir() || (record.exists() && !record.isWritable()) || !folder.isDir() || !folder.isWritable()) {
            std::fprintf(stderr, "pinxel-host: cannot record into %s\n", qPrintable(record.absoluteFilePath()));
            return 1;
        }
        qputenv("PINXEL_RECORD", record.absoluteFilePath().toLocal8Bit());
    }

    HostWindow::Options options;
    options.formPath = QFileInfo(parser.value(formOption)).absoluteFilePath();
    options.samplePicture = samplePicture();
    options.design = parser.isSet(designOption);
    options.headless = parser.isSet(screenshotOption);

    HostWindow window(options);
    if (!window.start())
        return 1;
    window.show();

    if (options.headless) {
        // Let the layout settle and the control paint, then render the window.
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        const QString output = parser.value(screenshotOption);
        if (!window.grab().save(output, "PNG")) {
            std::fprintf(stderr, "pinxel-host: cannot write %s\n", qPrintable(output));
            return 1;
        }
        std::printf("%s\n", qPrintable(QFileInfo(output).absoluteFilePath()));
        return 0;
    }
    return app.exec();
}
