#pragma once

// A main window over a model whose yt-dlp is the scripted fake, with
// recording desktop services and a folder chooser that answers as told.
#include "DownloadsPane.h"
#include "EngineBanner.h"
#include "HeaderBar.h"
#include "MainWindow.h"
#include "QueueFixture.h"
#include "ResultsPane.h"
#include "RowListTestSupport.h"
#include "ThumbnailCache.h"

#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QPushButton>

using namespace reelcatch;

class ScriptedChooser : public FolderChooser {
public:
    std::optional<QString> chooseDirectory(const QString& startIn,
                                           const QString& acceptLabel) override
    {
        startDirs << startIn;
        labels << acceptLabel;
        return answer;
    }
    std::optional<QString> answer;
    QStringList startDirs;
    QStringList labels;
};

// yt-dlp's flat answer for a playlist of the given entries.
inline QJsonObject playlistAnswer(const QString& title, const QJsonArray& entries)
{
    return QJsonObject{{QStringLiteral("_type"), QStringLiteral("playlist")},
                       {QStringLiteral("title"), title},
                       {QStringLiteral("entries"), entries}};
}

inline QJsonObject entry(const QString& id, const QString& title, double duration = 0,
                         const QString& thumbnail = {})
{
    QJsonObject json{{QStringLiteral("id"), id},
                     {QStringLiteral("title"), title},
                     {QStringLiteral("channel"), QStringLiteral("Test Channel")},
                     {QStringLiteral("webpage_url"), QStringLiteral("https://example.org/") + id}};
    if (duration > 0)
        json.insert(QStringLiteral("duration"), duration);
    if (!thumbnail.isEmpty())
        json.insert(QStringLiteral("thumbnail"), thumbnail);
    return json;
}

struct WindowFixture : QueueFixture {
    QNetworkAccessManager network;
    ThumbnailCache thumbnails{&network, env.path(QStringLiteral("thumbnails"))};
    RecordingActions actions;
    ScriptedChooser chooser;
    MainWindow window{model, thumbnails, actions, chooser};

    explicit WindowFixture(bool ffmpeg = true) : QueueFixture(ffmpeg) {}

    HeaderBar& header() const { return *window.header(); }
    ResultsPane& results() const { return *window.resultsPane(); }
    DownloadsPane& downloads() const { return *window.downloadsPane(); }
    QLineEdit& input() const { return *header().input(); }

    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // Results as a lookup leaves them, without running one.
    void setResults(int count, int selected)
    {
        QList<VideoItem> items;
        QSet<QString> ids;
        for (int i = 0; i < count; ++i) {
            items << videoItem(QStringLiteral("v%1").arg(i));
            if (i < selected)
                ids.insert(items.last().id());
        }
        model.setResults(items);
        model.setSelected(ids);
    }

    // Runs a lookup of `text` through the fake to its end.
    bool lookUp(const QString& text)
    {
        model.setInput(text);
        model.fetch();
        return QTest::qWaitFor([&] { return !model.isFetching(); }, 20000);
    }
};
