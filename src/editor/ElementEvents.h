#pragma once
// Every element event of the editor window under its name, as a script
// writes it ("picPaint.MouseDown", "lblColor(3).MouseMove", "mnuBS(2).Click"),
// with the number of arguments its handler takes. The window registers each
// event once: the registration connects the Qt element's signal to the
// handler, and `pinxel script` raises the same handler by name. Both go
// through raise(), the one place a recording hears of them.

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
        virtual void eventEnded() = 0;
    };

    // An event that only scripts raise (or that Qt raises another way).
    void add(const QString &name, int argCount, std::function<void(const Args &)> run);
    void add(const QString &name, std::function<void()> run);
    void addMouse(const QString &name, Mouse handler);

    // An event without arguments raised by a Qt signal (its arguments are ignored).
    template <typename Source, typename Signal>
    void add(const QString &name, Source *source, Signal signal, QObject *receiver, std::function<void()> run)
    {
        add(name, std::move(run));
        QObject::connect(source, signal, receiver, [this, name] { raise(name); });
    }
    // A mouse event (Button, Shift, X, Y) raised by a Qt signal with those arguments.
    template <typename Source, typename Signal>
    void addMouse(const QString &name, Source *source, Signal signal, QObject *receiver, Mouse handler)
    {
        addMouse(name, std::move(handler));
        QObject::connect(source, signal, receiver, [this, name](int b, int s, double x, double y) {
            raise(name, {double(b), double(s), x, y});
        });
    }

    // Runs the event's handler; an unknown name does nothing.
    void raise(const QString &name, const Args &args = {});
    // Whether a handler is running: what it sets off belongs to it.
    bool dispatching() const { return m_depth > 0; }

    // The event of that name, or nullptr.
    const Event *find(const QString &name) const;

    void setListener(Listener *listener) { m_listener = listener; }
    Listener *listener() const { return m_listener; }

    // "lblColor(3)" for an element of an indexed array.
    static QString indexed(const QString &array, int index);
    // The script line that raises an event: "picPaint.MouseDown 1 0 10 12.5".
    static QString line(const QString &name, const Args &args);

private:
    std::map<QString, Event> m_events;
    Listener *m_listener = nullptr;
    int m_depth = 0;
};

}  // namespace pinxel
