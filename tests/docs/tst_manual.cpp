// The manual as built beside the executables, or in the folder
// KOVRANT_MANUAL_FOLDER names (an installed one): every language has the same
// pages, each names its language, and every local link and image leads to a file
// inside the manual, and to its anchor where the link names one.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <QtTest>

class TestManual : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasTheSamePages();
    void localLinksResolve_data();
    void localLinksResolve();

private:
    static QDir manualFolder();
    static QStringList languages();
    static QStringList pagesOf(const QString &language);
    static QString contentOf(const QString &path);
};

QDir TestManual::manualFolder()
{
    const QString named = qEnvironmentVariable("KOVRANT_MANUAL_FOLDER");
    return QDir(
        named.isEmpty()
            ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("manual"))
            : named);
}

QStringList TestManual::languages()
{
    QStringList found = manualFolder().entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    found.removeAll(QStringLiteral("screenshots"));
    return found;
}

QStringList TestManual::pagesOf(const QString &language)
{
    return QDir(manualFolder().filePath(language))
        .entryList({QStringLiteral("*.html")}, QDir::Files);
}

QString TestManual::contentOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void TestManual::everyLanguageHasTheSamePages()
{
    QVERIFY2(manualFolder().exists(), qPrintable(manualFolder().path()));
    const QStringList english = pagesOf(QStringLiteral("en"));
    QVERIFY(english.contains(QStringLiteral("index.html")));
    QVERIFY(languages().contains(QStringLiteral("ru")));
    QVERIFY(languages().contains(QStringLiteral("fr")));
    for (const QString &language : languages()) {
        QCOMPARE(pagesOf(language), english);
        for (const QString &page : english) {
            const QString content =
                contentOf(QDir(manualFolder().filePath(language)).filePath(page));
            QVERIFY2(content.contains(QStringLiteral("<html lang=\"%1\"").arg(language)),
                     qPrintable(language + u'/' + page));
        }
    }
}

void TestManual::localLinksResolve_data()
{
    QTest::addColumn<QString>("page");
    for (const QString &language : languages()) {
        for (const QString &page : pagesOf(language)) {
            const QString path = language + u'/' + page;
            QTest::newRow(qPrintable(path)) << manualFolder().filePath(path);
        }
    }
}

void TestManual::localLinksResolve()
{
    QFETCH(QString, page);
    const QString content = contentOf(page);
    QVERIFY(!content.isEmpty());
    const QString root = QDir::cleanPath(manualFolder().absolutePath()) + u'/';
    const QFileInfo pageFile(page);
    static const QRegularExpression reference(
        QStringLiteral(R"re(\b(?:href|src)\s*=\s*"([^"]*)")re"));
    int local = 0;
    for (const QRegularExpressionMatch &match : reference.globalMatch(content)) {
        const QUrl link(match.captured(1));
        if (!link.scheme().isEmpty())
            continue; // a web or mail address
        ++local;
        const QString target =
            link.path().isEmpty()
                ? pageFile.absoluteFilePath()
                : QDir::cleanPath(pageFile.absoluteDir().absoluteFilePath(link.path()));
        QVERIFY2(target.startsWith(root),
                 qPrintable(match.captured(1) + QStringLiteral(" leaves the manual")));
        QVERIFY2(QFileInfo(target).isFile(),
                 qPrintable(match.captured(1) + QStringLiteral(" is missing")));
        if (link.hasFragment()) {
            QVERIFY2(contentOf(target).contains(QStringLiteral("id=\"%1\"").arg(link.fragment())),
                     qPrintable(match.captured(1) + QStringLiteral(": no such anchor")));
        }
    }
    QVERIFY2(local > 0, "the page links nowhere: not even to its style sheet");
}

QTEST_GUILESS_MAIN(TestManual)
#include "tst_manual.moc"
