// The model around the queue, yt-dlp played by FakeRunner children: clipboard links,
// what keeping the engine ready installs and says, and the cookies handed to yt-dlp.
#include "Fixture.h"

using namespace reelcatch;
using namespace reelcatch::test;
using namespace Qt::StringLiterals;

class TestAppModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void clipboard_data();
    void clipboard();
    void clipboardCopiesOnce();
    void readiness_data();
    void readiness();
    void cookies_data();
    void cookies();
};

void TestAppModel::clipboard_data()
{
    QTest::addColumn<std::optional<QString>>("copied");
    QTest::addColumn<bool>("taken");
    const QString y = u"https://youtu.be/"_s;
    QTest::newRow("watch page, trimmed") << std::optional(u" https://www.youtube.com/watch?v=a \n"_s) << true;
    QTest::newRow("bare domain") << std::optional(u"http://youtube.com/@name"_s) << true;
    QTest::newRow("a look-alike host") << std::optional(u"https://notyoutube.com/watch?v=a"_s) << false;
    QTest::newRow("a host containing it") << std::optional(u"https://youtube.com.evil.org/x"_s) << false;
    QTest::newRow("no scheme") << std::optional(u"youtube.com/watch?v=a"_s) << false;
    QTest::newRow("two lines, looked up together") << std::optional(y + u"a\n"_s + y + u"b"_s) << true;
    QTest::newRow("a link and words") << std::optional(y + u"a see this"_s) << false;
    QTest::newRow("no text") << std::optional<QString>() << false;
    QTest::newRow("499 characters") << std::optional(y + QString(482, u'a')) << true;
    QTest::newRow("500 characters") << std::optional(y + QString(483, u'a')) << false;
    // Counted as the user sees them: an emoji is one, not two.
    QTest::newRow("499 emoji-long") << std::optional(y + u"\U0001F600"_s.repeated(482)) << true;
}

void TestAppModel::clipboard()
{
    QFETCH(std::optional<QString>, copied);
    QFETCH(bool, taken);
    Fixture f;
    f.prefs.setValue(PrefKey::autoPaste, true);
    f.clipboard.copy(copied);
    f.model.clipboard().check();
    QCOMPARE(f.lookup().isFetching(), taken);
    const QStringList links = taken ? linksIn(*copied) : QStringList();
    QCOMPARE(f.lookup().input(), links.join(u' '));
    QStringList expected;
    for (const QString& link : links)
        expected << normalize(link);
    QCOMPARE(targets(f), expected);
}

void TestAppModel::clipboardCopiesOnce()
{
    const QString a = u"https://youtu.be/a"_s, b = u"https://youtu.be/b"_s, c = u"https://youtu.be/c"_s;
    Fixture f; // the clipboard changes before the check, however often it is made
    f.prefs.setValue(PrefKey::autoPaste, true);
    // What the clipboard held when the watch began counts as seen.
    f.clipboard.copy(a);
    ClipboardWatch(&f.clipboard, f.prefs, f.lookup()).check();
    QVERIFY(f.runner->children.isEmpty());
    f.model.clipboard().check();
    f.model.clipboard().check();
    // A copy while a lookup runs is passed over for good.
    f.clipboard.copy(b);
    f.model.clipboard().check();
    f.runner->last()->end(1);
    QTRY_VERIFY_WITH_TIMEOUT(!f.lookup().isFetching(), 30000);
    f.model.clipboard().check();
    // The text already in the field is not looked up again.
    f.clipboard.copy(a);
    f.lookup().setInput(a);
    f.model.clipboard().check();
    // The application's own copy is never taken, even when reported late.
    f.model.clipboard().copy(b);
    ++f.clipboard.changes;
    f.model.clipboard().check();
    // With the setting off, copies are seen but not taken, even once it is on.
    f.prefs.setValue(PrefKey::autoPaste, false);
    f.clipboard.copy(c);
    f.model.clipboard().check();
    f.prefs.setValue(PrefKey::autoPaste, true);
    f.model.clipboard().check();
    QCOMPARE(targets(f), QStringList{a});
    f.clipboard.copy(c);
    f.model.clipboard().check();
    QCOMPARE(targets(f), (QStringList{a, c}));
}

