// What the report of an assessment says, in the current language: built from the
// case on screen and its assessment, with no window in sight. The drawing of it
// as a document is the windows' (ui/report).
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/recidivism.h"
#include "localisation/assessmenttexts.h"
#include "localisation/consequences.h"
#include "localisation/recordcolumns.h"
#include "localisation/texttable.h"

#include <QList>
#include <QString>

#include <array>

class LanguageCatalogue;
class ShortDateFormat;
struct ExplanationTexts;

// A line of the report's heading: what it is and its value.
struct ReportLine
{
    QString label;
    QString value;
};

// One previous conviction as the report lists it.
struct ReportRow
{
    std::array<QString, RecordColumn::FieldCount> fields; // the six texts the list shows
    QString expiry; // the expungement date; a dash when no term applies or not assessed
    // The facts given and then the provision and start of the term, when details
    // were given; whether it was counted and why. One per line.
    QString counted;
};

struct ReportContent
{
    static constexpr int ColumnCount = RecordColumn::Count + 1;

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
    // What qualifies the result, one per line (resultNotices); often empty.
    QString notices;
    QString consequences; // what the result entails; empty when it entails nothing
    QString assumptions;
};

// The report's own words. The labels lose their colons: the report sets its own.
struct ReportTexts
{
    QString title;
    QString crimeHeading;
    QString severityLabel;
    QString custodyLabel;
    QString negligentLabel;
    QString calculationDateLabel;
    RecordTexts words; // of the rows' facts and the new crime's
    QString convictionsHeading;
    QString numberTitle;
    std::array<QString, ReportContent::ColumnCount> columnTitles;
    QString resultHeading;
    ResultTexts results;
    ConsequenceTexts consequences;
    QString assumptions;
};

TextTable reportTextTable(ReportTexts &texts);
ReportTexts lookUpReportTexts(const LanguageCatalogue &catalogue);

// What a report is of: the inputs on screen and their assessment.
struct AssessedCase
{
    QList<ConvictionRecord> records;
    CurrentCrime crime;
    // Of these records and this crime, with its horizon unless it failed.
    RecidivismAssessment assessment;
};

ReportContent reportContent(const AssessedCase &subject, const ReportTexts &texts,
                            const ExplanationTexts &words, const ShortDateFormat &dateFormat);
