#include "editor/SessionRecorder.h"

#include "editor/ScriptAnswers.h"
#include "editor/StateLine.h"
#include "editor/frmPaint.h"
#include "pinxel/Error.h"
#include "platform/files/FileWrites.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace pinxel {

SessionRecorder::SessionRecorder(const QString &path)
{
    checkWritableTarget(path);
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        throw Error(ErrPermissionDenied, QStringLiteral("Cannot record into %1: %2").arg(path, m_file.errorString()));
    write(QStringLiteral("# A Pinxel editing session: replay it with pinxel script %1\n")
              .arg(QFileInfo(path).fileName()));
}

SessionRecorder::~SessionRecorder() { finish(); }

QString SessionRecorder::sessionPath(const QString &path, int session)
{
    if (session <= 1)
        return path;
    const QFileInfo file(path);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    return file.dir().filePath(QStringLiteral("%1-%2%3").arg(file.completeBaseName()).arg(session).arg(suffix));
}

void SessionRecorder::setupLine(const QString &line)
{
    write(line + QLatin1Char('\n'));
    m_expected = false;
}

void SessionRecorder::attach(frmPaint &window)
{
    if (m_window == &window)
        return;
    detach();
    m_window = &window;
    window.model().events().setListener(this);
    // The state and picture as the window closes, for the replay to compare
    // once the event that closed it is written; its last stirrings (its
    // hiding) are not the user's.
    m_closed = QObject::connect(&window, &frmPaint::closed, &window, [this, &window] {
        // A frame that changed since the last event goes before the event
        // that closed the window; after it a replay's window is gone.
        if (m_pendingAt >= 0)
            if (const QString frame = frameLine(); !frame.isEmpty())
                note(frame);
        window.model().events().setListener(nullptr);
        m_atClose = expectations(window);
        if (m_pendingAt < 0)
            writeClosingExpectations();
    });
    if (!m_services) {
        m_previous = &HostServices::current();
        m_services = std::make_unique<RecordingHostServices>(
            *m_previous, [this](const QString &line) { note(line); },
            [this](const QImage &picture) { return keepPicture(picture, QStringLiteral("clipboard")); });
        HostServices::setCurrent(m_services.get());
    }
}

QString SessionRecorder::keepPicture(const QImage &picture, const QString &kind)
{
    // Beside the recording, named after it: the replay finds it in its own folder.
    const QFileInfo recording(m_file.fileName());
    const QString name = QStringLiteral("%1.%2-%3.png").arg(recording.completeBaseName(), kind).arg(++m_kept);
    try {
        saveFileAtomically(recording.dir().filePath(name), [&](QIODevice &file) { return picture.save(&file, "PNG"); });
    } catch (const Error &) {
        return QString();  // the replay then pastes nothing, and ends unlike the recording
    }
    return name;
}

void SessionRecorder::finish()
{
    if (m_window && !m_expected)
        writeExpectations();
    detach();
    if (m_services) {
        HostServices::setCurrent(m_previous);
        m_services.reset();
    }
    m_file.close();
}

void SessionRecorder::detach()
{
    // The window may outlive the recorder: nothing of it may call back.
    QObject::disconnect(m_closed);
    if (m_window)
        m_window->model().events().setListener(nullptr);
    m_window.clear();
}

QString SessionRecorder::frameLine()
{
    // The window's size counts its frame: a hidden window replaying it needs
    // that frame. A window manager adds it when it likes, often after the
    // window showed and its first resize was written, without resizing it.
    if (!m_window || m_window->frameExtra() == m_frame)
        return {};
    m_frame = m_window->frameExtra();
    return QStringLiteral("frame %1 %2").arg(m_frame.width()).arg(m_frame.height());
}

void SessionRecorder::eventStarting(const QString &name, const ElementEvents::Args &args)
{
    startLine(ElementEvents::line(name, args));
}

void SessionRecorder::actionStarting(const QString &line, const QImage &picture)
{
    if (picture.isNull()) {
        startLine(line);
        return;
    }
    const QString kept = keepPicture(picture, QStringLiteral("dropped"));
    startLine(line + QLatin1Char(' ') + (kept.isEmpty() ? QStringLiteral("none") : kept));
}

void SessionRecorder::startLine(const QString &line)
{
    if (const QString frame = frameLine(); !frame.isEmpty())
        write(frame + QLatin1Char('\n'));
    m_pendingAt = m_file.pos();
    m_pendingLine = line + QLatin1Char('\n');
    write(m_pendingLine);
    m_expected = false;
}

void SessionRecorder::eventEnded()
{
    m_pendingAt = -1;
    writeClosingExpectations();
}

void SessionRecorder::writeClosingExpectations()
{
    if (m_atClose.isEmpty())
        return;
    write(m_atClose);
    m_atClose.clear();
    m_expected = true;
}

QString SessionRecorder::expectations(const frmPaint &window)
{
    return QStringLiteral("state %1\nchecksum %2\n")
        .arg(editorStateJson(window), pictureChecksum(window.model().composedPicture()));
}

void SessionRecorder::note(const QString &answer)
{
    if (m_pendingAt < 0) {
        write(answer + QLatin1Char('\n'));
        return;
    }
    // The answer goes before the line of the event that asked for it.
    if (m_failed)
        return;
    if (!m_file.resize(m_pendingAt) || !m_file.seek(m_pendingAt)) {
        fail();
        return;
    }
    write(answer + QLatin1Char('\n'));
    m_pendingAt = m_file.pos();
    write(m_pendingLine);
}

void SessionRecorder::writeExpectations()
{
    if (!m_window || !frmPaint::exists())
        return;
    write(expectations(*m_window));
    m_expected = true;
}

void SessionRecorder::write(const QString &lines)
{
    if (m_failed)
        return;
    const QByteArray bytes = lines.toUtf8();
    if (m_file.isOpen() && m_file.write(bytes) == bytes.size() && m_file.flush())
        return;
    fail();
}

void SessionRecorder::fail()
{
    // The session goes on; only its recording stops, and says so once.
    m_failed = true;
    std::fprintf(stderr, "pinxel: the recording into %s stopped: %s\n", qPrintable(m_file.fileName()),
                 qPrintable(m_file.errorString()));
}

}  // namespace pinxel
