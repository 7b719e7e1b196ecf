// One previous conviction, held as the six texts the list shows and the facts
// the record dialog's details add.
#pragma once

#include "assessment/convictiondetails.h"

#include <QString>

struct ConvictionRecord
{
    enum Field {
        DateField,
        SeverityField,
        CustodyField,
        JuvenileField,
        ReprieveField,
        InForceField
    };
    static constexpr int FieldCount = 6;

    QString Date;     // in the user's short date format
    QString Severity; // a category text (after loading a file, any text)
    QString Custody;  // answer text: actual deprivation of liberty was imposed
    QString Juvenile; // answer text: committed as a minor
    QString Reprieve; // answer text: execution of the sentence was deferred
    QString InForce;  // answer text written by the assessment; empty until then
    ConvictionDetails Details{};

    const QString &field(Field which) const
    {
        switch (which) {
        case DateField: return Date;
        case SeverityField: return Severity;
        case CustodyField: return Custody;
        case JuvenileField: return Juvenile;
        case ReprieveField: return Reprieve;
        case InForceField: break;
        }
        return InForce;
    }

    friend bool operator==(const ConvictionRecord &, const ConvictionRecord &) = default;
};
