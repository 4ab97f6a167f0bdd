#include "ui/SystemClipboard.h"

#include <QClipboard>
#include <QMimeData>

namespace reelcatch {

SystemClipboard::SystemClipboard(QClipboard* clipboard, QObject* parent)
    : QObject(parent), m_clipboard(clipboard)
{
    connect(m_clipboard, &QClipboard::dataChanged, this, [this] { ++m_changes; });
}

std::optional<QString> SystemClipboard::text() const
{
    const QMimeData* data = m_clipboard->mimeData(QClipboard::Clipboard);
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text();
}

void SystemClipboard::setText(const QString& text)
{
    m_clipboard->setText(text, QClipboard::Clipboard);
}

} // namespace reelcatch
