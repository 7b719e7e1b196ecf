// The localisation pass: makes the language named in the selector current and
// writes every text of the three windows, and the category texts, from the catalogue.
#pragma once

class TForm1;

void LocalizeInterface(TForm1 &form);
