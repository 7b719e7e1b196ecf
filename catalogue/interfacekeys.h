// The text keys the program looks up: the interface texts in the order the
// localisation pass writes them, and the texts commands look up when they act.
#pragma once

#include <QString>

#include <array>

inline constexpr std::array<const char16_t *, 60> InterfaceTextKeys = {
    u"Caption.EditFrm",
    u"Button.Ok",
    u"Button.Cancel",
    u"String.SmallCrime",
    u"String.AverageCrime",
    u"String.SeriousCrime",
    u"String.ParticularlySeriousCrime",
    u"String.GravityOfCrime",
    u"String.DateOfCrime",
    u"String.ActualCustodyImposed",
    u"String.JuvenileCrime",
    u"String.ReprieveExisted",
    u"Button.Ok",
    u"String.AuthorQuennard",
    u"Caption.Kovrant_MainForm",
    u"Caption.Kovrant_MainForm",
    u"Menu.Files",
    u"Menu.Exit",
    u"String.LoadFromFileCharacters",
    u"Button.Clear",
    u"String.SaveToFileCharacters",
    u"Menu.Help",
    u"String.Content",
    u"String.PasteData",
    u"String.Web",
    u"String.EMail",
    u"Menu.About",
    u"Menu.Options",
    u"Menu.Language",
    u"Button.Add",
    u"Menu.Edit",
    u"Menu.Delete",
    u"Group.CrimeChosen",
    u"String.Convictions",
    u"String.DateOfConviction",
    u"String.GravityOfCrime",
    u"String.ActualCustody",
    u"String.Juvenile",
    u"String.StayOfExecution",
    u"String.Convictions",
    u"String.SmallCrime",
    u"String.AverageCrime",
    u"String.SeriousCrime",
    u"String.ParticularlySeriousCrime",
    u"String.SmallCrime",
    u"String.AverageCrime",
    u"String.SeriousCrime",
    u"String.ParticularlySeriousCrime",
    u"String.GravityOfCrime",
    u"String.Result",
    u"String.ConvictionCancelled",
    u"String.DateRecidivismCalculation",
    u"String.ActualCustody",
    u"String.AuthorQuennard",
    u"String.CharacterFileFilter",
    u"String.CharacterFileFilter",
    u"Button.Add",
    u"Menu.Edit",
    u"Menu.Delete",
    u"Menu.About",
};

// Texts looked up by commands rather than written into the interface.
inline constexpr std::array<const char16_t *, 10> CommandTextKeys = {
    u"String.Yes",
    u"String.No",
    u"String.RecidivNo",
    u"String.DangerRecidiv",
    u"String.EspeciallyDangerRecidiv",
    u"Button.Open",
    u"Button.SaveAs",
    u"String.WebLink",
    u"String.Result",
    u"String.HelpFileMissing",
};

// The category keys, index 0 small gravity to 3 especially grave.
inline constexpr std::array<const char16_t *, 4> CategoryTextKeys = {
    u"String.SmallCrime",
    u"String.AverageCrime",
    u"String.SeriousCrime",
    u"String.ParticularlySeriousCrime",
};
