// The sentence a previous conviction carried, as the assessment reads it from the
// punishment kind, the revocation and, when no kind is given, the check boxes. A
// revoked conditional sentence or deferral is real deprivation of liberty.
#pragma once

#include "assessment/convictionrecord.h"

enum class Sentence {
    Custody,     // real deprivation of liberty
    Conditional, // conditional, not revoked
    Deferred,    // execution deferred, not revoked
    Milder,      // milder than deprivation of liberty
    Unspecified, // no kind given and the custody box cleared
};

Sentence sentenceOf(const ConvictionRecord &record);
