// The main window's texts by key: its own (its title, menus and commands, the
// category names, and the texts of the groups and bars it holds), and with the
// record dialog's and the about box's, the whole interface's.
#include "ui/main.h"

#include "catalogue/labeltext.h"
#include "ui/about.h"
#include "ui/addedit_unit.h"
#include "ui/authorstatusbar.h"
#include "ui/convictionsgroup.h"
#include "ui/newcrimegroup.h"
#include "ui/resultarea.h"
#include "ui/textreceivers.h"
#include "ui/undoactions.h"

#include <QMenu>

TextTable TForm1::textTable()
{
    TextTable texts{
        {u"Caption.Kovrant_MainForm",
         [this](const QString &text) {
             m_caption = withoutAccessKey(text);
             showTitle();
         }},
        {u"Menu.Files", titleOf(N1)},
        {u"Menu.Exit", textOf(N2)},
        {u"String.LoadFromFileCharacters", textOf(N3)},
        {u"Button.Clear", textOf(N11)},
        {u"Menu.Save", textOf(SaveAction)},
        {u"String.SaveToFileCharacters", textOf(N50)},
        {u"Menu.ExportReport", textOf(N51)},
        {u"Menu.EditTitle", titleOf(EditMenu)},
        {u"String.CopyAssessment", textOf(CopyAssessment)},
        {u"Menu.Help", titleOf(N5)},
        {u"String.Content", textOf(N6)},
        {u"String.PasteData", textOf(N9)},
        {u"String.Web", textOf(N16)},
        {u"String.EMail", textOf(N17)},
        {u"Menu.About", textOf(N8)},
        {u"Menu.Options", titleOf(N20)},
        {u"Menu.Language", titleOf(N21)},
        {u"String.SmallCrime", into(crimeCategories.texts[std::size_t(Gravity::Small)])},
        {u"String.AverageCrime", into(crimeCategories.texts[std::size_t(Gravity::Medium)])},
        {u"String.SeriousCrime", into(crimeCategories.texts[std::size_t(Gravity::Grave)])},
        {u"String.ParticularlySeriousCrime",
         into(crimeCategories.texts[std::size_t(Gravity::EspeciallyGrave)])},
    };
    texts.append(m_newCrime->textTable());
    texts.append(m_convictions->textTable());
    texts.append(m_result->textTable());
    texts.append(StatusBar1->textTable());
    texts.append(fileNoteTextTable(m_fileNoteTexts));
    texts.append(consequenceTextTable(m_consequenceTexts));
    texts.append(m_undoActions->textTable());
    texts.append(m_listFile.textTable());
    return texts;
}

TextTable TForm1::interfaceTextTable()
{
    TextTable texts = Edit_frm->textTable();
    texts.append(AboutFrm->textTable());
    texts.append(textTable());
    return texts;
}
