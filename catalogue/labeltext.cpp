#include "catalogue/labeltext.h"

#include <QRegularExpression>

QString withoutColon(const QString &label)
{
    static const QRegularExpression colon(QStringLiteral("[\\s\u00a0]*:[\\s\u00a0]*$"));
    return QString(label).remove(colon).trimmed();
}
