#include "catalogue/languagefileindex.h"

#include "catalogue/uLocalize.h"
#include "platform/caseless.h"
#include "platform/inidocument.h"
#include "platform/textfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

QString foldedKey(QStringView section, QStringView name)
{
    return caselessFolded(section) + u'\n' + caselessFolded(name);
}

QByteArray digestOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

LanguageFileIndex::LanguageFileIndex(QLocale locale, Reader read, Clock now, Stamper stamp)
    : m_locale(std::move(locale))
    , m_read(read ? std::move(read) : Reader([](const QString &path) {
        return readFileBytes(path, LanguageFileMaxBytes);
    }))
    , m_now(now ? std::move(now) : Clock([] { return QDateTime::currentDateTimeUtc(); }))
    , m_stamp(stamp ? std::move(stamp) : Stamper(&LanguageFileIndex::stampOf))
{
}

LanguageFileIndex::Stamp LanguageFileIndex::stampOf(const QString &path)
{
#ifdef Q_OS_UNIX
    // One system call: QFileInfo asks the system several times for these.
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    const auto nanoseconds = [](const timespec &time) {
        return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    return Stamp{true, S_ISREG(status.st_mode), qint64(status.st_size), nanoseconds(status.st_mtim),
                 nanoseconds(status.st_ctim)};
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    const auto nanoseconds = [](const QDateTime &time) {
        return time.toMSecsSinceEpoch() * 1'000'000;
    };
    return Stamp{true, info.isFile(), info.size(), nanoseconds(info.lastModified()),
                 nanoseconds(info.metadataChangeTime())};
#endif
}

std::optional<QString> LanguageFileIndex::value(const QString &path, QStringView section,
                                                QStringView name)
{
    const Parsed &parsed = current(path);
    const auto found = parsed.texts.constFind(foldedKey(section, name));
    if (found == parsed.texts.cend())
        return std::nullopt;
    return *found;
}

bool LanguageFileIndex::withinResolution(const Parsed &parsed) const
{
    // A modification time after the reading, or too close before it to tell an
    // edit made just after the reading apart.
    const qint64 readAt = parsed.readAt.toMSecsSinceEpoch();
    return readAt - parsed.stamp.modified / 1'000'000 <= TimeResolution.count();
}

const LanguageFileIndex::Parsed &LanguageFileIndex::current(const QString &path)
{
    const Stamp stamp = m_stamp(path);
    const auto known = m_files.find(path);
    if (known != m_files.end() && known->stamp == stamp) {
        if (!stamp.exists || !withinResolution(*known))
            return *known;
        const QDateTime readAt = m_now();
        const QByteArray bytes = m_read(path);
        if (digestOf(bytes) == known->digest) {
            known->readAt = readAt;
            return *known;
        }
        return *m_files.insert(path, parse(stamp, bytes, readAt));
    }
    const QDateTime readAt = m_now();
    const QByteArray bytes = stamp.exists ? m_read(path) : QByteArray();
    return *m_files.insert(path, parse(stamp, bytes, readAt));
}

LanguageFileIndex::Parsed LanguageFileIndex::parse(const Stamp &stamp, const QByteArray &bytes,
                                                   const QDateTime &readAt)
{
    ++m_parses;
    Parsed parsed{stamp, readAt, digestOf(bytes), {}};
    const IniDocument document = IniDocument::parse(decodeText(bytes, m_locale));
    for (const QString &section : document.sectionNames()) {
        document.forEachKey(section, [&](QStringView key, QStringView value) {
            parsed.texts.insert(foldedKey(section, key), value.toString());
        });
    }
    return parsed;
}
