// The desktop shell: opening web and mail addresses, and the manual's pages.
// The program uses the desktop's handlers; tests record the requests instead, so
// no test opens a browser or a mail program.
#pragma once

#include <QString>
#include <QUrl>

class Shell
{
public:
    virtual ~Shell() = default;

    // The "open" action on a web or "mailto:" address. The outcome is not checked.
    virtual void openAddress(const QUrl &address) = 0;
    // Shows a page of the manual (a local file's address) in the user's browser.
    // The outcome is not checked.
    virtual void openHelpPage(const QUrl &page) = 0;
};
