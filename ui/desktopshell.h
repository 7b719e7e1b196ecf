// The shell of the user's desktop.
#pragma once

#include "platform/shell.h"

class DesktopShell : public Shell
{
public:
    void openAddress(const QUrl &address) override;
    void openHelpPage(const QUrl &page) override;
};
