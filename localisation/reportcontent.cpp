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
                    const RecordTexts &shown, const ExplanationTexts &words,
                    const ShortDateFormat &dateFormat)
{
    ReportRow row;
    for (int field = 0; field < RecordColumn::InForce; ++field)
        row.fields[field] = recordFieldText(record, field, shown, dateFormat);
    // Rows after one the assessment could not read were not assessed.
    if (assessed == nullptr) {
        row.expiry = Dash;
        row.counted = Dash;
        return row;
    }
    row.fields[RecordColumn::InForce] = shown.answers.textOf(assessed->expungement.inForce);
    row.expiry =
        !assessed->expungement.hasTerm() ? Dash : dateFormat.format(assessed->expungement.expiry);
    // A row with details names them and the provision and start of its term; for
    // a row without, the assumptions paragraph states the rule. What was assumed
    // follows from what is named. A row in doubt says what would settle it.
    const QString facts = factsNote(record.details, words, dateFormat);
    QStringList notes{facts, facts.isEmpty() ? QString() : basisNote(*assessed, words, dateFormat),
                      tallyNote(*assessed, words),
                      doubtNote(*assessed, record.details, words, dateFormat)};
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
        {u"String.Convictions", into(t.convictionsHeading)},
        {u"String.ReportNumber", into(t.numberTitle)},
        {u"String.DateOfConviction", intoPlain(t.columnTitles[RecordColumn::Date])},
        {u"String.GravityOfCrime", intoPlain(t.columnTitles[RecordColumn::Severity])},
        {u"String.ActualCustody", intoPlain(t.columnTitles[RecordColumn::Custody])},
        {u"String.Juvenile", intoPlain(t.columnTitles[RecordColumn::Juvenile])},
        {u"String.StayOfExecution", intoPlain(t.columnTitles[RecordColumn::Reprieve])},
        {u"String.Convictions", intoPlain(t.columnTitles[RecordColumn::InForce])},
        {u"String.ReportExpiry", intoPlain(t.columnTitles[RecordColumn::FieldCount])},
        {u"String.ReportCounted", intoPlain(t.columnTitles[RecordColumn::Count])},
        {u"String.ReportResult", into(t.resultHeading)},
        {u"String.ReportAssumptions", into(t.assumptions)},
    };
    table.append(recordTextTable(t.words));
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
    const auto answer = [&](bool yes) { return texts.words.answers.textOf(yes); };

    ReportContent content;
    content.title = texts.title;
    content.crimeHeading = texts.crimeHeading;
    content.severity = {texts.severityLabel,
                        crime.gravity ? orDash(texts.words.categories[*crime.gravity]) : Dash};
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
        content.rows.append(
            reportRow(subject.records[i], assessed, texts.words, words, dateFormat));
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