void TestAppModel::readiness_data()
{
    QTest::addColumn<int>("age"); // of the managed yt-dlp in seconds; -1: none
    QTest::addColumn<bool>("systemYtdlp");
    QTest::addColumn<bool>("deno");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QStringList>("installs"); // all succeed, unless yt-dlp's fails
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("note"); // while installing, or after the failure
    const QStringList both{u"yt-dlp"_s, u"deno"_s}, yt{u"yt-dlp"_s}, none;
    const QString settingUp = u"Setting up the download engine (one-time, ~80 MB)\u2026"_s;
    const QString updating = u"Updating the download engine\u2026"_s;
    QTest::newRow("nothing yet") << -1 << false << false << false << both << false << settingUp;
    QTest::newRow("only a system yt-dlp") << -1 << true << true << false << yt << false << updating;
    QTest::newRow("fresh") << 432000 << false << true << false << none << false << QString();
    QTest::newRow("stale: silent update") << 432001 << false << true << false << yt << false << QString();
    QTest::newRow("fresh, no deno") << 10 << false << false << false << QStringList{u"deno"_s} << false << updating;
    QTest::newRow("forced") << 10 << false << true << true << both << false << updating;
    QTest::newRow("failed, no yt-dlp at all")
        << -1 << false << false << false << yt << true << u"Couldn't install yt-dlp: Host github.com not found"_s;
    QTest::newRow("failed, a system copy works") << -1 << true << false << false << yt << true << QString();
    QTest::newRow("failed, the old copy stays") << 500000 << false << false << false << yt << true << QString();
}

void TestAppModel::readiness()
{
    QFETCH(int, age);
    QFETCH(bool, systemYtdlp);
    QFETCH(bool, deno);
    QFETCH(bool, force);
    QFETCH(QStringList, installs);
    QFETCH(bool, fails);
    QFETCH(QString, note);
    const QDateTime now(QDate(2025, 3, 1), QTime(12, 0), Qt::UTC);
    Fixture f(systemYtdlp, true);
    f.env.setNow(now);
    if (age >= 0)
        TestEnv::writeFileWithMtime(f.engine.managedYtdlp(), "#!/bin/sh\n", now.addSecs(-age), 0755);
    if (deno)
        f.place(u"deno"_s);
    EngineReadiness& ready = f.model.readiness();
    QSignalSpy tools(&ready, &EngineReadiness::toolsChanged);
    ready.ensure(force);
    QVERIFY(ready.isBusy());
    for (const QString& tool : fails ? QStringList{} : installs) {
        QVERIFY(!f.installer.calls.isEmpty());
        QCOMPARE(f.installer.calls.last(), tool);
        const bool last = tool == installs.last(); // its progress shows in the note, if any
        if (last)
            f.installer.pending[tool].second(50, 200), f.installer.pending[tool].second(10, 0);
        QCOMPARE(ready.note().value_or(QString()), last && !note.isEmpty() ? note + u" 25%"_s : note);
        QVERIFY(f.installer.finish(tool, Done{}, {tool == u"deno"_s ? f.engine.managedDeno() : f.engine.managedYtdlp()}));
    }
    if (fails) {
        QVERIFY(f.installer.finish(u"yt-dlp"_s, AppError{u"Host github.com not found"_s}));
        QCOMPARE(f.installer.calls, QStringList{u"yt-dlp"_s}); // no deno after that
        QCOMPARE(ready.note().value_or(QString()), note);
    } else {
        QCOMPARE(f.installer.calls, installs);
        QCOMPARE(ready.note(), std::nullopt);
        QVERIFY(ready.tools().deno);
        QCOMPARE(tools.count(), 1); // deno was placed after the start
    }
    // Busy until the version of the yt-dlp in use is known.
    QVERIFY(ready.isBusy());
    FakeChild* query = f.runner->last();
    const bool usable = !fails || note.isEmpty();
    QCOMPARE(query && !query->hasEnded &&
                 query->spec.arguments == QStringList({u"--ignore-config"_s, u"--version"_s}),
             usable);
    if (usable)
        query->print("2025.11.12\n"), query->end(0);
    QTRY_VERIFY_WITH_TIMEOUT(!ready.isBusy(), 30000);
    QCOMPARE(ready.version(), usable ? std::optional(u"2025.11.12"_s) : std::nullopt);
    // A lookup hands deno to the yt-dlp of that version, which takes it.
    f.lookup().setInput(u"x"_s);
    f.lookup().fetch();
    QVERIFY(!usable || f.runner->last()->spec.arguments.contains(u"--js-runtimes"_s) == ready.tools().deno);
}

