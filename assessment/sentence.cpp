#include "assessment/sentence.h"

Sentence sentenceOf(const ConvictionRecord &record, const AnswerTexts &answers)
{
    const bool revoked = record.Details.revoked;
    switch (record.Details.punishment) {
    case PunishmentKind::Custody: return Sentence::Custody;
    case PunishmentKind::Conditional: return revoked ? Sentence::Custody : Sentence::Conditional;
    case PunishmentKind::Deferred: return revoked ? Sentence::Custody : Sentence::Deferred;
    case PunishmentKind::Milder: return Sentence::Milder;
    case PunishmentKind::NotGiven: break;
    }
    // Any reprieve text but "no" is a deferral, as the tally has always read it.
    if (record.Reprieve != answers.no)
        return revoked ? Sentence::Custody : Sentence::Deferred;
    return record.Custody == answers.yes ? Sentence::Custody : Sentence::Unspecified;
}
