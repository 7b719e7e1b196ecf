// The words a record is read from and written in: the four categories and the two
// answers, as one language writes them. Records hold values; these texts exist
// only where a file is read or written and where a list is shown.
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/gravity.h"

#include <QString>

#include <array>
#include <optional>

struct CrimeCategories
{
    std::array<QString, 4> texts; // empty until the interface texts are first written

    const QString &operator[](Gravity gravity) const { return texts[std::size_t(gravity)]; }
    const QString &operator[](int index) const { return texts[std::size_t(index)]; }

    // The category a text names, compared exactly; none for any other text. When a
    // language gives two categories the same text, the more serious one.
    std::optional<Gravity> gravityOf(const QString &text) const
    {
        for (std::size_t index = texts.size(); index-- > 0;) {
            if (text == texts[index])
                return Gravity(index);
        }
        return std::nullopt;
    }

    // The text a conviction's category shows in: the category's, or the
    // unrecognised text as it came.
    QString textOf(const ConvictionGravity &gravity) const
    {
        return gravity.known() ? (*this)[*gravity.known()] : gravity.unrecognisedText();
    }
};

// A language's "String.Yes" and "String.No".
struct AnswerTexts
{
    QString yes;
    QString no;

    const QString &textOf(bool answer) const { return answer ? yes : no; }
};

// The texts a record's fields are shown in.
struct RecordTexts
{
    CrimeCategories categories;
    AnswerTexts answers;
};
