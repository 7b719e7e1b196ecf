// A record file dropped on the main window opens as if chosen in the open
// dialog: the window takes a drag that carries one local ".har" file, and hands
// the file on when it is dropped.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QMimeData;
class QWidget;

// The record file a drag carries: one local file with the ".har" extension.
std::optional<QString> droppedRecordFile(const QMimeData *data);

class RecordFileDrop : public QObject
{
    Q_OBJECT

public:
    // Makes the window take drops; a record file dropped on it goes to open.
    RecordFileDrop(QWidget &window, std::function<void(const QString &path)> open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> m_open;
};
