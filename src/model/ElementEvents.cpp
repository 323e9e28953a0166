#include "model/ElementEvents.h"

#include "document/mdlGeneral.h"
#include "pinxel/Error.h"

#include <algorithm>

namespace pinxel {

void ElementEvents::add(const QString &name, int argCount, std::function<void(const Args &)> run)
{
    m_events[name] = Event{argCount, std::move(run)};
}

void ElementEvents::add(const QString &name, std::function<void()> run)
{
    add(name, 0, [run = std::move(run)](const Args &) { run(); });
}

void ElementEvents::addMouse(const QString &name, Mouse handler)
{
    add(name, 4, [handler = std::move(handler)](const Args &a) { handler(int(a[0]), int(a[1]), a[2], a[3]); });
}

void ElementEvents::addListener(Listener *listener)
{
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void ElementEvents::removeListener(Listener *listener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

std::vector<ElementEvents::Listener *> ElementEvents::hearing() const
{
    return m_depth == 0 ? m_listeners : std::vector<Listener *>();
}

void ElementEvents::raise(const QString &name, const Args &args)
{
    const Event *event = find(name);
    if (!event)
        return;
    // Those who heard the start hear the end, also when one of them stops listening meanwhile.
    const std::vector<Listener *> listeners = hearing();
    for (Listener *listener : listeners)
        listener->eventStarting(name, args);
    dispatch(listeners, [&] { event->run(args); });
}

void ElementEvents::perform(const QString &line, const QImage &picture, const std::function<void()> &run)
{
    const std::vector<Listener *> listeners = hearing();
    for (Listener *listener : listeners)
        listener->actionStarting(line, picture);
    dispatch(listeners, run);
}

void ElementEvents::dispatch(const std::vector<Listener *> &listeners, const std::function<void()> &run)
{
    // Also when the handler throws (a script's unanswered dialog).
    struct Depth {
        ElementEvents &events;
        const std::vector<Listener *> &listeners;
        ~Depth()
        {
            --events.m_depth;
            // In reverse: each listener undoes what it set up as the event started.
            for (auto listener = listeners.rbegin(); listener != listeners.rend(); ++listener)
                (*listener)->eventEnded();
            if (events.m_depth == 0 && events.m_afterEach)
                events.m_afterEach();
        }
    } depth{*this, listeners};
    ++m_depth;
    try {
        run();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

const ElementEvents::Event *ElementEvents::find(const QString &name) const
{
    const auto found = m_events.find(name);
    return found == m_events.end() ? nullptr : &found->second;
}

QString ElementEvents::indexed(const QString &array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

QString ElementEvents::indexed(const char *array, int index, const char *event)
{
    return indexed(QString::fromLatin1(array), index) + QLatin1Char('.') + QLatin1String(event);
}

QString ElementEvents::line(const QString &name, const Args &args)
{
    QString text = name;
    for (const double value : args) {
        // Whole numbers as such; others with every digit, so they read back exactly.
        const bool whole = value == double(qint64(value)) && value > -1e15 && value < 1e15;
        text += QLatin1Char(' ') + (whole ? QString::number(qint64(value)) : QString::number(value, 'g', 17));
    }
    return text;
}

}  // namespace pinxel
