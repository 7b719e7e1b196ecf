#include "ui/recordfiledrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

std::optional<QString> droppedRecordFile(const QMimeData *data)
{
    if (data == nullptr || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return std::nullopt;
    const QString path = data->urls().first().toLocalFile();
    if (!path.endsWith(QStringLiteral(".har"), Qt::CaseInsensitive))
        return std::nullopt;
    return path;
}

RecordFileDrop::RecordFileDrop(QWidget &window, std::function<void(const QString &path)> open)
    : QObject(&window)
    , m_open(std::move(open))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool RecordFileDrop::eventFilter(QObject *watched, QEvent *event)
{
    // Any other drag is left to the window, which takes none.
    if (event->type() == QEvent::DragEnter) {
        auto *enter = static_cast<QDragEnterEvent *>(event);
        if (!droppedRecordFile(enter->mimeData()))
            return false;
        enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const std::optional<QString> path = droppedRecordFile(drop->mimeData());
        if (!path)
            return false;
        drop->acceptProposedAction();
        m_open(*path);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
