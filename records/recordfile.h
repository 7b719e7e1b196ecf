// The record file (".har"): a list of previous convictions in one INI section,
// saved in one atomic step and loaded only when the whole file reads correctly.
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/crimecategories.h"

#include <QList>
#include <QString>

class ShortDateFormat;

inline constexpr qint64 RecordFileMaxBytes = 64 * 1024 * 1024;
// Far beyond any person's list, low enough that a hostile count cannot exhaust
// memory with default records.
inline constexpr qint32 RecordFileMaxRecords = 1'000'000;
inline const QString RecordSection = QStringLiteral("previous_conviction");

// Writes "count" and each record's keys: its five columns, then the details
// given (or cleared since the file last held them) and the record they belong
// to. Every date is checked before anything is written ("''%s'' is not a valid
// date"); the file is then replaced in one step ("Unable to write to %s"), so on
// any error it stays exactly as it was. Other content of an existing file, keys
// of higher record numbers included, stays.
void saveRecordFile(const QString &path, const QList<ConvictionRecord> &records,
                    const QString &yesText, const ShortDateFormat &dateFormat);

// Reads the records of a file. A missing or unreadable file, one larger than
// RecordFileMaxBytes, one without the records' section, a count larger than
// the keys the section holds or than RecordFileMaxRecords, or a date that reads
// neither in the locale's format nor as ISO raises an error naming the file. A
// missing date gives 30 December 1899; a missing severity the record's number;
// the yes/no fields are whole numbers, any but 0 meaning yes. Details are
// optional: a missing or empty one is not given, an unreadable date or a
// punishment number that names no kind raises the same error; a punishment kind
// that contradicts the custody or reprieve value reads as not given; details that
// name another record (date and severity) than the one now at their number, as
// an older reader's save leaves them, are not read.
QList<ConvictionRecord> loadRecordFile(const QString &path, const AnswerTexts &answers,
                                       const ShortDateFormat &dateFormat);
