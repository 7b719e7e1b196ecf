#include "ui/main.h"

#include "catalogue/uLocalize.h"
#include "document/recordlist.h"
#include "localisation/LoadLang.h"
#include "localisation/assessmenttexts.h"
#include "localisation/explanation.h"
#include "localisation/messagetexts.h"
#include "platform/languageid.h"
#include "ui/about.h"
#include "ui/addedit_unit.h"
#include "ui/assessmentexport.h"
#include "ui/authorstatusbar.h"
#include "ui/convictionsgroup.h"
#include "ui/convictiontable.h"
#include "ui/datepicker.h"
#include "ui/desktopshell.h"
#include "ui/errorhandler.h"
#include "ui/itemwidth.h"
#include "ui/languageselector.h"
#include "ui/menukeys.h"
#include "ui/newcrimegroup.h"
#include "ui/objectname.h"
#include "ui/programicon.h"
#include "ui/recordfiledrop.h"
#include "ui/report.h"
#include "ui/resultarea.h"
#include "ui/taborder.h"
#include "ui/timeline.h"
#include "ui/undoactions.h"
#include "ui/unsavedchanges.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWidgetAction>

TForm1::TForm1(ProgramContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_desktopShell(std::make_unique<DesktopShell>())
    , m_dialogFileChooser(std::make_unique<DialogFileChooser>())
    , m_document(new ListDocument(
          {[this] { return crimeCategories; }, [this] { return installedCategories(catalogue()); }},
          context.dateFormat, this))
    , m_listFile(
          *this, *m_document, *context.catalogue,
          [this]() -> FileChooser & { return fileChooser(); },
          [this](const QString &fileName) { save_har(fileName); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(programIcon());
    setMessageLanguage([&catalogue = *m_context.catalogue](const MessageText &text) {
        return localisedMessage(catalogue, text);
    });
    QFont font = this->font();
    font.setPointSizeF(std::max(font.pointSizeF(), 8.0));
    setFont(font);

    buildMenus();
    auto *central = new QWidget(this);
    setCentralWidget(central);
    buildCurrentCrimeGroup();
    buildConvictionsGroup();
    buildResultPanel();
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 4, 8, 5);
    layout->setSpacing(4);
    layout->addWidget(m_newCrime);
    ResultSplitter = splitListAndResult(m_convictions, m_result, central);
    layout->addWidget(ResultSplitter, 1);
    StatusBar1 = new AuthorStatusBar(this);
    setStatusBar(StatusBar1);
    chainTabOrder(m_newCrime->tabOrder() + m_convictions->tabOrder());

    connectCommands();
    FormCreate();

    Edit_frm = new TEdit_frm(m_context.dateFormat, this);
    AboutFrm = new TAboutFrm(m_context.programFolder, this);
    connect(Edit_frm, &TEdit_frm::activated, this, [this] { applyEnablingRule(false); });
    connect(Edit_frm, &TEdit_frm::okPressed, this, [this] { applyEnablingRule(true); });

    resize(ClientSize);
}

TForm1::~TForm1()
{
    setMessageLanguage({});
    // The history empties itself as it goes, with reports to a window half gone.
    history().disconnect();
}

void TForm1::buildMenus()
{
    mMenu = named(new QMenuBar(this), "mMenu");
    setMenuBar(mMenu);

    N1 = named(mMenu->addMenu(QString()), "N1");
    N11 = namedAction(N1, "N11");
    N1->addSeparator();
    SaveAction = namedAction(N1, "SaveAction");
    N50 = namedAction(N1, "N50");
    N3 = namedAction(N1, "N3");
    N51 = namedAction(N1, "N51");
    N1->addSeparator();
    N2 = namedAction(N1, "N2");

    EditMenu = named(mMenu->addMenu(QString()), "EditMenu");
    UndoAction = namedAction(EditMenu, "UndoAction");
    RedoAction = namedAction(EditMenu, "RedoAction");
    UndoAction->setEnabled(false);
    RedoAction->setEnabled(false);
    EditMenu->addSeparator();
    CopyAssessment = namedAction(EditMenu, "CopyAssessment");

    N20 = named(mMenu->addMenu(QString()), "N20");
    N21 = named(N20->addMenu(QString()), "N21");
    CmbBxLang = named(new LanguageSelector(N21), "CmbBxLang");
    keepWideEnoughForItems(*CmbBxLang, 100);
    auto *selectorAction = new QWidgetAction(N21);
    selectorAction->setDefaultWidget(CmbBxLang);
    N21->addAction(selectorAction);

    N5 = named(mMenu->addMenu(QString()), "N5");
    N6 = namedAction(N5, "N6");
    N5->addSeparator();
    N9 = namedAction(N5, "N9");
    N5->addSeparator();
    N16 = namedAction(N5, "N16");
    N17 = namedAction(N5, "N17");
    N5->addSeparator();
    N8 = namedAction(N5, "N8");
}

void TForm1::buildCurrentCrimeGroup()
{
    m_newCrime = new NewCrimeGroup(m_context.dateFormat, centralWidget());
}

void TForm1::buildConvictionsGroup()
{
    m_convictions = new ConvictionsGroup(records(), m_context.dateFormat, {UndoAction, RedoAction},
                                         centralWidget());
    connect(this, &TForm1::assessed, &m_convictions->timeline(), &Timeline::showAssessment);
}

void TForm1::buildResultPanel()
{
    // The result scrolls in a frame of its own rather than crowd the list out; a
    // new result gets as much of the list's room as it needs, the list keeping
    // its rows (giveResultItsRoom).
    m_result = new ResultArea(centralWidget());
}

void TForm1::connectCommands()
{
    const auto on = [this](QAction *action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { command([&] { (this->*handler)(); }); });
    };
    for (const auto &[request, handler] :
         {std::pair{&ConvictionsGroup::addRequested, &TForm1::Button1Click},
          std::pair{&ConvictionsGroup::modifyRequested, &TForm1::Button2Click},
          std::pair{&ConvictionsGroup::deleteRequested, &TForm1::Button3Click}}) {
        connect(m_convictions, request, this,
                [this, handler] { command([&] { (this->*handler)(); }); });
    }
    on(N11, &TForm1::N11Click);
    on(N8, &TForm1::N8Click);
    on(SaveAction, &TForm1::saveClick);
    on(N50, &TForm1::N50Click);
    on(N3, &TForm1::N3Click);
    on(N51, &TForm1::N51Click);
    on(CopyAssessment, &TForm1::copyAssessmentClick);
    on(N6, &TForm1::N6Click);
    on(N9, &TForm1::N9Click);
    on(N16, &TForm1::N16Click);
    on(N17, &TForm1::N17Click);
    connect(StatusBar1, &AuthorStatusBar::doubleClicked, this,
            [this] { command([this] { N16Click(); }); });
    connect(N2, &QAction::triggered, this, &QWidget::close);
    on(UndoAction, &TForm1::undoEdit);
    on(RedoAction, &TForm1::redoEdit);
    m_undoActions = new UndoActions(*UndoAction, *RedoAction, history(), this);
    // The title's mark follows the history and the new crime's inputs.
    // The document follows the new crime's inputs, and they follow the document's
    // crime when it changes from within (a file opened, an edit undone); a crime
    // from a file without a date leaves the date as it is.
    connect(m_newCrime, &NewCrimeGroup::crimeEdited, this, &TForm1::takeCrimeFromInputs);
    connect(m_document, &ListDocument::crimeReplaced, this, [this](const CurrentCrime &crime) {
        m_newCrime->setCrime(crime);
        takeCrimeFromInputs();
    });
    connect(m_document, &ListDocument::stateChanged, this, &TForm1::showTitle);
    connectKeyboard();
    // A list dropped on the window opens as the open command opens it; the
    // window owns the drop's handler.
    new RecordFileDrop(*this, [this](const QString &path) { openGivenFile(path); });

    // The result line answers for the inputs on screen.
    connect(m_newCrime, &NewCrimeGroup::answerDue, this,
            [this] { command([this] { ComboBox1Change(); }); });
    connect(CmbBxLang, &LanguageSelector::languageChanged, this,
            [this] { command([this] { CmbBxLangChange(); }); });
}

