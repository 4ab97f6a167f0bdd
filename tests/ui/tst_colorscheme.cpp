// Light and dark: the desktop portal's colour scheme read from a private
// session bus, and what rows and Settings paint readable on both palettes.
#include "UiFixture.h"
#include "ui/Appearance.h"
#include "ui/ColorScheme.h"
#include "ui/DownloadDelegate.h"
#include "ui/DownloadsList.h"
#include "ui/DownloadsPane.h"
#include "ui/ResultDelegate.h"
#include "ui/ResultsModel.h"
#include "ui/SettingsWindow.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QPainter>
#include <QSpinBox>

#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QStyleFactory>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

const QString portalName = u"org.freedesktop.portal.Desktop"_s;
const QString portalPath = u"/org/freedesktop/portal/desktop"_s;
const QString settings = u"org.freedesktop.portal.Settings"_s;

// The portal's Settings object; before version 2 it had no ReadOne.
class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    QVariant value;
    bool hasReadOne = true;

public slots:
    QDBusVariant ReadOne(const QString&, const QString&)
    {
        if (!hasReadOne)
            sendErrorReply(QDBusError::UnknownMethod, u"no ReadOne"_s);
        return QDBusVariant(value);
    }
    QDBusVariant Read(const QString&, const QString&)
    {
        return QDBusVariant(QVariant::fromValue(QDBusVariant(value)));
    }
};

// Relative luminance as the accessibility guidelines define it, plus flare.
double luminance(QColor c)
{
    const auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()) + 0.05;
}

double contrast(QColor a, QColor b)
{
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// What `rect` of a picture shows: the contrast of its most distinct pixel
// with its most common one (the background), and the height of its ink.
std::pair<double, int> measure(const QImage& image, const QRect& rect)
{
    QHash<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ++counts[image.pixel(x, y)];
    const QRgb background = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) { return a.second < b.second; })->first;
    double best = 1;
    int top = rect.bottom(), bottom = rect.top() - 1;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (const QRgb p = image.pixel(x, y); p != background)
                best = std::max(best, contrast(p, background)), top = std::min(top, y), bottom = std::max(bottom, y);
    return {best, bottom - top + 1};
}

// The edge a box or field draws at `left` (a point on its left side): how
// it stands out from what is outside and inside it, whichever is less.
double edgeContrast(const QImage& image, QPoint left)
{
    const QColor outside = image.pixelColor(left - QPoint(3, 0)), inside = image.pixelColor(left + QPoint(4, 0));
    double best = 1;
    for (int dx = -2; dx <= 2; ++dx) {
        const QColor p = image.pixelColor(left + QPoint(dx, 0));
        best = std::max(best, std::min(contrast(p, outside), contrast(p, inside)));
    }
    return best;
}

} // namespace

class TestColorScheme : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup()
    {
        QDBusConnection::connectToBus(m_address, u"portal"_s).unregisterService(portalName);
        Appearance::applyPalette(m_platform);
    }
    void followsThePortal_data();
    void followsThePortal();
    void rowsAndFieldsStandOut_data();
    void rowsAndFieldsStandOut();

private:
    QTemporaryDir m_dir;
    QProcess m_daemon; // killed with the test
    QString m_address;
    QPalette m_platform;
    FakePortal m_portal;
};

void TestColorScheme::initTestCase()
{
    TestEnv::isolateProcess();
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
    m_platform = QApplication::palette();
    // A bus of our own (its services looked up in the sandbox's XDG folders).
    m_daemon.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
    QTRY_VERIFY_WITH_TIMEOUT(m_daemon.canReadLine(), 30000);
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    QVERIFY(QDBusConnection::connectToBus(m_address, u"portal"_s)
                .registerObject(portalPath, &m_portal, QDBusConnection::ExportAllSlots));
}

void TestColorScheme::followsThePortal_data()
{
    QTest::addColumn<bool>("hasReadOne");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("dark");
    QTest::newRow("dark") << true << QVariant::fromValue(1u) << true;
    QTest::newRow("dark, only Read") << false << QVariant::fromValue(1u) << true;
    QTest::newRow("light on a light platform") << true << QVariant::fromValue(2u) << false;
    QTest::newRow("no portal") << true << QVariant() << false;
}

void TestColorScheme::followsThePortal()
{
    QFETCH(bool, hasReadOne);
    QFETCH(QVariant, value);
    QFETCH(bool, dark);
    QDBusConnection portalBus = QDBusConnection::connectToBus(m_address, u"portal"_s);
    QVERIFY(!value.isValid() || portalBus.registerService(portalName));
    m_portal.hasReadOne = hasReadOne;
    m_portal.value = value;
    ColorScheme scheme(QDBusConnection::connectToBus(m_address, u"app"_s));
    QVERIFY(!scheme.isSettled()); // never waits for the bus
    QTRY_VERIFY_WITH_TIMEOUT(scheme.isSettled(), 30000);
    QCOMPARE(Appearance::isDark(QApplication::palette()), dark);
    QCOMPARE(QApplication::palette() == m_platform, !dark);
    if (!dark)
        return;
    // The scheme's change is followed; another setting's is ignored.
    QSignalSpy changed(&scheme, &ColorScheme::preferenceChanged);
    for (const QString& group : {u"org.gnome.desktop.interface"_s, u"org.freedesktop.appearance"_s}) {
        QDBusMessage signal = QDBusMessage::createSignal(portalPath, settings, u"SettingChanged"_s);
        signal << group << u"color-scheme"_s << QVariant::fromValue(QDBusVariant(2u));
        QVERIFY(portalBus.send(signal));
    }
    QVERIFY(changed.wait(30000));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(QApplication::palette(), m_platform);
}

