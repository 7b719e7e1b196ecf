// What opening a record file leaves to say under the result: how the dates of a
// file that names no date pattern were read, and that a file without a new crime
// left the one on screen; and the warning of rows whose category is unknown.
#pragma once

#include "assessment/recidivism.h"
#include "localisation/texttable.h"
#include "records/filedates.h"
#include "records/recordencoding.h"
#include "records/recordfile.h"
#include "records/recordwords.h"

#include <QList>
#include <QString>

#include <optional>

class LanguageCatalogue;
class ShortDateFormat;

struct FileNoteTexts
{
    QString datesOtherOrder; // %1 the order read, %2 a date as written, %3 as read
    QString datesAmbiguous;  // the same values
    QString dayFirst;        // the order day, month, year
    QString monthFirst;      // the order month, day, year
    QString newCrimeKept;
    QString unknownCategory; // %1 the rows' numbers
    QString changedOutside;
    QString codePageMatched;  // %1 the code page's number
    QString codePageOfLocale; // %1 the code page's number
};

TextTable fileNoteTextTable(FileNoteTexts &texts);

// What the file last opened left to say, kept as values so that a change of
// language says it again in the new one.
struct FileNotes
{
    std::optional<FileDatesNote> dates;
    bool newCrimeKept = false;   // the file held no new crime for its list
    bool changedOutside = false; // the list was changed outside Kovrant since it was saved
    std::optional<CodePageGuess> codePage; // how an older file's code page was chosen

    bool isEmpty() const { return !dates && !newCrimeKept && !changedOutside && !codePage; }

    friend bool operator==(const FileNotes &, const FileNotes &) = default;
};

// What a file just read leaves to say.
FileNotes fileNotesOf(const LoadedRecordFile &loaded);

// The notes, one line each; empty when there are none.
QString fileNotesText(const FileNotes &notes, const FileNoteTexts &texts,
                      const ShortDateFormat &dateFormat);

// "Unknown category (no. 2, 5): ..." for the rows whose severity names no
// category; empty when every assessed row names one.
QString unknownCategoryText(const RecidivismAssessment &assessment, const FileNoteTexts &texts);

// The category texts of every listed language, in list order; a language file
// that cannot be read gives none.
QList<CrimeCategories> installedCategories(const LanguageCatalogue &catalogue);
