#pragma once

#include "appmodel/Lookup.h"
#include "model/VideoItem.h"

#include <QAbstractListModel>
#include <QList>
#include <QMultiHash>

namespace reelcatch {

class AppModel;
struct SelectionDelta;

// The lookup results as a flat list model: one row per item of
// AppModel::results(), in its order. The check state of a row is whether
// the item's id is in AppModel::selected(); setting it writes the set back.
// When several links were looked up, each link's rows follow a heading row
// of its own (HeadingRole): its title, its count and why it failed.
class ResultsModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        // The VideoItem itself.
        ItemRole = Qt::UserRole + 1,
        // Its thumbnail address (a QUrl), absent when it has none.
        ThumbnailRole,
        // Its length as shown on the badge ("4:05"), absent without one.
        DurationTextRole,
        ChannelRole,
        // Whether the video is in the download history (bool).
        DownloadedRole,
        // A live or upcoming stream: int of VideoItem::Live.
        LiveRole,
        // True on a link's heading row.
        HeadingRole,
        // A heading's count ("12 videos so far", "Waiting").
        HeadingCountRole,
        // Why the heading's link failed, a plain sentence; empty if it did not.
        HeadingErrorRole,
    };
    // The badge of a live or upcoming stream ("Live", "Upcoming").
    static QString liveText(VideoItem::Live live);

    explicit ResultsModel(AppModel& model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The item of a row that is no heading, and its place in the lookup's results.
    const VideoItem& item(int row) const { return m_items.at(itemIndex(row)); }
    qsizetype itemIndex(int row) const;
    bool isHeading(int row) const;
    // The link whose rows `row` is among (or heads); -1 for a single link.
    int sectionAt(int row) const;
    int headingRow(int section) const { return int(m_sections.at(section).first) + section; }
    // Ticks every row of a link, or none when all are ticked.
    void toggleSection(int section);
    bool isSelected(int row) const;
    // Ticks or unticks one row: one change of the selected set.
    void setSelected(int row, bool selected);
    // A heading's row toggles its link's rows.
    void toggle(int row);
    // Whether a video is listed.
    bool contains(const QString& id) const { return m_rows.contains(id); }

private:
    // Where an item is: the link it is listed under (0 for a single link),
    // and its place among that link's rows.
    struct Place {
        int section = 0;
        int offset = 0;
    };
    int rowOf(Place place) const
    {
        return m_sections.isEmpty() ? place.offset : headingRow(place.section) + 1 + place.offset;
    }
    QVariant headingData(int section, int role) const;
    void reload();
    void append(int first);
    void insert(int section, int first, int count);
    void sectionChanged(int section);
    // Adds the rows from `first` on to m_rows (all of them from 0).
    void indexRows(qsizetype first);
    void selectionChanged(const SelectionDelta& delta);
    // Videos added to the history or removed from it.
    void historyChanged(const QList<QString>& ids);
    // dataChanged for the rows of those ids, in runs of neighbouring rows;
    // for all rows when the ids are many.
    void rowsChanged(const QList<QString>& ids, const QList<QString>& more,
                     const QList<int>& roles);

    AppModel& m_model;
    // A shallow copy of the model's list, so rows stay consistent while a
    // reset is under way.
    QList<VideoItem> m_items;
    // The links' headings, as the rows know them.
    QList<LinkSection> m_sections;
    // The place(s) of each id (a playlist may list a video twice): they stay
    // when rows are put in above.
    QMultiHash<QString, Place> m_rows;
};

} // namespace reelcatch
