#pragma once

// Helpers for the tests of the painted lists: a recording stand-in for the
// desktop, images to serve, and the menus and tooltips a view pops up.
#include "DesktopActions.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QDir>
#include <QHelpEvent>
#include <QImage>
#include <QMap>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QToolTip>

using namespace reelcatch;

class RecordingActions : public DesktopActions {
public:
    void revealFile(const QString& path) override { revealed << path; }
    void openFolder(const QString& path) override { folders << path; }
    void openUrl(const QUrl& url) override { urls << url; }
    void copyText(const QString& text) override { copied << text; }

    QStringList revealed;
    QStringList folders;
    QList<QUrl> urls;
    QStringList copied;
};

// An image of one colour, with optional bands of `band` colour across the
// top and bottom `bandHeight` rows, encoded in `format` ("PNG", "JPEG").
inline QByteArray encodedImage(QSize size, QColor fill, const char* format = "PNG",
                               int bandHeight = 0, QColor band = Qt::blue)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    if (bandHeight > 0) {
        QPainter painter(&image);
        painter.fillRect(0, 0, size.width(), bandHeight, band);
        painter.fillRect(0, size.height() - bandHeight, size.width(), bandHeight, band);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

// Colour distance, for comparing painted pixels with some tolerance.
inline bool near(QColor a, QColor b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Pixels of `image` inside `rect` close to `color`.
inline int countNear(const QImage& image, const QRect& rect, QColor color, int tolerance = 40)
{
    int count = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (near(image.pixelColor(x, y), color, tolerance))
                ++count;
        }
    }
    return count;
}

// Pixels of `rect` by tone: "red", "green" and "blue" for saturated colours
// of those hues, "grey" for unsaturated ones darker than the background.
inline QMap<QString, int> countTones(const QImage& image, const QRect& rect)
{
    QMap<QString, int> tones;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y).toHsv();
            if (c.hsvSaturationF() < 0.12f) {
                if (c.valueF() < 0.75f)
                    tones[QStringLiteral("grey")]++;
                continue;
            }
            if (c.hsvSaturationF() < 0.4f)
                continue;
            const int hue = c.hsvHue();
            if (hue < 20 || hue >= 340)
                tones[QStringLiteral("red")]++;
            else if (hue >= 90 && hue < 160)
                tones[QStringLiteral("green")]++;
            else if (hue >= 190 && hue < 250)
                tones[QStringLiteral("blue")]++;
        }
    }
    return tones;
}

// A desktop's usual text size (the offscreen platform's default is smaller),
// so that the rows are measured and pictured as users see them.
inline void useDesktopFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(10);
    QApplication::setFont(font);
}

// Opens the view's context menu at `pos` of its viewport, as a right click
// would, and returns the menu it popped up (nullptr when none).
inline QMenu* contextMenuAt(QAbstractItemView& view, QPoint pos)
{
    const auto before = view.findChildren<QMenu*>();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view.viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view.viewport(), &event);
    for (QMenu* menu : view.findChildren<QMenu*>()) {
        if (!before.contains(menu))
            return menu;
    }
    return nullptr;
}

// The texts of a menu's actions, separators left out; disabled ones are
// marked with a trailing " (disabled)".
inline QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        texts << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (disabled)"));
    }
    return texts;
}

// Triggers the menu's action with that text and closes the menu.
inline bool triggerMenu(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text && action->isEnabled()) {
            action->trigger();
            menu->close();
            return true;
        }
    }
    return false;
}

// The tooltip the view shows for a hover at `pos` of its viewport; empty
// when it shows none.
inline QString toolTipAt(QAbstractItemView& view, QPoint pos)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        return QStringLiteral("<the previous tooltip stayed>");
    QHelpEvent event(QEvent::ToolTip, pos, view.viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view.viewport(), &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Where the list's screenshots go; the folder is made on first use.
inline QString screenshotPath(const QString& name)
{
    const QString dir = QStringLiteral(REELCATCH_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}
