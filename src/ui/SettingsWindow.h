#pragma once

#include <QDialog>
#include <QList>

#include <utility>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace reelcatch {

class AppModel;
class FolderChooser;
class Prefs;
template <typename T> struct Setting;

// The settings window: the download folder, file names, parallel downloads,
// clipboard auto-load, the video, subtitle, SponsorBlock and tagging options,
// the proxy and speed limit, the state
// of the tools and the engine update. A single non-modal top-level window
// (a dialog: Escape and Ctrl+W close it), as wide as its widest row and as
// tall as its content, within the screen (what doesn't fit scrolls); closing
// it only hides it, so the caller keeps one instance and shows it again.
//
// Every control writes its settings key the moment it changes and is read
// back from the store when the window is shown and whenever the store
// announces a change, so nothing is cached here. The engine rows look at the
// file system afresh whenever the model changes.
//
// Child object names, for the desktop's automation and the tests:
// "folderPath", "changeFolder", "nameStyle", "nameCustom", "nameProblem",
// "namePreview", "playlistFolders", "parallel",
// "autoPaste", "h264", "h264Note", "audioLang", "subs", "subFiles",
// "subLangsRow", "subLangsButton", "subLangs" (its list), "autoSubs", "sponsorMode",
// "sponsorCatsRow", "sponsorCat_" and each of YtdlpArgs::sponsorCategories, "embedMeta",
// "embedThumb", "accountSection", "cookiesFrom", "cookiesNote", "proxy", "proxyProblem",
// "rateLimit", "ytdlpVersion", "ffmpegState",
// "denoState", "engineSpinner", "updateNow".
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    // The width the window opens with when its rows need no more.
    static constexpr int preferredWidth = 520;
    // What the parallel-downloads spin box can set; a stored value outside
    // this range is shown as it is.
    static constexpr int minParallel = 1;
    static constexpr int maxParallel = 6;

    SettingsWindow(AppModel& model, FolderChooser& chooser, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    // Brings the "YouTube account" section into view and focuses its picker.
    void showAccountSection();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSaving();
    QWidget* buildVideo();
    QWidget* buildTags();
    QWidget* buildAccount();
    QWidget* buildNetwork();
    // The file-name picker, the user's template and the playlist folders.
    void addNamingRows(QFormLayout* form, QWidget* group);
    QWidget* buildEngine();
    // A switch for one of PrefKey's keys (kept by address).
    QCheckBox* addToggle(const QString& text, const Setting<bool>& key);
    // Sizes the window by what its rows need, within the screen.
    void sizeToContent();
    void growToContent();
    int scrollBarWidth() const;

    // Reads every setting back into its control.
    void refreshSettings();
    void refreshFolder();
    void refreshEngine();
    // Lists the browsers found and shows the stored cookie choice.
    void refreshAccount();
    // The names' examples come from the first listed video.
    void refreshNaming();
    void refreshNetwork();
    void cookiesPicked(int index);
    void sponsorCategoriesPicked();
    void elideFolderPath();
    void updateEngine();

    AppModel& m_model;
    Prefs& m_prefs;
    FolderChooser& m_chooser;

    QLabel* m_folderPath = nullptr;
    QString m_folder;
    QSpinBox* m_parallel = nullptr;
    QSpinBox* m_startGap = nullptr;
    QList<std::pair<QCheckBox*, const Setting<bool>*>> m_toggles;
    QWidget* m_subLangsRow = nullptr;
    QPushButton* m_subLangsButton = nullptr;
    QListWidget* m_subLangs = nullptr;
    QComboBox* m_audioLang = nullptr;
    QComboBox* m_sponsorMode = nullptr;
    QWidget* m_sponsorCatsRow = nullptr;
    QList<QCheckBox*> m_sponsorCats;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_account = nullptr;
    QComboBox* m_cookiesPicker = nullptr;
    QLabel* m_cookiesNote = nullptr;
    QComboBox* m_nameStyle = nullptr;
    QLineEdit* m_nameCustom = nullptr;
    QLabel* m_nameProblem = nullptr;
    QLabel* m_namePreview = nullptr;
    QLineEdit* m_proxy = nullptr;
    QLabel* m_proxyProblem = nullptr;
    QSpinBox* m_rateLimit = nullptr;
    QLabel* m_ytdlpVersion = nullptr;
    QLabel* m_ffmpegState = nullptr;
    QLabel* m_denoState = nullptr;
    QWidget* m_spinner = nullptr;
    QPushButton* m_updateNow = nullptr;
};

} // namespace reelcatch
