// Light and dark: the desktop portal's colour scheme read from a private
// session bus, and the results rows readable on the dark palette.
#include "Appearance.h"
#include "ColorScheme.h"
#include "ResultsList.h"
#include "UiFixture.h"

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

// Relative luminance (nearly as the accessibility guidelines define it, plus flare).
double luminance(QColor c)
{
    const auto lin = [](double v) { return std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF()) + 0.05;
}

} // namespace

class TestColorScheme : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup()
    {
        QDBusConnection::connectToBus(m_address, u"portal"_s).unregisterService(portalName);
        QApplication::setPalette(m_platform);
    }
    void followsThePortal_data();
    void followsThePortal();
    void untickedBoxReadsOnDarkRows();

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

void TestColorScheme::untickedBoxReadsOnDarkRows()
{
    QApplication::setPalette(Appearance::darkPalette());
    Ui ui;
    QVERIFY(ui.showActive());
    ui.model.lookup().setInput(u"https://example.org/list"_s);
    ui.model.lookup().fetch();
    QVERIFY(ui.answer(u"Two"_s, {u"a"_s, u"b"_s}));
    auto* list = ui.window.findChild<ResultsList*>();
    const QImage image = list->viewport()->grab().toImage();
    // The strip left of the thumbnail holds only the box; its most distinct
    // pixel is the box's edge, which must stand out from the row.
    const QRect row = list->visualRect(list->model()->index(1, 0));
    const double background = luminance(image.pixelColor(row.left() + 1, row.center().y()));
    double best = 1; // the row is dark: the edge is lighter
    for (int x = row.left();
         x < row.left() + 2 * list->style()->pixelMetric(QStyle::PM_IndicatorWidth); ++x)
        for (int y = row.top(); y <= row.bottom(); ++y)
            best = std::max(best, luminance(image.pixelColor(x, y)) / background);
    QVERIFY2(best >= 3.0, qPrintable(u"contrast %1"_s.arg(best)));
}

QTEST_MAIN(TestColorScheme)
#include "tst_colorscheme.moc"
