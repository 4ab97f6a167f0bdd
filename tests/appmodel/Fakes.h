#pragma once

// Stand-ins for the desktop services and the tool installer, recording what
// the model asks of them.
#include "Platform.h"
#include "ToolInstaller.h"

#include <QHash>
#include <QPointer>
#include <QStringList>

using namespace reelcatch;

class FakeClipboard : public Clipboard {
public:
    // Another application copies something.
    void copy(const std::optional<QString>& content)
    {
        m_content = content;
        ++m_changes;
    }
    int changeCount() const override { return m_changes; }
    std::optional<QString> text() const override { return m_content; }
    void setText(const QString& text) override { copy(text); }

private:
    int m_changes = 7;
    std::optional<QString> m_content;
};

class RecordingBadge : public Badge {
public:
    void setCount(int count) override { counts.append(count); }
    QList<int> counts;
};

class RecordingCue : public CompletionCue {
public:
    void playSound() override { ++sounds; }
    void requestAttention() override { ++attentions; }
    int sounds = 0;
    int attentions = 0;
};

// Holds every installation until the test finishes it.
class FakeInstaller : public ToolInstaller {
public:
    void installYtdlp(QObject* context, OnDone done, Progress progress) override
    {
        hold(QStringLiteral("yt-dlp"), context, std::move(done), std::move(progress));
    }
    void installDeno(QObject* context, OnDone done, Progress progress) override
    {
        hold(QStringLiteral("deno"), context, std::move(done), std::move(progress));
    }
    void installFfmpeg(QObject* context, OnDone done) override
    {
        hold(QStringLiteral("ffmpeg"), context, std::move(done), {});
    }

    // Every installation asked for, oldest first.
    QStringList calls;
    bool isPending(const QString& tool) const { return m_pending.contains(tool); }
    // Reports progress of a pending installation.
    void progress(const QString& tool, qint64 received, qint64 total)
    {
        const Pending& p = m_pending[tool];
        if (p.progress)
            p.progress(received, total);
    }
    // Ends a pending installation; `before` runs first (to place files).
    bool finish(const QString& tool, Status outcome, const std::function<void()>& before = {})
    {
        if (!m_pending.contains(tool))
            return false;
        Pending p = m_pending.take(tool);
        if (before)
            before();
        if (p.context)
            p.done(std::move(outcome));
        return true;
    }

private:
    struct Pending {
        QPointer<QObject> context;
        OnDone done;
        Progress progress;
    };
    void hold(const QString& tool, QObject* context, OnDone done, Progress progress)
    {
        calls.append(tool);
        m_pending.insert(tool, Pending{context, std::move(done), std::move(progress)});
    }
    QHash<QString, Pending> m_pending;
};
