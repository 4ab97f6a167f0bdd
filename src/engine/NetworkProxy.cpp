#include "engine/NetworkProxy.h"

#include "model/Network.h"

#include <QUrl>

namespace reelcatch {

QNetworkProxy networkProxy(const QString& address)
{
    if (address.trimmed().isEmpty() || Network::proxyProblem(address))
        return QNetworkProxy(QNetworkProxy::DefaultProxy);
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const bool socks = url.scheme() == u"socks5";
    const quint16 port = quint16(url.port(socks ? 1080 : url.scheme() == u"https" ? 443 : 80));
    return QNetworkProxy(socks ? QNetworkProxy::Socks5Proxy : QNetworkProxy::HttpProxy, url.host(),
                         port, url.userName(QUrl::FullyDecoded), url.password(QUrl::FullyDecoded));
}

} // namespace reelcatch
