// The four categories of gravity and the two answer texts, as the current
// language writes them; records hold these texts, not codes.
#pragma once

#include <QString>

#include <array>

// Index order is fixed: the assessment relies on it.
enum class Gravity { Small = 0, Medium = 1, Grave = 2, EspeciallyGrave = 3 };

struct CrimeCategories
{
    std::array<QString, 4> texts; // empty until the interface texts are first written

    const QString &operator[](Gravity gravity) const { return texts[std::size_t(gravity)]; }
    const QString &operator[](int index) const { return texts[std::size_t(index)]; }
};

// The current language's "String.Yes" and "String.No".
struct AnswerTexts
{
    QString yes;
    QString no;
};

// The current language's result texts for the four outcomes.
struct ResultTexts
{
    QString neither;             // "String.RecidivNo": no recidivism at all
    QString dangerous;           // "String.DangerRecidiv"
    QString especiallyDangerous; // "String.EspeciallyDangerRecidiv"
    QString simple;              // "String.Recidiv": recidivism, neither dangerous kind
};

// Everything the assessment compares with or writes, looked up once per run.
struct AssessmentTexts
{
    CrimeCategories categories;
    AnswerTexts answers;
    ResultTexts results;
};
