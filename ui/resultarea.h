// The main window's result: the answer in bold, then the grounds it rests on,
// until when it holds, what qualifies it, what it entails and what the file last
// opened left to say, each line wrapping and shown only with a text. The lines
// sit on their panel (ResultPanel) in a frame that scrolls beyond the room the
// window gives it.
#pragma once

#include "localisation/texttable.h"

#include <QScrollArea>

class QLabel;
class ResultPanel;

// The texts of the result's lines; an empty one is not shown.
struct ResultLines
{
    QString answer;
    QString grounds;
    QString horizon;
    QString notices;
    QString consequences;
    QString fileNotes;
};

class ResultArea : public QScrollArea
{
    Q_OBJECT

public:
    // The frame's least height: the answer's line and a little.
    static constexpr int Floor = 49;

    explicit ResultArea(QWidget *parent);

    void showLines(const ResultLines &lines);
    // The frame's height with the answer and two more lines in view.
    int leastHeight() const;
    // The frame's height with every line in view at its width.
    int wholeHeight() const;

    TextTable textTable();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Gives the panel the height its wrapped lines need at its width: a
    // top-level layout gives a panel its plain size hint instead.
    void fitPanel();

    ResultPanel *m_panel;
    QLabel *m_answer;
    QLabel *m_grounds;
    QLabel *m_horizon;
    QLabel *m_notices;
    QLabel *m_consequences;
    QLabel *m_fileNotes;
};
