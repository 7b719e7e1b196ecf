// One previous conviction, held as the facts the list shows and the facts the
// record dialog's details add. It holds values: the words a list shows them in
// are the view's, and the words a file writes them in are the file's.
#pragma once

#include "assessment/convictiondetails.h"
#include "assessment/gravity.h"

#include <QDate>
#include <QString>

#include <optional>

// A conviction's category: one of the four, or, read from a file, a text that
// names none in any installed language, kept as it came so that it shows and
// saves as it was written. Such a conviction has no term and no tally.
class ConvictionGravity
{
public:
    ConvictionGravity() = default;
    ConvictionGravity(Gravity gravity)
        : m_gravity(gravity)
    {
    }
    static ConvictionGravity unrecognised(const QString &text)
    {
        ConvictionGravity named;
        named.m_text = text;
        return named;
    }

    const std::optional<Gravity> &known() const { return m_gravity; }
    // The text of an unrecognised category; empty for a known one.
    const QString &unrecognisedText() const { return m_text; }

    friend bool operator==(const ConvictionGravity &, const ConvictionGravity &) = default;

private:
    std::optional<Gravity> m_gravity;
    QString m_text;
};

struct ConvictionRecord
{
    QDate date;
    ConvictionGravity gravity;
    bool custody = false;  // actual deprivation of liberty was imposed
    bool juvenile = false; // committed as a minor
    bool reprieve = false; // execution of the sentence was deferred
    ConvictionDetails details{};

    friend bool operator==(const ConvictionRecord &, const ConvictionRecord &) = default;
};
