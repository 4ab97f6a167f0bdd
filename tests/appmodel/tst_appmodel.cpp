// The model around the queue, yt-dlp played by FakeRunner children: lookups
// (target, answer read streaming and whole, errors, stopping), links taken
// from the clipboard, and what keeping the engine ready installs and says.
#include "Fixture.h"
#include "appmodel/ListingLines.h"

#include <QFile>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;
using namespace reelcatch::test;
using namespace Qt::StringLiterals;

namespace {

QStringList ids(const QList<VideoItem>& items) { return each(items, std::mem_fn(&VideoItem::id)); }
QStringList targets(const Fixture& f) // the last argument of every child
{
    return each(f.runner->specs, [](const ChildSpec& spec) { return spec.arguments.last(); });
}

// Starts a lookup of `input`; its child, or null when none started.
FakeChild* start(Fixture& f, const QString& input)
{
    const qsizetype before = f.runner->children.size();
    f.lookup().setInput(input);
    f.lookup().fetch();
    return f.runner->children.size() > before ? f.runner->last() : nullptr;
}

// What QJsonDocument and VideoItem::fromJson() make of each line: the
// first item of each id, in order.
QList<VideoItem> readEachLine(const QByteArray& lines)
{
    QList<VideoItem> items;
    QSet<QString> seen;
    for (const QByteArray& line : lines.split('\n')) {
        std::optional<VideoItem> item = VideoItem::fromJson(QJsonDocument::fromJson(line).object());
        if (item && !seen.contains(item->id()))
            seen.insert(item->id()), items.append(std::move(*item));
    }
    return items;
}

QByteArray line(const char* id) { return R"({"id":")" + QByteArray(id) + R"(","playlist_title":"Two","playlist_index":1})" "\n"; }

bool lookUp(Fixture& f, const QString& input, const QByteArray& out)
{
    FakeChild* child = start(f, input);
    if (!child)
        return false;
    child->print(out.left(out.size() / 2));
    child->print(out.mid(out.size() / 2));
    child->end(0);
    return QTest::qWaitFor([&] { return !f.lookup().isFetching(); }, 30000);
}

const QByteArray mix = R"({"id":"a","playlist_title":"Mix","playlist_index":1}
{"id":"b","playlist_title":"Mix","playlist_index":2}
)";
const QString playlist = u"https://www.youtube.com/playlist?list=PL1"_s;
const QString settingUp = u"Setting up the download engine (one-time, ~80 MB)\u2026"_s;
const QString updating = u"Updating the download engine\u2026"_s;

} // namespace

class TestAppModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void normalizes_data();
    void normalizes();
    void answers_data();
    void answers();
    void recordedAnswers_data();
    void recordedAnswers();
    void errors_data();
    void errors();
    void refusedFetches();
    void stopKeepsThePreviousOutcome();
    void rowsArriveWhileListing();
    void failureAfterRows();
    void clipboard_data();
    void clipboard();
    void clipboardCopiesOnce();
    void readiness_data();
    void readiness();
    void cookies_data();
    void cookies();
};

void TestAppModel::normalizes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("target");
    const auto row = [](const char* input, const char* target) {
        QTest::newRow(QByteArray(input).trimmed().constData()) << QString::fromUtf8(input) << QString::fromUtf8(target);
    };
    row("  lofi  hip hop \n", "ytsearch30:lofi  hip hop");
    row("--version", "ytsearch30:--version");
    row("YouTube.com/@x", "ytsearch30:YouTube.com/@x");
    row("www.youtube.com/watch?v=abc&list=PL9", "https://www.youtube.com/watch?v=abc&list=PL9");
    row("youtu.be/abc?t=5", "https://youtu.be/abc?t=5");
    row("www.example.com/@x", "https://www.example.com/@x");
    row("https://notyoutube.com/@x", "https://notyoutube.com/@x");
    row("https://www.youtube.com/@n/shorts", "https://www.youtube.com/@n/shorts");
    row("https://m.youtube.com/@n/?si=x#t", "https://www.youtube.com/@n/videos");
    row("https://music.youtube.com/channel/UCa", "https://www.youtube.com/channel/UCa/videos");
    row("m.youtube.com/user/Old", "https://www.youtube.com/user/Old/videos");
    row("http://youtube.com/c/a%3Fb%23c%20d?x=1", "https://www.youtube.com/c/a%3Fb%23c%20d/videos");
    row("https://www.youtube.com/channel%2FUCa", "https://www.youtube.com/channel%2FUCa");
}

