#include "records/recordfile.h"

#include "assessment/punishmentboxes.h"
#include "platform/caseless.h"
#include "platform/daycount.h"
#include "platform/profilefile.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "platform/wholenumber.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <array>
#include <cstdint>

namespace {

// The keys of one record, in the order they are written: name + record number.
// The first five are the list's columns, which every reader of these files knows;
// the details follow, and a reader that does not know them passes them over.
// "detailsof" names the record the details were written for (its date and
// severity): a reader that knows only the columns may save over the file and
// move or delete records, leaving details behind that belong to another. The
// category number next; the checksum tells whether it still belongs to its record.
// The later details last (from the entry into force on): a writer that knows the
// keys before them rewrites "detailsof" for the record now at each number, so
// only the checksum tells whether they are still their record's.
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
    CategoryKey,
    InForceKey,
    RevokedOnKey,
    SentenceKey,
    AdditionalEndKey,
    RemovedKey,
    RecordKeyCount
};
constexpr std::array<QStringView, RecordKeyCount> RecordKeyNames = {
    u"date",       u"heaviness", u"deprivation", u"infancy",  u"respite",       u"crimedate",
    u"punishment", u"served",    u"probation",   u"revoked",  u"negligent",     u"detailsof",
    u"category",   u"inforce",   u"revokedon",   u"sentence", u"additionalend", u"removed"};
// The keys past the columns, each optional: one bit each in a record's held keys.
constexpr int OptionalKeyCount = RecordKeyCount - CrimeDateKey;
using HeldKeys = std::uint16_t;
static_assert(OptionalKeyCount <= 16);
// The first of the later details.
constexpr RecordKey LaterDetailsKey = InForceKey;
// The details' dates, which also show how a file that names no pattern writes them.
constexpr std::array DateKeys = {DateKey,    CrimeDateKey, ServedKey,        ProbationKey,
                                 InForceKey, RevokedOnKey, AdditionalEndKey, RemovedKey};

constexpr QStringView CountKey = u"count";
constexpr QStringView DateFormatKey = u"dateformat";
constexpr QStringView ChecksumKey = u"checksum";
// The new crime's keys, beside its own "dateformat".
constexpr QStringView CrimeCategoryKey = u"category";
constexpr QStringView CrimeDayKey = u"date";
constexpr QStringView CustodyKey = u"custody";
constexpr QStringView NegligenceKey = u"negligent";

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

using Values = std::optional<QStringView>;

// The keys of the records' section that are not a record's.
struct ListHead
{
    qsizetype keys = 0; // every key line of the section
    QStringView count;
    Values dateFormat;
    Values checksum;
};

ListHead readListHead(const ProfileFile &file)
{
    ListHead head;
    file.forEachKey(RecordSection, [&](QStringView key, QStringView value) {
        ++head.keys;
        if (equalsCaseless(key, CountKey))
            head.count = value;
        else if (equalsCaseless(key, DateFormatKey))
            head.dateFormat = value;
        else if (equalsCaseless(key, ChecksumKey))
            head.checksum = value;
    });
    return head;
}

// The values of the first `count` records; a key given twice counts with its
// later value. The optional keys' values are gathered only once a file turns out
// to hold any, so that a list of columns alone takes no more memory than it
// ever did.
class ListValues
{
public:
    ListValues(const ProfileFile &file, qint32 count)
        : m_columns(std::size_t(std::max(count, 0)))
    {
        file.forEachKey(RecordSection, [&](QStringView key, QStringView value) {
            const auto named = recordKey(key);
            if (!named || named->second >= count)
                return;
            const auto record = std::size_t(named->second);
            if (named->first < CrimeDateKey) {
                m_columns[record][named->first] = value;
                return;
            }
            if (m_optional.empty())
                m_optional.resize(m_columns.size());
            m_optional[record][named->first - CrimeDateKey] = value;
        });
    }

