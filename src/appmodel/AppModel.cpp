#include "AppModel.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace reelcatch {

AppModel::AppModel(Engine& engine, Prefs& prefs, ToolInstaller& installer, Platform platform,
                   QObject* parent)
    : QObject(parent), m_engine(engine), m_prefs(prefs), m_installer(installer),
      m_platform(platform)
{
    // Whatever the clipboard holds at launch counts as already seen.
    if (m_platform.clipboard)
        m_lastPasteboardChange = m_platform.clipboard->changeCount();
    m_prefs.registerDefaults();
    // A new download folder shows wherever the model is observed.
    connect(&m_prefs, &Prefs::folderChanged, this, &AppModel::changed);
    // Quitting stops every download, and with it every ffmpeg it started.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &AppModel::cancelAll);
}

AppModel::~AppModel()
{
    // Processes still running belong to this model: they end with it, and
    // their last signals must not reach a model that is being torn down.
    for (const DownloadPtr& job : std::as_const(m_downloads)) {
        if (QProcess* process = job->process()) {
            process->disconnect(this);
            stopProcess(*job);
        }
    }
}

template <typename T> void AppModel::publish(T& field, T value, void (AppModel::*fieldChanged)())
{
    if (field == value)
        return;
    field = std::move(value);
    emit(this->*fieldChanged)();
    emit changed();
}

void AppModel::setInput(const QString& input)
{
    publish(m_input, input, &AppModel::inputChanged);
}

void AppModel::setIsFetching(bool fetching)
{
    publish(m_isFetching, fetching, &AppModel::isFetchingChanged);
}

void AppModel::setFetchError(const std::optional<QString>& error)
{
    publish(m_fetchError, error, &AppModel::fetchErrorChanged);
}

void AppModel::setResults(QList<VideoItem> results)
{
    // Always announced: comparing two long lists would cost more than a redraw.
    QList<VideoItem> old = std::exchange(m_results, std::move(results));
    emit resultsChanged();
    emit changed();
    // Freeing a channel's worth of items takes tens of milliseconds; the
    // thread pool does it (their strings are shared thread-safely).
    if (old.size() >= 1000)
        QThreadPool::globalInstance()->start([old = std::move(old)]() mutable { old = {}; });
}

void AppModel::setResultsTitle(const QString& title)
{
    publish(m_resultsTitle, title, &AppModel::resultsTitleChanged);
}

void AppModel::setSelected(QSet<QString> selected)
{
    publish(m_selected, std::move(selected), &AppModel::selectedChanged);
}

void AppModel::setEngineNote(const std::optional<QString>& note)
{
    publish(m_engineNote, note, &AppModel::engineNoteChanged);
}

void AppModel::setEngineBusy(bool busy)
{
    publish(m_engineBusy, busy, &AppModel::engineBusyChanged);
}

void AppModel::setEngineVersion(const std::optional<QString>& version)
{
    publish(m_engineVersion, version, &AppModel::engineVersionChanged);
}

} // namespace reelcatch
