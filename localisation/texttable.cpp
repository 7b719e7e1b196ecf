#include "localisation/texttable.h"

#include "catalogue/labeltext.h"
#include "catalogue/uLocalize.h"

std::function<void(const QString &)> into(QString &target)
{
    return [&target](const QString &text) { target = text; };
}

std::function<void(const QString &)> intoLabel(QString &target)
{
    return [&target](const QString &text) { target = withoutColon(withoutAccessKey(text)); };
}

std::function<void(const QString &)> intoPlain(QString &target)
{
    return [&target](const QString &text) { target = withoutAccessKey(text); };
}

void applyTexts(const LanguageCatalogue &catalogue, const TextTable &table)
{
    for (const TextReceiver &receiver : table)
        receiver.receive(catalogue.Translate(QString::fromUtf16(receiver.key)));
}

QStringList keysOf(const TextTable &table)
{
    QStringList keys;
    keys.reserve(table.size());
    for (const TextReceiver &receiver : table)
        keys.append(QString::fromUtf16(receiver.key));
    return keys;
}

namespace {

QString withNumberedPlaceholder(const QString &text)
{
    if (text.contains(QLatin1String("%1")))
        return text;
    return QString(text).replace(QLatin1String("%s"), QLatin1String("%1"));
}

} // namespace

QString filledText(const QString &text, const QString &value)
{
    return withNumberedPlaceholder(text).arg(value);
}

QString filledText(const QString &text, const QString &first, const QString &second)
{
    return withNumberedPlaceholder(text).arg(first, second);
}

QString filledText(const QString &text, const QString &first, const QString &second,
                   const QString &third)
{
    return withNumberedPlaceholder(text).arg(first, second, third);
}
