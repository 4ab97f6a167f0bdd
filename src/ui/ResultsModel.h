#pragma once

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
    };
    // The badge of a live or upcoming stream ("Live", "Upcoming").
    static QString liveText(VideoItem::Live live);

    explicit ResultsModel(AppModel& model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const VideoItem& item(int row) const { return m_items.at(row); }
    bool isSelected(int row) const;
    // Ticks or unticks one row: one change of the selected set.
    void setSelected(int row, bool selected);
    void toggle(int row) { setSelected(row, !isSelected(row)); }
    // Whether a video is listed.
    bool contains(const QString& id) const { return m_rows.contains(id); }

private:
    void reload();
    void append(int first);
    // Adds the rows from `first` on to m_rows (all of them from 0).
    void indexRows(qsizetype first);
    void selectionChanged(const SelectionDelta& delta);
    void historyChanged(const QList<QString>& added);
    // dataChanged for the rows of those ids, in runs of neighbouring rows;
    // for all rows when the ids are many.
    void rowsChanged(const QList<QString>& ids, const QList<QString>& more,
                     const QList<int>& roles);

    AppModel& m_model;
    // A shallow copy of the model's list, so rows stay consistent while a
    // reset is under way.
    QList<VideoItem> m_items;
    // The row(s) of each id (a playlist may list a video twice).
    QMultiHash<QString, int> m_rows;
};

} // namespace reelcatch
