// Whether a list is what its file holds, as a value: each file's saved point,
// the untitled list's among them, compared on the file, the history's index and
// the new crime; a push after an undo forgets the points beyond it, and opening
// a file forgets them all.
#include "document/savedpoints.h"

#include <QtTest>

namespace {

const CurrentCrime GraveCrime{Gravity::Grave, true, QDate(2026, 12, 9), false};
const CurrentCrime NoCategory{std::nullopt, true, QDate(2026, 12, 9), false};

} // namespace

class TestSavedPoints : public QObject
{
    Q_OBJECT

private slots:
    void savedOnlyAtItsFilesPoint_data();
    void savedOnlyAtItsFilesPoint();
    void eachFileKeepsItsLastPoint();
    void pushAfterUndoForgetsThePointsBeyondIt();
    void clearForgetsEveryPoint();
};

void TestSavedPoints::savedOnlyAtItsFilesPoint_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("historyIndex");
    QTest::addColumn<bool>("sameCrime");
    QTest::addColumn<bool>("saved");
    QTest::newRow("the point itself") << "/cases/a.har" << 2 << true << true;
    QTest::newRow("an edit later") << "/cases/a.har" << 3 << true << false;
    QTest::newRow("an edit undone past it") << "/cases/a.har" << 1 << true << false;
    QTest::newRow("the new crime changed") << "/cases/a.har" << 2 << false << false;
    QTest::newRow("another file at the same index") << "/cases/b.har" << 2 << true << false;
    QTest::newRow("untitled at the same index") << "" << 2 << true << false;
}

void TestSavedPoints::savedOnlyAtItsFilesPoint()
{
    QFETCH(QString, file);
    QFETCH(int, historyIndex);
    QFETCH(bool, sameCrime);
    QFETCH(bool, saved);
    SavedPoints points;
    points.markSaved({"/cases/a.har", 2, GraveCrime});
    QCOMPARE(points.isSaved({file, historyIndex, sameCrime ? GraveCrime : NoCategory}), saved);
}

void TestSavedPoints::eachFileKeepsItsLastPoint()
{
    SavedPoints points;
    points.markSaved({"", 0, NoCategory}); // the empty list at start
    points.markSaved({"/cases/a.har", 1, GraveCrime});
    points.markSaved({"/cases/b.har", 3, GraveCrime});
    QVERIFY(points.isSaved({"", 0, NoCategory}));
    QVERIFY(points.isSaved({"/cases/a.har", 1, GraveCrime}));
    QVERIFY(points.isSaved({"/cases/b.har", 3, GraveCrime}));

    // Saved again, a file holds the later list only.
    points.markSaved({"/cases/a.har", 4, NoCategory});
    QVERIFY(!points.isSaved({"/cases/a.har", 1, GraveCrime}));
    QVERIFY(points.isSaved({"/cases/a.har", 4, NoCategory}));
    QVERIFY(points.isSaved({"/cases/b.har", 3, GraveCrime}));
}

void TestSavedPoints::pushAfterUndoForgetsThePointsBeyondIt()
{
    // Saved at 2 and 3, undone to 1, then another edit pushed: the new index 2
    // is another list than the one a.har holds.
    SavedPoints points;
    points.markSaved({"", 0, NoCategory});
    points.markSaved({"/cases/a.har", 2, GraveCrime});
    points.markSaved({"/cases/b.har", 3, GraveCrime});
    points.markSaved({"/cases/c.har", 1, GraveCrime});
    points.discardBeyond(1);
    QVERIFY(!points.isSaved({"/cases/a.har", 2, GraveCrime}));
    QVERIFY(!points.isSaved({"/cases/b.har", 3, GraveCrime}));
    // At and before the push's index, still reachable.
    QVERIFY(points.isSaved({"/cases/c.har", 1, GraveCrime}));
    QVERIFY(points.isSaved({"", 0, NoCategory}));
}

void TestSavedPoints::clearForgetsEveryPoint()
{
    SavedPoints points;
    points.markSaved({"", 0, NoCategory});
    points.markSaved({"/cases/a.har", 0, GraveCrime});
    points.clear();
    QVERIFY(!points.isSaved({"", 0, NoCategory}));
    QVERIFY(!points.isSaved({"/cases/a.har", 0, GraveCrime}));
}

QTEST_GUILESS_MAIN(TestSavedPoints)
#include "tst_savedpoints.moc"