    const Values &value(std::size_t record, RecordKey name) const
    {
        static const Values absent;
        if (name < CrimeDateKey)
            return m_columns[record][name];
        return m_optional.empty() ? absent : m_optional[record][name - CrimeDateKey];
    }

private:
    std::vector<std::array<Values, CrimeDateKey>> m_columns;
    std::vector<std::array<Values, OptionalKeyCount>> m_optional;
};

// The digest of the list as written: the count, the date pattern and every key
// of the counted records before `end`, each as "name=value" on a line of its own,
// in record and key order. A writer that knows the keys before the later details
// wrote the digest of those keys alone.
QString listChecksum(qint32 count, const Values &dateFormat, const ListValues &values,
                     RecordKey end = RecordKeyCount)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const auto line = [&](const QString &name, QStringView value) {
        hash.addData(QString(name + u'=' + value.toString() + u'\n').toUtf8());
    };
    line(CountKey.toString(), QString::number(count));
    line(DateFormatKey.toString(), dateFormat.value_or(QStringView()));
    for (qint32 i = 0; i < count; ++i) {
        const QString number = QString::number(i);
        for (int name = 0; name < end; ++name) {
            if (const Values &value = values.value(std::size_t(i), RecordKey(name)))
                line(RecordKeyNames[name].toString() + number, *value);
        }
    }
    return QString::fromLatin1(hash.result().toHex());
}

// The current language's text for a severity given by text alone: a current
// category text stays; a text of another language's category becomes that
// category's current text; anything else stays as it is.
QString currentSeverity(const QString &text, const CrimeCategories &current,
                        const QList<CrimeCategories> &languages)
{
    if (current.gravityOf(text))
        return text;
    std::optional<int> named;
    for (const CrimeCategories &language : languages) {
        for (int index = 0; index < int(language.texts.size()); ++index) {
            if (!language[index].isEmpty() && language[index] == text)
                named = std::max(named.value_or(index), index);
        }
    }
    return named && !current[*named].isEmpty() ? current[*named] : text;
}

// A category number: 0 small gravity to 3 especially grave, or none when empty.
std::optional<Gravity> readGravity(QStringView text, const QString &path, const MessageText &whose)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const std::optional<qint32> number = parseWholeNumber(text);
    if (!number || *number < 0 || *number > int(Gravity::EspeciallyGrave)) {
        throw damagedRecordFileError(
            path, MessageText(RecordFileWording::BadCategory, {whose, text.toString()}));
    }
    return Gravity(*number);
}

bool readFlag(const Values &text)
{
    return (text ? parseWholeNumber(*text).value_or(0) : 0) != 0;
}

} // namespace

