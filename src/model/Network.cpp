#include "model/Network.h"

#include <QCoreApplication>
#include <QUrl>

namespace reelcatch::Network {

std::optional<QString> proxyProblem(const QString& address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https" && scheme != u"socks5") ||
        !text.contains(QLatin1String("://")))
        return QCoreApplication::translate(
            "reelcatch::Network",
            "A proxy address begins with http://, https:// or socks5://, as in "
            "socks5://127.0.0.1:1080.");
    if (url.host().isEmpty())
        return QCoreApplication::translate("reelcatch::Network",
                                           "The proxy address needs a host after \u201c//\u201d.");
    if ((!url.path().isEmpty() && url.path() != u"/") || url.hasQuery() || url.hasFragment())
        return QCoreApplication::translate(
            "reelcatch::Network", "A proxy address ends with its host and port, with nothing after "
                                  "them.");
    return std::nullopt;
}

} // namespace reelcatch::Network
