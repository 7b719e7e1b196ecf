#include "support/fullfilesystem.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#endif

namespace {

const QString FillerName = QStringLiteral("filler");
const QString ReserveName = QStringLiteral("reserve");

} // namespace

FullFileSystem::FullFileSystem()
{
    if (!m_dir.isValid()) {
        m_unavailable = QStringLiteral("cannot create a temporary folder to mount a tmpfs on");
        return;
    }
#ifdef Q_OS_LINUX
    const QByteArray target = QFile::encodeName(m_dir.path());
    const QByteArray options = "size=" + QByteArray::number(Size);
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, options.constData()) != 0) {
        const int error = errno;
        m_unavailable =
            QStringLiteral("cannot mount a %1-byte tmpfs to fill (mounting needs root): %2")
                .arg(Size)
                .arg(QString::fromLocal8Bit(std::strerror(error)));
        return;
    }
    m_mounted = true;
#else
    m_unavailable = QStringLiteral("a small file system to fill is mounted only on Linux");
#endif
}

FullFileSystem::~FullFileSystem()
{
#ifdef Q_OS_LINUX
    // Detached: a file a failed test left open must not keep the mount behind.
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
}

QString FullFileSystem::path(const QString &fileName) const
{
    return QDir(m_dir.path()).filePath(fileName);
}

bool FullFileSystem::write(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(path(fileName));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
           file.write(bytes) == bytes.size() && file.flush();
}

bool FullFileSystem::fill(qint64 spare) const
{
    if (spare > 0 && !write(ReserveName, QByteArray(spare, 'r')))
        return false;
    QFile filler(path(FillerName));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray block(1024, 'f');
    // One byte at a time at the end, so that not a byte of room is left.
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("f", 1) == 1) {
    }
    filler.close();
    return spare == 0 || QFile::remove(path(ReserveName));
}

QStringList FullFileSystem::filesOtherThanFiller() const
{
    QStringList files = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    files.removeAll(FillerName);
    return files;
}
