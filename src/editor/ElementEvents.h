#pragma once
// Every element event of the editor window under its name, as a script
// writes it ("picPaint.MouseDown", "lblColor(3).MouseMove", "mnuBS(2).Click"),
// with the number of arguments its handler takes. The window registers each
// event once: the registration connects the Qt element's signal to the
// handler, and `pinxel script` raises the same handler by name.

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

    // An event that only scripts raise (or that Qt raises another way).
    void add(const QString &name, int argCount, std::function<void(const Args &)> run);
    void add(const QString &name, std::function<void()> run);
    void addMouse(const QString &name, Mouse handler);

    // An event without arguments raised by a Qt signal (its arguments are ignored).
    template <typename Source, typename Signal>
    void add(const QString &name, Source *source, Signal signal, QObject *receiver, std::function<void()> run)
    {
        add(name, run);
        QObject::connect(source, signal, receiver, [run] { run(); });
    }
    // A mouse event (Button, Shift, X, Y) raised by a Qt signal with those arguments.
    template <typename Source, typename Signal>
    void addMouse(const QString &name, Source *source, Signal signal, QObject *receiver, Mouse handler)
    {
        addMouse(name, handler);
        QObject::connect(source, signal, receiver, handler);
    }

    // The event of that name, or nullptr.
    const Event *find(const QString &name) const;

    // "lblColor(3)" for an element of an indexed array.
    static QString indexed(const QString &array, int index);

private:
    std::map<QString, Event> m_events;
};

}  // namespace pinxel
