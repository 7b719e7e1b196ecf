#include "localisation/reportcontent.h"

#include "localisation/explanation.h"
#include "platform/shortdateformat.h"

namespace {

// Stands in a cell or line that has nothing to show.
const QString Dash = QStringLiteral("\u2014");

QString orDash(const QString &text)
{
    return text.trimmed().isEmpty() ? Dash : text;
}

ReportRow reportRow(const ConvictionRecord &record, const RowAssessment *assessed,
                    const ExplanationTexts &words, const ShortDateFormat &dateFormat)
{
    ReportRow row;
    for (int field = 0; field < ConvictionRecord::FieldCount; ++field)
        row.fields[field] = record.field(ConvictionRecord::Field(field));
    // Rows after one the assessment could not read were not assessed.
    if (assessed == nullptr) {
        row.expiry = Dash;
        row.counted = Dash;
        return row;
    }
    row.expiry =
        !assessed->expungement.hasTerm() ? Dash : dateFormat.format(assessed->expungement.expiry);
    // A row with details names them and the provision and start of its term; for
    // a row without, the assumptions paragraph states the rule. What was assumed
    // follows from what is named. A row in doubt says what would settle it.
    const QString facts = factsNote(record.Details, words, dateFormat);
    QStringList notes{facts, facts.isEmpty() ? QString() : basisNote(*assessed, words, dateFormat),
                      tallyNote(*assessed, words),
                      doubtNote(*assessed, record.Details, words, dateFormat)};
    notes.removeAll(QString());
    row.counted = notes.join(u'\n');
    return row;
}

} // namespace

TextTable reportTextTable(ReportTexts &t)
{
    TextTable table = {
        {u"String.ReportTitle", into(t.title)},
        {u"Group.CrimeChosen", into(t.crimeHeading)},
        {u"String.GravityOfCrime", intoLabel(t.severityLabel)},
        {u"String.ActualCustody", intoLabel(t.custodyLabel)},
        {u"String.NewCrimeNegligent", intoLabel(t.negligentLabel)},
        {u"String.DateRecidivismCalculation", intoLabel(t.calculationDateLabel)},
        {u"String.Yes", into(t.answers.yes)},
        {u"String.No", into(t.answers.no)},
        {u"String.Convictions", into(t.convictionsHeading)},
        {u"String.ReportNumber", into(t.numberTitle)},
        {u"String.DateOfConviction", intoPlain(t.columnTitles[ConvictionRecord::DateField])},
        {u"String.GravityOfCrime", intoPlain(t.columnTitles[ConvictionRecord::SeverityField])},
        {u"String.ActualCustody", intoPlain(t.columnTitles[ConvictionRecord::CustodyField])},
        {u"String.Juvenile", intoPlain(t.columnTitles[ConvictionRecord::JuvenileField])},
        {u"String.StayOfExecution", intoPlain(t.columnTitles[ConvictionRecord::ReprieveField])},
        {u"String.Convictions", intoPlain(t.columnTitles[ConvictionRecord::InForceField])},
        {u"String.ReportExpiry", intoPlain(t.columnTitles[ConvictionRecord::FieldCount])},
        {u"String.ReportCounted", intoPlain(t.columnTitles[ConvictionRecord::FieldCount + 1])},
        {u"String.ReportResult", into(t.resultHeading)},
        {u"String.ReportAssumptions", into(t.assumptions)},
    };
    table.append(resultTextTable(t.results));
    table.append(consequenceTextTable(t.consequences));
    return table;
}

ReportTexts lookUpReportTexts(const LanguageCatalogue &catalogue)
{
    return textsFrom(catalogue, reportTextTable);
}

ReportContent reportContent(const AssessedCase &subject, const ReportTexts &texts,
                            const ExplanationTexts &words, const ShortDateFormat &dateFormat)
{
    const CurrentCrime &crime = subject.crime;
    const RecidivismAssessment &assessment = subject.assessment;
    const auto answer = [&](bool yes) { return yes ? texts.answers.yes : texts.answers.no; };

    ReportContent content;
    content.title = texts.title;
    content.crimeHeading = texts.crimeHeading;
    content.severity = {texts.severityLabel, orDash(subject.crimeSeverity)};
    content.custody = {texts.custodyLabel, answer(crime.actualCustody)};
    content.negligent = {texts.negligentLabel, answer(crime.negligent)};
    content.calculationDate = {texts.calculationDateLabel,
                               dateFormat.format(crime.calculationDate)};
    content.convictionsHeading = texts.convictionsHeading;
    content.numberTitle = texts.numberTitle;
    content.columnTitles = texts.columnTitles;

    content.rows.reserve(subject.records.size());
    for (qsizetype i = 0; i < subject.records.size(); ++i) {
        const RowAssessment *assessed = i < assessment.rows.size() ? &assessment.rows[i] : nullptr;
        content.rows.append(reportRow(subject.records[i], assessed, words, dateFormat));
    }

    content.resultHeading = texts.resultHeading;
    content.result = resultTextFor(texts.results, assessment);
    content.grounds = groundsLine(assessment, words);
    if (assessment.horizon)
        content.horizon = horizonLine(*assessment.horizon, words, dateFormat);
    content.notices = resultNotices(assessment, crime.calculationDate, words, dateFormat);
    content.consequences = consequencesLine(assessment, texts.consequences);
    content.assumptions = texts.assumptions;
    return content;
}
