// A lookup from the user's text to the published results, against a scripted
// stand-in for yt-dlp that records how it was called.
#include "AppModel.h"
#include "FakeYtdlp.h"
#include "Fakes.h"
#include "TestEnv.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;

namespace {

const QStringList lookupArgs{QStringLiteral("--no-colors"),     QStringLiteral("-J"),
                             QStringLiteral("--flat-playlist"), QStringLiteral("--no-playlist"),
                             QStringLiteral("--no-warnings"),   QStringLiteral("--")};

QJsonObject playlist(const QString& title, const QStringList& ids)
{
    QJsonArray entries;
    for (const QString& id : ids)
        entries.append(QJsonObject{{QStringLiteral("id"), id},
                                   {QStringLiteral("title"), QStringLiteral("Title ") + id},
                                   {QStringLiteral("ie_key"), QStringLiteral("Youtube")}});
    return {{QStringLiteral("_type"), QStringLiteral("playlist")},
            {QStringLiteral("title"), title},
            {QStringLiteral("entries"), entries}};
}

QStringList ids(const QList<VideoItem>& items)
{
    QStringList out;
    for (const VideoItem& item : items)
        out << item.id();
    return out;
}

// A model over a sandbox whose managed yt-dlp is the fake.
struct Fixture {
    TestEnv env;
    FakeYtdlp fake{env.supportDir()};
    Engine engine{env.engineConfig()};
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    FakeInstaller installer;
    AppModel model{engine, prefs, installer};

    // Fetches `input` and waits for the lookup to end.
    bool lookUp(const QString& input)
    {
        model.setInput(input);
        model.fetch();
        if (!model.isFetching())
            return false;
        return QTest::qWaitFor([&] { return !model.isFetching(); }, 30000);
    }
};

} // namespace

class TestLookup : public QObject {
    Q_OBJECT
private slots:
    void searchCommandLineAndHeading();
    void denoJoinsTheCommandLine();
    void optionLikeTargetStaysATarget();
    void channelRunsOnItsVideoList();
    void failures_data();
    void failures();
    void emptyListing();
    void failureKeepsThePreviousList();
    void secondSubmitWhileRunningIsIgnored();
    void inputChangedDuringLookup();
    void nothingToDo();
    void engineNotThereYet();
    void engineCannotBeLaunched();
    void publishesInOrder();
    void bigChannelAnswer();
};

void TestLookup::searchCommandLineAndHeading()
{
    Fixture f;
    f.fake.printJsonToStdout(
        playlist(QStringLiteral("ignored"), {QStringLiteral("a"), QStringLiteral("b")}));
    QVERIFY(f.lookUp(QStringLiteral("   lofi  beats\n")));

    QCOMPARE(f.fake.calls().size(), 1);
    QCOMPARE(f.fake.lastArgs(), lookupArgs + QStringList{QStringLiteral("ytsearch30:lofi  beats")});
    QCOMPARE(f.model.resultsTitle(), QStringLiteral("Search: lofi  beats"));
    QCOMPARE(ids(f.model.results()), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(f.model.selected(), (QSet<QString>{QStringLiteral("a"), QStringLiteral("b")}));
    QVERIFY(!f.model.fetchError());
    // The field keeps what the user typed.
    QCOMPARE(f.model.input(), QStringLiteral("   lofi  beats\n"));
}

void TestLookup::denoJoinsTheCommandLine()
{
    Fixture f;
    const QString deno =
        TestEnv::writeExecutable(f.env.binDirs().at(1) + QStringLiteral("/deno"), "#!/bin/sh\n");
    f.fake.printJsonToStdout(QJsonObject{{QStringLiteral("id"), QStringLiteral("v")}});
    QVERIFY(f.lookUp(QStringLiteral("https://example.org/v")));
    QCOMPARE(f.fake.lastArgs(),
             (QStringList{QStringLiteral("--no-colors"), QStringLiteral("--js-runtimes"),
                          QStringLiteral("deno:") + deno} +
              lookupArgs.mid(1) + QStringList{QStringLiteral("https://example.org/v")}));
}

void TestLookup::optionLikeTargetStaysATarget()
{
    // The fake prints a version only when "--version" stands before any "--",
    // as a real yt-dlp would read it.
    Fixture f;
    f.fake.answerVersion(QStringLiteral("2026.08.19"));
    f.fake.err(QStringLiteral("ERROR: [generic] '--version ://x' is not a valid URL"))
        .out(QStringLiteral("null"))
        .exitWith(1);
    QVERIFY(f.lookUp(QStringLiteral("--version ://x")));
    QCOMPARE(f.fake.lastArgs(), lookupArgs + QStringList{QStringLiteral("--version ://x")});
    QCOMPARE(f.model.fetchError().value_or(QString()),
             QStringLiteral("[generic] '--version ://x' is not a valid URL"));
}

void TestLookup::channelRunsOnItsVideoList()
{
    Fixture f;
    f.fake.printJsonToStdout(playlist(QStringLiteral("Chan - Videos"), {QStringLiteral("x")}));
    QVERIFY(f.lookUp(QStringLiteral("music.youtube.com/channel/UC42?si=1")));
    QCOMPARE(f.fake.lastArgs().last(),
             QStringLiteral("https://www.youtube.com/channel/UC42/videos"));
    QCOMPARE(f.model.resultsTitle(), QStringLiteral("Chan - Videos"));
}

void TestLookup::failures_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("message");

    const QString couldNot = QStringLiteral("Couldn't load that link.");
    QTest::newRow("exit 1 with error lines: the last one")
        << QStringLiteral(
               "err WARNING: slow\nerr ERROR: first\nerr ERROR: [generic] missing: HTTP Error 404\n"
               "out null\nexit 1")
        << QStringLiteral("[generic] missing: HTTP Error 404");
    QTest::newRow("exit 1 without error line")
        << QStringLiteral("err Traceback\nexit 1") << couldNot;
    QTest::newRow("exit 2 with valid JSON is still a failure")
        << QStringLiteral("out {\"id\":\"a\"}\nexit 2") << couldNot;
    QTest::newRow("exit 0 with null") << QStringLiteral("out null") << couldNot;
    QTest::newRow("exit 0, not JSON, error line on stderr")
        << QStringLiteral("out <html>\nerr ERROR: blocked") << QStringLiteral("blocked");
    QTest::newRow("exit 0 with a top-level array")
        << QStringLiteral("out [{\"id\":\"a\"}]") << couldNot;
    QTest::newRow("exit 0 with truncated JSON") << QStringLiteral("out {\"id\":\"a\",") << couldNot;
    QTest::newRow("exit 0 with nothing at all") << QString() << couldNot;
    QTest::newRow("killed by a signal")
        << QStringLiteral("err ERROR: died\nraise KILL") << QStringLiteral("died");
}

