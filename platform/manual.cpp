#include "platform/manual.h"

#include "platform/languageid.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString manualIndex(const QString &programFolder, const QString &languageCode)
{
    return QDir(programFolder).filePath(QStringLiteral("manual/%1/index.html").arg(languageCode));
}

} // namespace

QString englishManualIndex(const QString &programFolder)
{
    return manualIndex(programFolder, QStringLiteral("en"));
}

std::optional<QString> manualIndexFor(const QString &programFolder, qint32 langId)
{
    if (const std::optional<QLocale::Language> language = languageOfId(langId)) {
        const QString own = manualIndex(programFolder, QLocale::languageToCode(*language));
        if (QFileInfo(own).isFile())
            return own;
    }
    const QString english = englishManualIndex(programFolder);
    if (QFileInfo(english).isFile())
        return english;
    return std::nullopt;
}
