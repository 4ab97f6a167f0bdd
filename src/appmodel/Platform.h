#pragma once

#include <QString>

#include <optional>

namespace reelcatch {

// The desktop services the model uses, each behind a small interface: the
// desktop build supplies real ones, tests supply recorders. A missing
// service (nullptr) is simply not used.

// The system clipboard, with a counter that rises on every change.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual int changeCount() const = 0;
    // Plain text, or nothing when the clipboard holds none.
    virtual std::optional<QString> text() const = 0;
    virtual void setText(const QString& text) = 0;
};

// The count of downloads still to do, shown on the application's icon.
class Badge {
public:
    virtual ~Badge() = default;
    // 0 removes the badge.
    virtual void setCount(int count) = 0;
};

// The cue given when a batch of downloads has ended.
class CompletionCue {
public:
    virtual ~CompletionCue() = default;
    // Plays the completion sound; nothing when there is none.
    virtual void playSound() = 0;
    // Asks once for the user's attention (informational level).
    virtual void requestAttention() = 0;
};

// Word of a batch of downloads that has ended, for a user looking elsewhere.
class BatchNotice {
public:
    virtual ~BatchNotice() = default;
    // The last job of a batch has ended: `finished` saved, `failed` not
    // (cancelled jobs count in neither, and at least one is above 0);
    // `folder` is where the last saved file went.
    virtual void batchEnded(int finished, int failed, const QString& folder) = 0;
};

struct Platform {
    Clipboard* clipboard = nullptr;
    Badge* badge = nullptr;
    CompletionCue* cue = nullptr;
    BatchNotice* notice = nullptr;
};

} // namespace reelcatch
