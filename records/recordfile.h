// The record file (".har"): a list of previous convictions in one INI section
// and the new crime in another, saved in one atomic step and loaded only when
// the whole file reads correctly.
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/recidivism.h"
#include "platform/runtimeerror.h"
#include "records/filedates.h"
#include "records/recordencoding.h"
#include "records/recordwords.h"

#include <QList>
#include <QString>

#include <optional>

class ShortDateFormat;

inline constexpr qint64 RecordFileMaxBytes = 64 * 1024 * 1024;
// Far beyond any person's list, low enough that a hostile count cannot exhaust
// memory with default records.
inline constexpr qint32 RecordFileMaxRecords = 1'000'000;
inline const QString RecordSection = QStringLiteral("previous_conviction");
inline const QString NewCrimeSection = QStringLiteral("new_crime");

// The wordings of what makes a record file unreadable: each the detail of
// ErrorWording::DamagedRecordFile, but NoSuchFile, the reason of CannotOpenFile.
namespace RecordFileWording {
inline constexpr MessageWording NoSuchFile{u"Error.NoSuchFile", u"No such file or directory"};
inline constexpr MessageWording NoList{u"Error.NoList", u"it holds no list of convictions"};
inline constexpr MessageWording TooFewKeys{u"Error.TooFewKeys",
                                           u"it lists %1 records but holds only %2 keys"};
inline constexpr MessageWording BadDateFormat{
    u"Error.BadDateFormat", u"its date format, \"%1\", is not one of day, month and year"};
inline constexpr MessageWording BadDate{u"Error.BadDate",
                                        u"the date of %1, \"%2\", cannot be read"};
inline constexpr MessageWording BadCategory{u"Error.BadCategory",
                                            u"the category of %1, \"%2\", is not one of 0 to 3"};
inline constexpr MessageWording BadPunishment{
    u"Error.BadPunishment", u"the punishment of record %1, \"%2\", is not one of its kinds"};
inline constexpr MessageWording BadSentence{
    u"Error.BadSentence", u"the sentence of record %1, \"%2\", is not a positive whole number"};
inline constexpr MessageWording BadNewCrimeDate{
    u"Error.BadNewCrimeDate", u"the date of the new crime, \"%1\", cannot be read"};
// Whose date or category it is.
inline constexpr MessageWording Record{u"Error.Record", u"record %1"};
inline constexpr MessageWording NewCrime{u"Error.NewCrime", u"the new crime"};
} // namespace RecordFileWording

// What a record file gave.
struct LoadedRecordFile
{
    QList<ConvictionRecord> records;
    // None when the file holds no new crime, or one saved with another list.
    std::optional<CurrentCrime> newCrime;
    // Set when the file names no date pattern and its dates could be meant
    // otherwise than they were read.
    std::optional<FileDatesNote> datesNote;
    // The list was changed outside Kovrant since Kovrant saved it: by hand, or by
    // a writer that knows only the columns (its checksum no longer holds).
    bool changedOutside = false;
    // The code page chosen for an older file that names none and is no UTF-8.
    std::optional<CodePageGuess> codePage;
};

// Writes, in the records' section, "count", "dateformat" (the pattern of every
// date written) and each record's keys: its five columns (the severity as the
// category's text in `current`, or an unrecognised text as it came; the yes/no
// fields as 1 and 0), then the details given
// (or cleared since the file last held them), "detailsof" and, with any later
// detail, "laterdetailsof" (the record the details were written for: this one,
// or for unconfirmed details the one they were read as written for, empty where
// unknown), and "category" with the number of the record's category (0 small to
// 3 especially grave), empty where it is unrecognised and the file held one; then, each once given,
// "inforce", "revokedon", "sentence" (a positive whole number), "additionalend" and "removed". Then
// "codepage" where the file is written in an 8-bit code page (1251 or 1252; a
// Unicode file holds none, and a stale one is removed), and "checksum" last: a
// digest of the count, the pattern and every record key, which tells a later
// reader whether a writer that knows none of these keys, or only those before
// "inforce", or all but "laterdetailsof", has saved over the list since. The new
// crime's section holds "dateformat", "category" (empty with no category
// chosen), "date", "custody" and "negligent". An existing file is read as
// loadRecordFile reads it (its code page decided with `languages`), and keeps
// its encoding. Every record is checked to have a date before anything is written ("''%s''
// is not a valid date"); the file is then replaced in one step ("Unable to write to
// %s"), so on any error it stays exactly as it was. Other content of an existing
// file, keys of higher record numbers and unknown keys of the new crime included,
// stays.
void saveRecordFile(const QString &path, const QList<ConvictionRecord> &records,
                    const CurrentCrime &newCrime, const CrimeCategories &current,
                    const QList<CrimeCategories> &languages, const ShortDateFormat &dateFormat);

// Reads the records and the new crime of a file, its text decoded as
// decodeRecordFile says. A missing or unreadable file, one larger than
// RecordFileMaxBytes, one without the records' section, a count larger than the
// keys the section holds or than RecordFileMaxRecords, or a date that cannot be
// read raises an error naming the file.
//
// A file whose checksum holds is read with its date pattern (one that is no
// pattern of numbers raises the error) and its category numbers (one outside 0
// to 3 too). Where the checksum no longer holds (the list was changed outside
// Kovrant: changedOutside), or is absent, each is judged on its own: the
// pattern is kept when every date reads under it, else the dates are read as
// FileDateReader::fitting says; a category number is kept when the category's
// text in some language of `languages` is the record's text. The new crime is
// read wherever the file has its section.
//
// A severity given by number names its category; one given by text alone names
// the category it is the text of in `current` or, failing that, in any language
// of `languages` (the more serious where one language gives two categories the
// same text, or languages differ); any other text is kept as an unrecognised
// category. A missing date gives 30 December 1899; a missing
// severity the record's number; the yes/no fields are whole numbers, any but 0
// meaning yes. Details are optional: a missing or empty one is not given, an
// unreadable date, a punishment number that names no kind or a sentence number
// that is not a positive whole number raises the same error; a punishment kind
// that contradicts the custody or reprieve value reads as not given.
//
// Details are never dropped: those that may be another record's are read and
// marked unconfirmed (ConvictionDetails::unconfirmed), with the record they were
// written for where the file says: the first details where "detailsof" names
// another record (date and severity as written) than the one now at their
// number; the later details where "laterdetailsof" does, or where the file does
// not tell (a writer that knew only the keys before them saved, or the checksum
// no longer holds and the file has no "laterdetailsof"). An unconfirmed detail's
// date that the list's pattern does not read is read in the order it fits. In
// the new crime, an empty category is none chosen and an empty date none given.
LoadedRecordFile loadRecordFile(const QString &path, const CrimeCategories &current,
                                const QList<CrimeCategories> &languages,
                                const ShortDateFormat &dateFormat);
