// The keys and the mouse as people expect them: Insert adds, Enter or a
// double-click modifies, Delete deletes, Ctrl+O loads, Ctrl+S saves, F1 opens
// help, and a record file dropped on the window loads.
#include "assessment/recordlist.h"
#include "programfixture.h"
#include "support/assessmentfixture.h"
#include "ui/addedit_unit.h"
#include "ui/datepicker.h"

#include <QAction>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

void selectRow(TForm1 &form, int row)
{
    // A closed dialog leaves no active window offscreen; a desktop gives the
    // focus back to the main window.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.ListView1->setFocus();
    form.ListView1->selectionModel()->setCurrentIndex(form.records().index(row, 0),
                                                      QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
}

// Presses a key on a widget and says whether the record dialog opened, and with
// which date; the dialog is cancelled.
std::optional<QDate> dialogOpenedBy(TForm1 &form, const std::function<void()> &press)
{
    std::optional<QDate> shown;
    const auto ran = whenModal<TEdit_frm>(&form, [&](TEdit_frm &dialog) {
        shown = dialog.DateTimePicker1->date();
        dialog.Button2->click();
    });
    press();
    QCoreApplication::processEvents();
    return *ran ? shown : std::nullopt;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void keysOnTheList();
    void deleteKeyKeepsItsMeaningElsewhere();
    void fileAndHelpKeys();
    void droppedRecordFileLoads_data();
    void droppedRecordFileLoads();

private:
    std::unique_ptr<ProgramFixture> m_fixture;
    TForm1 *m_form = nullptr;
};

void TestKeyboard::init()
{
    // One fixture at a time: each records the errors shown while it lives.
    m_fixture.reset();
    m_fixture = std::make_unique<ProgramFixture>();
    m_form = &m_fixture->startShown();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    for (const char *date : {"07.04.2023", "08.05.2022"})
        m_form->records().append(conviction(date, m_form->crimeCategories[Gravity::Grave]));
}

void TestKeyboard::keysOnTheList()
{
    TForm1 &form = *m_form;
    QCOMPARE(dialogOpenedBy(form, [&] { QTest::keyClick(form.ListView1, Qt::Key_Insert); }),
             ProgramFixture::today());

    selectRow(form, 1);
    QCOMPARE(dialogOpenedBy(form, [&] { QTest::keyClick(form.ListView1, Qt::Key_Return); }),
             QDate(2022, 5, 8));
    const QRect firstRow = form.ListView1->visualRect(form.records().index(0, 0));
    QCOMPARE(dialogOpenedBy(form,
                            [&] {
                                QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {},
                                                  firstRow.center());
                                QTest::mouseDClick(form.ListView1->viewport(), Qt::LeftButton, {},
                                                   firstRow.center());
                            }),
             QDate(2023, 4, 7));

    selectRow(form, 0);
    QTest::keyClick(form.ListView1, Qt::Key_Delete);
    QCOMPARE(form.records().count(), 1);
    QCOMPARE(form.records().at(0).Date, QStringLiteral("08.05.2022"));
    QCOMPARE(m_fixture->errors, QStringList{});
}

void TestKeyboard::deleteKeyKeepsItsMeaningElsewhere()
{
    TForm1 &form = *m_form;
    selectRow(form, 0);
    form.DateTimePicker1->setFocus();
    QTest::keyClick(form.DateTimePicker1, Qt::Key_Delete);
    QCOMPARE(form.records().count(), 2);
}

void TestKeyboard::fileAndHelpKeys()
{
    TForm1 &form = *m_form;
    m_fixture->fileChooser.answer.reset();
    QTest::keyClick(form.ListView1, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_fixture->fileChooser.lastSetup.title, m_fixture->text("Button.Open"));
    QTest::keyClick(form.ListView1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_fixture->fileChooser.lastSetup.title, m_fixture->text("Button.SaveAs"));
    QFile help(m_fixture->folder().programFolder() + "/Kovrant_en.chm");
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    QTest::keyClick(form.ListView1, Qt::Key_F1);
    QCOMPARE(m_fixture->shell.helpFiles.size(), 1);
}

void TestKeyboard::droppedRecordFileLoads_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("rows"); // after the drop; 2 when nothing loads
    QTest::addColumn<int>("errors");
    QTest::newRow("a list") << "client.har" << 1 << 0;
    QTest::newRow("extension in capitals") << "CLIENT.HAR" << 1 << 0;
    QTest::newRow("another kind of file is not taken") << "client.txt" << 2 << 0;
    QTest::newRow("a damaged list: error, list kept") << "damaged.har" << 2 << 1;
}

void TestKeyboard::droppedRecordFileLoads()
{
    QFETCH(QString, fileName);
    QFETCH(int, rows);
    QFETCH(int, errors);
    const QString path = m_fixture->folder().programFolder() + u'/' + fileName;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileName.startsWith(u"damaged") ? "junk"
                                               : "[previous_conviction]\r\ncount=1\r\n"
                                                 "date0=01.02.2020\r\nheaviness0=x\r\n");
    file.close();

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint centre = m_form->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_form, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_form, &drop);

    QCOMPARE(enter.isAccepted(), fileName.endsWith(".har", Qt::CaseInsensitive));
    QCOMPARE(m_form->records().count(), rows);
    QCOMPARE(m_fixture->errors.size(), errors);
    if (rows == 1)
        QVERIFY(!m_form->records().at(0).InForce.isEmpty());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
