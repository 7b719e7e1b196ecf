#include "catalogue/languagefileindex.h"

#include "catalogue/uLocalize.h"
#include "platform/caseless.h"
#include "platform/inidocument.h"
#include "platform/textfile.h"

#include <QCryptographicHash>
#include <QFileInfo>

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

LanguageFileIndex::LanguageFileIndex(QLocale locale, Reader read, Clock now)
    : m_locale(std::move(locale))
    , m_read(read ? std::move(read) : Reader([](const QString &path) {
        return readFileBytes(path, LanguageFileMaxBytes);
    }))
    , m_now(now ? std::move(now) : Clock([] { return QDateTime::currentDateTimeUtc(); }))
{
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
    return !parsed.stamp.modified.isValid() ||
           parsed.stamp.modified.msecsTo(parsed.readAt) <= TimeResolution.count();
}

const LanguageFileIndex::Parsed &LanguageFileIndex::current(const QString &path)
{
    const QFileInfo info(path);
    const bool exists = info.exists();
    const Stamp stamp{exists, exists && info.isFile(), exists && info.isReadable(),
                      exists ? info.size() : -1,
                      exists ? info.lastModified().toUTC() : QDateTime()};
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