void TestAppModel::normalizes()
{
    QFETCH(QString, input);
    QFETCH(QString, target);
    QCOMPARE(normalize(input), target);
    // The target goes to yt-dlp last, behind "--", in a stream child that
    // is given up after five minutes of silence.
    Fixture f;
    FakeChild* child = start(f, input);
    QVERIFY(child && child->started);
    QCOMPARE(child->spec.program, f.env.binDirs().at(0) + u"/yt-dlp"_s);
    QCOMPARE(child->spec.arguments.sliced(child->spec.arguments.size() - 2), (QStringList{u"--"_s, target}));
    QVERIFY(child->spec.arguments.contains(u"--flat-playlist"_s));
    QCOMPARE(child->spec.output, ChildSpec::Output::stream);
    QCOMPARE(child->spec.inactivityLimit, std::chrono::milliseconds(std::chrono::minutes(5)));
}

void TestAppModel::answers_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("ids"); // none: "Nothing downloadable found there."
    const auto row = [&](const char* name, const QByteArray& answer, const char* title,
                         const char* expected, const QString& input = playlist) {
        QTest::newRow(name) << input << answer << QString::fromUtf8(title)
                            << QString::fromLatin1(expected).split(u' ', Qt::SkipEmptyParts);
    };
    row("single video: no heading", R"({"id":"v","title":"My video"})", "", "v", u"youtu.be/v"_s);
    row("playlist in order", mix, "Mix", "a b");
    row("nulls, repeats, bad ids",
        "null\n" R"({"id":"b","playlist_title":"P"})" "\n" R"({"url":"u"})" "\n" R"({"id":""})"
        "\n" R"({"id":7})" "\n" R"({"id":"a"})" "\n" R"({"id":"b","title":"again"})" "\n",
        "P", "b a");
    row("lines the scanner leaves to QJsonDocument",
        R"({"id":"e","duration":1e2,"playlist_index":1})" "\n" R"({"id":"f","id":"g"})" "\n"
        R"({"\u0069d":"h","title":"\u0000"})",
        "Playlist", "e g h");
    row("heading without bidi controls", R"({"id":"a","playlist_title":"a\u202Eb\u2066c"})", "abc", "a");
    row("title not a string", R"({"id":"a","playlist_title":null,"playlist_id":"PL"})", "Playlist", "a");
    row("the first line names the playlist",
        R"({"url":"u","playlist_title":"First"})" "\n" R"({"id":"a","playlist_title":"Second"})",
        "First", "a");
    row("search heading", R"({"id":"a","playlist_title":"x"})", "Search: lofi  beats", "a",
        u"  lofi  beats "_s);
    row("empty playlist: no line names it", "", "", "");
    row("empty object", "{}", "", "");
    // "soon" is a stream yet to begin: listed, not ticked.
    row("streams",
        R"({"id":"on","live_status":"is_live","playlist_title":"S"})" "\n"
        R"({"id":"soon","live_status":"is_upcoming","playlist_title":"S"})" "\n"
        R"({"id":"past","live_status":"was_live","playlist_title":"S"})",
        "S", "on soon past");
    row("single upcoming stream", R"({"id":"soon","live_status":"is_upcoming"})", "", "soon", u"youtu.be/soon"_s);
}

void TestAppModel::answers()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, answer);
    QFETCH(QStringList, ids);
    // The answer, however it is cut, lists what QJsonDocument reads of each line.
    for (int round = 0; round < 20; ++round) {
        ListingLines reader;
        for (qsizetype at = 0, n = 0; at < answer.size(); at += n) {
            n = std::min<qsizetype>(QRandomGenerator::global()->bounded(1, 40), answer.size() - at);
            reader.feed(QByteArrayView(answer).sliced(at, n));
        }
        reader.finish();
        QCOMPARE(reader.takeItems(), readEachLine(answer));
    }

    Fixture f;
    QSignalSpy results(&f.lookup(), &Lookup::resultsChanged);
    QVERIFY(lookUp(f, input, answer));
    QCOMPARE(::ids(f.lookup().results()), ids);
    QTEST(f.lookup().resultsTitle(), "title");
    QCOMPARE(f.lookup().selected(), QSet<QString>(ids.cbegin(), ids.cend()) - QSet<QString>{u"soon"_s});
    QCOMPARE(f.lookup().fetchError(), ids.isEmpty() ? std::optional(u"Nothing downloadable found there."_s) : std::nullopt);
    QVERIFY(results.count() >= 1);
}

