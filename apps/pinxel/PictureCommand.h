#pragma once
// What the one-shot picture commands (filter, effect) share: the scripted
// host services that turn message boxes into messages, reading the input
// into a surface and writing the output whole or not at all, PNG or BMP by
// its name, with their errors as messages and exit codes.

#include "pinxel/PictureSurface.h"
#include "pinxel/ScriptedHostServices.h"

#include <QString>

namespace pinxel::cli {

// A wrong command line: the message, a hint to --help, exit code 2.
int usageError(const char *command, const QString &message);

class PictureCommand {
public:
    explicit PictureCommand(const char *name);
    ~PictureCommand();
    PictureCommand(const PictureCommand &) = delete;
    PictureCommand &operator=(const PictureCommand &) = delete;

    // A file or the operation failed: the message, exit code 1.
    int ioError(const QString &message) const;

    // Reads the input into surface() (pixels, white background); 0 or an exit code.
    int load(const QString &input);
    // Writes surface() to the output; 0 or an exit code.
    int save(const QString &output);
    // The failures the library reported in message boxes since the start, or empty.
    QString reportedFailures() const;

    PictureSurface &surface() { return m_surface; }
    ScriptedHostServices &host() { return m_host; }

private:
    const char *m_name;
    ScriptedHostServices m_host;
    PictureSurface m_surface;
};

}  // namespace pinxel::cli
