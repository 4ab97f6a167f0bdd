// VideoItem::fromJson() on every JSON object of any document: the answer's
// top-level object, its entries and everything nested in them.
//
// Properties beyond "no crash":
// - an item exists exactly when the object has a non-empty string "id",
//   and carries that id;
// - its title and address are never empty (both fall back to the id);
// - its duration is the object's "duration" exactly when that is a number;
// - a thumbnail, when there is one, is a valid, non-empty address;
// - equal items hash alike, and the object written out as JSON text and
//   read back yields the same item, unless a byte order mark was involved.
//   (QJsonDocument drops a raw byte order mark at the start of a string
//   without escapes, but keeps it in one with escapes, and sorts members by
//   the key as written: {"url": 1, "<BOM>url": 2} holds "url" twice, and
//   {"u\u00e9": 1, "<BOM>url": 2} holds it out of order, where looking it
//   up misses. Written out and read back, such text reads differently.
//   yt-dlp escapes every non-ASCII character, and ListingScanner leaves any
//   byte order mark to QJsonDocument, so nothing else sees such objects.)
#include "FuzzCheck.h"
#include "model/VideoItem.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace reelcatch;

using namespace Qt::StringLiterals;

namespace {

// Whether some object in `value` has a member that looking up its own key
// does not find.
bool hasUnfindableMember(const QJsonValue& value)
{
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        return std::any_of(array.begin(), array.end(), hasUnfindableMember);
    }
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (object.value(it.key()) != it.value() || hasUnfindableMember(it.value()))
            return true;
    }
    return false;
}

void checkObject(const QJsonObject& json)
{
    const std::optional<VideoItem> item = VideoItem::fromJson(json);
    const QJsonValue id = json.value(u"id"_s);
    const bool hasId = id.isString() && !id.toString().isEmpty();
    FUZZ_CHECK(item.has_value() == hasId);
    if (!item)
        return;

    FUZZ_CHECK(item->id() == id.toString());
    FUZZ_CHECK(!item->title().isEmpty());
    FUZZ_CHECK(!item->url().isEmpty());
    const QJsonValue duration = json.value(u"duration"_s);
    FUZZ_CHECK(item->duration().has_value() == duration.isDouble());
    if (item->duration())
        FUZZ_CHECK(*item->duration() == duration.toDouble());
    if (item->thumbnail())
        FUZZ_CHECK(item->thumbnail()->isValid() && !item->thumbnail()->isEmpty(),
                   shown(item->thumbnail()->toString()));

    const VideoItem copy = *item;
    FUZZ_CHECK(copy == *item && qHash(copy) == qHash(*item));

    if (hasUnfindableMember(json))
        return;
    const QByteArray written = QJsonDocument(json).toJson(QJsonDocument::Compact);
    if (written.contains("\xef\xbb\xbf"))
        return;
    const QJsonDocument reread = QJsonDocument::fromJson(written);
    FUZZ_CHECK(reread.isObject(), QString::fromUtf8(written));
    const std::optional<VideoItem> again = VideoItem::fromJson(reread.object());
    FUZZ_CHECK(again && *again == *item && qHash(*again) == qHash(*item),
               QString::fromUtf8(written));
}

void visit(const QJsonValue& value)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        checkObject(object);
        for (auto it = object.begin(); it != object.end(); ++it)
            visit(it.value());
    } else if (value.isArray()) {
        for (const QJsonValue& element : value.toArray())
            visit(element);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QJsonDocument doc = QJsonDocument::fromJson(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (doc.isObject())
        visit(doc.object());
    else if (doc.isArray())
        visit(doc.array());
    return 0;
}
