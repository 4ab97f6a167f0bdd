#pragma once

#include "appmodel/Failure.h"
#include "engine/ChildProcess.h"
#include "engine/YtdlpArgs.h"
#include "model/FormatList.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace reelcatch {

class Engine;
class EngineReadiness;

// Asks yt-dlp for the whole answer about one video ("-J") and reads the
// formats it really has, on a worker thread. One question at a time: a new
// start() or stop() drops the one before and stops its child.
class FormatQuery : public QObject {
    Q_OBJECT
public:
    FormatQuery(Engine& engine, EngineReadiness& readiness,
                std::function<YtdlpArgs::Session()> session, QObject* parent = nullptr);
    ~FormatQuery() override;

    // The answer is at most this long; a video's is well under a mebibyte.
    static constexpr qsizetype maxAnswer = 64 * 1024 * 1024;

    void start(const QString& url);
    // Stops the child (SIGTERM to its group); nothing is reported after.
    void stop();
    bool isRunning() const { return m_child != nullptr || m_parsing; }

signals:
    void answered(const reelcatch::FormatList& formats);
    // What the failure means, and yt-dlp's own words for it.
    void failed(const reelcatch::Failure& failure, const QString& message);

private:
    Engine& m_engine;
    EngineReadiness& m_readiness;
    std::function<YtdlpArgs::Session()> m_session;
    QPointer<Child> m_child;
    quint64 m_generation = 0;
    bool m_parsing = false;
};

} // namespace reelcatch
