// Cases a practitioner brings with the file in hand: release dates, the longer
// terms for crimes from 3 August 2013, conditional, deferred and milder
// punishments, negligence, recidivism under part 1 alone, and minors. Each case
// gives the list, the new crime, the outcome and every row's expiry date.
//
// tst_legalcases checks every case against the rules; the casebook in docs/ is
// generated from the same table (tests/docs/tst_casebook), so a case added here
// shows there once the casebook is regenerated. Records are written in the
// assessment fixture's texts ("grave", "Yes") and Russian date format.
#pragma once

#include "assessment/convictiondetails.h"
#include "assessment/recidivism.h"
#include "support/assessmentfixture.h"

#include <QDate>
#include <QList>

struct LegalCase
{
    const char *title; // English: the test row's name and the English casebook's title
    QList<ConvictionRecord> records;
    CurrentCrime crime;
    RecidivismKind kind;           // the expected outcome
    QList<QDate> expiries;         // each record's expected expiry date, in the list's order
    Doubts doubts{};               // what the answer is expected to flag as resting on doubt
    const char *russianTitle = ""; // the Russian casebook's title; none when empty
};

// Cases on one rule, under one heading in the casebook.
struct LegalCaseGroup
{
    const char *title;        // English heading
    const char *russianTitle; // Russian heading
    QList<LegalCase> cases;
};

namespace legalcase {

// The new crime, punished by actual deprivation of liberty.
inline CurrentCrime crime(const QString &severity, QDate date, bool negligent = false)
{
    return fixtureCrime(severity, true, date, negligent);
}

// A conviction with custody Yes, reprieve No and the details given.
inline ConvictionRecord prior(const QString &date, const QString &severity,
                              const ConvictionDetails &details, const QString &custody = "Yes",
                              const QString &juvenile = "No", const QString &reprieve = "No")
{
    return withDetails(conviction(date, severity, custody, juvenile, reprieve), details);
}

} // namespace legalcase

