// What a user may know about a previous conviction beyond the list's columns:
// when the crime was committed, the kind of punishment, when it was served, and
// whether the crime was negligent; when the sentence entered into force, when a
// conditional sentence or deferral was revoked, which rows one sentence covers,
// when an additional punishment ended and when the conviction was removed.
// Every fact is optional; the assessment falls back on the columns for what is
// not given.
#pragma once

#include <QDate>

// Stored in record files by these numbers: the order is fixed.
enum class PunishmentKind {
    NotGiven = 0,
    Custody = 1,     // real deprivation of liberty
    Conditional = 2, // a conditional sentence (probation)
    Deferred = 3,    // execution of the sentence deferred
    Milder = 4,      // a punishment milder than deprivation of liberty
};
inline constexpr int PunishmentKindCount = 5;

struct ConvictionDetails
{
    QDate crimeDate{}; // the day the crime was committed; null when not given
    PunishmentKind punishment = PunishmentKind::NotGiven;
    QDate served{};       // release from custody, or the end of a milder punishment
    QDate probationEnd{}; // the last day of a conditional sentence's probation
    // The conditional sentence or deferral was revoked and the person sent to serve it.
    bool revoked = false;
    bool negligent = false; // committed through negligence; intentional when false
    QDate inForce{};        // the day the sentence entered into legal force
    QDate revokedOn{};      // the day the conditional sentence or deferral was revoked
    // Rows that share a positive number were sentenced together (by one sentence,
    // or joined under Article 69 parts 3 and 5 or Article 70); 0 when not given.
    int sentence = 0;
    QDate additionalEnd{}; // the day the additional punishment ended
    QDate removed{};       // the day the conviction was removed (annulled before its term)

    bool isEmpty() const { return *this == ConvictionDetails{}; }

    friend bool operator==(const ConvictionDetails &, const ConvictionDetails &) = default;
};
