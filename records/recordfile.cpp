#include "records/recordfile.h"

#include "platform/daycount.h"
#include "platform/profilefile.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "platform/wholenumber.h"

#include <QFileInfo>

namespace {

QString key(const char *name, qsizetype index)
{
    return QLatin1String(name) + QString::number(index);
}

const QString One = QStringLiteral("1");
const QString Zero = QStringLiteral("0");

} // namespace

void saveRecordFile(const QString &path, const QList<ConvictionRecord> &records,
                    const QString &yesText, const ShortDateFormat &dateFormat)
{
    QList<QDate> dates;
    dates.reserve(records.size());
    for (const ConvictionRecord &record : records)
        dates.append(dateFormat.parse(record.Date));

    ProfileFile file = ProfileFile::open(path, RecordFileMaxBytes, dateFormat.locale());
    file.setValue(RecordSection, QStringLiteral("count"), QString::number(records.size()));
    const auto flag = [&](const QString &answer) { return answer == yesText ? One : Zero; };
    for (qsizetype i = 0; i < records.size(); ++i) {
        const ConvictionRecord &record = records[i];
        file.setValue(RecordSection, key("date", i),
                      dateFormat.formatDateTime(DayCount::fromDate(dates[i])));
        file.setValue(RecordSection, key("heaviness", i), record.Severity);
        file.setValue(RecordSection, key("deprivation", i), flag(record.Custody));
        file.setValue(RecordSection, key("infancy", i), flag(record.Juvenile));
        file.setValue(RecordSection, key("respite", i), flag(record.Reprieve));
    }
    file.save();
}

QList<ConvictionRecord> loadRecordFile(const QString &path, const AnswerTexts &answers,
                                       const ShortDateFormat &dateFormat)
{
    // The open dialog takes only existing files: a missing one is an error here,
    // not an empty list.
    if (!QFileInfo::exists(path))
        throw cannotOpenFileError(path, QStringLiteral("No such file or directory"));
    const ProfileFile file = ProfileFile::open(path, RecordFileMaxBytes, dateFormat.locale());

    // A file without the section is no saved list, not an empty one: loading it
    // must not empty the user's list.
    if (!file.document().hasSection(RecordSection))
        throw damagedRecordFileError(path, QStringLiteral("it holds no list of convictions"));
    const qint32 count =
        parseWholeNumber(file.value(RecordSection, u"count").value_or(QString())).value_or(0);
    const qsizetype keys = file.document().keyCount(RecordSection);
    if (count > keys) {
        throw damagedRecordFileError(
            path,
            QStringLiteral("it lists %1 records but holds only %2 keys").arg(count).arg(keys));
    }

    // Files written under a bare locale carry ISO dates: read those too.
    const ShortDateFormat iso(QLocale::c(), [&] { return dateFormat.today(); });
    const auto readDate = [&](qint32 index) {
        const std::optional<QString> text = file.value(RecordSection, key("date", index));
        if (!text)
            return DayCount(0).date();
        std::optional<DayCount> moment = dateFormat.tryParseDateTime(*text);
        if (!moment)
            moment = iso.tryParseDateTime(*text);
        if (!moment) {
            throw damagedRecordFileError(
                path, QStringLiteral("the date of record %1, \"%2\", cannot be read")
                          .arg(QString::number(index + 1), *text));
        }
        return moment->date();
    };
    const auto readAnswer = [&](const char *name, qint32 index) {
        const std::optional<QString> text = file.value(RecordSection, key(name, index));
        const qint32 number = text ? parseWholeNumber(*text).value_or(0) : 0;
        return number != 0 ? answers.yes : answers.no;
    };

    QList<ConvictionRecord> records;
    records.reserve(std::max(count, 0));
    for (qint32 i = 0; i < count; ++i) {
        ConvictionRecord record;
        record.Date = dateFormat.format(readDate(i));
        record.Severity =
            file.value(RecordSection, key("heaviness", i)).value_or(QString::number(i));
        record.Custody = readAnswer("deprivation", i);
        record.Juvenile = readAnswer("infancy", i);
        record.Reprieve = readAnswer("respite", i);
        records.append(std::move(record));
    }
    return records;
}
