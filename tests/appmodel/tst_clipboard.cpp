// Picking up a YouTube link copied in another application.
#include "QueueFixture.h"

using namespace reelcatch;

namespace {

QString longLink(int graphemes, const QString& unit = QStringLiteral("a"))
{
    const QString prefix = QStringLiteral("https://youtu.be/");
    QString link = prefix;
    for (int i = prefix.size(); i < graphemes; ++i)
        link += unit;
    return link;
}

} // namespace

class TestClipboard : public QObject {
    Q_OBJECT
private slots:
    void whatIsTaken_data();
    void whatIsTaken();
    void eachCopyOnlyOnce();
    void copyDuringLookupIsPassedOver();
    void sameAsInputIsNotLookedUpAgain();
    void switchedOffCopiesStaySeen();
    void whatWasThereAtLaunchIsSeen();
};

void TestClipboard::whatIsTaken_data()
{
    QTest::addColumn<std::optional<QString>>("content");
    QTest::addColumn<QString>("taken"); // the input afterwards, empty when nothing was taken

    const QString watch = QStringLiteral("https://www.youtube.com/watch?v=abc123");
    QTest::newRow("watch link, trimmed")
        << std::optional<QString>(QStringLiteral("  ") + watch + QStringLiteral("\n")) << watch;
    QTest::newRow("short link host")
        << std::optional<QString>(QStringLiteral("https://youtu.be/abc"))
        << QStringLiteral("https://youtu.be/abc");
    QTest::newRow("music host") << std::optional<QString>(
                                       QStringLiteral("https://music.youtube.com/watch?v=x"))
                                << QStringLiteral("https://music.youtube.com/watch?v=x");
    QTest::newRow("bare domain inside another host")
        << std::optional<QString>(QStringLiteral("https://youtube.com.example.org/watch?v=x"))
        << QString();
    QTest::newRow("short link host as a prefix only")
        << std::optional<QString>(QStringLiteral("https://youtu.be.example.org/x")) << QString();
    QTest::newRow("no scheme, no host")
        << std::optional<QString>(QStringLiteral("youtube.com/watch?v=x")) << QString();
    QTest::newRow("two links on two lines")
        << std::optional<QString>(watch + QStringLiteral("\n") + watch) << QString();
    QTest::newRow("words") << std::optional<QString>(QStringLiteral("lofi beats")) << QString();
    QTest::newRow("no text at all") << std::optional<QString>() << QString();
    QTest::newRow("499 characters") << std::optional<QString>(longLink(499)) << longLink(499);
    QTest::newRow("500 characters") << std::optional<QString>(longLink(500)) << QString();
    // Accented letters written as letter plus combining mark count once each.
    QTest::newRow("499 characters of two code points each")
        << std::optional<QString>(longLink(499, QStringLiteral("e\u0301")))
        << longLink(499, QStringLiteral("e\u0301"));
}

void TestClipboard::whatIsTaken()
{
    QFETCH(std::optional<QString>, content);
    QFETCH(QString, taken);
    QueueFixture f;
    f.clipboard.copy(content);
    f.model.checkPasteboard();
    QCOMPARE(f.model.input(), taken);
    QCOMPARE(f.model.isFetching(), !taken.isEmpty());
    QVERIFY(QTest::qWaitFor([&] { return !f.model.isFetching(); }, 20000));
    QCOMPARE(f.fake.callCount(), taken.isEmpty() ? 0 : 1);
}

void TestClipboard::eachCopyOnlyOnce()
{
    QueueFixture f;
    f.clipboard.copy(QStringLiteral("https://youtu.be/one"));
    f.model.checkPasteboard();
    QVERIFY(QTest::qWaitFor([&] { return !f.model.isFetching(); }, 20000));
    f.model.setInput(QString());
    f.model.checkPasteboard(); // activated again, nothing copied since
    QVERIFY(f.model.input().isEmpty());
    QCOMPARE(f.fake.callCount(), 1);
}

void TestClipboard::copyDuringLookupIsPassedOver()
{
    QueueFixture f;
    f.fake.sleepMs(300);
    f.model.setInput(QStringLiteral("words"));
    f.model.fetch();
    f.clipboard.copy(QStringLiteral("https://youtu.be/late"));
    f.model.checkPasteboard();
    QCOMPARE(f.model.input(), QStringLiteral("words"));
    QVERIFY(QTest::qWaitFor([&] { return !f.model.isFetching(); }, 20000));
    f.model.checkPasteboard();
    QCOMPARE(f.model.input(), QStringLiteral("words"));
    QCOMPARE(f.fake.callCount(), 1);
}

void TestClipboard::sameAsInputIsNotLookedUpAgain()
{
    QueueFixture f;
    f.model.setInput(QStringLiteral("https://youtu.be/same"));
    f.clipboard.copy(QStringLiteral("https://youtu.be/same\n"));
    f.model.checkPasteboard();
    QVERIFY(!f.model.isFetching());
    QCOMPARE(f.fake.callCount(), 0);
}

void TestClipboard::switchedOffCopiesStaySeen()
{
    QueueFixture f;
    f.prefs.setValue(PrefKey::autoPaste, false);
    f.clipboard.copy(QStringLiteral("https://youtu.be/off"));
    f.model.checkPasteboard();
    QVERIFY(f.model.input().isEmpty());
    f.prefs.setValue(PrefKey::autoPaste, true);
    f.model.checkPasteboard();
    QVERIFY(f.model.input().isEmpty());
    // A new copy is taken again.
    f.clipboard.copy(QStringLiteral("https://youtu.be/on"));
    f.model.checkPasteboard();
    QCOMPARE(f.model.input(), QStringLiteral("https://youtu.be/on"));
    QVERIFY(QTest::qWaitFor([&] { return !f.model.isFetching(); }, 20000));
}

void TestClipboard::whatWasThereAtLaunchIsSeen()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    FakeInstaller installer;
    FakeClipboard clipboard;
    clipboard.copy(QStringLiteral("https://youtu.be/before"));
    AppModel model(engine, prefs, installer, Platform{&clipboard, nullptr, nullptr});
    model.checkPasteboard();
    QVERIFY(model.input().isEmpty());
    // The same link copied again after launch is a new copy.
    clipboard.copy(QStringLiteral("https://youtu.be/before"));
    model.checkPasteboard();
    QCOMPARE(model.input(), QStringLiteral("https://youtu.be/before"));
    QVERIFY(QTest::qWaitFor([&] { return !model.isFetching(); }, 20000));
}

QTEST_GUILESS_MAIN(TestClipboard)
#include "tst_clipboard.moc"
