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
// The last names the record the details were written for (its date and
// severity): a reader that knows only the columns may save over the file and
// move or delete records, leaving details behind that belong to another.
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
    DetailsOfKey,
    RecordKeyCount
};
constexpr std::array<QStringView, RecordKeyCount> RecordKeyNames = {
    u"date",       u"heaviness", u"deprivation", u"infancy", u"respite",   u"crimedate",
    u"punishment", u"served",    u"probation",   u"revoked", u"negligent", u"detailsof"};
constexpr QStringView CountKey = u"count";

// The record the details belong to, as "detailsof" names it.
QString detailsOwner(QDate date, const QString &severity)
{
    return date.toString(Qt::ISODate) + u'|' + severity;
}

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
    values.reserve(1 + records.size() * CrimeDateKey);
    values.append({CountKey.toString(), QString::number(records.size())});
    for (qsizetype i = 0; i < records.size(); ++i) {
        const ConvictionRecord &record = records[i];
        const QString number = QString::number(i);
        const ConvictionDetails &details = record.Details;
        const QString columns[CrimeDateKey] = {day(dates[i]), record.Severity, flag(record.Custody),
                                               flag(record.Juvenile), flag(record.Reprieve)};
        for (int name = 0; name < CrimeDateKey; ++name)
            values.append({RecordKeyNames[name].toString() + number, columns[name]});
        const std::uint8_t held = heldDetails[std::size_t(i)];
        bool anyDetail = false;
        const auto detail = [&](RecordKey name, bool given, const auto &value) {
            if (given || (held >> (name - CrimeDateKey)) & 1u) {
                values.append({RecordKeyNames[name].toString() + number, value()});
                anyDetail = true;
            }
        };
        detail(CrimeDateKey, details.crimeDate.isValid(), [&] { return day(details.crimeDate); });
        detail(PunishmentKey, details.punishment != PunishmentKind::NotGiven,
               [&] { return QString::number(int(details.punishment)); });
        detail(ServedKey, details.served.isValid(), [&] { return day(details.served); });
        detail(ProbationKey, details.probationEnd.isValid(),
               [&] { return day(details.probationEnd); });
        detail(RevokedKey, details.revoked, [&] { return bit(details.revoked); });
        detail(NegligentKey, details.negligent, [&] { return bit(details.negligent); });
        detail(DetailsOfKey, anyDetail, [&] { return detailsOwner(dates[i], record.Severity); });
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
    // The details' values are gathered only once a file turns out to hold any,
    // so that a list of columns alone takes no more memory than it ever did.
    using Values = std::optional<QStringView>;
    using ColumnValues = std::array<Values, CrimeDateKey>;
    using DetailValues = std::array<Values, RecordKeyCount - CrimeDateKey>;
    const std::size_t recordCount = std::size_t(std::max(count, 0));
    std::vector<ColumnValues> columns(recordCount);
    std::vector<DetailValues> details;
    file.forEachKey(RecordSection, [&](QStringView key, QStringView value) {
        const auto named = recordKey(key);
        if (!named || named->second >= count)
            return;
        const auto record = std::size_t(named->second);
        if (named->first < CrimeDateKey) {
            columns[record][named->first] = value;
            return;
        }
        if (details.empty())
            details.resize(recordCount);
        details[record][named->first - CrimeDateKey] = value;
    });
    const auto detailValue = [&](std::size_t record, RecordKey name) -> const Values & {
        static const Values absent;
        return details.empty() ? absent : details[record][name - CrimeDateKey];
    };

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
        const ColumnValues &values = columns[std::size_t(i)];
        const auto given = [&](RecordKey name) -> const Values & {
            return detailValue(std::size_t(i), name);
        };
        const QDate date = readDate(values[DateKey], i);
        ConvictionRecord record{dateFormat.format(date),
                                values[HeavinessKey] ? values[HeavinessKey]->toString()
                                                     : QString::number(i),
                                readAnswer(values[DeprivationKey]),
                                readAnswer(values[InfancyKey]),
                                readAnswer(values[RespiteKey]),
                                {},
                                {}};
        // Details written for another record are not this one's.
        const Values &owner = given(DetailsOfKey);
        if (owner && *owner != detailsOwner(date, record.Severity)) {
            records.append(std::move(record));
            continue;
        }
        ConvictionDetails &facts = record.Details;
        facts.crimeDate = readDetailDate(given(CrimeDateKey), i);
        // Where the kind and the boxes differ, the boxes hold, as they do for a
        // reader that knows only them.
        facts.punishment =
            kindAgreeingWithBoxes({readPunishment(given(PunishmentKey), i),
                                   readFlag(values[DeprivationKey]), readFlag(values[RespiteKey])});
        facts.served = readDetailDate(given(ServedKey), i);
        facts.probationEnd = readDetailDate(given(ProbationKey), i);
        facts.revoked = readFlag(given(RevokedKey));
        facts.negligent = readFlag(given(NegligentKey));
        records.append(std::move(record));
    }
    return records;
}
