#include "records/recordfile.h"

#include "assessment/punishmentboxes.h"
#include "platform/caseless.h"
#include "platform/daycount.h"
#include "platform/profilefile.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "platform/wholenumber.h"
#include "records/recordencoding.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

// The keys of one record, in the order they are written: name + record number.
// The first five are the list's columns, which every reader of these files knows;
// the details follow, and a reader that does not know them passes them over.
// "detailsof" names the record the details were written for (its date and
// severity): a reader that knows only the columns may save over the file and
// move or delete records, leaving details behind that belong to another. The
// category number next; the checksum tells whether it still belongs to its record.
// The later details (from the entry into force on) follow: a writer that knows
// the keys before them rewrites "detailsof" for the record now at each number,
// so "laterdetailsof", which that writer leaves alone, names the record the
// later details were written for. Where details are kept unconfirmed, these two
// name the record they were written for, or nothing where that is not known.
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
    LaterDetailsOfKey,
    RecordKeyCount
};
constexpr std::array<QStringView, RecordKeyCount> RecordKeyNames = {
    u"date",      u"heaviness",     u"deprivation", u"infancy",       u"respite",
    u"crimedate", u"punishment",    u"served",      u"probation",     u"revoked",
    u"negligent", u"detailsof",     u"category",    u"inforce",       u"revokedon",
    u"sentence",  u"additionalend", u"removed",     u"laterdetailsof"};
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

// The record details belong to, as "detailsof" and "laterdetailsof" name it:
// "2017-09-05|grave"; empty where it is not known.
QString ownerText(const DetailsOwner &owner)
{
    return owner.known() ? owner.date.toString(Qt::ISODate) + u'|' + owner.severity : QString();
}

