#include "appmodel/FormatQuery.h"

#include "appmodel/AppLog.h"
#include "appmodel/EngineReadiness.h"
#include "engine/ChildProcess.h"
#include "engine/Engine.h"

#include <QFutureWatcher>
#include <QtConcurrent>

namespace reelcatch {

FormatQuery::FormatQuery(Engine& engine, EngineReadiness& readiness,
                         std::function<YtdlpArgs::Session()> session, QObject* parent)
    : QObject(parent), m_engine(engine), m_readiness(readiness), m_session(std::move(session))
{}

FormatQuery::~FormatQuery()
{
    stop();
}

void FormatQuery::stop()
{
    ++m_generation;
    m_parsing = false;
    if (Child* child = m_child) {
        m_child = nullptr;
        // Its end still comes, and deletes it; the generation has moved on.
        child->stop();
    }
}

void FormatQuery::start(const QString& url)
{
    stop();
    const quint64 generation = m_generation;
    const std::optional<QString> ytdlp = m_engine.ytdlp();
    if (!ytdlp) {
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                const QString message = tr("Download engine not installed yet.");
                if (generation == m_generation)
                    emit failed(Failure::of(message), message);
            },
            Qt::QueuedConnection);
        return;
    }
    // "--" keeps an address that begins with "-" from being read as an option.
    const QStringList arguments = YtdlpArgs::common(m_engine, m_readiness.version(),
                                                    m_session ? m_session() : YtdlpArgs::Session{})
                                  << QStringLiteral("-J") << QStringLiteral("--no-playlist")
                                  << QStringLiteral("--no-warnings") << QStringLiteral("--") << url;
    Child* child =
        m_engine.spawn({*ytdlp, arguments, {}, ChildSpec::Output::stream, {}, {}, {}}, this);
    m_child = child;
    auto answer = std::make_shared<QByteArray>();
    connect(child, &Child::output, this, [answer](const QByteArray& bytes) {
        if (answer->size() + bytes.size() <= maxAnswer)
            answer->append(bytes);
    });
    connect(child, &Child::ended, this, [this, child, answer, generation](const ChildExit& exit) {
        child->deleteLater();
        if (generation != m_generation)
            return;
        m_child = nullptr;
        qCInfo(lcAppModel) << "format query ended" << int(exit.kind) << exit.code;
        if (!exit.succeeded()) {
            const QString message =
                exit.kind == ChildExit::Kind::failedToStart
                    ? exit.message
                    : Engine::lastError(QString::fromUtf8(child->errorTail()))
                          .value_or(tr("yt-dlp exited with code %1").arg(exit.code));
            emit failed(Failure::of(message), message);
            return;
        }
        // Read on a worker; the watcher, owned here, hands the list back.
        m_parsing = true;
        auto* watcher = new QFutureWatcher<FormatList>(this);
        connect(watcher, &QFutureWatcher<FormatList>::finished, this, [this, watcher, generation] {
            watcher->deleteLater();
            if (generation != m_generation)
                return;
            m_parsing = false;
            const FormatList formats = watcher->result();
            const QString none = tr("yt-dlp listed no formats for this video.");
            if (formats.isEmpty())
                emit failed(Failure::of(none), none);
            else
                emit answered(formats);
        });
        watcher->setFuture(QtConcurrent::run([answer] { return FormatList::parse(*answer); }));
    });
    child->start();
}

} // namespace reelcatch
