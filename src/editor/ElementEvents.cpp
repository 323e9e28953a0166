#include "editor/ElementEvents.h"

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

const ElementEvents::Event *ElementEvents::find(const QString &name) const
{
    const auto found = m_events.find(name);
    return found == m_events.end() ? nullptr : &found->second;
}

QString ElementEvents::indexed(const QString &array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

}  // namespace pinxel
