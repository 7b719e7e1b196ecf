// Replacing a whole file in one step, soundly whatever the file system and Qt's
// buffering do.
#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces the file at path with bytes, or creates it. Every write is checked and
// the bytes are on the disk before the new file takes the old one's place: on any
// failure (a full disk among them) the file is exactly as it was, or still absent,
// no temporary file is left beside it, and "Unable to write to %s" is raised.
void replaceFileAtomically(const QString &path, QByteArrayView bytes);
