// Light and dark: the desktop portal's colour scheme read from a private
// session bus, and the results rows readable on the dark palette.
#include "Appearance.h"
#include "ColorScheme.h"
#include "ResultsList.h"
#include "UiFixture.h"

#include <QDBusConnection>
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
    QDBusVariant ReadOne(const QString& group, const QString& key)
    {
        if (!hasReadOne)
            sendErrorReply(QDBusError::UnknownMethod, u"no ReadOne"_s);
        return QDBusVariant(lookUp(group, key));
    }
    QDBusVariant Read(const QString& group, const QString& key)
    {
        return QDBusVariant(QVariant::fromValue(QDBusVariant(lookUp(group, key))));
    }

private:
    QVariant lookUp(const QString& group, const QString& key)
    {
        if (group != u"org.freedesktop.appearance"_s || key != u"color-scheme"_s)
            sendErrorReply(u"org.freedesktop.portal.Error.NotFound"_s, u"unknown"_s);
        return value;
    }
};

// Contrast ratio of two opaque colours, as the accessibility guidelines define it.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestColorScheme : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void followsThePortal_data();
    void followsThePortal();
    void keepsThePlatformPalette_data();
    void keepsThePlatformPalette();
    void untickedBoxReadsOnDarkRows();

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QPalette m_platform;
    FakePortal m_portal;
};

void TestColorScheme::initTestCase()
{
    TestEnv::isolateProcess();
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
    m_platform = QApplication::palette();
    QVERIFY(!Appearance::isDark(m_platform));
    // A bus of our own that activates no services.
    const QString config = m_dir.filePath(u"bus.conf"_s);
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(("<busconfig><type>session</type><listen>unix:dir=" + m_dir.path().toUtf8() +
                "</listen><policy context=\"default\"><allow send_destination=\"*\"/>"
                "<allow own=\"*\"/></policy></busconfig>"));
    file.close();
    m_daemon.start(u"dbus-daemon"_s, {u"--config-file="_s + config, u"--nofork"_s,
                                      u"--print-address"_s});
    QVERIFY(m_daemon.waitForStarted(30000));
    QTRY_VERIFY_WITH_TIMEOUT(m_daemon.canReadLine(), 30000);
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    QDBusConnection portal = QDBusConnection::connectToBus(m_address, u"portal"_s);
    QVERIFY(portal.isConnected());
    QVERIFY(portal.registerObject(portalPath, &m_portal, QDBusConnection::ExportAllSlots));
}

void TestColorScheme::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(u"portal"_s);
    QDBusConnection::disconnectFromBus(u"app"_s);
    m_daemon.terminate();
    m_daemon.waitForFinished(30000);
}

void TestColorScheme::init()
{
    m_portal.hasReadOne = true;
    QDBusConnection::connectToBus(m_address, u"portal"_s).registerService(portalName);
}

void TestColorScheme::cleanup()
{
    QDBusConnection::connectToBus(m_address, u"portal"_s).unregisterService(portalName);
    QApplication::setPalette(m_platform);
}

void TestColorScheme::followsThePortal_data()
{
    QTest::addColumn<bool>("hasReadOne");
    QTest::newRow("ReadOne") << true;
    QTest::newRow("only Read") << false;
}

void TestColorScheme::followsThePortal()
{
    QFETCH(bool, hasReadOne);
    m_portal.hasReadOne = hasReadOne;
    m_portal.value = QVariant::fromValue(1u);
    ColorScheme scheme(QDBusConnection::connectToBus(m_address, u"app"_s));
    QVERIFY(!scheme.isSettled()); // the answer comes later, never while constructing
    QTRY_VERIFY_WITH_TIMEOUT(scheme.isSettled(), 30000);
    QCOMPARE(scheme.preference(), ColorScheme::Preference::Dark);
    QVERIFY(Appearance::isDark(QApplication::palette()));

    // Other settings change without effect; the scheme's own change is followed.
    QSignalSpy changes(&scheme, &ColorScheme::preferenceChanged);
    const auto changed = [this](const QString& group, const QString& key, uint value) {
        QDBusMessage signal = QDBusMessage::createSignal(portalPath, settings, u"SettingChanged"_s);
        signal << group << key << QVariant::fromValue(QDBusVariant(value));
        return QDBusConnection::connectToBus(m_address, u"portal"_s).send(signal);
    };
    QVERIFY(changed(u"org.freedesktop.appearance"_s, u"accent-color"_s, 2));
    QVERIFY(changed(u"org.gnome.desktop.interface"_s, u"color-scheme"_s, 2));
    QVERIFY(changed(u"org.freedesktop.appearance"_s, u"color-scheme"_s, 2));
    QVERIFY(changes.wait(30000));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(scheme.preference(), ColorScheme::Preference::Light);
    QVERIFY(!Appearance::isDark(QApplication::palette()));
    QCOMPARE(QApplication::palette(), m_platform);
}

void TestColorScheme::keepsThePlatformPalette_data()
{
    QTest::addColumn<bool>("portal");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("no portal") << false << QVariant();
    QTest::newRow("no preference") << true << QVariant::fromValue(0u);
    QTest::newRow("light on a light platform") << true << QVariant::fromValue(2u);
    QTest::newRow("unknown value") << true << QVariant::fromValue(7u);
    QTest::newRow("not a number") << true << QVariant(u"1"_s);
}

void TestColorScheme::keepsThePlatformPalette()
{
    QFETCH(bool, portal);
    QFETCH(QVariant, value);
    if (!portal)
        QDBusConnection::connectToBus(m_address, u"portal"_s).unregisterService(portalName);
    m_portal.value = value;
    ColorScheme scheme(QDBusConnection::connectToBus(m_address, u"app"_s));
    QTRY_VERIFY_WITH_TIMEOUT(scheme.isSettled(), 30000);
    QCOMPARE(scheme.preference(), ColorScheme::Preference::None);
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
    QVERIFY(list);
    list->clearFocus();
    const QImage image = list->viewport()->grab().toImage();
    // The strip left of the thumbnail holds only the box; its most distinct
    // pixel is the box's edge, which must stand out from the row.
    const QRect row = list->visualRect(list->model()->index(1, 0));
    QVERIFY(!list->model()->index(1, 0).data(Qt::CheckStateRole).toBool());
    const QColor background = image.pixelColor(row.left() + 1, row.center().y());
    const int indicator = list->style()->pixelMetric(QStyle::PM_IndicatorWidth);
    double best = 1;
    for (int x = row.left(); x < row.left() + 2 * indicator; ++x)
        for (int y = row.top(); y <= row.bottom(); ++y)
            best = std::max(best, contrast(image.pixelColor(x, y), background));
    QVERIFY2(best >= 3.0, qPrintable(u"contrast %1"_s.arg(best)));
}

QTEST_MAIN(TestColorScheme)
#include "tst_colorscheme.moc"
