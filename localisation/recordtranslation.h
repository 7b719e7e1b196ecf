// Carries the list of convictions across a change of language: each text that
// is one of the old language's category or answer texts becomes the new one.
#pragma once

#include "assessment/convictionrecord.h"
#include "assessment/crimecategories.h"

#include <QList>

class RecordList;

// Rewrites every row: a severity naming old category i (CrimeCategories::gravityOf)
// becomes new category i; a yes/no field or InForce equal to the old Yes or No
// text becomes the new one; any other text stays as it is.
void translateRecords(RecordList &list, const RecordTexts &before, const RecordTexts &after);
// The same rewriting of records held apart from the list.
QList<ConvictionRecord> translatedRecords(QList<ConvictionRecord> rows, const RecordTexts &before,
                                          const RecordTexts &after);
ConvictionRecord translatedRecord(ConvictionRecord row, const RecordTexts &before,
                                  const RecordTexts &after);
