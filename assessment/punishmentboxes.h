// The kind of punishment and the record's custody and reprieve boxes say the same
// thing twice: real deprivation of liberty goes with the custody box checked and
// no reprieve, deferred execution with the reprieve box checked, and a
// conditional or milder punishment with neither box. Whichever the user changes,
// the other follows.
#pragma once

#include "assessment/convictiondetails.h"

struct PunishmentBoxes
{
    PunishmentKind kind = PunishmentKind::NotGiven;
    bool custody = false;
    bool reprieve = false;

    friend bool operator==(const PunishmentBoxes &, const PunishmentBoxes &) = default;
};

// The kind was chosen: the boxes follow it ("not given" leaves them).
PunishmentBoxes withKind(PunishmentBoxes state, PunishmentKind kind);
// A box was changed: a kind it contradicts gives way to the one the box means,
// or to "not given".
PunishmentBoxes withCustodyBox(PunishmentBoxes state, bool custody);
PunishmentBoxes withReprieveBox(PunishmentBoxes state, bool reprieve);

// Whether the kind and the boxes agree.
bool agrees(const PunishmentBoxes &state);
// The kind as far as it agrees with the boxes: a record file read by an older
// reader has only the boxes, so where the two differ the boxes hold.
PunishmentKind kindAgreeingWithBoxes(const PunishmentBoxes &state);
