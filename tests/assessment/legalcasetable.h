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

    return {servedDay, terms2013, conditionalAndDeferred, part3b, milderPunishment, negligence,
            part1,     minors};
}
