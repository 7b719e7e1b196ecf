// The four categories of gravity and the two answer texts, as the current
// language writes them; records hold these texts, not codes.
#pragma once

#include <QString>

#include <array>
#include <optional>

// Index order is fixed: the assessment relies on it.
enum class Gravity { Small = 0, Medium = 1, Grave = 2, EspeciallyGrave = 3 };

struct CrimeCategories
{
    std::array<QString, 4> texts; // empty until the interface texts are first written

    const QString &operator[](Gravity gravity) const { return texts[std::size_t(gravity)]; }
    const QString &operator[](int index) const { return texts[std::size_t(index)]; }

    // The category a text names, compared exactly; none for any other text. When a
    // language gives two categories the same text, the more serious one: every
    // reading of a record (its term, its tally, its translation) takes this rule.
    std::optional<Gravity> gravityOf(const QString &text) const
    {
        for (std::size_t index = texts.size(); index-- > 0;) {
            if (text == texts[index])
                return Gravity(index);
        }
        return std::nullopt;
    }
};

// The current language's "String.Yes" and "String.No".
struct AnswerTexts
{
    QString yes;
    QString no;
};

// The texts a record's fields are written in: what the assessment compares with.
struct RecordTexts
{
    CrimeCategories categories;
    AnswerTexts answers;
};
