#include "docs/casebook.h"

#include "assessment/legalcasetable.h"
#include "catalogue/uLocalize.h"
#include "localisation/explanation.h"
#include "localisation/reportcontent.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"
#include "support/assessmentfixture.h"

#include <QLocale>
#include <QStringList>

namespace {

const QString Dash = QStringLiteral("\u2014");

// The day the casebook takes as today, fixed so that the files do not change
// with the calendar: only a new crime dated after it is noted as in the future.
QDate casebookToday()
{
    return QDate(2026, 12, 9);
}

// What the casebook says in its own words, around the program's texts.
struct OwnWords
{
    QString languageName; // the language file that gives the program's texts
    QLocale locale;
    QString datePattern; // the numeric short date pattern the dates are written in
    QString title;
    QStringList introduction; // paragraphs
    QString contentsHeading;
    QString caseNumber; // %1: the case's number
    QString caseRange;  // %1: the first case's number, %2: the last's
    QString convictionsHeading;
    QString answerHeading;
    QString basisHeading;
    bool russianTitles = false; // the cases' titles are their Russian ones
};

OwnWords russianWords()
{
    return OwnWords{
        .languageName = QStringLiteral("Russian"),
        .locale = QLocale(QLocale::Russian, QLocale::Russia),
        .datePattern = QStringLiteral("dd.MM.yyyy"),
        .title = QStringLiteral("Kovrant: сборник казусов"),
        .introduction =
            {QStringLiteral(
                 "Здесь собраны все казусы из таблицы правовых случаев Kovrant: для каждого — "
                 "прежние судимости и новое преступление, ответ программы и пояснения, на "
                 "которых он основан, со ссылками на статьи и части Уголовного кодекса "
                 "Российской Федерации. Все тексты казусов — тексты самой программы из её "
                 "русского языкового файла: подписи окна судимости, названия категорий, вывод "
                 "и пояснения."),
             QStringLiteral(
                 "Каждый казус проверяется набором тестов программы: ответ Kovrant сверяется с "
                 "ожидаемым в таблице (вид рецидива и дата погашения каждой судимости), а этот "
                 "файл — с тем, что из таблицы получается; при любом расхождении тесты не "
                 "проходят."),
             QStringLiteral(
                 "У каждой судимости указаны дата погашения — первый день, когда судимость уже "
                 "погашена, — и учтена ли она для рецидива. Пояснения к судимости — текст её "
                 "подсказки в списке: до какого дня судимость не погашена, норма и день, с "
                 "которого течёт срок, что принято при отсутствии сведений. Под ними — "
                 "основания вывода и до какого дня он сохраняется."),
             QStringLiteral(
                 "Файл создан автоматически из таблицы (tests/assessment/legalcasetable.h) и "
                 "языковых файлов: не редактируйте его вручную. После изменения таблицы или "
                 "языковых файлов создайте его заново, вместе с английской версией "
                 "(casebook.en.md), командой")},
        .contentsHeading = QStringLiteral("Содержание"),
        .caseNumber = QStringLiteral("Казус %1"),
        .caseRange = QStringLiteral("Казусы %1–%2"),
        .convictionsHeading = QStringLiteral("Прежние судимости"),
        .answerHeading = QStringLiteral("Ответ Kovrant"),
        .basisHeading = QStringLiteral("На чём основан ответ"),
        .russianTitles = true,
    };
}

OwnWords englishWords()
{
    return OwnWords{
        .languageName = QStringLiteral("English"),
        .locale = QLocale(QLocale::English, QLocale::UnitedKingdom),
        .datePattern = QStringLiteral("yyyy-MM-dd"),
        .title = QStringLiteral("Kovrant casebook"),
        .introduction =
            {QStringLiteral(
                 "This casebook lists every case of Kovrant's legal-case table: for each, the "
                 "previous convictions and the new crime, Kovrant's answer, and the notes it "
                 "rests on, which cite the articles and parts of the Criminal Code of the "
                 "Russian Federation. Every text of a case is the program's own, from its "
                 "English language file: the record dialog's labels, the category names, the "
                 "result and the notes. Dates are written year-month-day."),
             QStringLiteral(
                 "Every case is one the program's test suite checks: Kovrant's answer against "
                 "the one the table expects (the kind of recidivism and each conviction's "
                 "expungement date), and this file against what the table generates; any "
                 "difference fails the tests."),
             QStringLiteral(
                 "Each conviction's expungement date is the first day it is expunged; the "
                 "table says whether it was counted towards recidivism. A conviction's notes "
                 "are its row's tooltip: until when it counts, the provision and the day its "
                 "term runs from, and what was assumed for facts not given. Under them, the "
                 "grounds of the result and until when it holds."),
             QStringLiteral(
                 "This file is generated from the table (tests/assessment/legalcasetable.h) "
                 "and the language files: do not edit it by hand. After a change to either, "
                 "regenerate it, with its Russian twin (casebook.md), by running")},
        .contentsHeading = QStringLiteral("Contents"),
        .caseNumber = QStringLiteral("Case %1"),
        .caseRange = QStringLiteral("Cases %1–%2"),
        .convictionsHeading = QStringLiteral("Previous convictions"),
        .answerHeading = QStringLiteral("Kovrant's answer"),
        .basisHeading = QStringLiteral("What it rests on"),
    };
}

OwnWords ownWords(CasebookLanguage language)
{
    return language == CasebookLanguage::Russian ? russianWords() : englishWords();
}

// The record dialog's labels, their colons dropped, and the category names.
struct DialogTexts
{
    QString convictionDate;
    QString category;
    QString custody;
    QString minor;
    QString deferred;
    CrimeCategories categories;
};

TextTable dialogTextTable(DialogTexts &t)
{
    const auto category = [&t](Gravity gravity) -> QString & {
        return t.categories.texts[std::size_t(gravity)];
    };
    return {
        {u"String.DateOfCrime", intoLabel(t.convictionDate)},
        {u"String.GravityOfCrime", intoLabel(t.category)},
        {u"String.ActualCustodyImposed", intoLabel(t.custody)},
        {u"String.JuvenileCrime", intoLabel(t.minor)},
        {u"String.ReprieveExisted", intoLabel(t.deferred)},
        {u"String.SmallCrime", into(category(Gravity::Small))},
        {u"String.AverageCrime", into(category(Gravity::Medium))},
        {u"String.SeriousCrime", into(category(Gravity::Grave))},
        {u"String.ParticularlySeriousCrime", into(category(Gravity::EspeciallyGrave))},
    };
}

// Everything a casebook is written with.
struct Words
{
    OwnWords own;
    DialogTexts dialog;
    ReportTexts report; // the new crime's labels, the answer texts, the table's titles
    ExplanationTexts notes;
    ShortDateFormat dateFormat;
};

Words wordsFor(CasebookLanguage language, const QString &programFolder)
{
    OwnWords own = ownWords(language);
    LanguageCatalogue catalogue(programFolder, own.locale);
    if (!catalogue.SelectDefaultLanguage(QStringLiteral("English")) ||
        !catalogue.SelectLanguage(own.languageName))
        throw RuntimeError(QStringLiteral("No %1 language file in %2")
                               .arg(own.languageName, catalogue.langFolder()));
    const ShortDateFormat dateFormat =
        ShortDateFormat(own.locale, casebookToday).withPattern(own.datePattern).value();
    return Words{std::move(own), textsFrom(catalogue, dialogTextTable),
                 lookUpReportTexts(catalogue), lookUpExplanationTexts(catalogue), dateFormat};
}

// The text with Markdown's marks taken literally.
QString escaped(const QString &text)
{
    static const QString Marks = QStringLiteral("\\`*_[]<>|");
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if (Marks.contains(c))
            plain.append(u'\\');
        plain.append(c);
    }
    return plain;
}

