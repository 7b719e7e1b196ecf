#include "ui/mainwindowgeometry.h"

#include "ui/convictionsgroup.h"
#include "ui/objectname.h"
#include "ui/resultarea.h"

#include <QScreen>
#include <QSplitter>

#include <algorithm>

QSplitter *splitListAndResult(ConvictionsGroup *convictions, ResultArea *result, QWidget *parent)
{
    auto *splitter = named(new QSplitter(Qt::Vertical, parent), "ResultSplitter");
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(convictions);
    splitter->addWidget(result);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    return splitter;
}

void sizeForFirstShow(QWidget &window, const ConvictionsGroup &convictions,
                      const ResultArea &result)
{
    const QScreen *screen = window.screen();
    window.resize(window.size().expandedTo(window.minimumSizeHint()).expandedTo(ClientSize));
    if (const int lacking = convictions.lackingWidth(); lacking > 0)
        window.resize(window.width() + lacking, window.height());
    if (const int lacking = result.leastHeight() - ResultArea::Floor; lacking > 0) {
        const int frames = window.frameGeometry().height() - window.height();
        const int screenRoom = screen != nullptr ? screen->availableGeometry().height() - frames
                                                 : window.height() + lacking;
        window.resize(window.width(),
                      std::max(window.height(), std::min(window.height() + lacking, screenRoom)));
    }
}

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = window.screen())
        window.move(screen->availableGeometry().center() - window.frameGeometry().center() +
                    window.pos());
}

void giveResultItsRoom(QSplitter &splitter, const ConvictionsGroup &convictions,
                       const ResultArea &result)
{
    const QList<int> sizes = splitter.sizes();
    if (!splitter.window()->isVisible() || sizes.size() != 2)
        return;
    const int total = sizes.at(0) + sizes.at(1);
    const int whole = result.wholeHeight();
    const int spare = total - convictions.minimumSizeHint().height();
    const int shown = std::max(ResultArea::Floor, std::min(whole, spare));
    if (shown != sizes.at(1))
        splitter.setSizes({total - shown, shown});
}
