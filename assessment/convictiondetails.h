// What a user may know about a previous conviction beyond the list's columns:
// when the crime was committed, the kind of punishment, when it was served, and
// whether the crime was negligent; when the sentence entered into force, when a
// conditional sentence or deferral was revoked, which rows one sentence covers,
// when an additional punishment ended and when the conviction was removed.
// Every fact is optional; the assessment falls back on the columns for what is
// not given.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Stored in record files by these numbers: the order is fixed.
enum class PunishmentKind {
    NotGiven = 0,
    Custody = 1,     // real deprivation of liberty
    Conditional = 2, // a conditional sentence (probation)
    Deferred = 3,    // execution of the sentence deferred
    Milder = 4,      // a punishment milder than deprivation of liberty
};
inline constexpr int PunishmentKindCount = 5;

// The conviction a file's details were written for, as the file names it: its
// date and its category text as written then. Unknown (a null date) where the
// file does not say.
struct DetailsOwner
{
    QDate date;
    QString severity;

    bool known() const { return date.isValid(); }

    friend bool operator==(const DetailsOwner &, const DetailsOwner &) = default;
};

// Details read from a file that may be another conviction's: since they were
// written, the list was changed by a program that does not keep details with
// their rows (by hand, or by an older version). They are kept and used, and the
// row is marked, until the user confirms them with OK in the record dialog.
struct UnconfirmedDetails
{
    // The first details (crime date to negligence), when unconfirmed: whom they
    // were written for.
    std::optional<DetailsOwner> earlier;
    // The later details (entry into force to removal), likewise.
    std::optional<DetailsOwner> later;

    bool any() const { return earlier || later; }
    // Whom the details were written for, where the file says.
    std::optional<DetailsOwner> writtenFor() const
    {
        for (const std::optional<DetailsOwner> &owner : {earlier, later}) {
            if (owner && owner->known())
                return owner;
        }
        return std::nullopt;
    }

    friend bool operator==(const UnconfirmedDetails &, const UnconfirmedDetails &) = default;
};

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
    // Which of the details above may be another conviction's; none for details
    // the user entered or confirmed.
    UnconfirmedDetails unconfirmed{};

    bool isEmpty() const { return *this == ConvictionDetails{}; }
    // The facts of the first details alone (crime date to negligence), and of the
    // later ones alone (entry into force to removal), none marked unconfirmed.
    ConvictionDetails earlierPart() const
    {
        return {crimeDate, punishment, served, probationEnd, revoked, negligent,
                {},        {},         0,      {},           {},      {}};
    }
    ConvictionDetails laterPart() const
    {
        return {{},       PunishmentKind::NotGiven,
                {},       {},
                false,    false,
                inForce,  revokedOn,
                sentence, additionalEnd,
                removed,  {}};
    }
    // The facts that are unconfirmed; empty when all are the row's own.
    ConvictionDetails unconfirmedPart() const
    {
        ConvictionDetails part = unconfirmed.earlier ? earlierPart() : ConvictionDetails{};
        if (unconfirmed.later) {
            const ConvictionDetails later = laterPart();
            part.inForce = later.inForce;
            part.revokedOn = later.revokedOn;
            part.sentence = later.sentence;
            part.additionalEnd = later.additionalEnd;
            part.removed = later.removed;
        }
        return part;
    }

    friend bool operator==(const ConvictionDetails &, const ConvictionDetails &) = default;
};