QString labelled(const QString &label, const QString &value)
{
    return label + QStringLiteral(": ") + (value.isEmpty() ? Dash : value);
}

QString answerText(bool yes, const Words &words)
{
    return words.report.words.answers.textOf(yes);
}

// An unrecognised category is shown as the text it came with.
QString categoryOf(const ConvictionGravity &gravity, const Words &words)
{
    return gravity.known() ? words.dialog.categories[*gravity.known()] : gravity.unrecognisedText();
}

// "1. Date of conviction: ...; ...", then the details given, as the row's note
// names them, under it.
QString convictionItem(int number, const ConvictionRecord &record, const Words &words)
{
    const DialogTexts &dialog = words.dialog;
    const QStringList fields{labelled(dialog.convictionDate, words.dateFormat.format(record.date)),
                             labelled(dialog.category, categoryOf(record.gravity, words)),
                             labelled(dialog.custody, answerText(record.custody, words)),
                             labelled(dialog.minor, answerText(record.juvenile, words)),
                             labelled(dialog.deferred, answerText(record.reprieve, words))};
    const QString marker = QString::number(number) + QStringLiteral(". ");
    QString item = marker + escaped(fields.join(QStringLiteral("; "))) + u'\n';
    const QString facts = factsNote(record.details, words.notes, words.dateFormat);
    if (!facts.isEmpty())
        item += QString(marker.size(), u' ') + QStringLiteral("- ") + escaped(facts) + u'\n';
    return item;
}

