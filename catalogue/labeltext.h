// A window's label used as the start of another text: "Date of the new crime:"
// and the French "Date de la nouvelle infraction :" lose their colon, so that
// the text that takes them sets its own punctuation.
#pragma once

#include <QString>

QString withoutColon(const QString &label);

// A text of a menu, a label or a check box as plain text: its access-key marker
// dropped ("&Date of conviction:" becomes "Date of conviction:") and a doubled
// "&&" read as one "&".
QString withoutAccessKey(const QString &text);
