// The language files as the catalogue reads them: each parsed once into a table
// of its texts, and parsed again only when the file changed. Every lookup looks
// at the file once (one stat: its kind, size and times); while it shows what it
// showed at the last parse, the table answers. An edited file therefore takes effect at
// the next lookup, a missing one reads as empty, and one that cannot be read
// raises its error at every lookup, as when each lookup read the file.
//
// A time stamp only tells edits apart that lie further apart than its
// resolution: while the file's modification time lies within that resolution
// of the moment its contents were last read, a lookup reads the file again and
// compares a digest of its bytes, so that an edit of the same size within the
// same tick is still seen.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

class LanguageFileIndex
{
public:
    // Reads a file's bytes, raising the error of one that cannot be read; a
    // missing file gives none.
    using Reader = std::function<QByteArray(const QString &path)>;
    // The clock the moments of reading are taken from.
    using Clock = std::function<QDateTime()>;

    // What one look at the file system says of a file; equal stamps, an
    // unchanged file (but for an edit within the time resolution).
    struct Stamp
    {
        bool exists = false;
        bool regular = false; // a file, not a folder or a device
        qint64 size = -1;
        qint64 modified = 0; // nanoseconds since the epoch, as fine as the system keeps it
        // Its attributes' last change (permissions included) where the system
        // keeps one; a write changes it too.
        qint64 changed = 0;
        bool operator==(const Stamp &) const = default;
    };
    using Stamper = std::function<Stamp(const QString &path)>;
    // One look at the file system (a single stat).
    static Stamp stampOf(const QString &path);

    // The coarsest modification time in use (FAT's two seconds).
    static constexpr std::chrono::milliseconds TimeResolution{2000};

    // The locale decides the 8-bit code page of files without a byte-order mark.
    explicit LanguageFileIndex(QLocale locale, Reader read = {}, Clock now = {},
                               Stamper stamp = {});

    // The text of "Section.Name" in the file ("LOCxxx" as section "xxx" is the
    // caller's); none where the file gives none. Names match without regard to
    // case; a later key or section block counts, as in any INI file.
    std::optional<QString> value(const QString &path, QStringView section, QStringView name);

    // How many times a file was parsed: what the index saves.
    int parses() const { return m_parses; }

private:
    struct Parsed
    {
        Stamp stamp;
        QDateTime readAt; // when the bytes the table holds were last read
        QByteArray digest;
        QHash<QString, QString> texts; // by the folded "SECTION\nNAME"
    };

    const Parsed &current(const QString &path);
    Parsed parse(const Stamp &stamp, const QByteArray &bytes, const QDateTime &readAt);
    bool withinResolution(const Parsed &parsed) const;

    QLocale m_locale;
    Reader m_read;
    Clock m_now;
    Stamper m_stamp;
    QHash<QString, Parsed> m_files;
    int m_parses = 0;
};