void saveRecordFile(const QString &path, const QList<ConvictionRecord> &records,
                    const CurrentCrime &newCrime, const RecordTexts &texts,
                    const ShortDateFormat &dateFormat)
{
    QList<QDate> dates;
    dates.reserve(records.size());
    for (const ConvictionRecord &record : records)
        dates.append(dateFormat.parse(record.Date));

    ProfileFile file = ProfileFile::open(path, RecordFileMaxBytes, dateFormat.locale());
    // The optional keys the file already holds for these records: one no longer
    // given is written empty over its old value; one never given is not written,
    // so a list without details saves as it always has.
    std::vector<HeldKeys> heldKeys(std::size_t(records.size()), 0);
    file.forEachKey(RecordSection, [&](QStringView key, QStringView) {
        if (const auto named = recordKey(key);
            named && named->first >= CrimeDateKey && named->second < records.size())
            heldKeys[std::size_t(named->second)] |= HeldKeys(1u << (named->first - CrimeDateKey));
    });

    const QString one = QStringLiteral("1");
    const QString zero = QStringLiteral("0");
    const auto flag = [&](const QString &answer) {
        return answer == texts.answers.yes ? one : zero;
    };
    const auto bit = [&](bool set) { return set ? one : zero; };
    const auto day = [&](QDate date) {
        return date.isValid() ? dateFormat.formatDateTime(DayCount::fromDate(date)) : QString();
    };
    QList<std::pair<QString, QString>> values;
    values.reserve(2 + records.size() * (CrimeDateKey + 1));
    values.append({CountKey.toString(), QString::number(records.size())});
    values.append({DateFormatKey.toString(), dateFormat.pattern()});
    for (qsizetype i = 0; i < records.size(); ++i) {
        const ConvictionRecord &record = records[i];
        const QString number = QString::number(i);
        const ConvictionDetails &details = record.Details;
        const QString columns[CrimeDateKey] = {day(dates[i]), record.Severity, flag(record.Custody),
                                               flag(record.Juvenile), flag(record.Reprieve)};
        for (int name = 0; name < CrimeDateKey; ++name)
            values.append({RecordKeyNames[name].toString() + number, columns[name]});
        const std::optional<Gravity> gravity = texts.categories.gravityOf(record.Severity);

        // Which optional keys are given; a key is written when given or held.
        std::array<bool, RecordKeyCount> given{};
        given[CrimeDateKey] = details.crimeDate.isValid();
        given[PunishmentKey] = details.punishment != PunishmentKind::NotGiven;
        given[ServedKey] = details.served.isValid();
        given[ProbationKey] = details.probationEnd.isValid();
        given[RevokedKey] = details.revoked;
        given[NegligentKey] = details.negligent;
        given[InForceKey] = details.inForce.isValid();
        given[RevokedOnKey] = details.revokedOn.isValid();
        given[SentenceKey] = details.sentence > 0;
        given[AdditionalEndKey] = details.additionalEnd.isValid();
        given[RemovedKey] = details.removed.isValid();
        const HeldKeys held = heldKeys[std::size_t(i)];
        const auto written = [&](int name) {
            return given[std::size_t(name)] || ((held >> (name - CrimeDateKey)) & 1u);
        };
        bool anyDetail = false;
        for (int name = CrimeDateKey; name < RecordKeyCount; ++name) {
            if (name != DetailsOfKey && name != CategoryKey)
                anyDetail = anyDetail || written(name);
        }
        given[DetailsOfKey] = anyDetail;
        given[CategoryKey] = gravity.has_value();

        const auto text = [&](RecordKey name) -> QString {
            switch (name) {
            case CrimeDateKey: return day(details.crimeDate);
            case PunishmentKey: return QString::number(int(details.punishment));
            case ServedKey: return day(details.served);
            case ProbationKey: return day(details.probationEnd);
            case RevokedKey: return bit(details.revoked);
            case NegligentKey: return bit(details.negligent);
            case DetailsOfKey: return detailsOwner(dates[i], record.Severity);
            case CategoryKey: return gravity ? QString::number(int(*gravity)) : QString();
            case InForceKey: return day(details.inForce);
            case RevokedOnKey: return day(details.revokedOn);
            case SentenceKey:
                return details.sentence > 0 ? QString::number(details.sentence) : QString();
            case AdditionalEndKey: return day(details.additionalEnd);
            case RemovedKey: return day(details.removed);
            default: return {};
            }
        };
        for (int name = CrimeDateKey; name < RecordKeyCount; ++name) {
            if (written(name))
                values.append({RecordKeyNames[name].toString() + number, text(RecordKey(name))});
        }
    }
    file.setValues(RecordSection, values);
    // The digest of the list as a reader will find it in the file.
    const qint32 count = qint32(records.size());
    const QString checksum =
        listChecksum(count, readListHead(file).dateFormat, ListValues(file, count));
    file.setValue(RecordSection, ChecksumKey.toString(), checksum);

    file.setValues(NewCrimeSection,
                   {{DateFormatKey.toString(), dateFormat.pattern()},
                    {CrimeCategoryKey.toString(),
                     newCrime.gravity ? QString::number(int(*newCrime.gravity)) : QString()},
                    {CrimeDayKey.toString(), day(newCrime.calculationDate)},
                    {CustodyKey.toString(), bit(newCrime.actualCustody)},
                    {NegligenceKey.toString(), bit(newCrime.negligent)}});
    file.save();
}

