// The text keys commands look up by name when they act. The texts written into
// the windows, the notes of an assessment and the report are filled from tables
// of their own, by key (TForm1::interfaceTextTable, explanationTextTable,
// reportTextTable); these are the rest.
#pragma once

#include <array>

inline constexpr std::array<const char16_t *, 8> CommandTextKeys = {
    u"String.Yes",        u"String.No",
    u"Button.Open",       u"Button.SaveAs",
    u"String.WebLink",    u"String.HelpFileMissing",
    u"Menu.ExportReport", u"String.ReportFileFilter",
};

// The category keys, index 0 small gravity to 3 especially grave.
inline constexpr std::array<const char16_t *, 4> CategoryTextKeys = {
    u"String.SmallCrime",
    u"String.AverageCrime",
    u"String.SeriousCrime",
    u"String.ParticularlySeriousCrime",
};
