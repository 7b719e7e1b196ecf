// The assessment taken out of the program: as a PDF report to a file the user
// names (ui/report), or onto the clipboard (localisation/assessmentcopy).
#pragma once

#include "localisation/reportcontent.h"

#include <QString>

#include <optional>

class FileChooser;
class LanguageCatalogue;
class QWidget;

// Asks for the file to write the report to, the dialog offering the list's
// file's name under the report's suffix; nothing when the user cancels.
std::optional<QString> chooseReportFile(QWidget *owner, FileChooser &chooser,
                                        const LanguageCatalogue &catalogue,
                                        const QString &listFile);

// Puts the report's content on the clipboard, as HTML and as plain text.
void copyToClipboard(const ReportContent &content);
