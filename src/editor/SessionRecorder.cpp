#include "editor/SessionRecorder.h"

#include "editor/ScriptAnswers.h"
#include "editor/StateLine.h"
#include "editor/frmPaint.h"
#include "pinxel/Error.h"
#include "platform/files/FileWrites.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace pinxel {

SessionRecorder::SessionRecorder(const QString &path, Start start)
{
    checkWritableTarget(path);
    m_file.setFileName(path);
    const QIODevice::OpenMode mode =
        QIODevice::ReadWrite | QIODevice::Text | (start == Start::Create ? QIODevice::Truncate : QIODevice::NotOpen);
    if (!m_file.open(mode))
        throw Error(ErrPermissionDenied, QCoreApplication::translate("SessionRecorder", "Cannot record into %1: %2")
                                             .arg(path, m_file.errorString()));
    if (start == Start::Create) {
        write(QStringLiteral("# A Pinxel editing session: replay it with pinxel script %1\n")
                  .arg(QFileInfo(path).fileName()));
        return;
    }
    // A line cut short by a crash is dropped: what follows starts a line of its own.
    const QByteArray held = m_file.readAll();
    const qint64 whole = held.lastIndexOf('\n') + 1;
    if (!m_file.resize(whole) || !m_file.seek(whole))
        fail();
}

SessionRecorder::~SessionRecorder() { finish(); }

frmPaint *SessionRecorder::window() const { return m_window; }

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
    window.model().events().addListener(this);
    // The state and picture as the window closes, for the replay to compare
    // once the event that closed it is written; its last stirrings (its
    // hiding) are not the user's.
    m_closed = QObject::connect(&window, &frmPaint::closed, &window, [this, &window] {
        // A frame that changed since the last event goes before the event
        // that closed the window; after it a replay's window is gone.
        if (m_pendingAt >= 0)
            if (const QString frame = frameLine(); !frame.isEmpty())
                note(frame);
        window.model().events().removeListener(this);
        m_atClose = expectations(window);
        if (m_pendingAt < 0)
            writeClosingExpectations();
    });
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
    m_file.close();
}

void SessionRecorder::finishAndRemove()
{
    detach();
    m_file.close();
    if (m_onDisk)
        QFile::remove(m_file.fileName());
    m_onDisk = false;
}

void SessionRecorder::takeOffDisk()
{
    // The open file keeps what it holds after its name is gone.
    if (m_onDisk && !m_failed && m_pendingAt < 0)
        m_onDisk = !QFile::remove(m_file.fileName());
}

void SessionRecorder::putBackOnDisk()
{
    if (m_onDisk || m_failed)
        return;
    m_onDisk = true;
    const qint64 at = m_file.pos();
    if (!m_file.seek(0)) {
        fail();
        return;
    }
    const QByteArray held = m_file.readAll();
    m_file.close();
    QFile back(m_file.fileName());
    if (!back.open(QIODevice::WriteOnly | QIODevice::Truncate) || back.write(held) != held.size() || !back.flush()) {
        fail();
        return;
    }
    back.close();
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Text) || !m_file.seek(at))
        fail();
}

void SessionRecorder::detach()
{
    // The window may outlive the recorder: nothing of it may call back.
    if (m_services && &HostServices::current() == m_services.get())
        HostServices::setCurrent(m_previous);
    QObject::disconnect(m_closed);
    if (m_window)
        m_window->model().events().removeListener(this);
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
    // The answers this event gets are this recording's. The services live as
    // long as the recording: they hold the random source the events draw from.
    m_previous = &HostServices::current();
    if (!m_services)
        m_services = std::make_unique<RecordingHostServices>(
            *m_previous, [this](const QString &answer) { note(answer); },
            [this](const QImage &picture) { return keepPicture(picture, QStringLiteral("clipboard")); },
            [this](const QString &path) { beforeSave(path); });
    if (m_previous != m_services.get()) {
        m_services->setInner(*m_previous);
        HostServices::setCurrent(m_services.get());
    }

    if (const QString frame = frameLine(); !frame.isEmpty())
        write(frame + QLatin1Char('\n'));
    m_pendingAt = m_file.pos();
    m_pendingLine = line + QLatin1Char('\n');
    write(m_pendingLine);
    m_expected = false;
}

void SessionRecorder::eventEnded()
{
    if (m_services && &HostServices::current() == m_services.get())
        HostServices::setCurrent(m_previous);
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
