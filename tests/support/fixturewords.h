// The fixture's words, as an interface of one language writes a record: its
// category names and the answers "Yes" and "No".
#pragma once

#include "records/recordwords.h"
#include "support/assessmentfixture.h"

inline RecordTexts fixtureTexts()
{
    const auto &names = fixtureCategoryNames();
    return RecordTexts{
        CrimeCategories{{names[0], names[1], names[2], names[3]}},
        AnswerTexts{"Yes", "No"},
    };
}