void TestAppModel::cookies_data()
{
    // Files made below the home ("path|content", "path@" written a day old);
    // the stored choice (a path below the home); the cookie arguments, "~"
    // standing for the home.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QStringList>("expected");
    const QString fp = u".var/app/org.mozilla.firefox/.mozilla/firefox"_s;
    const QString fs = u"snap/firefox/common/.mozilla/firefox"_s;
    const QString bf = u".var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser"_s;
    const QString cs = u"snap/chromium/common/chromium"_s;
    const QString cookie = u"--cookies-from-browser"_s;
    QTest::newRow("firefox") << QStringList{u".mozilla/firefox/a.b/cookies.sqlite"_s} << u"firefox"_s << QString() << QStringList{cookie, u"firefox"_s};
    // profiles.ini: the installation's default wins over the marked one,
    // and a stored older profile of the same installation follows it.
    QTest::newRow("firefox flatpak") << QStringList{fp + u"/old/cookies.sqlite"_s, fp + u"/main/cookies.sqlite"_s, fp + u"/profiles.ini|[Profile0]\nPath=old\nDefault=1\n[Install4F96]\nDefault=main\n"_s}
                                     << u"firefox"_s << fp + u"/old"_s << QStringList{cookie, u"firefox:~/"_s + fp + u"/main"_s};
    QTest::newRow("firefox snap, newest") << QStringList{fs + u"/old/cookies.sqlite@"_s, fs + u"/new/cookies.sqlite"_s, u".mozilla/firefox/n/cookies.sqlite"_s}
                                          << u"firefox"_s << fs + u"/new"_s << QStringList{cookie, u"firefox:~/"_s + fs + u"/new"_s};
    QTest::newRow("chromium") << QStringList{u".config/chromium/Default/Cookies"_s, cs + u"/Default/Cookies"_s} << u"chromium"_s << QString() << QStringList{cookie, u"chromium"_s};
    QTest::newRow("chromium snap") << QStringList{u".config/chromium/Default/Cookies"_s, cs + u"/Profile 1/Cookies"_s} << u"chromium"_s << cs << QStringList{cookie, u"chromium:~/"_s + cs};
    QTest::newRow("brave flatpak") << QStringList{bf + u"/Default/Network/Cookies"_s} << u"brave"_s << bf << QStringList{cookie, u"brave:~/"_s + bf};
    QTest::newRow("browser gone") << QStringList{u".config/chromium/Default/Cookies"_s} << u"chrome"_s << QString() << QStringList{};
    QTest::newRow("flatpak gone") << QStringList{u".mozilla/firefox/a/cookies.sqlite"_s} << u"firefox"_s << fp + u"/a"_s << QStringList{};
    QTest::newRow("profile yt-dlp would misread") << QStringList{u"snap/firefox/common/.mozilla/firefox/x::y/cookies.sqlite"_s} << u"firefox"_s << fs << QStringList{};
    QTest::newRow("profile names with control characters") << QStringList{fs + u"/old/cookies.sqlite@"_s, fs + u"/new\u2028/cookies.sqlite"_s, fs + u"/tab\t/cookies.sqlite"_s, fs + u"/del\x7f/cookies.sqlite"_s}
                                                           << u"firefox"_s << fs + u"/old"_s << QStringList{cookie, u"firefox:~/"_s + fs + u"/old"_s};
    QTest::newRow("only such a profile") << QStringList{fs + u"/a\nb/cookies.sqlite"_s} << u"firefox"_s << fs << QStringList{};
    QTest::newRow("file") << QStringList{u"c.txt"_s} << u"file"_s << u"c.txt"_s << QStringList{u"--cookies"_s, u"~/c.txt"_s};
    QTest::newRow("file gone") << QStringList{} << u"file"_s << u"c.txt"_s << QStringList{};
}

void TestAppModel::cookies()
{
    QFETCH(QStringList, files);
    QFETCH(QString, from);
    QFETCH(QString, place);
    QFETCH(QStringList, expected);
    Fixture f;
    const QString home = f.env.homeDir() + u'/';
    for (const QString& file : std::as_const(files)) {
        const QString path = home + file.section(u'|', 0, 0).remove(u'@');
        const QByteArray content = file.section(u'|', 1).toUtf8();
        QVERIFY(!TestEnv::writeFileWithMtime(path, content, QDateTime::currentDateTime().addDays(file.endsWith(u'@') ? -1 : 0)).isEmpty());
    }
    expected.replaceInStrings(u"~/"_s, home);
    f.prefs.setValue(PrefKey::cookiesFrom, from);
    f.prefs.setValue(from == u"file"_s ? PrefKey::cookiesFile : PrefKey::cookiesProfile, place.isEmpty() ? place : home + place);
    QSignalSpy looked(&f.model.cookies(), &CookieSources::changed);
    f.model.cookies().refresh();
    QVERIFY(looked.wait(20000));
    QCOMPARE(f.model.cookies().choice().lostNote.isEmpty(), !expected.isEmpty());

    // Lookups and downloads alike.
    QVERIFY(start(f, playlist));
    const QStringList tail{u"-j"_s, u"--flat-playlist"_s, u"--lazy-playlist"_s, u"--no-playlist"_s, u"--no-warnings"_s, u"--"_s, playlist};
    QCOMPARE(f.runner->last()->spec.arguments,
             QStringList({u"--ignore-config"_s, u"--no-colors"_s}) + expected + tail);
    QCOMPARE(f.runner->last()->spec.workingDirectory, f.env.path(u"cache"_s)); // not the app's own
    f.queue().enqueue({videoItem(u"v"_s)}, Preset::p1080);
    QCOMPARE(f.runner->last()->spec.arguments.mid(2, expected.size() + 1),
             expected + QStringList{u"https://example.org/v"_s});
}

QTEST_GUILESS_MAIN(TestAppModel)
#include "tst_appmodel.moc"
