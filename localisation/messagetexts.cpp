#include "localisation/messagetexts.h"

#include "catalogue/uLocalize.h"
#include "records/recordfile.h"

#include <QHash>

namespace {

void collectKeys(const MessageText &text, QStringList &keys)
{
    if (!text.key().isEmpty() && !keys.contains(text.key()))
        keys.append(text.key());
    for (const MessageText &value : text.values())
        collectKeys(value, keys);
}

} // namespace

QString localisedMessage(const LanguageCatalogue &catalogue, const MessageText &text)
{
    QStringList keys;
    collectKeys(text, keys);
    QHash<QString, QString> wordings;
    try {
        const QStringList texts = catalogue.textsIn(catalogue.CurrentLanguage(), keys);
        if (texts.contains(QString()))
            return text.inEnglish();
        for (qsizetype i = 0; i < keys.size(); ++i)
            wordings.insert(keys[i], texts[i]);
    } catch (const RuntimeError &) {
        // The error being shown must not be lost to another.
        return text.inEnglish();
    }
    return text.filled(
        [&](const QString &key, const QString &english) { return wordings.value(key, english); });
}

QList<MessageWording> systemMessageWordings()
{
    using namespace ErrorWording;
    using namespace RecordFileWording;
    return {InvalidDate,       CannotOpenFile,  NotRegularFile,  FileTooLarge,
            UnableToWrite,     InvalidDataType, FailedToSetData, FailedToSetCalendarDate,
            DamagedRecordFile, NoSuchFile,      NoList,          TooFewKeys,
            BadDateFormat,     BadDate,         BadCategory,     BadPunishment,
            BadSentence,       BadNewCrimeDate, Record,          NewCrime};
}
