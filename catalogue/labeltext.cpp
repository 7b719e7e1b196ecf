#include "catalogue/labeltext.h"

#include <QRegularExpression>

QString withoutColon(const QString &label)
{
    static const QRegularExpression colon(QStringLiteral("[\\s\u00a0]*:[\\s\u00a0]*$"));
    return QString(label).remove(colon).trimmed();
}

QString withoutAccessKey(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain.append(text[i]);
    }
    return plain;
}
