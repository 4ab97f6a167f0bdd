#include "AppModel.h"

#include <QCoreApplication>

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

void AppModel::setInput(const QString& input)
{
    if (m_input == input)
        return;
    m_input = input;
    emit inputChanged();
    emit changed();
}

void AppModel::setIsFetching(bool fetching)
{
    if (m_isFetching == fetching)
        return;
    m_isFetching = fetching;
    emit isFetchingChanged();
    emit changed();
}

void AppModel::setFetchError(const std::optional<QString>& error)
{
    if (m_fetchError == error)
        return;
    m_fetchError = error;
    emit fetchErrorChanged();
    emit changed();
}

void AppModel::setResults(QList<VideoItem> results)
{
    m_results = std::move(results);
    emit resultsChanged();
    emit changed();
}

void AppModel::setResultsTitle(const QString& title)
{
    if (m_resultsTitle == title)
        return;
    m_resultsTitle = title;
    emit resultsTitleChanged();
    emit changed();
}

void AppModel::setSelected(QSet<QString> selected)
{
    if (m_selected == selected)
        return;
    m_selected = std::move(selected);
    emit selectedChanged();
    emit changed();
}

void AppModel::setEngineNote(const std::optional<QString>& note)
{
    if (m_engineNote == note)
        return;
    m_engineNote = note;
    emit engineNoteChanged();
    emit changed();
}

void AppModel::setEngineBusy(bool busy)
{
    if (m_engineBusy == busy)
        return;
    m_engineBusy = busy;
    emit engineBusyChanged();
    emit changed();
}

void AppModel::setEngineVersion(const std::optional<QString>& version)
{
    if (m_engineVersion == version)
        return;
    m_engineVersion = version;
    emit engineVersionChanged();
    emit changed();
}