void TForm1::connectKeyboard()
{
    // Window-wide keys for the file and help commands and for adding a row.
    N3->setShortcut(QKeySequence::Open);
    SaveAction->setShortcut(QKeySequence::Save);
    // Named outright: Windows has no standard key for Save As.
    N50->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    N6->setShortcut(QKeySequence::HelpContents);
    N51->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    CopyAssessment->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    N11->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    addLanguageSelectorKey(*this, *mMenu, *N20, *N21, *CmbBxLang);
    addMenuBarKey(*this, *mMenu, *N1);
    UndoAction->setShortcut(QKeySequence::Undo);
    RedoAction->setShortcuts(redoKeys());
    // Insert adds a row wherever the focus is.
    addAction(m_convictions->addRowAction());
}

void TForm1::FormCreate()
{
    // A stored value of the wrong type is reported, then start-up goes on as if
    // nothing were stored: the selector is filled and the date is today.
    showLanguagesAtStart(this, m_context, *CmbBxLang);
    m_newCrime->setCrime(CurrentCrime{std::nullopt, false, m_context.dateFormat.today(), false});
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    FormShow();
}

void TForm1::FormShow()
{
    m_newCrime->setCategories(crimeCategories);
    Edit_frm->setCategories(crimeCategories);

    sizeForFirstShow(*this, *m_convictions, *m_result);
    giveResultItsRoom();
    centreOnScreen(*this);
}

