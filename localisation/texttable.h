// Texts filled by key: a table pairs each text key with the one receiver its text
// goes to, so that a key missed or added moves no other text.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class LanguageCatalogue;

struct TextReceiver
{
    const char16_t *key; // "Section.Name"
    std::function<void(const QString &)> receive;
};

using TextTable = QList<TextReceiver>;

// A receiver that stores the text in a string of a plain value.
std::function<void(const QString &)> into(QString &target);

// A receiver that stores a window's label as the start of another text: its
// access-key marker and its colon dropped ("Date of the &new crime:" becomes
// "Date of the new crime").
std::function<void(const QString &)> intoLabel(QString &target);

// A receiver that stores a window's text shown elsewhere as plain text: its
// access-key marker dropped ("Crime committed through ne&gligence").
std::function<void(const QString &)> intoPlain(QString &target);

// Looks every key up in the catalogue and hands its text to its receiver, in
// the table's order.
void applyTexts(const LanguageCatalogue &catalogue, const TextTable &table);

// A plain value of texts filled through its table.
template<typename Texts>
Texts textsFrom(const LanguageCatalogue &catalogue, TextTable (*table)(Texts &))
{
    Texts texts;
    applyTexts(catalogue, table(texts));
    return texts;
}

// The keys of a table, in its order: what tests and benchmarks look up.
QStringList keysOf(const TextTable &table);

// Fills a text's placeholders %1, %2, ... with the values in one pass, so that a
// value holding "%2" stays as it is (arg() chained would fill it too). A text from an older
// language file that marks its one value "%s" is read as if it said "%1".
QString filledText(const QString &text, const QString &value);
QString filledText(const QString &text, const QString &first, const QString &second);
QString filledText(const QString &text, const QString &first, const QString &second,
                   const QString &third);
