#pragma once
// Every element event of an editor under its name, as a script writes it
// ("picPaint.MouseDown", "lblColor(3).MouseMove", "mnuBS(2).Click"), with
// the number of arguments its handler takes. The editor model registers the
// events it handles, the window those that are its own (its size, the scroll
// bars, the panels' geometry) and connects its elements' signals to raise().
// `pinxel script` raises the same handlers by name. Everything goes through
// raise(): the one place a recording hears of an event, and the one place
// that reports what a handler did not trap.

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <vector>

namespace pinxel {

class ElementEvents {
public:
    using Args = std::vector<double>;
    using Mouse = std::function<void(int button, int shift, double x, double y)>;
    struct Event {
        int argCount;
        std::function<void(const Args &)> run;
    };

    // Hears the events a user or a script raised, not those a handler raised
    // while it ran: those replay by themselves.
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void eventStarting(const QString &name, const Args &args) = 0;
        // Something a user did that is no element event (a drop), as the
        // script line that does it again; picture: data the user brought
        // in, which the line names by a file the listener keeps it in
        // (empty when it is none). eventEnded follows.
        virtual void actionStarting(const QString &line, const QImage &picture) = 0;
        virtual void eventEnded() = 0;
    };

    // An event that only scripts raise (or that Qt raises another way).
    void add(const QString &name, int argCount, std::function<void(const Args &)> run);
    void add(const QString &name, std::function<void()> run);
    void addMouse(const QString &name, Mouse handler);

    // A Qt signal raises the event (the signal's arguments are ignored).
    template <typename Source, typename Signal>
    void raiseOn(const QString &name, Source *source, Signal signal, QObject *receiver)
    {
        QObject::connect(source, signal, receiver, [this, name] { raise(name); });
    }
    // A Qt signal with (Button, Shift, X, Y) raises the mouse event.
    template <typename Source, typename Signal>
    void raiseMouseOn(const QString &name, Source *source, Signal signal, QObject *receiver)
    {
        QObject::connect(source, signal, receiver, [this, name](int b, int s, double x, double y) {
            raise(name, {double(b), double(s), x, y});
        });
    }

    // Runs the event's handler; an unknown name does nothing. A failure the
    // handler did not trap is reported here (ReportError with the
    // description), as every handler of the editor would report it.
    void raise(const QString &name, const Args &args = {});
    // Runs what a user did that is no element event, told to the listener
    // as its script line (see Listener::actionStarting), as raise() runs a handler.
    void perform(const QString &line, const QImage &picture, const std::function<void()> &run);
    // Called whenever an outermost event or action has ended (the model
    // tells its changes once per event there).
    void setAfterEach(std::function<void()> afterEach) { m_afterEach = std::move(afterEach); }
    // Whether a handler is running: what it sets off belongs to it.
    bool dispatching() const { return m_depth > 0; }

    // The event of that name, or nullptr.
    const Event *find(const QString &name) const;

    // Every listener hears every outermost event, in the order they were added.
    void addListener(Listener *listener);
    void removeListener(Listener *listener);

    // "lblColor(3)" for an element of an indexed array.
    static QString indexed(const QString &array, int index);
    // "optTools(5).Click": an event of an element of an indexed array.
    static QString indexed(const char *array, int index, const char *event);
    // The script line that raises an event: "picPaint.MouseDown 1 0 10 12.5".
    static QString line(const QString &name, const Args &args);

private:
    // The listeners that hear this event: none for one a handler raised.
    std::vector<Listener *> hearing() const;
    void dispatch(const std::vector<Listener *> &listeners, const std::function<void()> &run);

    std::map<QString, Event> m_events;
    std::vector<Listener *> m_listeners;
    std::function<void()> m_afterEach;
    int m_depth = 0;
};

}  // namespace pinxel
