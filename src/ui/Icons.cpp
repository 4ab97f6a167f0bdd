#include "Icons.h"

#include <QFile>
#include <QHash>

namespace {

// The freedesktop icon-theme name for each symbol of the design.
const QHash<QString, QString>& themeNames()
{
    static const QHash<QString, QString> names{
        {QStringLiteral("link"), QStringLiteral("insert-link")},
        {QStringLiteral("folder"), QStringLiteral("folder")},
        {QStringLiteral("xmark.circle.fill"), QStringLiteral("edit-clear")},
        {QStringLiteral("xmark.circle"), QStringLiteral("process-stop")},
        {QStringLiteral("arrow.down.circle"), QStringLiteral("folder-download")},
        {QStringLiteral("arrow.down.circle.fill"), QStringLiteral("document-save")},
        {QStringLiteral("exclamationmark.triangle.fill"), QStringLiteral("dialog-warning")},
        {QStringLiteral("checkmark.circle.fill"), QStringLiteral("emblem-ok")},
        {QStringLiteral("arrow.clockwise"), QStringLiteral("view-refresh")},
        {QStringLiteral("magnifyingglass"), QStringLiteral("system-search")},
        {QStringLiteral("trash"), QStringLiteral("edit-delete")},
    };
    return names;
}

} // namespace

namespace Icons {

QIcon icon(const QString& symbol)
{
    const QString bundled = QStringLiteral(":/icons/") + symbol + QStringLiteral(".svg");
    const QIcon fallback = QFile::exists(bundled) ? QIcon(bundled) : QIcon();
    const QString theme = themeNames().value(symbol);
    if (theme.isEmpty())
        return fallback;
    return QIcon::fromTheme(theme, fallback);
}

} // namespace Icons
