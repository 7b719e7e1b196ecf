#include "ui/desktopshell.h"

#include <QDesktopServices>

void DesktopShell::openAddress(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

void DesktopShell::openHelpPage(const QUrl &page)
{
    QDesktopServices::openUrl(page);
}
