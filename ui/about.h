// The about box: product line, version, author line and a description, taken
// from the readme file of the interface language when one lies beside the program.
#pragma once

#include "localisation/texttable.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TAboutFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutFrm(QString programFolder, QWidget *parent = nullptr);

    // The readme chosen by the language selector's text: "readme_ru.txt" for
    // "Russian", "readme_fr.txt" for "French", else "readme_en.txt".
    static QString readmeFileName(const QString &selectorText);

    // Replaces the description with the readme when it exists, then shows the box.
    void ShowAbout(const QString &selectorText);
    // The first two steps of ShowAbout, without showing the box.
    void loadReadme(const QString &selectorText);

    // Every text of the box by its key.
    TextTable textTable();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The box's widgets, found by their object names from outside.
    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Comments;
    QPlainTextEdit *Memo1;
    QPushButton *OKButton;

    QString m_programFolder;
};
