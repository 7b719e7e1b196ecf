// A window's label used as the start of another text: "Date of the new crime:"
// and the French "Date de la nouvelle infraction :" lose their colon, so that
// the text that takes them sets its own punctuation.
#pragma once

#include <QString>

QString withoutColon(const QString &label);
