#include "records/recordfile.h"

#include "assessment/punishmentboxes.h"
#include "platform/caseless.h"
#include "platform/daycount.h"
#include "platform/profilefile.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "platform/wholenumber.h"

#include <QFileInfo>

#include <array>
#include <cstdint>

namespace {

// The keys of one record, in the order they are written: name + record number.
// The first five are the list's columns, which every reader of these files knows;
// the details follow, and a reader that does not know them passes them over.
enum RecordKey {
    DateKey,
    HeavinessKey,
    DeprivationKey,
    InfancyKey,
    RespiteKey,
    CrimeDateKey,
    PunishmentKey,
    ServedKey,
    ProbationKey,
    RevokedKey,
    NegligentKey,
    RecordKeyCount
};
constexpr std::array<QStringView, RecordKeyCount> RecordKeyNames = {
    u"date",       u"heaviness", u"deprivation", u"infancy", u"respite",  u"crimedate",
    u"punishment", u"served",    u"probation",   u"revoked", u"negligent"};
constexpr QStringView CountKey = u"count";

// Splits "date12" into the record key and the record number. The number is
// written in decimal without leading zeros, so "date012" names no record.
std::optional<std::pair<RecordKey, qint64>> recordKey(QStringView key)
{
    qsizetype digits = key.size();
    while (digits > 0 && key[digits - 1].isDigit() && key[digits - 1].unicode() < 0x80)
        --digits;
    const QStringView number = key.sliced(digits);
    if (number.isEmpty() || number.size() > 10 || (number.size() > 1 && number.front() == u'0'))
        return std::nullopt;
    for (int name = 0; name < RecordKeyCount; ++name) {
        if (equalsCaseless(key.first(digits), RecordKeyNames[name]))
            return std::pair{RecordKey(name), number.toLongLong()};
    }
    return std::nullopt;
}

} // namespace

