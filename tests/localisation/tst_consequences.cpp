// What a finding of recidivism entails, in each shipped language: every kind of
// recidivism names the least term of Article 68 part 2; only the dangerous kinds
// exclude a conditional sentence (Article 73 part 1 (c)), name the colony (Article
// 58 part 1: strict regime for dangerous, special for especially dangerous
// recidivism, general regime for women under either) and make administrative
// supervision after release mandatory (Federal Law No. 64-FZ, Article 3 part 2).
#include "catalogue/uLocalize.h"
#include "localisation/consequences.h"
#include "support/assessmentfixture.h"
#include "support/languagefolder.h"

#include <QtTest>

#include <map>

using Records = QList<ConvictionRecord>;
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(RecidivismKind)

namespace {

// The provisions a consequence rests on.
enum class Provision {
    LeastTerm,     // Article 68 part 2, with part 3 for a shorter term
    NoConditional, // Article 73 part 1 (c)
    WomenGeneral,  // Article 58 part 1 (b)
    MenStrict,     // Article 58 part 1 (c)
    MenSpecial,    // Article 58 part 1 (d)
    Supervision,   // Federal Law No. 64-FZ of 6 April 2011, Article 3 part 2
};
constexpr Provision AllProvisions[] = {Provision::LeastTerm,    Provision::NoConditional,
                                       Provision::WomenGeneral, Provision::MenStrict,
                                       Provision::MenSpecial,   Provision::Supervision};

// How a language cites a provision, and a word of what it provides.
struct Citation
{
    QString provision;
    QString substance;
};
using Citations = std::map<Provision, Citation>;

Citations citationsIn(const QString &language)
{
    using P = Provision;
    if (language == u"Russian")
        return {{P::LeastTerm, {"ч. 2 ст. 68 УК РФ", "1/3 максимального срока"}},
                {P::NoConditional, {"п. «в» ч. 1 ст. 73 УК РФ", "без условного осуждения"}},
                {P::WomenGeneral, {"п. «б» ч. 1 ст. 58", "общего — женщине"}},
                {P::MenStrict,
                 {"п. «в» ч. 1 ст. 58 УК РФ",
                  "строгого режима мужчине, ранее отбывавшему лишение свободы"}},
                {P::MenSpecial, {"п. «г» ч. 1 ст. 58 УК РФ", "особого режима мужчине"}},
                {P::Supervision,
                 {"ч. 2 ст. 3 ФЗ от 06.04.2011 № 64-ФЗ", "обязательный административный надзор"}}};
    if (language == u"French")
        return {{P::LeastTerm, {"art. 68 al. 2", "1/3 du maximum"}},
                {P::NoConditional, {"art. 73 al. 1 c", "pas de sursis"}},
                {P::WomenGeneral, {"al. 1 b", "régime général pour une femme"}},
                {P::MenStrict, {"art. 58 al. 1 c", "régime strict pour un homme ayant déjà purgé"}},
                {P::MenSpecial, {"art. 58 al. 1 d", "régime spécial pour un homme"}},
                {P::Supervision,
                 {"loi fédérale n° 64-FZ du 6 avril 2011, art. 3 al. 2",
                  "surveillance administrative obligatoire"}}};
    return {{P::LeastTerm, {"art. 68 part 2", "1/3 of the maximum of the most severe"}},
            {P::NoConditional, {"art. 73 part 1 (c)", "no conditional sentence"}},
            {P::WomenGeneral, {"part 1 (b)", "general regime for a woman"}},
            {P::MenStrict,
             {"art. 58 part 1 (c)", "strict-regime colony for a man who has served deprivation"}},
            {P::MenSpecial, {"art. 58 part 1 (d)", "special-regime colony for a man"}},
            {P::Supervision,
             {"Federal Law No. 64-FZ of 6 April 2011, art. 3 part 2",
              "mandatory administrative supervision"}}};
}

// The provisions each kind entails, from the articles: Article 68 part 2 "with
// any kind of recidivism"; Article 73 part 1 (c) "with dangerous or especially
// dangerous recidivism"; Article 58 part 1 (c) strict regime for men "with
// recidivism or dangerous recidivism, if he has served deprivation of liberty
// before", (d) special regime for men "with especially dangerous recidivism", (b)
// general regime for women "with any kind of recidivism" (of a grave or
// especially grave crime, as both dangerous kinds are); Law No. 64-FZ Article 3
// part 2, supervision whatever the grounds of part 3, for a conviction "with
// dangerous or especially dangerous recidivism".
QList<Provision> provisionsOf(RecidivismKind kind)
{
    using P = Provision;
    switch (kind) {
    case RecidivismKind::Neither: return {};
    case RecidivismKind::Simple: return {P::LeastTerm};
    case RecidivismKind::Dangerous:
        return {P::LeastTerm, P::NoConditional, P::WomenGeneral, P::MenStrict, P::Supervision};
    case RecidivismKind::EspeciallyDangerous:
        return {P::LeastTerm, P::NoConditional, P::WomenGeneral, P::MenSpecial, P::Supervision};
    }
    return {};
}

// Texts that show which consequences a line names, and in what order.
ConsequenceTexts placeholderTexts()
{
    ConsequenceTexts texts;
    texts.line = "follows: %1";
    texts.leastTerm = "68";
    texts.noConditionalSentence = "73";
    texts.colonyDangerous = "58c";
    texts.colonyEspeciallyDangerous = "58d";
    texts.supervision = "64-FZ";
    return texts;
}

} // namespace

