// A file system of its own for tests of saves that run out of room: a 64 KiB
// tmpfs mounted over a temporary folder, filled on request, unmounted when the
// object goes. Mounting needs Linux and root (CI runs as root); where it is
// impossible, unavailableReason() says why, for the test to skip with.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class FullFileSystem
{
public:
    static constexpr qint64 Size = 64 * 1024;

    FullFileSystem();
    ~FullFileSystem();
    FullFileSystem(const FullFileSystem &) = delete;
    FullFileSystem &operator=(const FullFileSystem &) = delete;

    // Empty when the file system is mounted.
    QString unavailableReason() const { return m_unavailable; }

    QString path(const QString &fileName) const;
    // Writes a file while there is room; false when it could not be written whole.
    bool write(const QString &fileName, const QByteArray &bytes) const;
    // Fills the free space with a file of its own until a write fails for want of
    // room, then frees `spare` bytes again (whole pages of the tmpfs). False when
    // the file system could not be filled.
    bool fill(qint64 spare = 0) const;
    // The files in the folder other than the filler: what a save left behind.
    QStringList filesOtherThanFiller() const;

private:
    QTemporaryDir m_dir;
    QString m_unavailable;
    bool m_mounted = false;
};

// Skips the test, naming the reason, when the file system is not available.
#define SKIP_UNLESS_MOUNTED(fileSystem)                                                            \
    do {                                                                                           \
        if (!(fileSystem).unavailableReason().isEmpty())                                           \
            QSKIP(qPrintable((fileSystem).unavailableReason()));                                   \
    } while (false)