QString newCrimeLine(const CurrentCrime &crime, const Words &words)
{
    const ReportTexts &report = words.report;
    const QString category = crime.gravity ? words.dialog.categories[*crime.gravity] : Dash;
    const QStringList fields{
        labelled(report.severityLabel, category),
        labelled(report.custodyLabel, answerText(crime.actualCustody, words)),
        labelled(report.negligentLabel, answerText(crime.negligent, words)),
        labelled(report.calculationDateLabel, words.dateFormat.format(crime.calculationDate))};
    return escaped(fields.join(QStringLiteral("; "))) + u'\n';
}

QString tableRow(const QStringList &cells)
{
    QStringList plain;
    for (const QString &cell : cells)
        plain.append(escaped(QString(cell).replace(u'\n', QStringLiteral("; "))));
    return QStringLiteral("| ") + plain.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
}

// Each conviction's expungement date and whether it was counted, as the report
// gives them.
QString answerTable(const RecidivismAssessment &assessment, qsizetype records, const Words &words)
{
    const ReportTexts &report = words.report;
    constexpr int Fields = RecordColumn::FieldCount;
    QString table = tableRow({report.numberTitle, report.columnTitles[Fields],
                              report.columnTitles[Fields + 1]}) +
                    QStringLiteral("|---|---|---|\n");
    for (qsizetype i = 0; i < records; ++i) {
        const QString number = QString::number(i + 1);
        // Rows after one the assessment could not read were not assessed.
        if (i >= assessment.rows.size()) {
            table += tableRow({number, Dash, Dash});
            continue;
        }
        const RowAssessment &row = assessment.rows[i];
        const QString expiry =
            row.expungement.hasTerm() ? words.dateFormat.format(row.expungement.expiry) : Dash;
        table += tableRow({number, expiry, tallyNote(row, words.notes)});
    }
    return table;
}

// The program's notes: each row's tooltip, less the facts and the tally the case
// has shown already; the grounds; until when the result holds; what qualifies it.
QString basisList(const RecidivismAssessment &assessment, const LegalCase &legalCase,
                  const Words &words)
{
    const QList<ConvictionRecord> &records = legalCase.records;
    QString list;
    for (qsizetype i = 0; i < assessment.rows.size() && i < records.size(); ++i) {
        const RowAssessment &row = assessment.rows[i];
        const ConvictionDetails &details = records[i].details;
        QStringList lines = rowNote(row, details, words.notes, words.dateFormat).split(u'\n');
        lines.removeOne(factsNote(details, words.notes, words.dateFormat));
        lines.removeOne(tallyNote(row, words.notes));
        lines.removeAll(QString());
        if (lines.isEmpty())
            continue;
        list += QStringLiteral("- ") +
                escaped(words.report.numberTitle + u' ' + QString::number(i + 1)) + u'\n';
        for (const QString &line : std::as_const(lines))
            list += QStringLiteral("  - ") + escaped(line) + u'\n';
    }
    QStringList resultLines{groundsLine(assessment, words.notes)};
    if (assessment.horizon)
        resultLines.append(horizonLine(*assessment.horizon, words.notes, words.dateFormat));
    resultLines.append(
        resultNotices(assessment, legalCase.crime.calculationDate, words.notes, words.dateFormat)
            .split(u'\n'));
    resultLines.removeAll(QString());
    for (const QString &line : std::as_const(resultLines))
        list += QStringLiteral("- ") + escaped(line) + u'\n';
    return list;
}

