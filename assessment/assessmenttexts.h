// The texts one assessment run compares with and writes, looked up once per run
// rather than once per row.
#pragma once

#include "assessment/crimecategories.h"

class LanguageCatalogue;

AssessmentTexts lookUpAssessmentTexts(const LanguageCatalogue &catalogue,
                                      const CrimeCategories &categories);
