// What the fuzz targets share: a scratch folder for the files they write, and
// trimming as the INI reader trims.
#pragma once

#include <QDir>
#include <QStringView>
#include <QTemporaryDir>

// In memory where the machine offers it: saving waits for the disk otherwise.
inline const QTemporaryDir &scratchFolder()
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/kovrant-fuzz-XXXXXX")
                                          : QDir::tempPath() +
                                                QStringLiteral("/kovrant-fuzz-XXXXXX"));
    return folder;
}

// The text without the characters of code 32 or less at its ends.
inline QStringView blankTrimmed(QStringView text)
{
    while (!text.isEmpty() && text.front().unicode() <= 32)
        text = text.sliced(1);
    while (!text.isEmpty() && text.back().unicode() <= 32)
        text.chop(1);
    return text;
}
