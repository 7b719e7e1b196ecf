#include "ui/desktopshell.h"

#include <QDesktopServices>
#include <QProcess>

void DesktopShell::openAddress(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

void DesktopShell::openHelpFile(const QString &path)
{
#ifdef Q_OS_WIN
    // The compiled-help viewer takes the file as its parameter.
    QProcess::startDetached(QStringLiteral("hh.exe"), {path});
#else
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}