void TForm1::openGivenFile(const QString &fileName)
{
    // As if chosen in the open dialog, with the same handling of errors.
    command([&] {
        if (!changesSettled())
            return;
        open_har(fileName);
        calc_rec();
    });
}

void TForm1::localize()
{
    LocalizedOnce = true;
    LocalizeInterface(catalogue(), CmbBxLang->currentText(), interfaceTextTable());
    followInterfaceLanguage();
}

void TForm1::followInterfaceLanguage()
{
    forgetExplanationTexts();
    m_convictions->table().setWords(lookUpRecordTexts(catalogue()));
    m_undoActions->showNames();
    const QLocale::Language language =
        languageOfId(catalogue().CurrentLanguage().LangID).value_or(QLocale::English);
    m_qtTranslation.follow(language);
    for (DatePicker *picker : findChildren<DatePicker *>())
        picker->setCalendarLanguage(language);
}

CurrentCrime TForm1::currentCrime() const
{
    return m_newCrime->crime();
}

void TForm1::calc_rec()
{
    // The new crime's date as typed is taken first: a text that is not a date
    // raises, and the result of the last date stays on screen. Taking it would
    // report the change and recompute again; this recomputation is that one.
    m_newCrime->takeTypedDate();
    takeCrimeFromInputs();
    const ResultTexts results = lookUpResultTexts(catalogue());
    const CurrentCrime crime = currentCrime();
    m_lastAssessment = m_document->assess();
    // A row of unknown category is left out of the tally: a result says so.
    const QString unknown = m_lastAssessment.categoryMissing
                                ? QString()
                                : unknownCategoryText(m_lastAssessment, m_fileNoteTexts);
    showExplanation(resultTextFor(results, m_lastAssessment) +
                    (unknown.isEmpty() ? QString() : u'\n' + unknown));
    emit assessed(m_lastAssessment, crime.calculationDate);
    m_lastAssessment.throwIfFailed();
}

