// The report of an assessment: what it holds, taken from the main window as it
// stands, and its layout as a PDF document on A4 pages in the interface language.
#pragma once

#include "assessment/convictionrecord.h"
#include "ui/filechooser.h"

#include <QList>
#include <QString>

#include <array>

class LanguageCatalogue;
class TForm1;

// A line of the report's heading: what it is and its value.
struct ReportLine
{
    QString label;
    QString value;
};

// One previous conviction as the report lists it.
struct ReportRow
{
    std::array<QString, ConvictionRecord::FieldCount> fields; // the six texts the list shows
    QString expiry; // the expungement date; a dash when no term applies or not assessed
    // The facts given and then the provision and start of the term, when details
    // were given; whether it was counted and why. One per line.
    QString counted;
};

struct ReportContent
{
    static constexpr int ColumnCount = ConvictionRecord::FieldCount + 2;

    QString title;
    QString crimeHeading;
    ReportLine severity;
    ReportLine custody;
    ReportLine negligent;
    ReportLine calculationDate;
    QString convictionsHeading;
    QString numberTitle;                           // over the rows' numbers
    std::array<QString, ColumnCount> columnTitles; // the list's six, then expiry and counted
    QList<ReportRow> rows;
    QString resultHeading;
    QString result;
    QString grounds;
    QString horizon; // empty when the assessment stopped at a row it could not read
    QString assumptions;
};

// The report of the window's last assessment, in the current language.
ReportContent reportContent(const TForm1 &form);

// The save dialog of the export: the menu text without its trailing dots, the
// PDF filter and suffix.
FileDialogSetup reportFileDialogSetup(const LanguageCatalogue &catalogue);

// Lays the report out and writes it as a PDF document, replacing the file in one
// step: a failed write leaves what was there. Raises "Unable to write to".
void writeReport(const QString &path, const ReportContent &content);