LoadedRecordFile loadRecordFile(const QString &path, const RecordTexts &texts,
                                const QList<CrimeCategories> &languages,
                                const ShortDateFormat &dateFormat)
{
    // The open dialog takes only existing files: a missing one is an error here,
    // not an empty list.
    if (!QFileInfo::exists(path))
        throw cannotOpenFileError(path, MessageText(RecordFileWording::NoSuchFile));
    const ProfileFile file = ProfileFile::open(path, RecordFileMaxBytes, dateFormat.locale());

    // A file without the section is no saved list, not an empty one: loading it
    // must not empty the user's list.
    if (!file.document().hasSection(RecordSection))
        throw damagedRecordFileError(path, MessageText(RecordFileWording::NoList));

    const ListHead head = readListHead(file);
    const qint32 count = parseWholeNumber(head.count).value_or(0);
    if (count > head.keys) {
        throw damagedRecordFileError(
            path, MessageText(RecordFileWording::TooFewKeys,
                              {QString::number(count), QString::number(head.keys)}));
    }
    const ListValues values(file, count);
    // Whether the list is as the writer of its checksum left it: one that knows
    // every key, or one that knows the keys before the later details. The second
    // left any later details in the file as they were while it moved, deleted or
    // changed the records they belong to: they are not read.
    const bool whole =
        head.checksum && *head.checksum == listChecksum(count, head.dateFormat, values);
    const bool laterDetailsLeft =
        !whole && head.checksum &&
        *head.checksum == listChecksum(count, head.dateFormat, values, LaterDetailsKey);
    const bool intact = whole || laterDetailsLeft;

    const auto namedReader = [&](QStringView pattern) {
        std::optional<FileDateReader> reader =
            FileDateReader::named(pattern.toString(), dateFormat);
        if (!reader) {
            throw damagedRecordFileError(
                path, MessageText(RecordFileWording::BadDateFormat, {pattern.toString()}));
        }
        return *reader;
    };
    const auto fittingReader = [&] {
        QList<QStringView> dateTexts;
        for (qint32 i = 0; i < count; ++i) {
            for (const RecordKey name : DateKeys) {
                const Values &text = values.value(std::size_t(i), name);
                if (text && !text->trimmed().isEmpty())
                    dateTexts.append(*text);
            }
        }
        return FileDateReader::fitting(dateTexts, dateFormat);
    };
    const FileDateReader dates =
        intact && head.dateFormat ? namedReader(*head.dateFormat) : fittingReader();

    const auto readDate = [&](const Values &text, const MessageText &whose) {
        if (!text)
            return DayCount(0).date();
        const std::optional<DayCount> moment = dates.read(*text);
        if (!moment) {
            throw damagedRecordFileError(
                path, MessageText(RecordFileWording::BadDate, {whose, text->toString()}));
        }
        return moment->date();
    };
    const auto readAnswer = [&](const Values &text) {
        return readFlag(text) ? texts.answers.yes : texts.answers.no;
    };
    // A detail's date: absent or empty is not given.
    const auto readDetailDate = [&](const Values &text, const MessageText &whose) {
        if (!text || text->trimmed().isEmpty())
            return QDate();
        return readDate(text, whose);
    };
    const auto readPunishment = [&](const Values &text, qint32 index) {
        if (!text || text->trimmed().isEmpty())
            return PunishmentKind::NotGiven;
        const std::optional<qint32> number = parseWholeNumber(*text);
        if (!number || *number < 0 || *number >= PunishmentKindCount) {
            throw damagedRecordFileError(
                path, MessageText(RecordFileWording::BadPunishment,
                                  {QString::number(index + 1), text->toString()}));
        }
        return PunishmentKind(*number);
    };
    const auto readSentence = [&](const Values &text, qint32 index) {
        if (!text || text->trimmed().isEmpty())
            return 0;
        const std::optional<qint32> number = parseWholeNumber(*text);
        if (!number || *number <= 0) {
            throw damagedRecordFileError(
                path, MessageText(RecordFileWording::BadSentence,
                                  {QString::number(index + 1), text->toString()}));
        }
        return int(*number);
    };

    LoadedRecordFile loaded;
    QList<ConvictionRecord> &records = loaded.records;
    records.reserve(count > 0 ? count : 0);
    for (qint32 i = 0; i < count; ++i) {
        const auto given = [&](RecordKey name) -> const Values & {
            return values.value(std::size_t(i), name);
        };
        const MessageText whose(RecordFileWording::Record, {QString::number(i + 1)});
        const QDate date = readDate(given(DateKey), whose);
        // The severity as written: the details name their record by it.
        const QString written =
            given(HeavinessKey) ? given(HeavinessKey)->toString() : QString::number(i);
        const std::optional<Gravity> gravity = intact && given(CategoryKey)
                                                   ? readGravity(*given(CategoryKey), path, whose)
                                                   : std::nullopt;
        ConvictionRecord record{dateFormat.format(date),
                                gravity && !texts.categories[*gravity].isEmpty()
                                    ? texts.categories[*gravity]
                                    : currentSeverity(written, texts.categories, languages),
                                readAnswer(given(DeprivationKey)),
                                readAnswer(given(InfancyKey)),
                                readAnswer(given(RespiteKey)),
                                {},
                                {}};
        // Details written for another record are not this one's.
        const Values &owner = given(DetailsOfKey);
        if (owner && *owner != detailsOwner(date, written)) {
            records.append(std::move(record));
            continue;
        }
        ConvictionDetails &facts = record.Details;
        facts.crimeDate = readDetailDate(given(CrimeDateKey), whose);
        // Where the kind and the boxes differ, the boxes hold, as they do for a
        // reader that knows only them.
        facts.punishment =
            kindAgreeingWithBoxes({readPunishment(given(PunishmentKey), i),
                                   readFlag(given(DeprivationKey)), readFlag(given(RespiteKey))});
        facts.served = readDetailDate(given(ServedKey), whose);
        facts.probationEnd = readDetailDate(given(ProbationKey), whose);
        facts.revoked = readFlag(given(RevokedKey));
        facts.negligent = readFlag(given(NegligentKey));
        if (!laterDetailsLeft) {
            facts.inForce = readDetailDate(given(InForceKey), whose);
            facts.revokedOn = readDetailDate(given(RevokedOnKey), whose);
            facts.sentence = readSentence(given(SentenceKey), i);
            facts.additionalEnd = readDetailDate(given(AdditionalEndKey), whose);
            facts.removed = readDetailDate(given(RemovedKey), whose);
        }
        records.append(std::move(record));
    }
    if (!(intact && head.dateFormat))
        loaded.datesNote = dates.note();

    // The new crime, when it was saved with this list.
    if (intact && file.document().hasSection(NewCrimeSection)) {
        Values pattern, category, day, custody, negligent;
        file.forEachKey(NewCrimeSection, [&](QStringView key, QStringView value) {
            for (auto [name, target] :
                 {std::pair{DateFormatKey, &pattern}, std::pair{CrimeCategoryKey, &category},
                  std::pair{CrimeDayKey, &day}, std::pair{CustodyKey, &custody},
                  std::pair{NegligenceKey, &negligent}}) {
                if (equalsCaseless(key, name))
                    *target = value;
            }
        });
        const MessageText whose(RecordFileWording::NewCrime);
        const FileDateReader crimeDates = pattern ? namedReader(*pattern) : dates;
        CurrentCrime crime;
        crime.gravity = category ? readGravity(*category, path, whose) : std::nullopt;
        crime.actualCustody = readFlag(custody);
        crime.negligent = readFlag(negligent);
        if (day && !day->trimmed().isEmpty()) {
            const std::optional<DayCount> moment = crimeDates.read(*day);
            if (!moment) {
                throw damagedRecordFileError(
                    path, MessageText(RecordFileWording::BadNewCrimeDate, {day->toString()}));
            }
            crime.calculationDate = moment->date();
        }
        loaded.newCrime = crime;
    }
    return loaded;
}