inline QList<LegalCaseGroup> legalCaseGroups()
{
    using namespace legalcase;
    using K = RecidivismKind;
    using P = PunishmentKind;

    // Grave, committed 2014, convicted 2015, five years of custody, released 2020.
    const ConvictionDetails released{
        .crimeDate = QDate(2014, 11, 10), .punishment = P::Custody, .served = QDate(2020, 6, 1)};
    const LegalCaseGroup servedDay{
        "The day the sentence was served",
        "День отбытия наказания",
        {
            {.title = "released 2020: 8 years from release, dangerous in 2024",
             .records = {prior("01.06.2015", "grave", released)},
             .crime = crime("grave", QDate(2024, 5, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2028, 6, 1)},
             .russianTitle = "освобождён в 2020 г.: 8 лет с освобождения, в 2024 г. опасный "
                             "рецидив"},
            {.title = "same case without the facts: expunged 2021 from the conviction date",
             .records = {conviction("01.06.2015", "grave")},
             .crime = crime("grave", QDate(2024, 5, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2021, 6, 1)},
             .russianTitle = "то же без подробностей: погашена в 2021 г., срок от даты "
                             "осуждения"},
            {.title = "release date without the crime date: the shorter term of 6 years",
             .records = {prior("01.06.2015", "grave", {.served = QDate(2020, 6, 1)})},
             .crime = crime("grave", QDate(2024, 5, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2026, 6, 1)},
             .russianTitle = "день освобождения без даты преступления: прежний срок в 6 лет"},
            {.title = "crime date without the release: the longer term from the conviction date",
             .records = {prior("01.06.2015", "grave", {.crimeDate = QDate(2014, 11, 10)})},
             .crime = crime("grave", QDate(2022, 5, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2023, 6, 1)},
             .russianTitle = "дата преступления без дня освобождения: новый срок от даты "
                             "осуждения"},
        }};

    // The 2013 boundary: 2 August keeps the old terms, 3 August takes the new.
    const auto grave2013 = [](int day) {
        return prior("01.12.2013", "grave",
                     {.crimeDate = QDate(2013, 8, day), .served = QDate(2015, 1, 1)});
    };
    const auto especially2013 = [](int day) {
        return prior("01.12.2013", "especially grave",
                     {.crimeDate = QDate(2013, 8, day), .served = QDate(2015, 1, 1)});
    };
    const LegalCaseGroup terms2013{
        "The terms before and from 3 August 2013",
        "Сроки до 3 августа 2013 г. и с этого дня",
        {
            {.title = "grave, crime on 2 August 2013: 6 years, expunged by 2022",
             .records = {grave2013(2)},
             .crime = crime("grave", QDate(2022, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2021, 1, 1)},
             .russianTitle = "тяжкое, совершено 2 августа 2013 г.: 6 лет, к 2022 г. погашена"},
            {.title = "grave, crime on 3 August 2013: 8 years, dangerous in 2022",
             .records = {grave2013(3)},
             .crime = crime("grave", QDate(2022, 1, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2023, 1, 1)},
             .russianTitle = "тяжкое, совершено 3 августа 2013 г.: 8 лет, в 2022 г. опасный "
                             "рецидив"},
            {.title = "especially grave, crime on 2 August 2013: 8 years",
             .records = {especially2013(2)},
             .crime = crime("especially grave", QDate(2024, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2023, 1, 1)},
             .russianTitle = "особо тяжкое, совершено 2 августа 2013 г.: 8 лет"},
            {.title = "especially grave, crime on 3 August 2013: 10 years, especially dangerous",
             .records = {especially2013(3)},
             .crime = crime("especially grave", QDate(2024, 1, 1)),
             .kind = K::EspeciallyDangerous,
             .expiries = {QDate(2025, 1, 1)},
             .russianTitle = "особо тяжкое, совершено 3 августа 2013 г.: 10 лет, особо опасный "
                             "рецидив"},
        }};

    // Conditional sentences: expunged when probation ends, never counted unless
    // revoked; revoked, they are deprivation of liberty.
    const ConvictionDetails conditional{.crimeDate = QDate(2016, 3, 1),
                                        .punishment = P::Conditional,
                                        .probationEnd = QDate(2019, 12, 31)};
    ConvictionDetails revoked = conditional;
    revoked.revoked = true;
    revoked.served = QDate(2021, 5, 1);
    const LegalCaseGroup conditionalAndDeferred{
        "Conditional sentences and deferrals",
        "Условное осуждение и отсрочка",
        {
            {.title = "conditional, during probation: in force but not counted",
             .records = {prior("01.01.2017", "grave", conditional, "No")},
             .crime = crime("grave", QDate(2019, 6, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2020, 1, 1)},
             .russianTitle = "условное осуждение, в течение испытательного срока: судимость "
                             "не погашена, но не учитывается"},
            // Art. 86 part 3 (a): expunged "on the expiry of" probation, so its last day
            // (31 December 2019) still has the conviction, and 1 January 2020 does not.
            {.title = "conditional, probation's last day: still in force",
             .records = {prior("01.01.2017", "grave", conditional, "No")},
             .crime = crime("grave", QDate(2019, 12, 31)),
             .kind = K::Neither,
             .expiries = {QDate(2020, 1, 1)},
             .russianTitle = "условное осуждение, последний день испытательного срока: "
                             "судимость ещё не погашена"},
            {.title = "conditional, the day after probation: expunged",
             .records = {prior("01.01.2017", "grave", conditional, "No")},
             .crime = crime("grave", QDate(2020, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2020, 1, 1)},
             .russianTitle = "условное осуждение, день после испытательного срока: погашена"},
            {.title = "conditional revoked, served 2021: 8 years from release, dangerous",
             .records = {prior("01.01.2017", "grave", revoked, "No")},
             .crime = crime("grave", QDate(2024, 1, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2029, 5, 1)},
             .russianTitle = "условное осуждение отменено, освобождён в 2021 г.: 8 лет с "
                             "освобождения, опасный рецидив"},
            {.title = "conditional without its probation end: the custodial term from conviction",
             .records = {prior("01.01.2017", "medium", {.punishment = P::Conditional}, "No")},
             .crime = crime("medium", QDate(2018, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2020, 1, 1)},
             .russianTitle = "условное осуждение без окончания испытательного срока: срок как "
                             "при лишении свободы, от даты осуждения"},
            {.title = "deferred, not revoked: not counted",
             .records = {prior("01.01.2017", "grave", {.punishment = P::Deferred}, "Yes", "No",
                               "Yes")},
             .crime = crime("grave", QDate(2018, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2023, 1, 1)},
             .russianTitle = "отсрочка не отменена: не учитывается"},
            {.title = "deferred and revoked: counted as deprivation of liberty",
             .records = {prior("01.01.2017", "grave", {.punishment = P::Deferred, .revoked = true},
                               "Yes", "No", "Yes")},
             .crime = crime("grave", QDate(2018, 1, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2023, 1, 1)},
             .russianTitle = "отсрочка отменена: учитывается как лишение свободы"},
        }};

    // Art. 18 part 3 (b) asks no deprivation of liberty of its priors ("ранее ... два
    // раза было осуждено за тяжкое преступление или ранее осуждалось за особо
    // тяжкое"), unlike parts 2 and 3 (a); part 4's exclusions still apply. A fine
    // paid on 1 June 2023 keeps the conviction a year (art. 86 part 3 (b)).
    const ConvictionDetails fined{
        .crimeDate = QDate(2022, 10, 1), .punishment = P::Milder, .served = QDate(2023, 6, 1)};
    const ConvictionRecord finedGrave = prior("01.03.2023", "grave", fined, "No");
    const ConvictionRecord conditionalGrave = prior("01.03.2023", "grave",
                                                    {.crimeDate = QDate(2022, 10, 1),
                                                     .punishment = P::Conditional,
                                                     .probationEnd = QDate(2025, 2, 28)},
                                                    "No");
    const LegalCaseGroup part3b{
        "Article 18 part 3 (b): priors with any punishment",
        "П. «б» ч. 3 ст. 18: прежние судимости при любом наказании",
        {
            {.title = "3(b): especially grave, two grave priors fined: especially dangerous",
             .records = {finedGrave, finedGrave},
             .crime = crime("especially grave", QDate(2024, 5, 31)),
             .kind = K::EspeciallyDangerous,
             .expiries = {QDate(2024, 6, 1), QDate(2024, 6, 1)},
             .russianTitle = "п. «б» ч. 3: новое особо тяжкое, две судимости за тяжкие со "
                             "штрафом: особо опасный рецидив"},
            {.title = "3(b): the fines' year over on 1 June 2024: no recidivism",
             .records = {finedGrave, finedGrave},
             .crime = crime("especially grave", QDate(2024, 6, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2024, 6, 1), QDate(2024, 6, 1)},
             .doubts = Doubt::BoundaryDay,
             .russianTitle = "п. «б» ч. 3: год после уплаты штрафов истёк 1 июня 2024 г.: "
                             "рецидива нет"},
            {.title = "3(b): especially grave, one especially grave prior fined",
             .records = {prior("01.03.2023", "especially grave", fined, "No")},
             .crime = crime("especially grave", QDate(2024, 1, 1)),
             .kind = K::EspeciallyDangerous,
             .expiries = {QDate(2024, 6, 1)},
             .russianTitle = "п. «б» ч. 3: новое особо тяжкое, одна судимость за особо тяжкое "
                             "со штрафом"},
            {.title = "3(b): one grave prior fined is not two: part 1",
             .records = {finedGrave},
             .crime = crime("especially grave", QDate(2024, 1, 1)),
             .kind = K::Simple,
             .expiries = {QDate(2024, 6, 1)},
             .russianTitle = "п. «б» ч. 3: одна судимость за тяжкое со штрафом — не две: ч. 1"},
            {.title = "grave new crime, two grave priors fined: 2(b) and 3(a) ask custody, part 1",
             .records = {finedGrave, finedGrave},
             .crime = crime("grave", QDate(2024, 1, 1)),
             .kind = K::Simple,
             .expiries = {QDate(2024, 6, 1), QDate(2024, 6, 1)},
             .russianTitle = "новое тяжкое, две судимости за тяжкие со штрафом: п. «б» ч. 2 и "
                             "п. «а» ч. 3 требуют лишения свободы, ч. 1"},
            {.title = "3(b): two grave conditional sentences not revoked: art. 18 part 4 (c)",
             .records = {conditionalGrave, conditionalGrave},
             .crime = crime("especially grave", QDate(2024, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2025, 3, 1), QDate(2025, 3, 1)},
             .russianTitle = "п. «б» ч. 3: два неотменённых условных осуждения за тяжкие: "
                             "п. «в» ч. 4 ст. 18"},
        }};

    // A milder punishment: one year after it was served; it counts under part 1.
    const ConvictionDetails milder{.punishment = P::Milder, .served = QDate(2022, 3, 1)};
    const LegalCaseGroup milderPunishment{
        "Punishments milder than deprivation of liberty",
        "Наказание мягче лишения свободы",
        {
            {.title = "milder, day before its year ends: recidivism under part 1",
             .records = {prior("01.09.2021", "medium", milder, "No")},
             .crime = crime("medium", QDate(2023, 2, 28)),
             .kind = K::Simple,
             .expiries = {QDate(2023, 3, 1)},
             .russianTitle = "более мягкое наказание, день до истечения года: рецидив по ч. 1"},
            {.title = "milder, on the day its year ends: expunged",
             .records = {prior("01.09.2021", "medium", milder, "No")},
             .crime = crime("medium", QDate(2023, 3, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2023, 3, 1)},
             .doubts = Doubt::BoundaryDay,
             .russianTitle = "более мягкое наказание, в день истечения года: погашена"},
            {.title = "milder never makes recidivism dangerous",
             .records = {prior("01.09.2021", "grave", milder, "No")},
             .crime = crime("grave", QDate(2022, 6, 1)),
             .kind = K::Simple,
             .expiries = {QDate(2023, 3, 1)},
             .russianTitle = "более мягкое наказание не делает рецидив опасным"},
        }};

    const LegalCaseGroup negligence{
        "Negligence",
        "Неосторожность",
        {
            {.title = "negligent prior: never counted",
             .records = {prior("01.06.2015", "grave", {.negligent = true})},
             .crime = crime("grave", QDate(2016, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2021, 6, 1)},
             .russianTitle = "прежнее преступление по неосторожности: не учитывается"},
            {.title = "negligent new crime: never recidivism",
             .records = {conviction("01.06.2015", "grave"), conviction("01.07.2015", "grave")},
             .crime = crime("grave", QDate(2016, 1, 1), true),
             .kind = K::Neither,
             .expiries = {QDate(2021, 6, 1), QDate(2021, 7, 1)},
             .russianTitle = "новое преступление по неосторожности: рецидива нет"},
        }};

    const LegalCaseGroup part1{
        "Recidivism under part 1 alone",
        "Рецидив только по ч. 1 ст. 18",
        {
            {.title = "part 1: small new crime, a medium prior with custody",
             .records = {conviction("01.06.2015", "medium")},
             .crime = crime("small", QDate(2016, 1, 1)),
             .kind = K::Simple,
             .expiries = {QDate(2018, 6, 1)},
             .russianTitle = "ч. 1: новое небольшой тяжести, судимость за преступление средней "
                             "тяжести с лишением свободы"},
            {.title = "part 1: medium new crime, a grave prior",
             .records = {conviction("01.06.2015", "grave")},
             .crime = crime("medium", QDate(2016, 1, 1)),
             .kind = K::Simple,
             .expiries = {QDate(2021, 6, 1)},
             .russianTitle = "ч. 1: новое средней тяжести, судимость за тяжкое"},
            {.title = "part 1 needs a prior above small gravity",
             .records = {conviction("01.06.2015", "small")},
             .crime = crime("medium", QDate(2016, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2018, 6, 1)},
             .russianTitle = "ч. 1 требует судимости за преступление выше небольшой тяжести"},
            {.title = "part 1 needs the punishment kind when custody is cleared",
             .records = {conviction("01.06.2015", "medium", "No")},
             .crime = crime("medium", QDate(2016, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2018, 6, 1)},
             .russianTitle = "ч. 1 требует вида наказания, когда лишение свободы не отмечено"},
            {.title = "part 1 needs a chosen new crime",
             .records = {conviction("01.06.2015", "grave")},
             .crime = crime("", QDate(2016, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2021, 6, 1)},
             .russianTitle = "ч. 1 требует выбранной категории нового преступления"},
            {.title = "part 1: a conditional sentence not revoked does not count",
             .records = {prior("01.06.2015", "medium", {.punishment = P::Conditional}, "No")},
             .crime = crime("medium", QDate(2016, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2018, 6, 1)},
             .russianTitle = "ч. 1: неотменённое условное осуждение не учитывается"},
        }};

    // Minors: Article 95 after release, never counted.
    const LegalCaseGroup minors{
        "Crimes committed as a minor",
        "Преступления, совершённые в несовершеннолетнем возрасте",
        {
            {.title = "minor, grave, released: 3 years after release",
             .records = {prior("01.06.2015", "grave",
                               {.punishment = P::Custody, .served = QDate(2019, 2, 1)}, "Yes",
                               "Yes")},
             .crime = crime("grave", QDate(2021, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2022, 2, 1)},
             .russianTitle = "несовершеннолетний, тяжкое, освобождён: 3 года после "
                             "освобождения"},
            {.title = "minor, medium, released: 1 year after release",
             .records = {prior("01.06.2015", "medium", {.served = QDate(2017, 2, 1)}, "Yes",
                               "Yes")},
             .crime = crime("grave", QDate(2017, 6, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2018, 2, 1)},
             .russianTitle = "несовершеннолетний, средней тяжести, освобождён: 1 год после "
                             "освобождения"},
            {.title = "minor, milder punishment: 6 months after it was served",
             .records = {prior("01.06.2015", "medium",
                               {.punishment = P::Milder, .served = QDate(2016, 2, 29)}, "No",
                               "Yes")},
             .crime = crime("medium", QDate(2016, 6, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2016, 8, 29)},
             .russianTitle = "несовершеннолетний, более мягкое наказание: 6 месяцев после "
                             "отбытия"},
        }};

    // Article 18 part 4 (c): a conditional sentence counts only when it was revoked
    // and the person sent to serve it before the new crime. Conditional sentence
    // of 1 March 2019 for a grave crime of 1 October 2018 (so the 8-year term of
    // Article 86 part 3 (d) applies), probation to 28 February 2022.
    const auto revokedOn = [](QDate day, QDate served = {}) {
        return ConvictionDetails{.crimeDate = QDate(2018, 10, 1),
                                 .punishment = P::Conditional,
                                 .served = served,
                                 .probationEnd = QDate(2022, 2, 28),
                                 .revoked = true,
                                 .revokedOn = day};
    };
    const LegalCaseGroup revocation{
        "The day of revocation",
        "День отмены условного осуждения",
        {
            {.title = "revoked in 2020 and served to 2023: counted, dangerous in 2024",
             .records = {prior("01.03.2019", "grave",
                               revokedOn(QDate(2020, 6, 15), QDate(2023, 6, 15)), "No")},
             .crime = crime("grave", QDate(2024, 1, 10)),
             .kind = K::Dangerous,
             .expiries = {QDate(2031, 6, 15)},
             .russianTitle = "отменено в 2020 г., наказание отбыто в 2023 г.: учитывается, "
                             "в 2024 г. опасный рецидив"},
            {.title = "revoked by the new crime's sentence: not counted",
             .records = {prior("01.03.2019", "grave", revokedOn(QDate(2020, 9, 1)), "No")},
             .crime = crime("grave", QDate(2020, 5, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2027, 3, 1)},
             .russianTitle = "отменено приговором за новое преступление: не учитывается"},
            {.title = "revoked on the day of the new crime: not before it, not counted",
             .records = {prior("01.03.2019", "grave", revokedOn(QDate(2020, 5, 1)), "No")},
             .crime = crime("grave", QDate(2020, 5, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2027, 3, 1)},
             .russianTitle = "отменено в день нового преступления: не до него, не учитывается"},
            {.title = "revoked the day before the new crime: counted",
             .records = {prior("01.03.2019", "grave", revokedOn(QDate(2020, 4, 30)), "No")},
             .crime = crime("grave", QDate(2020, 5, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2027, 3, 1)},
             .russianTitle = "отменено накануне нового преступления: учитывается"},
        }};

    // Article 86 part 1: a conviction exists from the day the sentence enters into
    // force. A sentence enters into force when its appeal term has run (Code of
    // Criminal Procedure, Art. 390 part 1): 10 days, 15 for sentences from
    // 9 January 2023 (Art. 389.4 part 1, Federal Law No. 608-FZ of 29 December 2022).
    const auto sentencedIn2024 = [](QDate inForce) {
        return ConvictionDetails{.crimeDate = QDate(2023, 5, 1), .inForce = inForce};
    };
    const LegalCaseGroup entryIntoForce{
        "Entry into force",
        "Вступление приговора в законную силу",
        {
            {.title = "in force after the new crime (appealed): no conviction yet",
             .records = {prior("10.01.2024", "grave", sentencedIn2024(QDate(2024, 3, 20)))},
             .crime = crime("grave", QDate(2024, 3, 19)),
             .kind = K::Neither,
             .expiries = {QDate(2032, 1, 10)},
             .russianTitle = "вступил в силу после нового преступления (обжалован): "
                             "судимости ещё не было"},
            {.title = "in force on the day of the new crime: counted",
             .records = {prior("10.01.2024", "grave", sentencedIn2024(QDate(2024, 3, 20)))},
             .crime = crime("grave", QDate(2024, 3, 20)),
             .kind = K::Dangerous,
             .expiries = {QDate(2032, 1, 10)},
             .russianTitle = "вступил в силу в день нового преступления: учитывается"},
            {.title = "no entry into force given, crime on the 15th day of the appeal term: "
                      "counted, flagged",
             .records = {prior("10.01.2024", "grave", sentencedIn2024({}))},
             .crime = crime("grave", QDate(2024, 1, 25)),
             .kind = K::Dangerous,
             .expiries = {QDate(2032, 1, 10)},
             .doubts = Doubt::AppealPeriod,
             .russianTitle = "день вступления в силу не указан, преступление на 15-й день "
                             "срока обжалования: учитывается, с предупреждением"},
            {.title = "no entry into force given, crime after the 15-day appeal term: "
                      "counted",
             .records = {prior("10.01.2024", "grave", sentencedIn2024({}))},
             .crime = crime("grave", QDate(2024, 1, 26)),
             .kind = K::Dangerous,
             .expiries = {QDate(2032, 1, 10)},
             .russianTitle = "день вступления в силу не указан, преступление после "
                             "15-дневного срока обжалования: учитывается"},
            {.title = "sentence of 2022: the appeal term was 10 days, crime on the 11th",
             .records = {prior("10.06.2022", "grave", {.crimeDate = QDate(2021, 5, 1)})},
             .crime = crime("grave", QDate(2022, 6, 21)),
             .kind = K::Dangerous,
             .expiries = {QDate(2030, 6, 10)},
             .russianTitle = "приговор 2022 г.: срок обжалования 10 суток, преступление "
                             "на 11-е сутки"},
            {.title = "sentence of 2022: crime on the 10th day of its appeal term, flagged",
             .records = {prior("10.06.2022", "grave", {.crimeDate = QDate(2021, 5, 1)})},
             .crime = crime("grave", QDate(2022, 6, 20)),
             .kind = K::Dangerous,
             .expiries = {QDate(2030, 6, 10)},
             .doubts = Doubt::AppealPeriod,
             .russianTitle = "приговор 2022 г.: преступление на 10-е сутки срока "
                             "обжалования, с предупреждением"},
        }};

    // Article 18 part 2 (a), 3 (a): "два или более раза было осуждено". Crimes
    // sentenced together (Art. 69 parts 3 and 5, Art. 70) make one conviction:
    // the sentence counts once, with its most serious crime. Each crime keeps the
    // term of its own category (Art. 86 part 3), from the end of the whole
    // sentence.
    const ConvictionDetails firstOfSentence{.crimeDate = QDate(2014, 3, 1),
                                            .punishment = P::Custody,
                                            .served = QDate(2020, 6, 1),
                                            .sentence = 1};
    ConvictionDetails secondOfSentence = firstOfSentence;
    secondOfSentence.crimeDate = QDate(2014, 9, 1);
    const LegalCaseGroup oneSentence{
        "One sentence for several crimes",
        "Один приговор за несколько преступлений",
        {
            {.title = "two grave crimes in one sentence and a new grave crime: dangerous, "
                      "not especially dangerous",
             .records = {prior("01.06.2015", "grave", firstOfSentence),
                         prior("01.06.2015", "grave", secondOfSentence)},
             .crime = crime("grave", QDate(2024, 5, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2028, 6, 1), QDate(2028, 6, 1)},
             .russianTitle = "два тяжких преступления по одному приговору и новое тяжкое: "
                             "опасный, а не особо опасный рецидив"},
            {.title = "the same two crimes in two sentences: especially dangerous",
             .records = {prior("01.06.2015", "grave",
                               {.crimeDate = QDate(2014, 3, 1),
                                .punishment = P::Custody,
                                .served = QDate(2020, 6, 1)}),
                         prior("01.06.2015", "grave",
                               {.crimeDate = QDate(2014, 9, 1),
                                .punishment = P::Custody,
                                .served = QDate(2020, 6, 1)})},
             .crime = crime("grave", QDate(2024, 5, 1)),
             .kind = K::EspeciallyDangerous,
             .expiries = {QDate(2028, 6, 1), QDate(2028, 6, 1)},
             .russianTitle = "те же преступления по двум приговорам: особо опасный рецидив"},
            {.title = "medium and grave in one sentence: each its own term from the release",
             .records = {prior("01.06.2015", "medium", {.punishment = P::Custody, .sentence = 1}),
                         prior("01.06.2015", "grave", firstOfSentence)},
             .crime = crime("grave", QDate(2024, 5, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2023, 6, 1), QDate(2028, 6, 1)},
             .russianTitle = "средней тяжести и тяжкое по одному приговору: у каждого свой "
                             "срок со дня освобождения"},
            {.title = "two medium crimes in one sentence: part 2 (a) needs two convictions",
             .records =
                 {prior("01.06.2015", "medium",
                        {.punishment = P::Custody, .served = QDate(2022, 6, 1), .sentence = 2}),
                  prior("01.06.2015", "medium", {.punishment = P::Custody, .sentence = 2})},
             .crime = crime("grave", QDate(2024, 5, 1)),
             .kind = K::Simple,
             .expiries = {QDate(2025, 6, 1), QDate(2025, 6, 1)},
             .russianTitle = "два преступления средней тяжести по одному приговору: для "
                             "п. «а» ч. 2 нужны две судимости"},
        }};

    // Article 86 part 3: the term runs from the end of the main and the additional
    // punishment, whichever is later.
    const LegalCaseGroup additionalPunishment{
        "Additional punishment",
        "Дополнительное наказание",
        {
            {.title = "restriction of liberty after prison: 8 years from its end",
             .records = {prior("01.06.2015", "grave",
                               {.crimeDate = QDate(2014, 11, 10),
                                .punishment = P::Custody,
                                .served = QDate(2020, 6, 1),
                                .additionalEnd = QDate(2021, 6, 1)})},
             .crime = crime("grave", QDate(2028, 12, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2029, 6, 1)},
             .russianTitle = "ограничение свободы после лишения свободы: 8 лет с его "
                             "окончания"},
            {.title = "compulsory work and a driving ban: a year from the ban's end",
             .records = {prior("01.09.2021", "medium",
                               {.punishment = P::Milder,
                                .served = QDate(2022, 3, 1),
                                .additionalEnd = QDate(2024, 9, 1)},
                               "No")},
             .crime = crime("medium", QDate(2025, 6, 1)),
             .kind = K::Simple,
             .expiries = {QDate(2025, 9, 1)},
             .russianTitle = "обязательные работы и лишение права управлять: год с "
                             "окончания лишения права"},
            // Supreme Court ruling 42-UD25-1-K4 of 8 April 2025: expunged with
            // probation while the driving ban still ran; courts have differed.
            {.title = "conditional with a driving ban that outlasts probation: expunged with "
                      "probation, flagged",
             .records = {prior("21.01.2021", "small",
                               {.punishment = P::Conditional,
                                .probationEnd = QDate(2023, 1, 21),
                                .additionalEnd = QDate(2023, 8, 2)},
                               "No")},
             .crime = crime("small", QDate(2023, 5, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2023, 1, 22)},
             .doubts = Doubt::AdditionalOutlastedProbation,
             .russianTitle = "условное осуждение с лишением права управлять дольше "
                             "испытательного срока: погашена с его истечением, с "
                             "предупреждением"},
            {.title = "the same after the ban ended: no doubt",
             .records = {prior("21.01.2021", "small",
                               {.punishment = P::Conditional,
                                .probationEnd = QDate(2023, 1, 21),
                                .additionalEnd = QDate(2023, 8, 2)},
                               "No")},
             .crime = crime("small", QDate(2023, 8, 3)),
             .kind = K::Neither,
             .expiries = {QDate(2023, 1, 22)},
             .russianTitle = "то же после окончания лишения права: без сомнений"},
        }};

    // Article 86 parts 5 and 6: a removed conviction no longer counts from the day
    // it was removed.
    const ConvictionDetails removedEarly{.crimeDate = QDate(2014, 11, 10),
                                         .punishment = P::Custody,
                                         .served = QDate(2020, 6, 1),
                                         .removed = QDate(2023, 2, 1)};
    const LegalCaseGroup removal{"Removed convictions",
                                 "Снятая судимость",
                                 {
                                     {.title = "the day before its removal: counted",
                                      .records = {prior("01.06.2015", "grave", removedEarly)},
                                      .crime = crime("grave", QDate(2023, 1, 31)),
                                      .kind = K::Dangerous,
                                      .expiries = {QDate(2023, 2, 1)},
                                      .russianTitle = "накануне снятия: учитывается"},
                                     {.title = "on the day of its removal: no longer counted",
                                      .records = {prior("01.06.2015", "grave", removedEarly)},
                                      .crime = crime("grave", QDate(2023, 2, 1)),
                                      .kind = K::Neither,
                                      .expiries = {QDate(2023, 2, 1)},
                                      .russianTitle = "в день снятия: уже не учитывается"},
                                 }};

    // Article 86 part 4: after parole, or once the rest was replaced by a milder
    // punishment (Art. 80), the term of the crime's category runs from the day
    // the whole punishment ended.
    const LegalCaseGroup earlyRelease{
        "Parole and replacement by a milder punishment",
        "Условно-досрочное освобождение и замена более мягким наказанием",
        {
            {.title = "paroled in 2019: 8 years from the release",
             .records = {prior("01.06.2016", "grave",
                               {.crimeDate = QDate(2015, 5, 1),
                                .punishment = P::Custody,
                                .served = QDate(2019, 3, 1)})},
             .crime = crime("grave", QDate(2027, 2, 28)),
             .kind = K::Dangerous,
             .expiries = {QDate(2027, 3, 1)},
             .russianTitle = "освобождён условно-досрочно в 2019 г.: 8 лет с освобождения"},
            {.title = "rest replaced by forced labour ended 2021: 8 years, not one",
             .records = {prior("01.06.2016", "grave",
                               {.crimeDate = QDate(2015, 5, 1),
                                .punishment = P::Custody,
                                .served = QDate(2021, 3, 1)})},
             .crime = crime("grave", QDate(2023, 1, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2029, 3, 1)},
             .russianTitle = "неотбытая часть заменена принудительными работами, "
                             "оконченными в 2021 г.: 8 лет, а не один год"},
        }};

    // Where the letter of Article 18 and the courts part ways, or a fact not given
    // would change the answer.
    const LegalCaseGroup doubts{
        "Court practice and doubts",
        "Судебная практика и сомнения",
        {
            {.title = "especially grave new crime, one grave prior with custody: dangerous "
                      "under part 2 (b) as courts apply it",
             .records = {prior("01.06.2015", "grave", released)},
             .crime = crime("especially grave", QDate(2024, 5, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2028, 6, 1)},
             .russianTitle = "новое особо тяжкое, одна судимость за тяжкое с лишением "
                             "свободы: опасный рецидив по п. «б» ч. 2, как применяют суды"},
            {.title = "especially grave new crime, two medium priors: part 1 by the letter, "
                      "courts differ",
             .records = {conviction("01.06.2022", "medium"), conviction("01.07.2022", "medium")},
             .crime = crime("especially grave", QDate(2024, 5, 1)),
             .kind = K::Simple,
             .expiries = {QDate(2025, 6, 1), QDate(2025, 7, 1)},
             .doubts = Doubt::Part2aEspeciallyGrave,
             .russianTitle = "новое особо тяжкое, две судимости средней тяжести: по букве "
                             "ч. 1, практика расходится"},
            {.title = "grave new crime with custody, one grave and one especially grave "
                      "prior: dangerous by the letter, courts differ",
             .records = {prior("01.06.2015", "grave", released),
                         prior("01.07.2015", "especially grave",
                               {.crimeDate = QDate(2014, 11, 10),
                                .punishment = P::Custody,
                                .served = QDate(2020, 6, 1)})},
             .crime = crime("grave", QDate(2024, 5, 1)),
             .kind = K::Dangerous,
             .expiries = {QDate(2028, 6, 1), QDate(2030, 6, 1)},
             .doubts = Doubt::Part3aEspeciallyGravePrior,
             .russianTitle = "новое тяжкое с лишением свободы, судимости за тяжкое и особо "
                             "тяжкое: по букве опасный рецидив, практика расходится"},
            {.title = "crime date not given, convicted after 3 August 2013: the 6-year "
                      "term, the 8-year term would differ",
             .records = {prior("01.12.2013", "grave", {.served = QDate(2015, 1, 1)})},
             .crime = crime("grave", QDate(2022, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2021, 1, 1)},
             .doubts = Doubt::CrimeDateDecides,
             .russianTitle = "дата преступления не указана, осуждён после 3 августа 2013 г.: "
                             "срок 6 лет, при 8 годах вывод иной"},
            {.title = "crime date not given, both terms over: no doubt",
             .records = {prior("01.12.2013", "grave", {.served = QDate(2015, 1, 1)})},
             .crime = crime("grave", QDate(2023, 1, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2021, 1, 1)},
             .russianTitle = "дата преступления не указана, оба срока истекли: без "
                             "сомнений"},
            {.title = "new crime on the day the conviction is expunged: expunged, flagged",
             .records = {prior("01.06.2015", "grave", released)},
             .crime = crime("grave", QDate(2028, 6, 1)),
             .kind = K::Neither,
             .expiries = {QDate(2028, 6, 1)},
             .doubts = Doubt::BoundaryDay,
             .russianTitle = "новое преступление в день погашения судимости: погашена, с "
                             "предупреждением"},
        }};

    return {servedDay,      terms2013,        conditionalAndDeferred,
            part3b,         milderPunishment, negligence,
            part1,          minors,           revocation,
            entryIntoForce, oneSentence,      additionalPunishment,
            removal,        earlyRelease,     doubts};
}