DetailsOwner ownerOf(QStringView text)
{
    const qsizetype bar = text.indexOf(u'|');
    const QDate date =
        bar < 0 ? QDate() : QDate::fromString(text.first(bar).toString(), Qt::ISODate);
    return date.isValid() ? DetailsOwner{date, text.sliced(bar + 1).toString()} : DetailsOwner{};
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

// The category a severity given by text alone names: a current category text
// names its category; a text of another language's category names that
// category; any other text is kept as unrecognised. Where one language gives two
// categories the same text, or languages differ, the more serious one.
ConvictionGravity gravityNamedBy(const QString &text, const CrimeCategories &current,
                                 const QList<CrimeCategories> &languages)
{
    if (const std::optional<Gravity> gravity = current.gravityOf(text))
        return *gravity;
    std::optional<int> named;
    for (const CrimeCategories &language : languages) {
        for (int index = 0; index < int(language.texts.size()); ++index) {
            if (!language[index].isEmpty() && language[index] == text)
                named = std::max(named.value_or(index), index);
        }
    }
    return named ? ConvictionGravity(Gravity(*named)) : ConvictionGravity::unrecognised(text);
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

// A record file with its text decoded as its own content says, and the code
// page chosen where it says none.
struct OpenedRecordFile
{
    ProfileFile file;
    std::optional<CodePageGuess> codePage;
};

OpenedRecordFile openRecordFile(const QString &path, const QList<CrimeCategories> &languages,
                                const QLocale &locale)
{
    if (!QFileInfo::exists(path))
        return {ProfileFile::open(path, RecordFileMaxBytes, locale), std::nullopt};
    RecordFileText text =
        decodeRecordFile(readFileBytes(path, RecordFileMaxBytes), languages, locale);
    return {ProfileFile::fromDecoded(path, std::move(text.decoded)), text.guess};
}

// Whose digest the checksum is: a writer's that knows every key; one that knows
// every key but "laterdetailsof"; one that knows the keys before the later
// details. A checksum that is none of these tells that the list was changed
// outside Kovrant (by hand, or by a writer that knows only the columns).
enum class Digest { Whole, BeforeLaterOwners, BeforeLaterDetails, Absent, Broken };

Digest digestOf(const ListHead &head, qint32 count, const ListValues &values)
{
    if (!head.checksum)
        return Digest::Absent;
    for (const auto &[end, digest] : {std::pair{RecordKeyCount, Digest::Whole},
                                      std::pair{LaterDetailsOfKey, Digest::BeforeLaterOwners},
                                      std::pair{LaterDetailsKey, Digest::BeforeLaterDetails}}) {
        if (*head.checksum == listChecksum(count, head.dateFormat, values, end))
            return digest;
    }
    return Digest::Broken;
}

bool trusted(Digest digest)
{
    return digest == Digest::Whole || digest == Digest::BeforeLaterOwners ||
           digest == Digest::BeforeLaterDetails;
}

// Every date of the first `count` records, as written.
QList<QStringView> dateTexts(const ListValues &values, qint32 count)
{
    QList<QStringView> texts;
    for (qint32 i = 0; i < count; ++i) {
        for (const RecordKey name : DateKeys) {
            const Values &text = values.value(std::size_t(i), name);
            if (text && !text->trimmed().isEmpty())
                texts.append(*text);
        }
    }
    return texts;
}

// The reader of the list's dates: the pattern the file names where its checksum
// holds (one that is no pattern raises). Where the list was changed since, the
// named pattern's order is the one dates that fit both are read in, a date that
// fits only the other order deciding, with a note where that choice could be
// wrong; a file that names no pattern, likewise with the locale's order.
FileDateReader listDateReader(const QString &path, const ListHead &head, Digest digest,
                              const QList<QStringView> &dates, const ShortDateFormat &format)
{
    if (head.dateFormat) {
        const QString pattern = head.dateFormat->toString();
        if (trusted(digest)) {
            if (std::optional<FileDateReader> named = FileDateReader::named(pattern, format))
                return *named;
            throw damagedRecordFileError(path,
                                         MessageText(RecordFileWording::BadDateFormat, {pattern}));
        }
        if (const std::optional<ShortDateFormat> named = format.withPattern(pattern))
            return FileDateReader::fitting(dates, *named);
    }
    return FileDateReader::fitting(dates, format);
}

// A record's values, read with the reader of the list's dates, each error naming
// the file and the record.
class RecordValues
{
public:
    RecordValues(const QString &path, const ListValues &values, qint32 index,
                 const FileDateReader &dates, const ShortDateFormat &format)
        : m_path(path)
        , m_values(values)
        , m_index(index)
        , m_dates(dates)
        , m_format(format)
        , m_whose(RecordFileWording::Record, {QString::number(index + 1)})
    {
    }

    const Values &operator[](RecordKey name) const
    {
        return m_values.value(std::size_t(m_index), name);
    }
    const MessageText &whose() const { return m_whose; }

    // A missing date gives 30 December 1899.
    QDate date(RecordKey name) const
    {
        const Values &text = (*this)[name];
        return text ? readDate(*text, m_dates) : DayCount(0).date();
    }
    // A detail's date: absent or empty is not given. An unconfirmed detail may
    // have been written under another pattern than the list's, by the writer
    // that left it: it is read in the order it fits where the list's fails.
    QDate detailDate(RecordKey name, bool unconfirmed) const
    {
        const Values &text = (*this)[name];
        if (!text || text->trimmed().isEmpty())
            return {};
        if (unconfirmed && !m_dates.read(*text))
            return readDate(*text, FileDateReader::fitting({*text}, m_format));
        return readDate(*text, m_dates);
    }
    PunishmentKind punishment() const
    {
        const Values &text = (*this)[PunishmentKey];
        if (!text || text->trimmed().isEmpty())
            return PunishmentKind::NotGiven;
        const std::optional<qint32> number = parseWholeNumber(*text);
        if (!number || *number < 0 || *number >= PunishmentKindCount)
            throw damaged(RecordFileWording::BadPunishment, *text);
        return PunishmentKind(*number);
    }
    int sentence() const
    {
        const Values &text = (*this)[SentenceKey];
        if (!text || text->trimmed().isEmpty())
            return 0;
        const std::optional<qint32> number = parseWholeNumber(*text);
        if (!number || *number <= 0)
            throw damaged(RecordFileWording::BadSentence, *text);
        return int(*number);
    }
    bool flag(RecordKey name) const { return readFlag((*this)[name]); }
    // Whether any of the keys gives a fact: a date or number written, a flag or
    // a kind other than 0.
    bool anyGiven(std::initializer_list<RecordKey> names) const
    {
        return std::any_of(names.begin(), names.end(), [&](RecordKey name) {
            const Values &text = (*this)[name];
            if (name == PunishmentKey || name == RevokedKey || name == NegligentKey)
                return readFlag(text);
            return text && !text->trimmed().isEmpty();
        });
    }

private:
    QDate readDate(QStringView text, const FileDateReader &reader) const
    {
        const std::optional<DayCount> moment = reader.read(text);
        if (!moment) {
            throw damagedRecordFileError(
                m_path, MessageText(RecordFileWording::BadDate, {m_whose, text.toString()}));
        }
        return moment->date();
    }
    RuntimeError damaged(const MessageWording &wording, QStringView text) const
    {
        return damagedRecordFileError(
            m_path, MessageText(wording, {QString::number(m_index + 1), text.toString()}));
    }

    const QString &m_path;
    const ListValues &m_values;
    qint32 m_index;
    const FileDateReader &m_dates;
    const ShortDateFormat &m_format;
    MessageText m_whose;
};

// Whether a record's details are its own. The first details are another
// record's where "detailsof" names another. The later ones are another's where
// the key naming their record names another, or where nothing tells: a writer
// that knew only the keys before them may have moved its records and rewritten
// "detailsof", and left them at their numbers.
UnconfirmedDetails judgeOwners(const RecordValues &given, Digest digest, const QString &current)
{
    UnconfirmedDetails judged;
    const Values &earlierOwner = given[DetailsOfKey];
    if (earlierOwner && *earlierOwner != current &&
        given.anyGiven(
            {CrimeDateKey, PunishmentKey, ServedKey, ProbationKey, RevokedKey, NegligentKey}))
        judged.earlier = ownerOf(*earlierOwner);

    const Values &laterKey = given[LaterDetailsOfKey];
    Values laterOwner = laterKey;
    bool laterUnknown = false;
    if (digest == Digest::Whole)
        laterOwner = laterKey ? laterKey : earlierOwner;
    else if (digest == Digest::BeforeLaterOwners)
        laterOwner = earlierOwner; // that writer left "laterdetailsof" as it was
    else if (!laterKey)
        laterUnknown = earlierOwner.has_value() || digest == Digest::BeforeLaterDetails;
    if (given.anyGiven({InForceKey, RevokedOnKey, SentenceKey, AdditionalEndKey, RemovedKey})) {
        if (laterUnknown)
            judged.later = DetailsOwner{};
        else if (laterOwner && *laterOwner != current)
            judged.later = ownerOf(*laterOwner);
    }
    return judged;
}

// What a record file says, read into records with the current language's texts.
class ListReader
{
public:
    ListReader(const QString &path, const ListValues &values, Digest digest,
               const FileDateReader &dates, const CrimeCategories &current,
               const QList<CrimeCategories> &languages, const ShortDateFormat &format)
        : m_path(path)
        , m_values(values)
        , m_digest(digest)
        , m_dates(dates)
        , m_current(current)
        , m_languages(languages)
        , m_format(format)
    {
    }

    ConvictionRecord record(qint32 index) const
    {
        const RecordValues given(m_path, m_values, index, m_dates, m_format);
        const QDate date = given.date(DateKey);
        // The severity as written: the details name their record by it.
        const QString written =
            given[HeavinessKey] ? given[HeavinessKey]->toString() : QString::number(index);
        ConvictionRecord record{date,
                                gravity(given, written),
                                readFlag(given[DeprivationKey]),
                                readFlag(given[InfancyKey]),
                                readFlag(given[RespiteKey]),
                                {}};
        const QString current = ownerText(DetailsOwner{date, written});
        record.details = details(given, judgeOwners(given, m_digest, current));
        return record;
    }

private:
    ConvictionDetails details(const RecordValues &given,
                              const UnconfirmedDetails &unconfirmed) const
    {
        ConvictionDetails facts;
        const bool earlier = unconfirmed.earlier.has_value();
        const bool later = unconfirmed.later.has_value();
        facts.crimeDate = given.detailDate(CrimeDateKey, earlier);
        // Where the kind and the boxes differ, the boxes hold, as they do for a
        // reader that knows only them.
        facts.punishment = kindAgreeingWithBoxes(
            {given.punishment(), given.flag(DeprivationKey), given.flag(RespiteKey)});
        facts.served = given.detailDate(ServedKey, earlier);
        facts.probationEnd = given.detailDate(ProbationKey, earlier);
        facts.revoked = given.flag(RevokedKey);
        facts.negligent = given.flag(NegligentKey);
        facts.inForce = given.detailDate(InForceKey, later);
        facts.revokedOn = given.detailDate(RevokedOnKey, later);
        facts.sentence = given.sentence();
        facts.additionalEnd = given.detailDate(AdditionalEndKey, later);
        facts.removed = given.detailDate(RemovedKey, later);
        facts.unconfirmed = unconfirmed;
        return facts;
    }

    // The category the record names: by its number where the checksum holds, or
    // where the number agrees with the text written in some installed language;
    // otherwise by the text.
    ConvictionGravity gravity(const RecordValues &given, const QString &written) const
    {
        std::optional<Gravity> gravity;
        if (const Values &number = given[CategoryKey]) {
            if (trusted(m_digest))
                gravity = readGravity(*number, m_path, given.whose());
            else
                gravity = agreeingGravity(*number, written);
        }
        if (gravity)
            return *gravity;
        return gravityNamedBy(written, m_current, m_languages);
    }

    std::optional<Gravity> agreeingGravity(QStringView number, const QString &written) const
    {
        const std::optional<qint32> index = parseWholeNumber(number);
        if (!index || *index < 0 || *index > int(Gravity::EspeciallyGrave) || written.isEmpty())
            return std::nullopt;
        const bool agrees = std::any_of(
            m_languages.cbegin(), m_languages.cend(),
            [&](const CrimeCategories &language) { return language[*index] == written; });
        return agrees ? std::optional(Gravity(*index)) : std::nullopt;
    }

    const QString &m_path;
    const ListValues &m_values;
    Digest m_digest;
    const FileDateReader &m_dates;
    const CrimeCategories &m_current;
    const QList<CrimeCategories> &m_languages;
    const ShortDateFormat &m_format;
};

// The new crime's section, read with its own date pattern (the list's where it
// names none); none when the file has no such section.
std::optional<CurrentCrime> readNewCrime(const ProfileFile &file, const FileDateReader &listDates,
                                         const ShortDateFormat &format)
{
    if (!file.document().hasSection(NewCrimeSection))
        return std::nullopt;
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
    const QString &path = file.path();
    std::optional<FileDateReader> named;
    if (pattern) {
        named = FileDateReader::named(pattern->toString(), format);
        if (!named) {
            throw damagedRecordFileError(
                path, MessageText(RecordFileWording::BadDateFormat, {pattern->toString()}));
        }
    }
    CurrentCrime crime;
    crime.gravity = category
                        ? readGravity(*category, path, MessageText(RecordFileWording::NewCrime))
                        : std::nullopt;
    crime.actualCustody = readFlag(custody);
    crime.negligent = readFlag(negligent);
    if (day && !day->trimmed().isEmpty()) {
        const std::optional<DayCount> moment = (named ? *named : listDates).read(*day);
        if (!moment) {
            throw damagedRecordFileError(
                path, MessageText(RecordFileWording::BadNewCrimeDate, {day->toString()}));
        }
        crime.calculationDate = moment->date();
    }
    return crime;
}

// The keys of one record as written: its five columns, then each optional key
// that is given or that the file already holds for it (written empty when no
// longer given, so that a list without details saves as it always has).
class RecordWriter
{
public:
    RecordWriter(const CrimeCategories &current, const ShortDateFormat &format)
        : m_current(current)
        , m_format(format)
    {
    }

    void append(QList<std::pair<QString, QString>> &values, qsizetype index,
                const ConvictionRecord &record, QDate date, HeldKeys held) const
    {
        const QString number = QString::number(index);
        const ConvictionDetails &details = record.details;
        const QString columns[CrimeDateKey] = {day(date), m_current.textOf(record.gravity),
                                               bit(record.custody), bit(record.juvenile),
                                               bit(record.reprieve)};
        for (int name = 0; name < CrimeDateKey; ++name)
            values.append({RecordKeyNames[name].toString() + number, columns[name]});

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
        const auto written = [&](int name) {
            return given[std::size_t(name)] || ((held >> (name - CrimeDateKey)) & 1u);
        };
        const auto anyWritten = [&](int first, int end) {
            bool any = false;
            for (int name = first; name < end; ++name)
                any = any || (name != DetailsOfKey && name != CategoryKey && written(name));
            return any;
        };
        given[LaterDetailsOfKey] = anyWritten(LaterDetailsKey, LaterDetailsOfKey);
        given[DetailsOfKey] = anyWritten(CrimeDateKey, LaterDetailsOfKey);
        given[CategoryKey] = record.gravity.known().has_value();
        for (int name = CrimeDateKey; name < RecordKeyCount; ++name) {
            if (written(name)) {
                values.append({RecordKeyNames[name].toString() + number,
                               text(RecordKey(name), record, date)});
            }
        }
    }

private:
    QString text(RecordKey name, const ConvictionRecord &record, QDate date) const
    {
        const ConvictionDetails &details = record.details;
        const DetailsOwner own{date, m_current.textOf(record.gravity)};
        const std::optional<Gravity> &gravity = record.gravity.known();
        switch (name) {
        case CrimeDateKey: return day(details.crimeDate);
        case PunishmentKey: return QString::number(int(details.punishment));
        case ServedKey: return day(details.served);
        case ProbationKey: return day(details.probationEnd);
        case RevokedKey: return bit(details.revoked);
        case NegligentKey: return bit(details.negligent);
        case DetailsOfKey: return ownerText(details.unconfirmed.earlier.value_or(own));
        case CategoryKey: return gravity ? QString::number(int(*gravity)) : QString();
        case InForceKey: return day(details.inForce);
        case RevokedOnKey: return day(details.revokedOn);
        case SentenceKey:
            return details.sentence > 0 ? QString::number(details.sentence) : QString();
        case AdditionalEndKey: return day(details.additionalEnd);
        case RemovedKey: return day(details.removed);
        case LaterDetailsOfKey: return ownerText(details.unconfirmed.later.value_or(own));
        default: return {};
        }
    }
    static QString bit(bool set) { return set ? QStringLiteral("1") : QStringLiteral("0"); }
    QString day(QDate date) const
    {
        return date.isValid() ? m_format.formatDateTime(DayCount::fromDate(date)) : QString();
    }

    const CrimeCategories &m_current;
    const ShortDateFormat &m_format;
};

// The optional keys the file already holds for the first `count` records.
std::vector<HeldKeys> heldKeys(const ProfileFile &file, qsizetype count)
{
    std::vector<HeldKeys> held(std::size_t(count), 0);
    file.forEachKey(RecordSection, [&](QStringView key, QStringView) {
        if (const auto named = recordKey(key);
            named && named->first >= CrimeDateKey && named->second < count)
            held[std::size_t(named->second)] |= HeldKeys(1u << (named->first - CrimeDateKey));
    });
    return held;
}

} // namespace

void saveRecordFile(const QString &path, const QList<ConvictionRecord> &records,
                    const CurrentCrime &newCrime, const CrimeCategories &current,
                    const QList<CrimeCategories> &languages, const ShortDateFormat &dateFormat)
{
    // Every way into the list gives a date; a record without one is refused
    // before anything is written.
    for (const ConvictionRecord &record : records) {
        if (!record.date.isValid())
            throw invalidDateError(QString());
    }

    ProfileFile file = openRecordFile(path, languages, dateFormat.locale()).file;
    const std::vector<HeldKeys> held = heldKeys(file, records.size());
    const RecordWriter writer(current, dateFormat);
    QList<std::pair<QString, QString>> values;
    values.reserve(2 + records.size() * (CrimeDateKey + 1));
    values.append({CountKey.toString(), QString::number(records.size())});
    values.append({DateFormatKey.toString(), dateFormat.pattern()});
    for (qsizetype i = 0; i < records.size(); ++i)
        writer.append(values, i, records[i], records[i].date, held[std::size_t(i)]);
    file.setValues(RecordSection, values);
    // The code page the file will be written in, named; a Unicode file names none.
    if (const std::optional<QString> codePage = codePageKeyValue(file.encodingOnSave()))
        file.setValue(RecordSection, CodePageKey, *codePage);
    else
        file.removeKey(RecordSection, CodePageKey);
    // The digest of the list as a reader will find it in the file.
    const qint32 count = qint32(records.size());
    const QString checksum =
        listChecksum(count, readListHead(file).dateFormat, ListValues(file, count));
    file.setValue(RecordSection, ChecksumKey.toString(), checksum);

    const auto day = [&](QDate date) {
        return date.isValid() ? dateFormat.formatDateTime(DayCount::fromDate(date)) : QString();
    };
    file.setValues(NewCrimeSection,
                   {{DateFormatKey.toString(), dateFormat.pattern()},
                    {CrimeCategoryKey.toString(),
                     newCrime.gravity ? QString::number(int(*newCrime.gravity)) : QString()},
                    {CrimeDayKey.toString(), day(newCrime.calculationDate)},
                    {CustodyKey.toString(),
                     newCrime.actualCustody ? QStringLiteral("1") : QStringLiteral("0")},
                    {NegligenceKey.toString(),
                     newCrime.negligent ? QStringLiteral("1") : QStringLiteral("0")}});
    file.save();
}

LoadedRecordFile loadRecordFile(const QString &path, const CrimeCategories &current,
                                const QList<CrimeCategories> &languages,
                                const ShortDateFormat &dateFormat)
{
    // The open dialog takes only existing files: a missing one is an error here,
    // not an empty list.
    if (!QFileInfo::exists(path))
        throw cannotOpenFileError(path, MessageText(RecordFileWording::NoSuchFile));
    const OpenedRecordFile opened = openRecordFile(path, languages, dateFormat.locale());
    const ProfileFile &file = opened.file;

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
    const Digest digest = digestOf(head, count, values);
    const FileDateReader dates =
        listDateReader(path, head, digest, dateTexts(values, count), dateFormat);
    const ListReader reader(path, values, digest, dates, current, languages, dateFormat);

    LoadedRecordFile loaded;
    loaded.records.reserve(count > 0 ? count : 0);
    for (qint32 i = 0; i < count; ++i)
        loaded.records.append(reader.record(i));
    loaded.datesNote = dates.note();
    loaded.newCrime = readNewCrime(file, dates, dateFormat);
    loaded.changedOutside = digest == Digest::Broken;
    loaded.codePage = opened.codePage;
    return loaded;
}
