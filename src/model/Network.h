#pragma once

#include <QString>

#include <optional>

namespace reelcatch::Network {

// Why `address` is no proxy yt-dlp can use, as a sentence; nothing for an
// empty one (no proxy) or an "http://", "https://" or "socks5://" address
// of a host, with a port and a user's name and password if need be.
std::optional<QString> proxyProblem(const QString& address);

} // namespace reelcatch::Network