void TestLookup::failures()
{
    QFETCH(QString, script);
    QFETCH(QString, message);
    Fixture f;
    f.fake.setScript(script);
    QVERIFY(f.lookUp(QStringLiteral("https://example.org/x")));
    QCOMPARE(f.model.fetchError().value_or(QStringLiteral("<none>")), message);
    QVERIFY(f.model.results().isEmpty());
}

void TestLookup::emptyListing()
{
    Fixture f;
    f.fake.printJsonToStdout(QJsonObject{
        {QStringLiteral("entries"),
         QJsonArray{QJsonObject{{QStringLiteral("url"), QStringLiteral("http://h/a.mp4")}}}}});
    QVERIFY(f.lookUp(QStringLiteral("http://h/feed.xml")));
    QCOMPARE(f.model.fetchError().value_or(QString()),
             QStringLiteral("Nothing downloadable found there."));
    QVERIFY(f.model.results().isEmpty());
    QVERIFY(f.model.selected().isEmpty());
    QCOMPARE(f.model.resultsTitle(), QStringLiteral("Playlist"));
}

void TestLookup::failureKeepsThePreviousList()
{
    Fixture f;
    f.fake.printJsonToStdout(
        playlist(QStringLiteral("Mix"), {QStringLiteral("a"), QStringLiteral("b")}));
    QVERIFY(f.lookUp(QStringLiteral("https://www.youtube.com/playlist?list=PL1")));
    f.model.setSelected({QStringLiteral("b")});

    f.fake.setScript(QStringLiteral("sleep 300\nerr ERROR: Private video\nexit 1"));
    f.model.setInput(QStringLiteral("https://www.youtube.com/watch?v=zz"));
    f.model.fetch();
    // While it runs the old list stays and the last error is gone.
    QVERIFY(f.model.isFetching());
    QVERIFY(!f.model.fetchError());
    QCOMPARE(f.model.results().size(), 2);
    QVERIFY(QTest::qWaitFor([&] { return !f.model.isFetching(); }, 30000));

    QCOMPARE(f.model.fetchError().value_or(QString()), QStringLiteral("Private video"));
    QCOMPARE(ids(f.model.results()), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(f.model.resultsTitle(), QStringLiteral("Mix"));
    QCOMPARE(f.model.selected(), QSet<QString>{QStringLiteral("b")});

    // And the next success clears the error again.
    f.fake.setScript(QString());
    f.fake.printJsonToStdout(QJsonObject{{QStringLiteral("id"), QStringLiteral("zz")}});
    QVERIFY(f.lookUp(QStringLiteral("https://www.youtube.com/watch?v=zz")));
    QVERIFY(!f.model.fetchError());
    QCOMPARE(ids(f.model.results()), QStringList{QStringLiteral("zz")});
    QCOMPARE(f.model.resultsTitle(), QString());
}

void TestLookup::secondSubmitWhileRunningIsIgnored()
{
    Fixture f;
    f.fake.sleepMs(400).printJsonToStdout(playlist(QStringLiteral("P"), {QStringLiteral("a")}));
    f.model.setInput(QStringLiteral("first words"));
    f.model.fetch();
    QVERIFY(f.model.isFetching());
    QSignalSpy fetching(&f.model, &AppModel::isFetchingChanged);
    f.model.setInput(QStringLiteral("second words"));
    f.model.fetch();
    QCOMPARE(fetching.count(), 0);
    QVERIFY(QTest::qWaitFor([&] { return !f.model.isFetching(); }, 30000));
    QTest::qWait(100);
    QCOMPARE(f.fake.callCount(), 1);
    QCOMPARE(f.fake.lastArgs().last(), QStringLiteral("ytsearch30:first words"));
}

void TestLookup::inputChangedDuringLookup()
{
    // The lookup is not cancelled by new text; its heading names what was
    // looked up, not what the field holds now.
    Fixture f;
    f.fake.sleepMs(200).printJsonToStdout(playlist(QStringLiteral("P"), {QStringLiteral("a")}));
    f.model.setInput(QStringLiteral("cats"));
    f.model.fetch();
    f.model.setInput(QStringLiteral("dogs"));
    QVERIFY(QTest::qWaitFor([&] { return !f.model.isFetching(); }, 30000));
    QCOMPARE(f.model.resultsTitle(), QStringLiteral("Search: cats"));
    QCOMPARE(f.model.results().size(), 1);
}

void TestLookup::nothingToDo()
{
    Fixture f;
    f.model.setFetchError(QStringLiteral("old"));
    QSignalSpy changed(&f.model, &AppModel::changed);
    f.model.setInput(QStringLiteral(" \n\t "));
    changed.clear();
    f.model.fetch();
    QVERIFY(!f.model.isFetching());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(f.model.fetchError().value_or(QString()), QStringLiteral("old"));
    QTest::qWait(50);
    QCOMPARE(f.fake.callCount(), 0);
}

void TestLookup::engineNotThereYet()
{
    TestEnv env;
    Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    FakeInstaller installer;
    AppModel model(engine, prefs, installer);
    model.setInput(QStringLiteral("https://www.youtube.com/watch?v=a"));
    model.fetch();
    QVERIFY(!model.isFetching());
    QCOMPARE(model.fetchError().value_or(QString()),
             QStringLiteral("The download engine is still being set up. Try again in a moment."));
}

void TestLookup::engineCannotBeLaunched()
{
    // Executable, but its interpreter does not exist: the start itself fails.
    TestEnv env;
    Engine engine(env.engineConfig());
    TestEnv::writeExecutable(engine.managedYtdlp(), "#!/nonexistent/interpreter\n");
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    FakeInstaller installer;
    AppModel model(engine, prefs, installer);
    model.setInput(QStringLiteral("words"));
    model.fetch();
    QVERIFY(model.isFetching());
    QVERIFY(QTest::qWaitFor([&] { return !model.isFetching(); }, 30000));
    QVERIFY(model.fetchError());
    QVERIFY(!model.fetchError()->isEmpty());
    QVERIFY(*model.fetchError() != QStringLiteral("Couldn't load that link."));
}

void TestLookup::publishesInOrder()
{
    Fixture f;
    f.fake.printJsonToStdout(playlist(QStringLiteral("P"), {}));
    QStringList order;
    QObject probe;
    auto note = [&](const char* name) { return [&order, name] { order << QLatin1String(name); }; };
    connect(&f.model, &AppModel::isFetchingChanged, &probe, note("isFetching"));
    connect(&f.model, &AppModel::resultsChanged, &probe, note("results"));
    connect(&f.model, &AppModel::resultsTitleChanged, &probe, note("resultsTitle"));
    connect(&f.model, &AppModel::selectedChanged, &probe, note("selected"));
    connect(&f.model, &AppModel::fetchErrorChanged, &probe, note("fetchError"));
    f.model.setSelected({QStringLiteral("stale")});
    order.clear();
    QVERIFY(f.lookUp(QStringLiteral("https://example.org/p")));
    QCOMPARE(order, (QStringList{QStringLiteral("isFetching"), QStringLiteral("isFetching"),
                                 QStringLiteral("results"), QStringLiteral("resultsTitle"),
                                 QStringLiteral("selected"), QStringLiteral("fetchError")}));
}

void TestLookup::bigChannelAnswer()
{
    // 20,000 entries (every tenth id repeated) arrive as one line of JSON.
    Fixture f;
    QStringList all;
    for (int i = 0; i < 20000; ++i)
        all << QStringLiteral("v%1").arg(i % 10 == 9 ? i - 9 : i);
    f.fake.printJsonToStdout(playlist(QStringLiteral("Big"), all));
    QVERIFY(f.lookUp(QStringLiteral("youtube.com/@big")));
    QCOMPARE(f.model.results().size(), 18000);
    QCOMPARE(f.model.selected().size(), 18000);
    QCOMPARE(f.model.results().first().id(), QStringLiteral("v0"));
    QCOMPARE(f.model.results().last().id(), QStringLiteral("v19998"));
    QCOMPARE(f.fake.lastArgs().last(), QStringLiteral("https://www.youtube.com/@big/videos"));
}

QTEST_GUILESS_MAIN(TestLookup)
#include "tst_lookup.moc"