class TestConsequences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachKindNamesWhatFollows_data();
    void eachKindNamesWhatFollows();
    void onlyAnAnswerEntailsConsequences_data();
    void onlyAnAnswerEntailsConsequences();

private:
    LanguageFolder m_folder;
};

void TestConsequences::initTestCase()
{
    m_folder.copyShippedLanguages();
}

void TestConsequences::eachKindNamesWhatFollows_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<RecidivismKind>("kind");
    const std::pair<RecidivismKind, const char *> kinds[] = {
        {RecidivismKind::Neither, "no recidivism"},
        {RecidivismKind::Simple, "recidivism"},
        {RecidivismKind::Dangerous, "dangerous"},
        {RecidivismKind::EspeciallyDangerous, "especially dangerous"}};
    for (const char *language : {"English", "Russian", "French"}) {
        for (const auto &[kind, name] : kinds)
            QTest::addRow("%s, %s", language, name) << QString(language) << kind;
    }
}

// The line of a kind cites every provision it entails, with what the provision
// provides, and none of the others; no recidivism entails nothing.
void TestConsequences::eachKindNamesWhatFollows()
{
    QFETCH(QString, language);
    QFETCH(RecidivismKind, kind);
    LanguageCatalogue catalogue(m_folder.programFolder());
    QVERIFY(catalogue.SelectLanguage(language));
    const QString line =
        consequencesLine(kind, textsFrom(catalogue, consequenceTextTable)).simplified();

    const QList<Provision> entailed = provisionsOf(kind);
    QCOMPARE(line.isEmpty(), entailed.isEmpty());
    const Citations citations = citationsIn(language);
    for (const Provision provision : AllProvisions) {
        const Citation &citation = citations.at(provision);
        if (entailed.contains(provision)) {
            for (const QString &part : {citation.provision, citation.substance})
                QVERIFY2(line.contains(part), qPrintable(part + "\nnot in: " + line));
        } else {
            QVERIFY2(!line.contains(citation.provision),
                     qPrintable(citation.provision + "\nin: " + line));
        }
    }
    // A shorter term than a third is for the court under part 3.
    if (!entailed.isEmpty()) {
        const QString part3 = language == u"Russian"  ? QStringLiteral("лишь по ч. 3)")
                              : language == u"French" ? QStringLiteral("seulement selon l'al. 3)")
                                                      : QStringLiteral("less only under part 3)");
        QVERIFY2(line.contains(part3), qPrintable(line));
    }
}

void TestConsequences::onlyAnAnswerEntailsConsequences_data()
{
    QTest::addColumn<Records>("records");
    QTest::addColumn<QString>("severity");
    QTest::addColumn<bool>("negligent");
    QTest::addColumn<QString>("line");
    const Records gravePrior{conviction("01.02.2014", "grave")};
    QTest::newRow("dangerous") << gravePrior << "grave" << false << "follows: 68; 73; 58c; 64-FZ";
    QTest::newRow("especially dangerous")
        << Records{conviction("01.02.2013", "grave"), conviction("01.02.2014", "grave")} << "grave"
        << false << "follows: 68; 73; 58d; 64-FZ";
    QTest::newRow("recidivism") << gravePrior << "medium" << false << "follows: 68";
    QTest::newRow("no recidivism: the prior expunged")
        << Records{conviction("01.02.2005", "grave")} << "grave" << false << QString();
    QTest::newRow("no category") << gravePrior << QString() << false << QString();
    QTest::newRow("negligent new crime") << gravePrior << "grave" << true << QString();
    // The rows before an unreadable one decide a partial result: dangerous, but
    // no answer to draw consequences from.
    QTest::newRow("unreadable row")
        << Records{conviction("01.02.2014", "grave"), conviction("4/7/2009", "grave")} << "grave"
        << false << QString();
}

// The consequences follow the answer the window shows, never a question, a
// negligent crime or a result the pass could not finish.
void TestConsequences::onlyAnAnswerEntailsConsequences()
{
    QFETCH(Records, records);
    QFETCH(QString, severity);
    QFETCH(bool, negligent);
    QFETCH(QString, line);
    const RecidivismAssessment assessment =
        assessRecidivism(fixtureCrime(severity, true, QDate(2016, 1, 10), negligent), records);
    QCOMPARE(consequencesLine(assessment, placeholderTexts()), line);
}

QTEST_MAIN(TestConsequences)
#include "tst_consequences.moc"
