#include "platform/atomicwrite.h"

#include "platform/runtimeerror.h"

#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// Whether what was written is on the disk. A file system that takes its room
// only when it writes back (a network share, a quota) reports a full disk here
// and nowhere else, and QSaveFile's own sync in commit() ignores the answer. A
// file that cannot be synced (EINVAL) has nothing to report.
bool syncedToDisk(const QSaveFile &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0 || errno == EINVAL;
#else
    Q_UNUSED(file);
    return true;
#endif
}

} // namespace

void replaceFileAtomically(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    // Unbuffered, every write reaches the system at once and its failure shows
    // here. Buffered, the last bytes are written by the flush inside commit(),
    // whose failure Qt 6.4 does not heed: the short temporary file then replaces
    // the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw unableToWriteError(path);
    const bool written = file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush() &&
                         file.error() == QFileDevice::NoError && syncedToDisk(file);
    // Uncommitted, the temporary file goes with `file`, and the old one stays.
    if (!written || !file.commit())
        throw unableToWriteError(path);
}
