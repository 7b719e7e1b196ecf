// The about box: which readme the selector's text chooses, the readme read in
// any of its encodings or the earlier text kept without it, and the version line
// that no language changes.
#include "programfixture.h"

#include "catalogue/labeltext.h"
#include "kovrantversion.h"
#include "ui/about.h"
#include "ui/languageselector.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

Q_DECLARE_METATYPE(LanguageFolder::Encoding)

namespace {

void writeReadme(const QString &programFolder, const QString &fileName, const QString &text,
                 LanguageFolder::Encoding encoding)
{
    QFile file(QDir(programFolder).filePath(fileName));
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.errorString()));
    const QByteArray bytes = encodeText(text, encoding);
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void readmeFileName_data();
    void readmeFileName();
    void loadsTheReadme_data();
    void loadsTheReadme();
    void keepsEarlierTextWithoutTheFile();
    void aboutCommandShowsTheLanguagesReadme_data();
    void aboutCommandShowsTheLanguagesReadme();
};

void TestAboutBox::readmeFileName_data()
{
    QTest::addColumn<QString>("selectorText");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("Russian") << "Russian"
                             << "readme_ru.txt";
    QTest::newRow("French") << "French"
                            << "readme_fr.txt";
    QTest::newRow("English") << "English"
                             << "readme_en.txt";
    QTest::newRow("empty") << ""
                           << "readme_en.txt";
    QTest::newRow("other case") << "russian"
                                << "readme_en.txt";
    QTest::newRow("trailing blank") << "French "
                                    << "readme_en.txt";
    QTest::newRow("unlisted") << "German"
                              << "readme_en.txt";
}

void TestAboutBox::readmeFileName()
{
    QFETCH(QString, selectorText);
    QFETCH(QString, fileName);
    QCOMPARE(TAboutFrm::readmeFileName(selectorText), fileName);
}

void TestAboutBox::loadsTheReadme_data()
{
    QTest::addColumn<QString>("selectorText");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("content");
    QTest::addColumn<LanguageFolder::Encoding>("encoding");
    QTest::addColumn<QString>("shown");

    using E = LanguageFolder::Encoding;
    QTest::newRow("UTF-8 with mark, CRLF")
        << "Russian"
        << "readme_ru.txt" << QString::fromUtf8("Ковран\r\nВерсия 1.3\r\n") << E::Utf8WithMark
        << QString::fromUtf8("Ковран\nВерсия 1.3");
    QTest::newRow("UTF-16LE, lone CR")
        << "French"
        << "readme_fr.txt" << QString::fromUtf8("Récidive\rdangereuse") << E::Utf16LEWithMark
        << QString::fromUtf8("Récidive\ndangereuse");
    QTest::newRow("UTF-16BE, empty lines kept") << "English"
                                                << "readme_en.txt"
                                                << "Kovrant\n\nAuthor\n"
                                                << E::Utf16BEWithMark << "Kovrant\n\nAuthor";
    QTest::newRow("any other text reads the English file")
        << "Deutsch"
        << "readme_en.txt"
        << "English readme" << E::Utf8WithMark << "English readme";
}

void TestAboutBox::loadsTheReadme()
{
    QFETCH(QString, selectorText);
    QFETCH(QString, fileName);
    QFETCH(QString, content);
    QFETCH(LanguageFolder::Encoding, encoding);
    QFETCH(QString, shown);

    const LanguageFolder folder;
    writeReadme(folder.programFolder(), fileName, content, encoding);
    TAboutFrm about(folder.programFolder());
    about.loadReadme(selectorText);
    QCOMPARE(child<QPlainTextEdit>(about, "Memo1").toPlainText(), shown);
}

void TestAboutBox::keepsEarlierTextWithoutTheFile()
{
    const LanguageFolder folder;
    TAboutFrm about(folder.programFolder());
    const QPlainTextEdit &description = child<QPlainTextEdit>(about, "Memo1");
    const QString builtIn = description.toPlainText();
    QVERIFY(builtIn.contains(u"Article 18"));
    about.loadReadme(QStringLiteral("Russian"));
    QCOMPARE(description.toPlainText(), builtIn);

    writeReadme(folder.programFolder(), QStringLiteral("readme_ru.txt"),
                QString::fromUtf8("Первый"), LanguageFolder::Encoding::Utf8WithMark);
    about.loadReadme(QStringLiteral("Russian"));
    QCOMPARE(description.toPlainText(), QString::fromUtf8("Первый"));

    QVERIFY(QFile::remove(QDir(folder.programFolder()).filePath(QStringLiteral("readme_ru.txt"))));
    about.loadReadme(QStringLiteral("Russian"));
    QCOMPARE(description.toPlainText(), QString::fromUtf8("Первый"));
    about.loadReadme(QStringLiteral("French"));
    QCOMPARE(description.toPlainText(), QString::fromUtf8("Первый"));
}

void TestAboutBox::aboutCommandShowsTheLanguagesReadme_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("readme");
    QTest::newRow("English") << "English"
                             << "readme_en.txt";
    QTest::newRow("Russian") << "Russian"
                             << "readme_ru.txt";
    QTest::newRow("French") << "French"
                            << "readme_fr.txt";
}

void TestAboutBox::aboutCommandShowsTheLanguagesReadme()
{
    QFETCH(QString, language);
    QFETCH(QString, readme);

    ProgramFixture fixture;
    for (const char *name : {"readme_en.txt", "readme_ru.txt", "readme_fr.txt"}) {
        writeReadme(fixture.folder().programFolder(), QString::fromLatin1(name),
                    QStringLiteral("text of ") + QString::fromLatin1(name),
                    LanguageFolder::Encoding::Utf8WithMark);
    }
    fixture.storeLanguage(language);
    TForm1 &form = fixture.startShown();
    const LanguageTexts texts(fixture.folder(), language);

    QStringList seen;
    const auto ran = whenModal<TAboutFrm>(&form, [&](TAboutFrm &about) {
        seen = {child<QPlainTextEdit>(about, "Memo1").toPlainText(),
                child<QLabel>(about, "Version").text(), about.windowTitle(),
                child<QLabel>(about, "ProductName").text()};
        QTest::mouseClick(&child<QPushButton>(about, "OKButton"), Qt::LeftButton);
    });
    child<QAction>(form, "N8").trigger();
    QVERIFY(*ran);
    QCOMPARE(seen, (QStringList{QStringLiteral("text of ") + readme, KovrantVersion.toString(),
                                withoutAccessKey(texts("Menu.About")),
                                texts("Caption.Kovrant_MainForm")}));
    QCOMPARE(form.AboutFrm->result(), int(QDialog::Accepted));
    QCOMPARE(fixture.errors, QStringList{});
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
