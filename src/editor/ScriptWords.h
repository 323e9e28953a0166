#pragma once
// Reading the words of a script line: numbers that must convert and fit,
// and argument counts. Each failure is a ScriptError naming the line.

#include "editor/EditorScript.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace pinxel {

inline double number(const QStringList &args, int i, const QString &line)
{
    bool ok = false;
    const double value = args.value(i).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw ScriptError(QStringLiteral("'%1': argument %2 is not a number").arg(line).arg(i + 1).toStdString());
    return value;
}

// A whole number from lowest to highest, or a script error that says so.
inline int wholeNumber(const QStringList &args, int i, const QString &line, qint64 lowest, qint64 highest)
{
    const double value = number(args, i, line);
    if (value != std::floor(value) || value < double(lowest) || value > double(highest))
        throw ScriptError(QStringLiteral("'%1': argument %2 is not a whole number from %3 to %4")
                              .arg(line)
                              .arg(i + 1)
                              .arg(lowest)
                              .arg(highest)
                              .toStdString());
    return int(value);
}

// A colour component as the colour dialog takes it: beyond 0 to 255 it is capped.
inline int component(const QStringList &args, int i, const QString &line)
{
    return int(std::clamp(number(args, i, line), -1.0, 256.0));
}

inline void expectArgs(const QStringList &args, int count, const QString &line)
{
    if (args.size() != count)
        throw ScriptError(
            QStringLiteral("'%1': expected %2 arguments, got %3").arg(line).arg(count).arg(args.size()).toStdString());
}

}  // namespace pinxel
