#include "ui/resultarea.h"

#include "ui/objectname.h"
#include "ui/resultpanel.h"
#include "ui/textreceivers.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>

namespace {

const QMargins LineMargins(16, 6, 16, 6);

} // namespace

ResultArea::ResultArea(QWidget *parent)
    : QScrollArea(parent)
    , m_panel(named(new ResultPanel(this), "Panel1"))
    , m_answer(named(new QLabel(m_panel), "Label2"))
    , m_grounds(named(new QLabel(m_panel), "Label5"))
    , m_horizon(named(new QLabel(m_panel), "Label6"))
    , m_notices(named(new QLabel(m_panel), "Label7"))
    , m_consequences(named(new QLabel(m_panel), "ConsequencesLine"))
    , m_fileNotes(named(new QLabel(m_panel), "FileNotesLine"))
{
    setObjectName(QStringLiteral("ResultScroller"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMinimumHeight(Floor);
    m_panel->setMinimumHeight(Floor - 2 * frameWidth());
    QFont bold = m_answer->font();
    bold.setBold(true);
    m_answer->setFont(bold);
    // The lines under the answer wrap rather than widen the window; hidden until
    // a result gives them a text.
    for (QLabel *line : {m_grounds, m_horizon, m_notices, m_consequences, m_fileNotes}) {
        line->setWordWrap(true);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        line->hide();
    }
    // At least 546 wide, wider when the answer needs it.
    auto *layout = new QGridLayout(m_panel);
    layout->setContentsMargins(LineMargins);
    layout->setVerticalSpacing(2);
    layout->setColumnMinimumWidth(0, 546);
    int row = 0;
    for (QLabel *line : {m_answer, m_grounds, m_horizon, m_notices, m_consequences, m_fileNotes})
        layout->addWidget(line, row++, 0);
    setWidget(m_panel);
    m_panel->installEventFilter(this);
}

void ResultArea::showLines(const ResultLines &lines)
{
    m_answer->setText(lines.answer);
    const std::pair<QLabel *, const QString *> under[] = {
        {m_grounds, &lines.grounds},     {m_horizon, &lines.horizon},
        {m_notices, &lines.notices},     {m_consequences, &lines.consequences},
        {m_fileNotes, &lines.fileNotes},
    };
    for (const auto &[line, text] : under) {
        line->setText(*text);
        line->setVisible(!text->isEmpty());
    }
    fitPanel();
}

int ResultArea::leastHeight() const
{
    return 3 * m_panel->fontMetrics().lineSpacing() + LineMargins.top() + LineMargins.bottom() +
           2 * frameWidth();
}

int ResultArea::wholeHeight() const
{
    return m_panel->minimumHeight() + 2 * frameWidth();
}

void ResultArea::fitPanel()
{
    const int needed = m_panel->layout()->totalHeightForWidth(m_panel->width());
    const int least = Floor - 2 * frameWidth();
    if (needed > 0 && needed != m_panel->minimumHeight())
        m_panel->setMinimumHeight(std::max(needed, least));
}

bool ResultArea::eventFilter(QObject *watched, QEvent *event)
{
    // The panel's width sets its height.
    if (watched == m_panel && event->type() == QEvent::Resize)
        fitPanel();
    return QScrollArea::eventFilter(watched, event);
}

TextTable ResultArea::textTable()
{
    return {{u"String.Result", textOf(m_answer)}};
}
