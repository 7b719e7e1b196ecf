#include "platform/languagesetting.h"

#include "platform/atomicwrite.h"
#include "platform/inidocument.h"
#include "platform/runtimeerror.h"
#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString ValueName = QStringLiteral("Lang");
const QString Group = QStringLiteral("Settings");
// A store's file holds a few lines; one this large is no store of this program.
constexpr qint64 MaxStoreBytes = 1024 * 1024;

std::unique_ptr<QSettings> openUserSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Brindlewick"), QStringLiteral("Kovrant"));
}

// The INI file the store keeps its values in; none for the Windows registry.
std::optional<QString> iniFileOf(const QSettings &settings)
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    const bool iniFile = settings.format() == QSettings::IniFormat;
#else
    const bool iniFile =
        settings.format() == QSettings::IniFormat || settings.format() == QSettings::NativeFormat;
#endif
    return iniFile ? std::optional(settings.fileName()) : std::nullopt;
}

// The file's bytes; none when there is no file. Raises "Cannot open file" when it
// cannot be read.
std::optional<QByteArray> fileBytes(const QString &path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return readFileBytes(path, MaxStoreBytes);
}

// Whether the file holds the value. Qt's store replaces its file even when the
// new content could not be written (a full disk), and reports no error: the
// file is then empty or cut short.
bool fileHoldsValue(const QString &path)
{
    try {
        const std::optional<QByteArray> bytes = fileBytes(path);
        return bytes && IniDocument::parse(QString::fromUtf8(*bytes)).value(Group, ValueName);
    } catch (const RuntimeError &) {
        return false;
    }
}

// Puts the file back as it was: the bytes it held, or no file.
void restoreFile(const QString &path, const std::optional<QByteArray> &bytes)
{
    try {
        if (fileBytes(path) == bytes)
            return;
        if (bytes)
            replaceFileAtomically(path, *bytes);
        else
            QFile::remove(path);
    } catch (const RuntimeError &) {
        // Nothing more can be done: the write is reported failed all the same.
    }
}

} // namespace

LanguageSetting::LanguageSetting()
    : LanguageSetting(&openUserSettings)
{
}

LanguageSetting::LanguageSetting(SettingsOpener opener)
    : m_open(std::move(opener))
{
}

QString LanguageSetting::read() const
{
    const std::unique_ptr<QSettings> settings = m_open();
    settings->beginGroup(Group);
    const QVariant value = settings->value(ValueName);
    if (!value.isValid())
        return {};
    if (value.typeId() != QMetaType::QString)
        throw invalidDataTypeError(ValueName);
    return value.toString();
}

void LanguageSetting::write(const QString &name) const
{
    std::optional<QString> file;
    std::optional<QByteArray> before;
    bool synced = false;
    {
        const std::unique_ptr<QSettings> settings = m_open();
        file = iniFileOf(*settings);
        try {
            if (file)
                before = fileBytes(*file);
        } catch (const RuntimeError &) {
            // A file that cannot be read cannot be kept as it was.
            throw failedToSetDataError(ValueName);
        }
        settings->beginGroup(Group);
        const QVariant stored = settings->value(ValueName);
        settings->setValue(ValueName, name);
        settings->sync();
        synced = settings->status() == QSettings::NoError;
        // Qt keeps an unwritten change for the next store opened on the same file,
        // which would read it and write it later: it goes back to what is stored.
        if (!synced) {
            if (stored.isValid())
                settings->setValue(ValueName, stored);
            else
                settings->remove(ValueName);
        }
    } // Closing the store writes once more what is unwritten.
    if (synced && (!file || fileHoldsValue(*file)))
        return;
    if (file)
        restoreFile(*file, before);
    throw failedToSetDataError(ValueName);
}

void LanguageSetting::touch() const
{
    m_open();
}
