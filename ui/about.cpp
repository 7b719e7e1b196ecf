#include "ui/about.h"

#include "kovrantversion.h"
#include "platform/textfile.h"
#include "ui/objectname.h"
#include "ui/programicon.h"
#include "ui/textreceivers.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A readme is a short text; anything far larger is not one.
constexpr qint64 ReadmeMaxBytes = 1024 * 1024;

const QString BuiltInDescription = QStringLiteral(
    "Recidivism is the commission of an intentional crime by a person who has a "
    "conviction for an intentional crime committed earlier (Article 18 of the Criminal "
    "Code of the Russian Federation). The Code knows three kinds: recidivism, dangerous "
    "recidivism and especially dangerous recidivism.\n"
    "\n"
    "Kovrant determines the kind of recidivism quickly from the person's existing "
    "convictions. Convictions that have been expunged are detected automatically from "
    "the date of conviction, the category of the crime and the offender's age.\n"
    "\n"
    "Assumptions: without the day a sentence was served, the terms of expungement are "
    "counted from the date of conviction; a crime is taken as intentional unless marked "
    "negligent; a conviction removed early (by a court, pardon or amnesty) stops counting "
    "only from the removal day given in its details. The result is an aid to calculation, "
    "not legal advice.\n"
    "\n"
    "Author: Brindlewick\n"
    "E-mail: kovrant@brindlewick.org");

} // namespace

TAboutFrm::TAboutFrm(QString programFolder, QWidget *parent)
    : QDialog(parent)
    , Panel1(named(new QFrame(this), "Panel1"))
    , ProgramIcon(named(new QLabel(Panel1), "ProgramIcon"))
    , ProductName(named(new QLabel(Panel1), "ProductName"))
    , Version(named(new QLabel(Panel1), "Version"))
    , Comments(named(new QLabel(Panel1), "Comments"))
    , Memo1(named(new QPlainTextEdit(this), "Memo1"))
    , OKButton(named(new QPushButton(this), "OKButton"))
    , m_programFolder(std::move(programFolder))
{
    setObjectName(QStringLiteral("AboutFrm"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ProgramIcon->setPixmap(programIcon().pixmap(32, 32));
    ProgramIcon->setFixedSize(32, 32);
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    Version->setText(KovrantVersion.toString());

    Panel1->setMinimumHeight(57);
    auto *top = new QGridLayout(Panel1);
    top->setContentsMargins(14, 10, 8, 0);
    top->setHorizontalSpacing(16);
    top->setVerticalSpacing(0);
    top->addWidget(ProgramIcon, 0, 0, 3, 1, Qt::AlignTop);
    top->addWidget(ProductName, 0, 1);
    top->addWidget(Version, 1, 1);
    top->addWidget(Comments, 2, 1);
    top->setColumnStretch(1, 1);

    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMinimumSize(385, 201);
    Memo1->setPlainText(BuiltInDescription);

    OKButton->setDefault(true);
    OKButton->setMinimumSize(73, 23);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *window = new QVBoxLayout(this);
    window->setContentsMargins(8, 0, 8, 8);
    window->setSpacing(6);
    window->addWidget(Panel1);
    window->addWidget(Memo1, 1);
    window->addWidget(OKButton, 0, Qt::AlignHCenter);

    resize(401, 310);
}

QString TAboutFrm::readmeFileName(const QString &selectorText)
{
    if (selectorText == u"Russian")
        return QStringLiteral("readme_ru.txt");
    if (selectorText == u"French")
        return QStringLiteral("readme_fr.txt");
    return QStringLiteral("readme_en.txt");
}

void TAboutFrm::loadReadme(const QString &selectorText)
{
    const QString path = QDir(m_programFolder).filePath(readmeFileName(selectorText));
    // Without the file the box keeps what it held: the built-in text or an
    // earlier readme.
    if (QFileInfo::exists(path))
        Memo1->setPlainText(splitTextLines(readTextFile(path, ReadmeMaxBytes)).join(u'\n'));
}

void TAboutFrm::ShowAbout(const QString &selectorText)
{
    loadReadme(selectorText);
    exec();
}

void TAboutFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    resize(size().expandedTo(minimumSizeHint()));
    if (parentWidget() != nullptr)
        move(parentWidget()->window()->frameGeometry().center() - rect().center());
    OKButton->setFocus(Qt::OtherFocusReason);
}

TextTable TAboutFrm::textTable()
{
    return {
        {u"Button.Ok", textOf(OKButton)},
        {u"String.AuthorQuennard", textOf(Comments)},
        {u"Caption.Kovrant_MainForm", textOf(ProductName)},
        {u"Menu.About", windowTitleOf(this)},
    };
}
