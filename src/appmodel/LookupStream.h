#pragma once

#include "appmodel/ListingLines.h"
#include "appmodel/Lookup.h"

#include <QMetaObject>
#include <QMutex>
#include <QThreadPool>

#include <atomic>
#include <memory>

namespace reelcatch {

// What a lookup's stream has read and not yet handed over.
struct StreamReady {
    QList<VideoItem> items;
    QString title;
    bool done = false; // the last piece is read; nothing more comes
    bool anyObject = false;
    qsizetype unreadable = 0;
};

// yt-dlp's answer on its way from standard output to rows, a line an entry.
// The GUI thread hands over each piece as it arrives; a task of the thread
// pool reads the lines and sets the new items ready, and the GUI thread is
// called (queued) to take what is ready, one call pending at a time: rows
// follow yt-dlp within a frame when it prints slowly, and come in batches
// as big as the GUI thread keeps up with when it prints fast.
class LookupStream : public std::enable_shared_from_this<LookupStream> {
public:
    using Ready = StreamReady;

    LookupStream(Lookup* receiver, quint64 generation)
        : m_receiver(receiver), m_generation(generation)
    {}

    // GUI thread: the next piece of standard output.
    void hand(QByteArray piece)
    {
        if (piece.isEmpty())
            return;
        QMutexLocker lock(&m_mutex);
        m_incoming.append(std::move(piece));
        startDrain(lock);
    }

    // GUI thread: the answer has ended; what is left is read and handed on
    // with `done`.
    void close()
    {
        QMutexLocker lock(&m_mutex);
        m_closed = true;
        startDrain(lock);
    }

    // GUI thread: nothing more is wanted; pieces still waiting are dropped.
    void detach()
    {
        QMutexLocker lock(&m_mutex);
        m_receiver = nullptr;
        m_detached = true;
        startDrain(lock); // which lets go of what was read
    }

    // GUI thread, in the queued call: what is ready, at most `handBack`
    // items; the rest comes in the next call, queued at once, so the GUI
    // thread's turns stay short when yt-dlp prints faster than rows go in.
    Ready take()
    {
        QMutexLocker lock(&m_mutex);
        if (m_ready.items.size() > handBack) {
            Ready ready{m_ready.items.first(handBack), m_ready.title, false, m_ready.anyObject,
                        m_ready.unreadable};
            m_ready.items.remove(0, handBack);
            post(lock);
            return ready;
        }
        m_callPending = false;
        Ready ready = std::move(m_ready);
        m_ready = {};
        return ready;
    }

private:
    void startDrain(QMutexLocker<QMutex>& lock)
    {
        if (m_draining)
            return;
        m_draining = true;
        lock.unlock();
        QThreadPool::globalInstance()->start([self = shared_from_this()] { self->drain(); });
    }

    // One task at a time: a new one starts only after the last let go.
    void drain()
    {
        for (;;) {
            // What was read is freed here, never on the GUI thread.
            if (m_detached)
                m_lines.reset();
            QList<QByteArray> batch;
            bool finishing = false;
            {
                QMutexLocker lock(&m_mutex);
                if (m_incoming.isEmpty()) {
                    if (!m_closed || m_finished || m_detached) {
                        m_draining = false;
                        return;
                    }
                    m_finished = finishing = true;
                }
                batch.swap(m_incoming);
            }
            if (m_detached || !m_lines)
                continue;
            for (const QByteArray& piece : std::as_const(batch))
                m_lines->feed(piece);
            batch.clear();
            if (finishing)
                m_lines->finish();
            publish(finishing);
            if (finishing)
                m_lines.reset();
        }
    }

    void publish(bool done)
    {
        QList<VideoItem> items = m_lines->takeItems();
        QMutexLocker lock(&m_mutex);
        if (m_ready.items.isEmpty())
            m_ready.items = std::move(items);
        else
            m_ready.items.append(std::move(items));
        m_ready.title = m_lines->title();
        m_ready.done = m_ready.done || done;
        m_ready.anyObject = m_lines->anyObject();
        m_ready.unreadable = m_lines->unreadable();
        if (m_callPending || (m_ready.items.isEmpty() && !m_ready.done))
            return;
        post(lock);
    }

    void post(const QMutexLocker<QMutex>&)
    {
        if (!m_receiver) {
            m_callPending = false;
            return;
        }
        m_callPending = true;
        // Posted under the lock: the receiver cannot be destroyed meanwhile,
        // as it detaches first; a call it has not run dies with it.
        QMetaObject::invokeMethod(
            m_receiver,
            [receiver = m_receiver, generation = m_generation, self = shared_from_this()] {
                receiver->collect(generation, *self);
            },
            Qt::QueuedConnection);
    }

    static constexpr qsizetype handBack = 1000;

    QMutex m_mutex;
    // Guarded by m_mutex.
    Lookup* m_receiver;
    QList<QByteArray> m_incoming;
    bool m_draining = false;
    bool m_closed = false;
    bool m_finished = false;
    bool m_callPending = false;
    Ready m_ready;
    // Set on the GUI thread, read by the task.
    std::atomic<bool> m_detached = false;
    const quint64 m_generation;
    // The task's own, one task after the other.
    std::unique_ptr<ListingLines> m_lines = std::make_unique<ListingLines>();
};

} // namespace reelcatch
