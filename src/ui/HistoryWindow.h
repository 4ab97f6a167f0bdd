#pragma once

#include "model/Preset.h"
#include "ui/PaintedRowList.h"

#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace reelcatch {

class AppModel;
class DesktopActions;
class FolderChooser;
class HistoryList;
class HistoryModel;

// "History": every video downloaded to the end, newest first, searched as
// the user types over titles and channels. Each row offers Open, Show in
// Folder, Download Again (with the preset chosen now), Copy Link and Remove
// from History, in its context menu, as its accessible actions and as
// shortcuts on the selected row; "Export…" writes what is listed as CSV.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(AppModel& model, DesktopActions& desktop, FolderChooser& chooser,
                  std::function<Preset()> preset, QWidget* parent = nullptr);

    QLineEdit* searchField() const { return m_search; }
    HistoryList* list() const { return m_list; }
    HistoryModel& rows() const { return *m_rows; }
    QPushButton* exportButton() const { return m_export; }
    QLabel* status() const { return m_status; }

    // What the row at `row` offers, in menu order.
    QList<PaintedRowList::RowAction> rowActions(int row);
    // The suggested name of an export.
    static QString exportName();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addShortcut(const QString& name, const QKeySequence& keys, QWidget* scope,
                         void (HistoryWindow::*act)(int row));
    void open(int row);
    void showInFolder(int row);
    void downloadAgain(int row);
    void copyLink(int row);
    void remove(int row);
    void exportRows();
    void refreshStatus();

    AppModel& m_model;
    DesktopActions& m_desktop;
    FolderChooser& m_chooser;
    std::function<Preset()> m_preset;
    HistoryModel* m_rows = nullptr;
    QLineEdit* m_search = nullptr;
    HistoryList* m_list = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_export = nullptr;
    QString m_exportNote;
};

} // namespace reelcatch
