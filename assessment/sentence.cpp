#include "assessment/sentence.h"

Sentence sentenceOf(const ConvictionRecord &record)
{
    const bool revoked = record.details.revoked;
    switch (record.details.punishment) {
    case PunishmentKind::Custody: return Sentence::Custody;
    case PunishmentKind::Conditional: return revoked ? Sentence::Custody : Sentence::Conditional;
    case PunishmentKind::Deferred: return revoked ? Sentence::Custody : Sentence::Deferred;
    case PunishmentKind::Milder: return Sentence::Milder;
    case PunishmentKind::NotGiven: break;
    }
    if (record.reprieve)
        return revoked ? Sentence::Custody : Sentence::Deferred;
    return record.custody ? Sentence::Custody : Sentence::Unspecified;
}
