// The system's messages shown in the interface's language through the real
// window: worded from the current language file, the file name and the typed
// date filled in, and whole in English where the file lacks a key.
#include "localisation/messagetexts.h"
#include "platform/webaddress.h"
#include "programfixture.h"
#include "ui/datepicker.h"

#include <QFile>
#include <QtTest>

class TestErrorMessages : public QObject
{
    Q_OBJECT

private slots:
    void englishWordingIsTheFilesWording();
    void damagedFileInTheLanguage_data();
    void damagedFileInTheLanguage();
    void typedDateInTheLanguage_data();
    void typedDateInTheLanguage();
};

namespace {

// A language file with one key's line taken out.
void removeKey(const LanguageFolder &folder, const QString &fileName, const QString &name)
{
    QFile file(folder.langPath(fileName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    const qsizetype at = text.indexOf(u'\n' + name + u'=');
    QVERIFY2(at >= 0, qPrintable(name));
    text.remove(at + 1, text.indexOf(u'\n', at + 1) - at);
    folder.write(fileName, text);
}

} // namespace

// The English file words each message as the system does without it, so that a
// message looks the same whether its English comes from the file or not.
void TestErrorMessages::englishWordingIsTheFilesWording()
{
    ProgramFixture fixture;
    fixture.start();
    const LanguageTexts english(fixture.folder(), "English");
    const QList<MessageWording> wordings = systemMessageWordings() << WebLinkWording;
    for (const MessageWording &wording : wordings) {
        const QString key = QString::fromUtf16(wording.key);
        QCOMPARE(english(key.toUtf8().constData()), QString::fromUtf16(wording.english));
    }
}

void TestErrorMessages::damagedFileInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("removedKey"); // from that language's file, when given
    QTest::addColumn<QString>("shown");      // %1 stands for the file's path
    QTest::newRow("English") << "English"
                             << ""
                             << "The file \"%1\" is damaged: the date of record 2, \"31.02.20x\", "
                                "cannot be read.";
    QTest::newRow("Russian") << "Russian"
                             << ""
                             << QString::fromUtf8("Файл \"%1\" повреждён: дату записи 2, "
                                                  "\"31.02.20x\", невозможно прочитать.");
    QTest::newRow("French") << "French"
                            << ""
                            << QString::fromUtf8(
                                   "Le fichier \"%1\" est endommagé : la date de "
                                   "l'enregistrement 2, \"31.02.20x\", est illisible.");
    QTest::newRow("Russian without the detail's key")
        << "Russian"
        << "BadDate"
        << "The file \"%1\" is damaged: the date of record 2, \"31.02.20x\", cannot be read.";
    QTest::newRow("French without the message's key")
        << "French"
        << "DamagedRecordFile"
        << "The file \"%1\" is damaged: the date of record 2, \"31.02.20x\", cannot be read.";
}

void TestErrorMessages::damagedFileInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, removedKey);
    QFETCH(QString, shown);

    ProgramFixture fixture;
    if (!removedKey.isEmpty())
        removeKey(fixture.folder(), language + ".lng", removedKey);
    fixture.storeLanguage(language);
    TForm1 &form = fixture.startShown();
    const QString path = fixture.folder().programFolder() + "/damaged.har";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[previous_conviction]\r\ncount=2\r\n"
               "date0=01.02.2003\r\ndate1=31.02.20x\r\n");
    file.close();

    fixture.fileChooser.answer = path;
    child<QAction>(form, "N3").trigger();
    QCOMPARE(fixture.errors, QStringList{shown.arg(QDir::toNativeSeparators(path))});
}

void TestErrorMessages::typedDateInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");
    QTest::newRow("English") << "English"
                             << "''30.02.2020'' is not a valid date.";
    QTest::newRow("Russian") << "Russian"
                             << QString::fromUtf8("''30.02.2020'' не является правильной датой.");
    QTest::newRow("French") << "French"
                            << "''30.02.2020'' n'est pas une date valide.";
}

void TestErrorMessages::typedDateInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, shown);

    ProgramFixture fixture;
    fixture.storeLanguage(language);
    TForm1 &form = fixture.startShown();
    form.activateWindow();
    DatePicker *picker = &child<DatePicker>(form, "DateTimePicker1");
    picker->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(picker, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(picker, "30.02.2020");
    QTest::keyClick(picker, Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(fixture.errors, QStringList{shown});
}

QTEST_MAIN(TestErrorMessages)
#include "tst_errormessages.moc"
