#include "ui/Icons.h"

#include <QFile>
#include <QHash>

namespace reelcatch {

namespace {

// The freedesktop icon-theme name for each symbol of the design. Symbolic
// (one-colour) variants first, since several are drawn in a single tint; the
// theme lookup falls back to the full-colour icon of the same name.
const QHash<QString, QString>& themeNames()
{
    static const QHash<QString, QString> names{
        {QStringLiteral("link"), QStringLiteral("insert-link-symbolic")},
        {QStringLiteral("folder"), QStringLiteral("folder")},
        {QStringLiteral("xmark.circle.fill"), QStringLiteral("edit-clear-symbolic")},
        {QStringLiteral("xmark.circle"), QStringLiteral("process-stop-symbolic")},
        {QStringLiteral("arrow.down.circle"), QStringLiteral("folder-download-symbolic")},
        {QStringLiteral("arrow.down.circle.fill"), QStringLiteral("document-save-symbolic")},
        {QStringLiteral("exclamationmark.triangle.fill"),
         QStringLiteral("dialog-warning-symbolic")},
        {QStringLiteral("checkmark.circle.fill"), QStringLiteral("emblem-ok-symbolic")},
        {QStringLiteral("play.circle"), QStringLiteral("media-playback-start-symbolic")},
        {QStringLiteral("magnifyingglass.circle"), QStringLiteral("system-search-symbolic")},
        {QStringLiteral("arrow.clockwise.circle"), QStringLiteral("view-refresh-symbolic")},
        {QStringLiteral("trash.circle"), QStringLiteral("edit-delete-symbolic")},
        {QStringLiteral("arrow.clockwise"), QStringLiteral("view-refresh-symbolic")},
        {QStringLiteral("magnifyingglass"), QStringLiteral("system-search-symbolic")},
        {QStringLiteral("trash"), QStringLiteral("edit-delete-symbolic")},
    };
    return names;
}

} // namespace

namespace Icons {

QIcon icon(const QString& symbol)
{
    const QString bundled = QStringLiteral(":/icons/") + symbol + QStringLiteral(".svg");
    QIcon fallback = QFile::exists(bundled) ? QIcon(bundled) : QIcon();
    const QString theme = themeNames().value(symbol);
    if (theme.isEmpty())
        return fallback;
    return QIcon::fromTheme(theme, fallback);
}

} // namespace Icons

} // namespace reelcatch
