#include "assessment/punishmentboxes.h"

PunishmentBoxes withKind(PunishmentBoxes state, PunishmentKind kind)
{
    state.kind = kind;
    switch (kind) {
    case PunishmentKind::Custody:
        state.custody = true;
        state.reprieve = false;
        break;
    case PunishmentKind::Deferred: state.reprieve = true; break;
    case PunishmentKind::Conditional:
    case PunishmentKind::Milder:
        state.custody = false;
        state.reprieve = false;
        break;
    case PunishmentKind::NotGiven: break;
    }
    return state;
}

PunishmentBoxes withCustodyBox(PunishmentBoxes state, bool custody)
{
    state.custody = custody;
    if (agrees(state))
        return state;
    // Checked over a conditional or milder punishment: the user means real
    // custody. Cleared under real custody: the kind is no longer known.
    return withKind(state, custody ? PunishmentKind::Custody : PunishmentKind::NotGiven);
}

PunishmentBoxes withReprieveBox(PunishmentBoxes state, bool reprieve)
{
    state.reprieve = reprieve;
    if (agrees(state))
        return state;
    return withKind(state, reprieve ? PunishmentKind::Deferred : PunishmentKind::NotGiven);
}

bool agrees(const PunishmentBoxes &state)
{
    switch (state.kind) {
    case PunishmentKind::Custody: return state.custody && !state.reprieve;
    case PunishmentKind::Deferred: return state.reprieve;
    case PunishmentKind::Conditional:
    case PunishmentKind::Milder: return !state.custody && !state.reprieve;
    case PunishmentKind::NotGiven: break;
    }
    return true;
}

PunishmentKind kindAgreeingWithBoxes(const PunishmentBoxes &state)
{
    return agrees(state) ? state.kind : PunishmentKind::NotGiven;
}
