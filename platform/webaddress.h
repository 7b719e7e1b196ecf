// A web address taken from a text that others may write (a language file): only
// an http or https address with a host is one; anything else, a local program or
// file among them, is refused before the shell could open it.
#pragma once

#include "platform/runtimeerror.h"

#include <QString>
#include <QUrl>

// The message for a text that is no web address.
inline constexpr MessageWording WebLinkWording{
    u"Error.NotWebLink", u"The web link \"%1\" is not an http or https address"};

// The address the text names; raises WebLinkWording with the text otherwise.
QUrl webAddress(const QString &text);
