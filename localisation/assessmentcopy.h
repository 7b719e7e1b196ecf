// The assessment as the clipboard takes it: the result, what qualifies it and
// what it entails, then the convictions with their dates and answers. The same
// content as the report (reportcontent), compact: an HTML fragment a word
// processor pastes as a plain bordered table, and plain text with aligned
// columns for an e-mail.
#pragma once

#include "localisation/reportcontent.h"

#include <QString>

struct AssessmentCopy
{
    QString html;
    QString plain;
};

// A note longer than this (its lines joined) leaves the notes column out: the
// exported report gives it whole.
inline constexpr qsizetype ShortNoteLength = 80;

AssessmentCopy assessmentCopy(const ReportContent &content);