void TestColorScheme::rowsAndFieldsStandOut_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TestColorScheme::rowsAndFieldsStandOut()
{
    QFETCH(bool, dark);
    Appearance::applyPalette(dark ? Appearance::darkPalette() : Appearance::lightPalette());
    Ui ui;
    ui.model.library().open(ui.env.path(u"data"_s));
    QVERIFY(ui.showActive());
    // Downloads: one saved, one failed with a text action under it.
    ui.model.queue().enqueue({video(u"b"_s), video(u"f"_s)}, Preset::p720);
    ui.childFor(u"b"_s)->say(u"RCFILE|Title b.mp4"_s);
    ui.childFor(u"b"_s)->end(0);
    ui.childFor(u"f"_s)->say(u"ERROR: [youtube] f: Sign in to confirm you\u2019re not a bot. Use --cookies-from-browser or --cookies for the authentication."_s);
    ui.childFor(u"f"_s)->end(1);
    // Results: the saved one with its badge, a live one.
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    ui.model.lookup().fetch();
    QVERIFY(ui.answer(u"List"_s, {u"b"_s, u"n"_s}, {{u"n"_s, u"is_live"_s}}));
    ResultsList* results = ui.window.findChild<ResultsList*>();
    QTRY_VERIFY_WITH_TIMEOUT(results->model()->index(0, 0).data(ResultsModel::DownloadedRole).toBool(), 20000);
    QCoreApplication::processEvents();
    const auto rowOption = [](QAbstractItemView* view, int row) {
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.widget = view;
        option.rect = view->visualRect(view->model()->index(row, 0));
        return option;
    };
    const QImage found = results->viewport()->grab().toImage();
    const auto badgeOf = [&](int row) { return results->resultDelegate()->textLayout(rowOption(results, row), results->model()->index(row, 0)).badges.value(0).rect.toAlignedRect(); };
    const QRect channel = results->resultDelegate()->textLayout(rowOption(results, 0), results->model()->index(0, 0)).channel.toAlignedRect();
    DownloadsList* downloads = ui.window.downloadsPane()->list();
    const QImage listed = downloads->viewport()->grab().toImage();
    const auto geometryOf = [&](int row) { return downloads->downloadDelegate()->geometry(downloads->visualRect(downloads->model()->index(row, 0)), downloads, downloads->model()->index(row, 0)); };

    SettingsWindow settingsWindow(ui.model, ui.chooser);
    settingsWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&settingsWindow));
    QCheckBox* box = nullptr;
    for (QCheckBox* toggle : settingsWindow.findChildren<QCheckBox*>())
        box = toggle->isChecked() || !toggle->isVisible() ? box : toggle; // one that is shown
    QVERIFY(box);
    auto* field = settingsWindow.findChild<QSpinBox*>(u"startGap"_s);
    const auto edgeOf = [](QWidget* w) { return edgeContrast(w->parentWidget()->grab().toImage(), w->mapTo(w->parentWidget(), QPoint(0, w->height() / 2))); };

    const std::pair<const char*, std::pair<double, int>> texts[] = {
        {"Downloaded badge", measure(found, badgeOf(0))},
        {"Live badge", measure(found, badgeOf(1))},
        {"finished file name", measure(listed, geometryOf(1).status.toAlignedRect())},
        {"text action", measure(listed, geometryOf(0).link.toAlignedRect())},
        {"secondary text", measure(found, channel)},
    };
    // The smallest readable text: the platform's, else 11 points of the design's 13.
    const QFont body = results->font(), system = QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont);
    QFont smallest = body;
    smallest.setPointSizeF(QFontInfo(system).pointSizeF() < QFontInfo(body).pointSizeF() ? QFontInfo(system).pointSizeF() : QFontInfo(body).pointSizeF() * 11 / 13);
    QImage reference(200, 60, QImage::Format_RGB32);
    reference.fill(Qt::white);
    {
        QPainter painter(&reference);
        painter.setFont(smallest);
        painter.drawText(reference.rect(), Qt::AlignCenter, u"Channel"_s);
    }
    const int smallestInk = measure(reference, reference.rect()).second;
    for (const auto& [what, seen] : texts) {
        QVERIFY2(seen.first >= 4.5, qPrintable(u"%1: %2:1"_s.arg(QLatin1String(what)).arg(seen.first)));
        if (qstrcmp(what, "secondary text") == 0) // the same word as the reference
            QVERIFY2(seen.second >= smallestInk, qPrintable(u"%1 px"_s.arg(seen.second)));
    }
    for (QWidget* edged : {static_cast<QWidget*>(box), static_cast<QWidget*>(field)})
        QVERIFY2(edgeOf(edged) >= 3, qPrintable(u"%1: %2:1"_s.arg(QLatin1String(edged->metaObject()->className())).arg(edgeOf(edged))));
    Appearance::applyPalette(m_platform);
}

QTEST_MAIN(TestColorScheme)
#include "tst_colorscheme.moc"
