// The casebook in docs/ is what the legal-case table and the language files make
// of it: a case added, an answer or a note changed, and the committed files must
// be written anew (scripts/casebook) for a lawyer to read what the program does.
#include "assessment/legalcasetable.h"
#include "docs/casebook.h"
#include "support/languagefolder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

Q_DECLARE_METATYPE(CasebookLanguage)

namespace {

QString committedText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Where two texts first differ, by line: its number (from 1) and each text's line.
struct FirstDifference
{
    qsizetype line = 0;
    QString committed;
    QString generated;
};

FirstDifference firstDifference(const QString &committed, const QString &generated)
{
    const QStringList was = committed.split(u'\n');
    const QStringList is = generated.split(u'\n');
    qsizetype line = 0;
    while (line < was.size() && line < is.size() && was[line] == is[line])
        ++line;
    const auto at = [line](const QStringList &lines) {
        return line < lines.size() ? lines[line] : QStringLiteral("(end of file)");
    };
    return {line + 1, at(was), at(is)};
}

} // namespace

class TestCasebook : public QObject
{
    Q_OBJECT

private slots:
    void isUpToDate_data();
    void isUpToDate();
    void numbersEveryCase_data();
    void numbersEveryCase();

private:
    static void addLanguages();
};

void TestCasebook::addLanguages()
{
    QTest::addColumn<CasebookLanguage>("language");
    QTest::newRow("Russian") << CasebookLanguage::Russian;
    QTest::newRow("English") << CasebookLanguage::English;
}

void TestCasebook::isUpToDate_data()
{
    addLanguages();
}

void TestCasebook::isUpToDate()
{
    QFETCH(CasebookLanguage, language);
    const QString path = casebookPath(language);
    const QString generated = casebookText(language, sourceFolder());
    const QString committed = committedText(QDir(sourceFolder()).filePath(path));
    if (committed == generated)
        return;
    const FirstDifference difference = firstDifference(committed, generated);
    QFAIL(qPrintable(QStringLiteral("%1 is not what the legal-case table makes of it, from line "
                                    "%2:\n  committed: %3\n  generated: %4\nRegenerate it with "
                                    "%5, and read the changed cases before committing them.")
                         .arg(path)
                         .arg(difference.line)
                         .arg(difference.committed, difference.generated,
                              QString::fromLatin1(CasebookCommand))));
}

void TestCasebook::numbersEveryCase_data()
{
    addLanguages();
}

// Every case of the table, under its number in the table's order.
void TestCasebook::numbersEveryCase()
{
    QFETCH(CasebookLanguage, language);
    const QString text = casebookText(language, sourceFolder());
    const QString caseWord =
        language == CasebookLanguage::Russian ? QStringLiteral("Казус") : QStringLiteral("Case");
    QStringList headings;
    for (const QString &line : text.split(u'\n')) {
        if (line.startsWith(QStringLiteral("### ")))
            headings.append(line);
    }
    int number = 0;
    for (const LegalCaseGroup &group : legalCaseGroups()) {
        for (const LegalCase &legalCase : group.cases) {
            QVERIFY2(number < headings.size(), legalCase.title);
            const QString heading = headings[number++];
            const QString start = QStringLiteral("### %1 %2").arg(caseWord).arg(number);
            QVERIFY2(heading == start || heading.startsWith(start + QStringLiteral(". ")),
                     qPrintable(heading));
        }
    }
    QCOMPARE(headings.size(), number);
}

QTEST_GUILESS_MAIN(TestCasebook)
#include "tst_casebook.moc"
