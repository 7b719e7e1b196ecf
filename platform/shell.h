// The desktop shell: opening web and mail addresses, and the help viewer. The
// program uses the desktop's handlers; tests record the requests instead, so no
// test opens a browser, a mail program or a viewer.
#pragma once

#include <QString>
#include <QUrl>

class Shell
{
public:
    virtual ~Shell() = default;

    // The "open" action on a web or "mailto:" address. The outcome is not checked.
    virtual void openAddress(const QUrl &address) = 0;
    // Starts the help viewer with the help file's full path. The outcome is not checked.
    virtual void openHelpFile(const QString &path) = 0;
};
