// The report of an assessment as a PDF document on A4 pages, in the language
// its content was written in (localisation/reportcontent).
#pragma once

#include "localisation/reportcontent.h"
#include "ui/filechooser.h"

#include <QString>

class LanguageCatalogue;

// The save dialog of the export: the menu text without its trailing dots, the
// PDF filter and suffix.
FileDialogSetup reportFileDialogSetup(const LanguageCatalogue &catalogue);

// Lays the report out and writes it as a PDF document, replacing the file in one
// step: a failed write leaves what was there. Raises "Unable to write to".
void writeReport(const QString &path, const ReportContent &content);