void TForm1::showExplanation(const QString &answer)
{
    const ExplanationTexts &words = explanationTexts();
    const QList<ConvictionRecord> &rows = records().records();
    QStringList notes;
    notes.reserve(m_lastAssessment.rows.size());
    for (qsizetype i = 0; i < m_lastAssessment.rows.size(); ++i)
        notes.append(
            rowNote(m_lastAssessment.rows[i], rows[i].details, words, m_context.dateFormat));
    m_convictions->table().setRowNotes(notes);
    m_result->showLines(ResultLines{
        answer,
        groundsLine(m_lastAssessment, words),
        m_lastAssessment.horizon
            ? horizonLine(*m_lastAssessment.horizon, words, m_context.dateFormat)
            : QString(),
        resultNotices(m_lastAssessment, currentCrime().calculationDate, words,
                      m_context.dateFormat),
        consequencesLine(m_lastAssessment, m_consequenceTexts),
        fileNotesText(m_document->fileNotes(), m_fileNoteTexts, m_context.dateFormat),
    });
    giveResultItsRoom();
}

QString TForm1::calc_sud(Gravity gravity, bool juvenile, QDate convictionDate) const
{
    const bool inForce =
        checkExpungement(gravity, juvenile, convictionDate, currentCrime().calculationDate).inForce;
    return answerTexts().textOf(inForce);
}

const ExplanationTexts &TForm1::explanationTexts() const
{
    if (!m_explanationTexts)
        m_explanationTexts = lookUpExplanationTexts(catalogue());
    return *m_explanationTexts;
}

AnswerTexts TForm1::answerTexts() const
{
    return lookUpAnswerTexts(catalogue());
}

void TForm1::N8Click()
{
    AboutFrm->ShowAbout(selectedFileBase());
}

void TForm1::ComboBox1Change()
{
    calc_rec();
}

void TForm1::CmbBxLangChange()
{
    // Before the first localisation pass a change only stores the name: it is the
    // stored name being written back into the selector at start-up.
    if (!LocalizedOnce) {
        m_context.languageSetting.write(CmbBxLang->currentText());
        return;
    }
    // Not an edit: the list only shows in the new language's words.
    const std::optional<RuntimeError> notStored = switchLanguage(
        CmbBxLang->currentText(), m_context.languageSetting, catalogue(), interfaceTextTable());
    followInterfaceLanguage();
    // Longer texts of the new language may need a wider window.
    if (isVisible())
        resize(size().expandedTo(minimumSizeHint()));
    if (notStored)
        showError(this, *notStored);
    calc_rec();
}

void TForm1::applyEnablingRule(bool requireListFocus)
{
    m_convictions->applyEnablingRule(requireListFocus);
}

void TForm1::save_har(const QString &fileName)
{
    takeCrimeFromInputs();
    m_document->save(fileName);
}

void TForm1::N3Click()
{
    if (!changesSettled())
        return;
    if (const std::optional<QString> fileName = m_listFile.chooseFileToOpen()) {
        open_har(*fileName);
        calc_rec();
    }
}

ReportContent TForm1::currentReportContent()
{
    return reportContent(AssessedCase{records().records(), currentCrime(), m_lastAssessment},
                         lookUpReportTexts(catalogue()), explanationTexts(), m_context.dateFormat);
}

void TForm1::N51Click()
{
    // The report answers for the inputs on screen, as the result line does.
    calc_rec();
    if (const std::optional<QString> path =
            chooseReportFile(this, fileChooser(), catalogue(), listFile()))
        writeReport(*path, currentReportContent());
}

void TForm1::copyAssessmentClick()
{
    // As the report: the inputs on screen, assessed again.
    calc_rec();
    copyToClipboard(currentReportContent());
}

void TForm1::showTitle()
{
    setWindowTitle(listWindowTitle(m_caption, listFile()));
    setWindowModified(hasUnsavedChanges());
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool settled = false;
    command([&] { settled = changesSettled(); });
    if (settled)
        QMainWindow::closeEvent(event);
    else
        event->ignore();
}
