#include "control/VariantConversion.h"

#include "pinxel/Error.h"
#include "pinxel/Numeric.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace pinxel {

namespace {

std::optional<bool> booleanWord(const QString &text)
{
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

double numberFromText(const QString &raw)
{
    const QString text = raw.trimmed();
    if (const std::optional<bool> word = booleanWord(text))
        return *word ? -1.0 : 0.0;
    bool ok = false;
    double number = 0.0;
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        number = static_cast<double>(text.mid(2).toLongLong(&ok, 16));
    else if (text.startsWith(QLatin1String("&O"), Qt::CaseInsensitive))
        number = static_cast<double>(text.mid(2).toLongLong(&ok, 8));
    else
        number = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(number))
        throw Error(ErrTypeMismatch);
    return number;
}

double toNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return 0.0;
    case QMetaType::Bool:
        return value.toBool() ? -1.0 : 0.0;
    case QMetaType::QString:
        return numberFromText(value.toString());
    case QMetaType::QByteArray:
        return numberFromText(QString::fromUtf8(value.toByteArray()));
    default: {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok || !std::isfinite(number))
            throw Error(ErrTypeMismatch);
        return number;
    }
    }
}

}  // namespace

std::int16_t variantToInt16(const QVariant &value) { return toInt16(toNumber(value)); }

std::int32_t variantToInt32(const QVariant &value) { return toInt32(toNumber(value)); }

bool variantToBool(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return toNumber(value) != 0.0;
}

QString variantToText(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return value.toString();
}

}  // namespace pinxel
