#include "platform/programfolder.h"

#include <QDir>

QString programFolderFor(const QString &executableFolder)
{
    const QDir beside(executableFolder);
    if (beside.exists(QStringLiteral("lang")))
        return beside.path();
    return QDir::cleanPath(beside.filePath(QStringLiteral("../share/kovrant")));
}
