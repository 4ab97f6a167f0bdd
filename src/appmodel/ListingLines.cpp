#include "appmodel/ListingLines.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace reelcatch {

namespace {

// QJsonDocument's reading of a line the scanner was unsure of.
std::optional<ListingScanner::Line> readWhole(QByteArrayView text)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(text.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject object = doc.object();
    ListingScanner::Line read;
    read.item = VideoItem::fromJson(object);
    for (const char* key : {"playlist_title", "playlist_id", "playlist_index"}) {
        const QJsonValue value = object.value(QLatin1String(key));
        read.inPlaylist = read.inPlaylist || !(value.isNull() || value.isUndefined());
    }
    const QJsonValue title = object.value(QLatin1String("playlist_title"));
    if (title.isString())
        read.playlistTitle = title.toString();
    return read;
}

} // namespace

void ListingLines::feed(QByteArrayView piece)
{
    while (!piece.isEmpty()) {
        const qsizetype end = piece.indexOf('\n');
        if (end < 0) {
            m_partial.append(piece);
            return;
        }
        if (m_partial.isEmpty()) {
            line(piece.first(end));
        } else {
            m_partial.append(piece.first(end));
            line(m_partial);
            m_partial.clear();
        }
        piece = piece.sliced(end + 1);
    }
}

void ListingLines::finish()
{
    if (!m_partial.isEmpty())
        line(std::exchange(m_partial, {}));
}

void ListingLines::line(QByteArrayView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return;
    std::optional<ListingScanner::Line> read = m_scanner.readLine(text);
    if (!read)
        read = readWhole(text);
    if (!read) {
        ++m_unreadable;
        return;
    }
    ++m_objects;
    if (read->inPlaylist && !m_inPlaylist) {
        // The first entry of a playlist names it; entries have no id at times,
        // yet still carry the playlist's title.
        m_inPlaylist = true;
        m_playlistTitle = std::move(read->playlistTitle);
    }
    if (!read->item || m_ids.contains(read->item->id()))
        return;
    m_ids.insert(read->item->id());
    m_items.append(std::move(*read->item));
}

QString ListingLines::title() const
{
    if (!m_inPlaylist)
        return {};
    return m_playlistTitle.value_or(QCoreApplication::translate("reelcatch::Listing", "Playlist"));
}

} // namespace reelcatch
