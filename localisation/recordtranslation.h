// Carries the list of convictions across a change of language: each text that
// is one of the old language's category or answer texts becomes the new one.
#pragma once

#include "assessment/crimecategories.h"

class RecordList;

// Rewrites every row: a severity naming old category i (CrimeCategories::gravityOf)
// becomes new category i; a yes/no field or InForce equal to the old Yes or No
// text becomes the new one; any other text stays as it is.
void translateRecords(RecordList &list, const RecordTexts &before, const RecordTexts &after);
