// `pinxel recover --list` | `pinxel recover JOURNAL --save OUT`: the recovery
// journals editors left, and one of them restored into a picture file
// without opening an editor. Exit 0 when every event was restored, 4 when
// some could not be, 2 for a wrong command line, 1 when the journal cannot
// be read or the picture cannot be written.

#include "Command.h"

#include "editor/EditorScript.h"
#include "editor/RecoveryJournal.h"
#include "editor/StateLine.h"

#include <QDir>
#include <QLocale>

#include <cstdio>

namespace pinxel::cli {
namespace {

void printUsage(std::FILE *out)
{
    std::fprintf(out,
                 "usage: pinxel recover --list\n"
                 "       pinxel recover JOURNAL --save OUT\n"
                 "\n"
                 "--list         the journals in the recovery folder (%s), newest first:\n"
                 "               \"left\" ones were left by a process that is gone\n"
                 "JOURNAL --save OUT  replays the journal, up to its last whole line, onto the picture\n"
                 "               it started on, and writes the picture OUT (PNG when its name ends in\n"
                 "               .png, else BMP); the journal stays where it is\n"
                 "The folder is PINXEL_RECOVERY_DIR, else $XDG_STATE_HOME/pinxel/recovery.\n",
                 qPrintable(QDir::toNativeSeparators(RecoveryJournal::folder())));
}

int listJournals()
{
    const QString folder = RecoveryJournal::folder();
    if (folder.isEmpty()) {
        std::printf("journals are off (PINXEL_RECOVERY_DIR=off)\n");
        return 0;
    }
    for (const RecoveryJournal::Info &journal : RecoveryJournal::list(folder)) {
        const QString picture = journal.file.isEmpty() ? journal.name : journal.file;
        std::printf("%s  %s  %s  %d events  %s  (%s)\n", qPrintable(journal.path), journal.live ? "live" : "left",
                    qPrintable(QLocale::c().toString(journal.started, QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
                    journal.events, qPrintable(picture), qPrintable(journal.program));
    }
    return 0;
}

int restore(const QString &path, const QString &output)
{
    const std::optional<RecoveryJournal::Info> journal = RecoveryJournal::read(path);
    if (!journal) {
        std::fprintf(stderr, "pinxel recover: %s is no journal that can be read\n", qPrintable(path));
        return 1;
    }
    if (journal->live)
        std::fprintf(stderr, "pinxel recover: the editor of %s is still running; restoring what it wrote so far\n",
                     qPrintable(path));
    ScriptedHostServices services;
    try {
        EditorScript script(services, true, [](const QString &) {});
        const RecoveryJournal::Restored restored = RecoveryJournal::replay(script, *journal, false);
        std::printf("%s\n", qPrintable(restored.summary()));
        ScriptWrites writes;
        writes.allowFile(output);
        script.confineWrites(writes);
        std::printf("checksum %s\n", qPrintable(pictureChecksum(script.finalPicture())));
        script.savePicture(output);
        std::printf("saved %s\n", qPrintable(output));
        return restored.events < restored.of ? 4 : 0;
    } catch (const Error &error) {
        std::fprintf(stderr, "pinxel recover: %s\n", qPrintable(error.description()));
        return 1;
    }
}

int runRecover(const QStringList &arguments)
{
    if (arguments.contains(QLatin1String("--help"))) {
        printUsage(stdout);
        return 0;
    }
    if (arguments == QStringList{QStringLiteral("--list")})
        return listJournals();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--save"))
        return restore(arguments[0], arguments[2]);
    printUsage(stderr);
    return 2;
}

const Command recover("recover", runRecover);

}  // namespace
}  // namespace pinxel::cli