void saveRecordFile(const QString &path, const QList<ConvictionRecord> &records,
                    const QString &yesText, const ShortDateFormat &dateFormat)
{
    QList<QDate> dates;
    dates.reserve(records.size());
    for (const ConvictionRecord &record : records)
        dates.append(dateFormat.parse(record.Date));

    ProfileFile file = ProfileFile::open(path, RecordFileMaxBytes, dateFormat.locale());
    // The detail keys the file already holds for these records: a detail no
    // longer given is written empty over its old value; one never given is not
    // written, so a list without details saves as it always has.
    std::vector<std::uint8_t> heldDetails(std::size_t(records.size()), 0);
    file.forEachKey(RecordSection, [&](QStringView key, QStringView) {
        if (const auto named = recordKey(key);
            named && named->first >= CrimeDateKey && named->second < records.size())
            heldDetails[std::size_t(named->second)] |=
                std::uint8_t(1u << (named->first - CrimeDateKey));
    });

    const QString one = QStringLiteral("1");
    const QString zero = QStringLiteral("0");
    const auto flag = [&](const QString &answer) { return answer == yesText ? one : zero; };
    const auto bit = [&](bool set) { return set ? one : zero; };
    const auto day = [&](QDate date) {
        return date.isValid() ? dateFormat.formatDateTime(DayCount::fromDate(date)) : QString();
    };
    QList<std::pair<QString, QString>> values;
    values.reserve(1 + records.size() * (CrimeDateKey + 1));
    values.append({CountKey.toString(), QString::number(records.size())});
    for (qsizetype i = 0; i < records.size(); ++i) {
        const ConvictionRecord &record = records[i];
        const QString number = QString::number(i);
        const ConvictionDetails &details = record.Details;
        const std::pair<QString, bool> recordValues[RecordKeyCount] = {
            {day(dates[i]), true},
            {record.Severity, true},
            {flag(record.Custody), true},
            {flag(record.Juvenile), true},
            {flag(record.Reprieve), true},
            {day(details.crimeDate), details.crimeDate.isValid()},
            {QString::number(int(details.punishment)),
             details.punishment != PunishmentKind::NotGiven},
            {day(details.served), details.served.isValid()},
            {day(details.probationEnd), details.probationEnd.isValid()},
            {bit(details.revoked), details.revoked},
            {bit(details.negligent), details.negligent}};
        for (int name = 0; name < RecordKeyCount; ++name) {
            const auto &[value, given] = recordValues[name];
            const bool held =
                name >= CrimeDateKey && (heldDetails[std::size_t(i)] >> (name - CrimeDateKey)) & 1u;
            if (given || held)
                values.append({RecordKeyNames[name].toString() + number, value});
        }
    }
    file.setValues(RecordSection, values);
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

    // One pass finds the count, a second collects the records' values; a key
    // given twice counts with its later value.
    QStringView countText;
    qsizetype keys = 0;
    file.forEachKey(RecordSection, [&](QStringView key, QStringView value) {
        ++keys;
        if (equalsCaseless(key, CountKey))
            countText = value;
    });
    const qint32 count = parseWholeNumber(countText).value_or(0);
    if (count > keys) {
        throw damagedRecordFileError(
            path,
            QStringLiteral("it lists %1 records but holds only %2 keys").arg(count).arg(keys));
    }
    using RecordValues = std::array<std::optional<QStringView>, RecordKeyCount>;
    std::vector<RecordValues> found(std::size_t(std::max(count, 0)));
    file.forEachKey(RecordSection, [&](QStringView key, QStringView value) {
        if (const auto named = recordKey(key); named && named->second < count)
            found[std::size_t(named->second)][named->first] = value;
    });

    // Files written under a bare locale carry ISO dates: read those too.
    const ShortDateFormat iso(QLocale::c(), [&] { return dateFormat.today(); });
    const auto readDate = [&](const std::optional<QStringView> &text, qint32 index) {
        if (!text)
            return DayCount(0).date();
        std::optional<DayCount> moment = dateFormat.tryParseDateTime(*text);
        if (!moment)
            moment = iso.tryParseDateTime(*text);
        if (!moment) {
            throw damagedRecordFileError(
                path, QStringLiteral("the date of record %1, \"%2\", cannot be read")
                          .arg(QString::number(index + 1), text->toString()));
        }
        return moment->date();
    };
    const auto readFlag = [&](const std::optional<QStringView> &text) {
        return (text ? parseWholeNumber(*text).value_or(0) : 0) != 0;
    };
    const auto readAnswer = [&](const std::optional<QStringView> &text) {
        return readFlag(text) ? answers.yes : answers.no;
    };
    // A detail's date: absent or empty is not given.
    const auto readDetailDate = [&](const std::optional<QStringView> &text, qint32 index) {
        if (!text || text->trimmed().isEmpty())
            return QDate();
        return readDate(text, index);
    };
    const auto readPunishment = [&](const std::optional<QStringView> &text, qint32 index) {
        if (!text || text->trimmed().isEmpty())
            return PunishmentKind::NotGiven;
        const std::optional<qint32> number = parseWholeNumber(*text);
        if (!number || *number < 0 || *number >= PunishmentKindCount) {
            throw damagedRecordFileError(
                path, QStringLiteral("the punishment of record %1, \"%2\", is not one of its kinds")
                          .arg(QString::number(index + 1), text->toString()));
        }
        return PunishmentKind(*number);
    };

    QList<ConvictionRecord> records;
    records.reserve(count > 0 ? count : 0);
    for (qint32 i = 0; i < count; ++i) {
        const RecordValues &values = found[std::size_t(i)];
        ConvictionRecord record{dateFormat.format(readDate(values[DateKey], i)),
                                values[HeavinessKey] ? values[HeavinessKey]->toString()
                                                     : QString::number(i),
                                readAnswer(values[DeprivationKey]),
                                readAnswer(values[InfancyKey]),
                                readAnswer(values[RespiteKey]),
                                {},
                                {}};
        ConvictionDetails &details = record.Details;
        details.crimeDate = readDetailDate(values[CrimeDateKey], i);
        // Where the kind and the boxes differ, the boxes hold, as they do for a
        // reader that knows only them.
        details.punishment =
            kindAgreeingWithBoxes({readPunishment(values[PunishmentKey], i),
                                   readFlag(values[DeprivationKey]), readFlag(values[RespiteKey])});
        details.served = readDetailDate(values[ServedKey], i);
        details.probationEnd = readDetailDate(values[ProbationKey], i);
        details.revoked = readFlag(values[RevokedKey]);
        details.negligent = readFlag(values[NegligentKey]);
        records.append(std::move(record));
    }
    return records;
}
