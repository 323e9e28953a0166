#include "PictureCommand.h"

#include "pinxel/Error.h"
#include "pinxel/HostServices.h"
#include "platform/files/PictureFiles.h"

#include <cstdio>

namespace pinxel::cli {

// Enough answers for every failure a command can report.
constexpr int QueuedAnswers = 64;

PictureCommand::PictureCommand(const char *name) : m_name(name)
{
    for (int i = 0; i < QueuedAnswers; ++i)
        m_host.answerMsgBox(AnswerOk);
    HostServices::setCurrent(&m_host);
    m_surface.setScaleMode(ScalePixels);
    m_surface.BackColor = 0xFFFFFF;
    m_surface.AutoSize = true;
}

PictureCommand::~PictureCommand() { HostServices::setCurrent(nullptr); }

int usageError(const char *command, const QString &message)
{
    std::fprintf(stderr, "pinxel %s: %s\n(pinxel %s --help lists the choices)\n", command, qPrintable(message),
                 command);
    return 2;
}

int PictureCommand::ioError(const QString &message) const
{
    std::fprintf(stderr, "pinxel %s: %s\n", m_name, qPrintable(message));
    return 1;
}

int PictureCommand::load(const QString &input)
{
    QImage picture;
    try {
        picture = m_host.LoadPicture(input);
    } catch (const Error &error) {
        return ioError(QStringLiteral("cannot read '%1': %2").arg(input, error.description()));
    }
    if (picture.isNull())
        return ioError(QStringLiteral("cannot read '%1': no picture").arg(input));
    try {
        m_surface.setPicture(picture);
    } catch (const Error &error) {
        return ioError(QStringLiteral("cannot hold '%1': %2").arg(input, error.description()));
    }
    return 0;
}

int PictureCommand::save(const QString &output)
{
    try {
        if (output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            saveImageFile(m_surface.Image(), output, "png");
        else
            m_host.SavePicture(m_surface.Image(), output);
    } catch (const Error &error) {
        return ioError(QStringLiteral("cannot write '%1': %2").arg(output, error.description()));
    }
    return 0;
}

QString PictureCommand::reportedFailures() const
{
    return m_host.pendingAnswers() == QueuedAnswers ? QString() : m_host.messages().join(QStringLiteral("; "));
}

}  // namespace pinxel::cli
