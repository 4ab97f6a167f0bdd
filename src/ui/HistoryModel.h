#pragma once

#include "appmodel/LibraryStore.h"

#include <QAbstractListModel>
#include <QHash>
#include <QSet>
#include <QTimer>

namespace reelcatch {

class Library;

// The history of finished videos as the history window lists it, newest
// first, narrowed by a search. The store is read on its own thread, one
// search at a time: one typed while another is read is asked for when that
// one comes back, so no answer is wasted and none comes late. Whether a
// row's file is still there is looked up off the GUI thread when the row is
// first shown.
class HistoryModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        ChannelRole = Qt::UserRole + 1,
        // The preset's short label, the date finished as the locale writes it.
        PresetRole,
        FinishedRole,
        // True or false once looked up; invalid until then.
        FilePresentRole,
    };

    explicit HistoryModel(Library& library, QObject* parent = nullptr);
    ~HistoryModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Reads the history again for this search (empty: all of it).
    void setSearch(const QString& search);
    const QString& search() const { return m_wanted; }
    // Whether the rows listed are those of the search asked for last.
    bool isCurrent() const { return m_loaded && m_inFlight == 0 && m_sent == m_wanted; }
    bool isLoaded() const { return m_loaded; }
    const HistoryEntry& entry(int row) const { return m_rows.at(row); }
    // Whether the row's file was there when looked up; nothing until then.
    std::optional<bool> filePresent(int row) const;

signals:
    // The rows of a search came in.
    void refreshed();

private:
    void ask();
    void found(int ticket, const QList<HistoryEntry>& entries);
    void replace(const QList<HistoryEntry>& entries);
    void removed(const QList<QString>& ids);
    void checkFiles();

    Library& m_library;
    QList<HistoryEntry> m_rows;
    bool m_loaded = false;
    // The search last asked for, and the one whose answer is awaited.
    QString m_wanted;
    QString m_sent;
    int m_inFlight = 0;
    // Whether the read awaited is the rest after the first page.
    bool m_rest = false;
    bool m_removedMeanwhile = false;
    // Rows read first for a search: more than a window shows.
    static constexpr int firstPage = 200;
    bool m_stale = false;
    // Whether each file looked at was there, by path.
    QHash<QString, bool> m_present;
    // Paths to look at, with the row that showed them.
    mutable QHash<QString, int> m_toCheck;
    QSet<QString> m_checking;
    mutable QTimer m_check;
};

} // namespace reelcatch
