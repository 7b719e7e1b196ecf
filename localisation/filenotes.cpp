#include "localisation/filenotes.h"

#include "catalogue/interfacekeys.h"
#include "catalogue/uLocalize.h"
#include "platform/runtimeerror.h"
#include "platform/shortdateformat.h"

TextTable fileNoteTextTable(FileNoteTexts &texts)
{
    return {
        {u"String.FileDatesOtherOrder", into(texts.datesOtherOrder)},
        {u"String.FileDatesAmbiguous", into(texts.datesAmbiguous)},
        {u"String.DayMonthYear", into(texts.dayFirst)},
        {u"String.MonthDayYear", into(texts.monthFirst)},
        {u"String.FileWithoutNewCrime", into(texts.newCrimeKept)},
        {u"String.UnknownCategoryRows", into(texts.unknownCategory)},
        {u"String.FileChangedOutside", into(texts.changedOutside)},
        {u"String.FileCodePageMatched", into(texts.codePageMatched)},
        {u"String.FileCodePageOfLocale", into(texts.codePageOfLocale)},
    };
}

QString fileNotesText(const FileNotes &notes, const FileNoteTexts &texts,
                      const ShortDateFormat &dateFormat)
{
    QStringList lines;
    if (const std::optional<FileDatesNote> &dates = notes.dates) {
        const QString &text = dates->kind == FileDatesNote::Kind::OtherOrder ? texts.datesOtherOrder
                                                                             : texts.datesAmbiguous;
        const QString &order = dates->order == ShortDateFormat::Order::MonthDayYear
                                   ? texts.monthFirst
                                   : texts.dayFirst;
        lines.append(
            filledText(text, order, dates->example, dateFormat.format(dates->exampleDate)));
    }
    if (notes.changedOutside)
        lines.append(texts.changedOutside);
    if (const std::optional<CodePageGuess> &guess = notes.codePage) {
        lines.append(
            filledText(guess->categoriesMatched ? texts.codePageMatched : texts.codePageOfLocale,
                       QString::number(codePageNumber(guess->codePage))));
    }
    if (notes.newCrimeKept)
        lines.append(texts.newCrimeKept);
    lines.removeAll(QString());
    return lines.join(u'\n');
}

FileNotes fileNotesOf(const LoadedRecordFile &loaded)
{
    return FileNotes{loaded.datesNote, !loaded.newCrime, loaded.changedOutside, loaded.codePage};
}

QString unknownCategoryText(const RecidivismAssessment &assessment, const FileNoteTexts &texts)
{
    QStringList rows;
    for (qsizetype i = 0; i < assessment.rows.size(); ++i) {
        if (assessment.rows[i].exclusions & Exclusion::UnknownSeverity)
            rows.append(QString::number(i + 1));
    }
    return rows.isEmpty() ? QString() : filledText(texts.unknownCategory, rows.join(u", "));
}

QList<CrimeCategories> installedCategories(const LanguageCatalogue &catalogue)
{
    QStringList keys;
    for (const char16_t *key : CategoryTextKeys)
        keys.append(QString::fromUtf16(key));
    QList<CrimeCategories> languages;
    for (const TLangItemRec &language : catalogue.LanguageList()) {
        try {
            const QStringList texts = catalogue.textsIn(language, keys);
            CrimeCategories categories;
            std::copy(texts.begin(), texts.end(), categories.texts.begin());
            languages.append(categories);
        } catch (const RuntimeError &) {
            // A language that cannot be read names no category.
        }
    }
    return languages;
}
