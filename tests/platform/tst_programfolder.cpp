// Where the program looks for lang, the help and the readme files: beside the
// executable when lang is there (the build tree), else the installed share folder.
#include "platform/programfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void besideTheExecutableOrInstalled();
};

void TestProgramFolder::besideTheExecutableOrInstalled()
{
    const QTemporaryDir root;
    const QDir prefix(root.path());
    QVERIFY(prefix.mkpath("usr/bin") && prefix.mkpath("usr/share/kovrant/lang"));
    QCOMPARE(programFolderFor(prefix.filePath("usr/bin")), prefix.filePath("usr/share/kovrant"));

    QVERIFY(prefix.mkpath("build/bin/lang"));
    QCOMPARE(programFolderFor(prefix.filePath("build/bin")), prefix.filePath("build/bin"));
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