void TestAppModel::recordedAnswers_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("single clip") << u"clip"_s;
    QTest::newRow("feed without ids") << u"feed"_s;
}

// Debian's yt-dlp's answers read as QJsonDocument reads each line.
void TestAppModel::recordedAnswers()
{
    QFETCH(QString, name);
    QFile file(QString::fromUtf8(REELCATCH_RECORDINGS "/debian-lookup-%1-lines.json").arg(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray lines = file.readAll();
    ListingLines reader;
    reader.feed(lines);
    reader.finish();
    const QList<VideoItem> items = reader.takeItems();
    QCOMPARE(items, readEachLine(lines));
    QCOMPARE(items.size(), name == u"clip"_s ? 1 : 0);
}

void TestAppModel::errors_data()
{
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<int>("code");
    QTest::addColumn<ChildExit::Kind>("kind");
    QTest::addColumn<QString>("expected");
    const QString couldNot = u"Couldn't load that link."_s;
    using K = ChildExit::Kind;
    QTest::newRow("last ERROR line") << QByteArray("null") << QByteArray("ERROR: 1\nERROR: [x] 2\n")
                                     << 1 << K::exited << u"[x] 2"_s;
    QTest::newRow("failure without ERROR line") << QByteArray() << QByteArray("Traceback\n") << 1
                                                << K::exited << couldNot;
    QTest::newRow("success, but not an object") << QByteArray("null") << QByteArray() << 0
                                                << K::exited << couldNot;
    QTest::newRow("success, not JSON, an ERROR line") << QByteArray("{\"id\":")
        << QByteArray("ERROR: Private video\n") << 0 << K::exited << u"Private video"_s;
    QTest::newRow("failed to start") << QByteArray() << QByteArray() << 0 << K::failedToStart
                                     << u"Permission denied"_s;
    QTest::newRow("silent too long") << QByteArray(R"({"entries":[)") << QByteArray() << 15
                                     << K::inactive << u"yt-dlp stopped answering."_s;
}

void TestAppModel::errors()
{
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(int, code);
    QFETCH(ChildExit::Kind, kind);
    QFETCH(QString, expected);
    // An earlier list stays as it was, ticks included.
    Fixture f;
    QVERIFY(lookUp(f, playlist, mix));
    f.lookup().setSelected({u"b"_s});
    FakeChild* child = start(f, u"https://youtu.be/zz"_s);
    QVERIFY(child);
    child->print(out);
    child->stderrTail = err;
    child->end(code, kind, kind == ChildExit::Kind::failedToStart ? expected : QString());
    QTRY_VERIFY_WITH_TIMEOUT(!f.lookup().isFetching(), 30000);
    QCOMPARE(f.lookup().fetchError(), std::optional(expected));
    QCOMPARE(ids(f.lookup().results()), (QStringList{u"a"_s, u"b"_s}));
    QCOMPARE(f.lookup().resultsTitle(), u"Mix"_s);
    QCOMPARE(f.lookup().selected(), QSet<QString>{u"b"_s});
    // The next lookup clears the error as it starts.
    QVERIFY(start(f, u"words"_s));
    QCOMPARE(f.lookup().fetchError(), std::nullopt);
}

void TestAppModel::refusedFetches()
{
    Fixture none(false);
    QCOMPARE(start(none, u"words"_s), nullptr);
    QCOMPARE(none.lookup().fetchError(), std::optional(u"The download engine is still being set up. Try again in a moment."_s));
    Fixture f;
    QCOMPARE(start(f, u" \n\t "_s), nullptr);
    QCOMPARE(start(f, u"\u00e9"_s.repeated(4097)), nullptr); // over 8 KB of UTF-8, not 8 K characters
    QCOMPARE(f.lookup().fetchError(), std::optional(u"That's too long to be a link or a search."_s));
    // A second fetch while one runs starts nothing; the heading names what
    // was looked up, not what the field holds now.
    FakeChild* child = start(f, u"cats"_s);
    QVERIFY(child);
    QCOMPARE(start(f, u"dogs"_s), nullptr);
    child->print(mix);
    child->end(0);
    QTRY_VERIFY_WITH_TIMEOUT(!f.lookup().isFetching(), 30000);
    QCOMPARE(f.lookup().resultsTitle(), u"Search: cats"_s);
}

void TestAppModel::stopKeepsThePreviousOutcome()
{
    Fixture f;
    QVERIFY(lookUp(f, playlist, mix));
    f.lookup().setSelected({u"a"_s});
    QVERIFY(start(f, u"dogs"_s));
    FakeChild* child = f.runner->last();
    child->print(R"({"title":"Dogs","entr)");
    QSignalSpy results(&f.lookup(), &Lookup::resultsChanged);
    QSignalSpy errors(&f.lookup(), &Lookup::fetchErrorChanged);
    f.lookup().stop();
    QVERIFY(!f.lookup().isFetching());
    QCOMPARE(child->stops, 1);
    // What the stopped run still says, and how it ends, well or not, is ignored.
    child->print(R"(ies":[{"id":"d"}]})");
    child->end(0);
    QVERIFY(start(f, u"birds"_s));
    FakeChild* next = f.runner->last();
    f.lookup().stop();
    next->stderrTail = "ERROR: gone\n";
    next->end(1);
    settle();
    QCOMPARE(results.count(), 0);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(ids(f.lookup().results()), (QStringList{u"a"_s, u"b"_s}));
    QCOMPARE(f.lookup().resultsTitle(), u"Mix"_s);
    QCOMPARE(f.lookup().selected(), QSet<QString>{u"a"_s});
}

void TestAppModel::rowsArriveWhileListing()
{
    Fixture f;
    QVERIFY(lookUp(f, playlist, mix));
    FakeChild* child = start(f, playlist + u"2"_s);
    QSignalSpy added(&f.lookup(), &Lookup::resultsAdded);
    // The old list stays until the first row comes, then makes way for it.
    child->print(line("c") + line("d").left(9));
    QTRY_COMPARE_WITH_TIMEOUT(ids(f.lookup().results()), QStringList{u"c"_s}, 30000);
    QVERIFY(f.lookup().isListing());
    QCOMPARE(f.lookup().resultsTitle(), u"Two"_s);
    QCOMPARE(f.lookup().selected(), QSet<QString>{u"c"_s});
    // Later rows go below, repeats dropped; once the user has chosen, unticked.
    f.lookup().setSelected({});
    child->print(line("d").mid(9) + line("c") + line("e"));
    QTRY_COMPARE_WITH_TIMEOUT(ids(f.lookup().results()), (QStringList{u"c"_s, u"d"_s, u"e"_s}), 30000);
    QCOMPARE(added.first().at(0).toInt(), 1);
    QCOMPARE(f.lookup().selected(), QSet<QString>{});
    // Stop keeps them; what the run still prints is ignored.
    f.lookup().stop();
    child->print(line("f"));
    child->end(0);
    settle();
    QCOMPARE(ids(f.lookup().results()), (QStringList{u"c"_s, u"d"_s, u"e"_s}));
    QVERIFY(!f.lookup().isListing() && !f.lookup().fetchError());
}

void TestAppModel::failureAfterRows()
{
    for (const int rows : {1, 3}) {
        Fixture f;
        FakeChild* child = start(f, playlist);
        // Ending at once: rows still being read count too.
        child->print(rows == 1 ? line("a") : line("a") + line("b") + line("c"));
        child->stderrTail = "ERROR: [youtube:tab] Incomplete data received\n";
        child->end(1);
        QTRY_VERIFY_WITH_TIMEOUT(!f.lookup().isFetching(), 30000);
        QCOMPARE(f.lookup().results().size(), rows);
        QCOMPARE(f.lookup().selected().size(), rows);
        QCOMPARE(f.lookup().fetchError(), std::optional(QString(rows == 1 ? u"Only the first video could be listed."_s : u"Only the first 3 videos could be listed."_s) + u" [youtube:tab] Incomplete data received"_s));
    }
}

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
    QTest::newRow("two lines") << std::optional(y + u"a\n"_s + y + u"b"_s) << false;
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
    QCOMPARE(f.lookup().input(), taken ? copied->trimmed() : QString());
    QCOMPARE(targets(f), taken ? QStringList{normalize(*copied)} : QStringList{});
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
