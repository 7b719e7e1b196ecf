// Every key the program looks up, gathered from the tables that fill the windows,
// the notes and the report, from the commands' own list and the system's
// messages: each shipped language file gives every one of them a text of its own.
#include "programfixture.h"

#include "catalogue/interfacekeys.h"
#include "catalogue/uLocalize.h"
#include "localisation/explanation.h"
#include "localisation/messagetexts.h"
#include "localisation/reportcontent.h"
#include "platform/webaddress.h"

#include <QtTest>

class TestTextKeys : public QObject
{
    Q_OBJECT

private slots:
    void everyKeyHasItsOwnText_data();
    void everyKeyHasItsOwnText();

private:
    static QStringList allKeys(TForm1 &form);
};

QStringList TestTextKeys::allKeys(TForm1 &form)
{
    ExplanationTexts explanation;
    ReportTexts report;
    QStringList keys = keysOf(form.interfaceTextTable());
    keys += keysOf(explanationTextTable(explanation));
    keys += keysOf(reportTextTable(report));
    for (const char16_t *key : CommandTextKeys)
        keys.append(QString::fromUtf16(key));
    const QList<MessageWording> messages = systemMessageWordings() << WebLinkWording;
    for (const MessageWording &wording : messages)
        keys.append(QString::fromUtf16(wording.key));
    keys.removeDuplicates();
    return keys;
}

void TestTextKeys::everyKeyHasItsOwnText_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("French") << "French";
    QTest::newRow("Russian") << "Russian";
}

// Each file must answer every key itself: with English as the default slot a
// missing key would silently show English text in a Russian window.
void TestTextKeys::everyKeyHasItsOwnText()
{
    QFETCH(QString, language);
    ProgramFixture fixture;
    TForm1 &form = fixture.start();
    LanguageCatalogue catalogue(fixture.folder().programFolder());
    QVERIFY(catalogue.SelectLanguage(language));
    const QStringList keys = allKeys(form);
    QVERIFY(keys.size() > 100);
    for (const QString &key : keys) {
        const QString text = catalogue.Translate(key);
        QVERIFY2(!text.isEmpty() && !text.startsWith("NoTranslate:"), qPrintable(key));
    }
}

QTEST_MAIN(TestTextKeys)
#include "tst_textkeys.moc"
