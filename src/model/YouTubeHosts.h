#pragma once

#include <QString>

namespace reelcatch {

// YouTube's host names, in one place for the whole application.
namespace YouTubeHosts {
inline QString bareDomain()
{
    return QStringLiteral("youtube.com");
}
inline QString mainHost()
{
    return QStringLiteral("www.youtube.com");
}
inline QString mobileHost()
{
    return QStringLiteral("m.youtube.com");
}
inline QString musicHost()
{
    return QStringLiteral("music.youtube.com");
}
inline QString shortLinkHost()
{
    return QStringLiteral("youtu.be");
}
inline QString thumbnailHost()
{
    return QStringLiteral("i.ytimg.com");
}
} // namespace YouTubeHosts

} // namespace reelcatch
