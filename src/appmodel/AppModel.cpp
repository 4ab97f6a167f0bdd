#include "AppModel.h"

AppModel::AppModel(Engine& engine, Prefs& prefs, QObject* parent)
    : QObject(parent), m_engine(engine), m_prefs(prefs)
{
    m_prefs.registerDefaults();
    // A new download folder shows wherever the model is observed.
    connect(&m_prefs, &Prefs::folderChanged, this, &AppModel::changed);
}

AppModel::~AppModel() = default;

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
