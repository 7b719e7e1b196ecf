#include "platform/webaddress.h"

QUrl webAddress(const QString &text)
{
    const QUrl link(text, QUrl::StrictMode);
    const QString scheme = link.scheme().toLower();
    if (!link.isValid() || (scheme != u"http" && scheme != u"https") || link.host().isEmpty())
        throw RuntimeError(MessageText(WebLinkWording, {text}));
    return link;
}
