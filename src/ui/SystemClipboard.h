#pragma once

#include "appmodel/Platform.h"

#include <QObject>

class QClipboard;

namespace reelcatch {

// The desktop clipboard. Qt has no change count of its own, so one is kept
// here, raised on every change the clipboard reports.
class SystemClipboard : public QObject, public Clipboard {
    Q_OBJECT
public:
    explicit SystemClipboard(QClipboard* clipboard, QObject* parent = nullptr);

    int changeCount() const override { return m_changes; }
    std::optional<QString> text() const override;
    void setText(const QString& text) override;

private:
    QClipboard* m_clipboard;
    int m_changes = 0;
};

} // namespace reelcatch