// A group's heading in the casebook's language; the English one when it has no other.
QString groupTitle(const LegalCaseGroup &group, const Words &words)
{
    const char *title =
        words.own.russianTitles && *group.russianTitle ? group.russianTitle : group.title;
    return QString::fromUtf8(title);
}

QString caseTitle(int number, const LegalCase &legalCase, const Words &words)
{
    QString title =
        QString::fromUtf8(words.own.russianTitles ? legalCase.russianTitle : legalCase.title);
    QString heading = words.own.caseNumber.arg(number);
    if (!title.isEmpty()) {
        title[0] = title[0].toUpper();
        heading += QStringLiteral(". ") + escaped(title);
    }
    return heading;
}

QString caseSection(int number, const LegalCase &legalCase, const Words &words)
{
    RecidivismAssessment assessment = assessRecidivism(legalCase.crime, legalCase.records);
    // As the main window: no horizon after a row it could not read, nor without a category.
    if (!assessment.failure && !assessment.categoryMissing)
        assessment.horizon = resultHorizon(legalCase.crime, assessment);

    QString section =
        QStringLiteral("### ") + caseTitle(number, legalCase, words) + QStringLiteral("\n\n");
    section += QStringLiteral("**") + words.own.convictionsHeading + QStringLiteral("**\n\n");
    for (qsizetype i = 0; i < legalCase.records.size(); ++i)
        section += convictionItem(int(i + 1), legalCase.records[i], words);
    section += QStringLiteral("\n**") + words.report.crimeHeading + QStringLiteral("**: ") +
               newCrimeLine(legalCase.crime, words) + u'\n';
    section += QStringLiteral("**") + words.own.answerHeading + QStringLiteral("**: ") +
               escaped(resultTextFor(words.report.results, assessment)) + QStringLiteral("\n\n");
    section += answerTable(assessment, legalCase.records.size(), words) + u'\n';
    section += QStringLiteral("**") + words.own.basisHeading + QStringLiteral("**\n\n");
    section += basisList(assessment, legalCase, words);
    return section;
}

QString contents(const QList<LegalCaseGroup> &groups, const Words &words)
{
    QString list = QStringLiteral("## ") + words.own.contentsHeading + QStringLiteral("\n\n");
    int first = 1;
    for (const LegalCaseGroup &group : groups) {
        if (group.cases.isEmpty())
            continue;
        const int last = first + int(group.cases.size()) - 1;
        const QString cases = first == last ? words.own.caseNumber.arg(first)
                                            : words.own.caseRange.arg(first).arg(last);
        list += QStringLiteral("- ") + cases + QStringLiteral(": ") +
                escaped(groupTitle(group, words)) + u'\n';
        first = last + 1;
    }
    return list;
}

} // namespace

QString casebookPath(CasebookLanguage language)
{
    return language == CasebookLanguage::Russian ? QStringLiteral("docs/casebook.md")
                                                 : QStringLiteral("docs/casebook.en.md");
}

QString casebookText(CasebookLanguage language, const QString &programFolder)
{
    const Words words = wordsFor(language, programFolder);
    const QList<LegalCaseGroup> groups = legalCaseGroups();

    QString text = QStringLiteral("# ") + words.own.title + QStringLiteral("\n\n");
    for (const QString &paragraph : words.own.introduction)
        text += paragraph + QStringLiteral("\n\n");
    text += QStringLiteral("    ") + QString::fromLatin1(CasebookCommand) + QStringLiteral("\n\n");
    text += contents(groups, words);
    int number = 0;
    for (const LegalCaseGroup &group : groups) {
        if (group.cases.isEmpty())
            continue;
        text += QStringLiteral("\n## ") + escaped(groupTitle(group, words)) + u'\n';
        for (const LegalCase &legalCase : group.cases)
            text += u'\n' + caseSection(++number, legalCase, words);
    }
    return text;
}
