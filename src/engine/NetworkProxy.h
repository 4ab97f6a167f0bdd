#pragma once

#include <QNetworkProxy>
#include <QString>

namespace reelcatch {

// The proxy Qt's own transfers (tool installs, thumbnails) take for the
// address yt-dlp is given with --proxy: an HTTP proxy for "http://" and
// "https://" (which Qt, like yt-dlp here, speaks to in plain HTTP), a SOCKS5
// one for "socks5://", with the user's name and password. An empty address,
// or one that is no proxy address, leaves the application's default.
QNetworkProxy networkProxy(const QString& address);

} // namespace reelcatch
