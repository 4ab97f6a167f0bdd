// The test harness itself: what every later test relies on from the yt-dlp
// stand-in, the loopback HTTP server and the per-test sandbox.
#include "FakeYtdlp.h"
#include "HttpServer.h"
#include "TestEnv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTimeZone>

#include <tuple>

using namespace reelcatch;

namespace {

QStringList u8list(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* i : items)
        list.append(QString::fromUtf8(i));
    return list;
}

// 1000 bytes that repeat only every 26, so a wrong offset shows.
QByteArray pattern()
{
    return QByteArray("abcdefghijklmnopqrstuvwxyz").repeated(39).left(1000);
}

// What a QNetworkAccessManager request came back with.
struct Fetched {
    int status = 0;
    QByteArray body;
    QNetworkReply* reply = nullptr; // for headers; valid until the next fetch
    qint64 elapsedMs = 0;
};

Fetched fetch(QNetworkAccessManager& nam, const QUrl& url, const QByteArray& verb = "GET",
              const QByteArray& range = {}, int transferTimeoutMs = 0)
{
    QNetworkRequest request(url);
    if (!range.isEmpty())
        request.setRawHeader("Range", range);
    request.setTransferTimeout(transferTimeoutMs); // 0: none
    Fetched f;
    QElapsedTimer clock;
    clock.start();
    f.reply = verb == "HEAD" ? nam.head(request) : nam.get(request);
    f.reply->setParent(&nam);
    QObject::connect(f.reply, &QNetworkReply::readyRead, f.reply,
                     [&f] { f.body += f.reply->readAll(); });
    QSignalSpy done(f.reply, &QNetworkReply::finished);
    if (!f.reply->isFinished())
        done.wait(30000);
    f.elapsedMs = clock.elapsed();
    QObject::disconnect(f.reply, &QNetworkReply::readyRead, nullptr, nullptr);
    if (f.reply->isOpen())
        f.body += f.reply->readAll();
    f.status = f.reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return f;
}

// Sends bytes as they are (no client-side path clean-up) and returns the
// answer up to the server's close.
QByteArray rawRequest(quint16 port, const QByteArray& request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return {};
    socket.write(request);
    QByteArray answer;
    while (socket.waitForReadyRead(5000))
        answer += socket.readAll();
    return answer + socket.readAll();
}

ProcessResult ytdlp(const TestEnv& env, const QStringList& args)
{
    return runProcess(QStringLiteral("/usr/bin/yt-dlp"), args, env.childEnvironment(), 180000,
                      env.homeDir());
}

} // namespace

class TestHarness : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void fakeRecordsArgumentsExactly_data();
    void fakeRecordsArgumentsExactly();
    void fakeSeparatesStreamsAndExits();
    void fakeSections();
    void fakeSigterm_data();
    void fakeSigterm();
    void fakeLargeOutputOnBothPipes();

    void serverAnswers_data();
    void serverAnswers();
    void serverSlowTransferArrivesWhole();
    void serverStallLetsClientTimeOut();
    void serverDirectoryKeepsNamesInside();
    void serverListensOnLoopbackOnly();

    void envChildEnvironment();
    void envFileHelpers();

    void realYtdlpLooksUpClip();
    void realYtdlpDownloadsDashAndMerges();
};

void TestHarness::initTestCase()
{
    TestEnv::isolateProcess();
    QVERIFY(QFileInfo(FakeYtdlp::binaryPath()).isExecutable());
}

void TestHarness::fakeRecordsArgumentsExactly_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("none") << QStringList();
    QTest::newRow("option-like target after --")
        << u8list({"--no-colors", "-J", "--", "--version ://x"});
    QTest::newRow("non-ASCII") << u8list({"héllo wörld", "日本語.mp4", "🎬 clip"});
    QTest::newRow("empty strings") << u8list({"", "-", "", "--"});
    QTest::newRow("spaces and shell characters")
        << u8list({"  two  spaces  ", "a\"b", "back\\slash", "'q'", "$HOME", "`id`", "*", "a;b|c",
                   "%(title)s [%(id)s].%(ext)s", "line\nbreak"});
}

void TestHarness::fakeRecordsArgumentsExactly()
{
    QFETCH(QStringList, args);
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    QVERIFY(runProcess(fake.path(), args, env.childEnvironment(), 20000).ok());
    QVERIFY(runProcess(fake.path(), {QStringLiteral("second")}, env.childEnvironment()).ok());
    QCOMPARE(fake.calls(), (QList<QStringList>{args, {QStringLiteral("second")}}));
}

void TestHarness::fakeSeparatesStreamsAndExits()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.out(QStringLiteral("RC|downloading|1024|46166"))
        .err(QStringLiteral("WARNING: two\nlines"))
        .outCr(QStringLiteral("[download]  50.0%"))
        .errBytes(QByteArray("\xff\x00", 2))
        .exitWith(3)
        .out(QStringLiteral("never"));
    const ProcessResult r = runProcess(fake.path(), {}, env.childEnvironment());
    QCOMPARE(r.exitStatus, QProcess::NormalExit);
    QCOMPARE(r.exitCode, 3);
    QCOMPARE(r.out, QByteArray("RC|downloading|1024|46166\n[download]  50.0%\r"));
    QCOMPARE(r.err, QByteArray("WARNING: two\nlines\n\xff\x00", 21));
}

void TestHarness::fakeSections()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.out(QStringLiteral("default"))
        .onCall(1)
        .out(QStringLiteral("first call"))
        .answerVersion(QStringLiteral("2023.03.04"))
        .onArgContaining(QStringLiteral("missing"))
        .err(QStringLiteral("ERROR: 404"))
        .exitWith(1);
    const QList<std::tuple<QStringList, QByteArray, int>> cases = {
        {u8list({"--version"}), "first call\n", 0}, // @call wins: it comes first
        {u8list({"--version"}), "2023.03.04\n", 0},
        {u8list({"-J", "--", "--version"}), "default\n", 0}, // a target, not the option
        {u8list({"--", "http://x/missing.mp4"}), "ERROR: 404\n", 1},
    };
    for (const auto& [args, output, code] : cases) {
        const ProcessResult r = runProcess(fake.path(), args, env.childEnvironment());
        QCOMPARE(r.out + r.err, output);
        QCOMPARE(r.exitCode, code);
    }
}

void TestHarness::fakeSigterm_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("die") << QStringLiteral("die");
    QTest::newRow("ignore") << QStringLiteral("ignore");
    QTest::newRow("delay") << QStringLiteral("delay 600");
}

void TestHarness::fakeSigterm()
{
    QFETCH(QString, mode);
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.onSigterm(mode).writePidFile().out(QStringLiteral("running")).sleepMs(30000);
    QProcess p;
    p.setProcessEnvironment(env.childEnvironment());
    const QStringList args = u8list({"--newline", "http://127.0.0.1:9/clip.mp4"});
    p.start(fake.path(), args);
    QVERIFY(p.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(fake.pid().has_value(), 10000);
    QCOMPARE(*fake.pid(), p.processId());

    QSignalSpy done(&p, &QProcess::finished);
    QElapsedTimer clock;
    clock.start();
    p.terminate();
    if (mode == QLatin1String("die")) {
        QVERIFY(done.wait(5000));
        QVERIFY(clock.elapsed() < 2000);
    } else if (mode == QLatin1String("ignore")) {
        QVERIFY(!done.wait(700));
        p.kill();
        QVERIFY(done.wait(5000));
    } else {
        QVERIFY(!done.wait(300));
        p.terminate(); // a second request doesn't move the deadline
        QVERIFY(done.wait(5000));
        QVERIFY2(clock.elapsed() >= 580, qPrintable(QString::number(clock.elapsed())));
    }
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    QCOMPARE(p.readAllStandardOutput(), QByteArray("running\n"));
    QCOMPARE(fake.signalsReceived().value(0), QStringLiteral("TERM"));
    // The call was on record before the process went down.
    QCOMPARE(fake.calls(), QList<QStringList>{args});
}

void TestHarness::fakeLargeOutputOnBothPipes()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.fillOut(5'000'000).fillErr(3'000'000).line(QStringLiteral("out-fill 1000 raw"));
    const ProcessResult r = runProcess(fake.path(), {}, env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(r.out.size(), 5'001'000);
    QCOMPARE(r.out.count('\n'), 5'000'000 / 80);
    QCOMPARE(r.out.right(1001), '\n' + QByteArray(1000, 'x'));
    QCOMPARE(r.err.size(), 3'000'000);
    QCOMPARE(r.err.count('\n'), 3'000'000 / 80);
}

void TestHarness::serverAnswers_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QByteArray>("range");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("header"); // "Name: value" that must be there
    const auto row = [](const char* name, const char* path, const char* verb, const char* range,
                        int status, const QByteArray& body, const char* header = "") {
        QTest::newRow(name) << QString::fromUtf8(path) << QByteArray(verb) << QByteArray(range)
                            << status << body << QByteArray(header);
    };
    const QByteArray all = pattern();
    row("file", "/clip.mp4", "GET", "", 200, all, "Content-Type: video/mp4");
    row("bytes", "/feed.xml?x=1", "GET", "", 200, "<rss/>", "Content-Type: application/rss+xml");
    row("unknown", "/nothing.mp4", "GET", "", 404, {});
    row("302 to a path", "/watch", "GET", "", 200, "<rss/>");
    row("301 to a full URL", "/moved", "GET", "", 200, all);
    row("HEAD", "/clip.mp4", "HEAD", "", 200, {}, "Content-Length: 1000");
    row("range", "/clip.mp4", "GET", "bytes=10-19", 206, all.mid(10, 10),
        "Content-Range: bytes 10-19/1000");
}

void TestHarness::serverAnswers()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, verb);
    QFETCH(QByteArray, range);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, header);
    TestEnv env;
    HttpServer server;
    const QString file = TestEnv::writeFile(env.path(QStringLiteral("www/clip.mp4")), pattern());
    server.serveFile(QStringLiteral("/clip.mp4"), file);
    server.serveBytes(QStringLiteral("/feed.xml"), "<rss/>", "application/rss+xml");
    server.serveRedirect(QStringLiteral("/watch"), QStringLiteral("/feed.xml"), 302);
    server.serveRedirect(QStringLiteral("/moved"), server.url(QStringLiteral("/clip.mp4")), 301);

    QNetworkAccessManager nam;
    const Fetched f = fetch(nam, QUrl(server.url(path)), verb, range);
    QCOMPARE(f.status, status);
    if (status < 400)
        QCOMPARE(f.body, body);
    if (!header.isEmpty()) {
        const QList<QByteArray> nameValue = header.split(':');
        QCOMPARE(f.reply->rawHeader(nameValue[0]), nameValue[1].trimmed());
    }
    QCOMPARE(server.lastRequest()->method, verb);
}

void TestHarness::serverSlowTransferArrivesWhole()
{
    HttpServer server;
    QByteArray content;
    for (int i = 0; i < 64 * 1024; ++i)
        content += char(i * 7 % 256);
    server.serveBytes(QStringLiteral("/slow.bin"), content);
    QVERIFY(server.setSlow(QStringLiteral("/slow.bin"), 4096, 20));
    QNetworkAccessManager nam;
    const Fetched f = fetch(nam, server.qurl(QStringLiteral("/slow.bin")));
    QCOMPARE(f.reply->error(), QNetworkReply::NoError);
    QCOMPARE(f.body, content);
    // 16 chunks, 20 ms apart.
    QVERIFY2(f.elapsedMs >= 280, qPrintable(QString::number(f.elapsedMs)));
}

void TestHarness::serverStallLetsClientTimeOut()
{
    HttpServer server;
    server.serveBytes(QStringLiteral("/stall.mp4"), QByteArray(10000, 's'), "video/mp4");
    QVERIFY(server.setStall(QStringLiteral("/stall.mp4"), 100));
    QNetworkAccessManager nam;
    const Fetched f = fetch(nam, server.qurl(QStringLiteral("/stall.mp4")), "GET", {}, 600);
    QCOMPARE(f.reply->error(), QNetworkReply::OperationCanceledError);
    QCOMPARE(f.body, QByteArray(100, 's'));
    QVERIFY2(f.elapsedMs >= 550, qPrintable(QString::number(f.elapsedMs)));
    QTRY_COMPARE_WITH_TIMEOUT(server.openConnections(), 0, 5000);
}

void TestHarness::serverDirectoryKeepsNamesInside()
{
    TestEnv env;
    HttpServer server;
    const QString www = env.path(QStringLiteral("www"));
    TestEnv::writeFile(www + QStringLiteral("/dash/seg/a b.m4s"), "segment");
    TestEnv::writeFile(www + QStringLiteral("/secret.txt"), "secret");
    server.serveDirectory(QStringLiteral("/dash/"), www + QStringLiteral("/dash"));
    const QByteArray ok = rawRequest(server.port(), "GET /dash/seg/a%20b.m4s HTTP/1.1\r\n\r\n");
    QVERIFY2(ok.startsWith("HTTP/1.1 200") && ok.endsWith("\r\n\r\nsegment"), ok.constData());
    for (const QByteArray target : {"/dash/../secret.txt", "/dash/%2e%2e/secret.txt"}) {
        const QByteArray answer = rawRequest(server.port(), "GET " + target + " HTTP/1.1\r\n\r\n");
        QVERIFY2(answer.startsWith("HTTP/1.1 404") && !answer.contains("secret"),
                 target.constData());
    }
}

void TestHarness::serverListensOnLoopbackOnly()
{
    HttpServer server;
    // The kernel's table of listening sockets (state 0A) shows the port bound
    // to 127.0.0.1 (0100007F) and nothing else, IPv4 or IPv6.
    const QByteArray port = QByteArray::number(server.port(), 16).toUpper().rightJustified(4, '0');
    QList<QByteArray> listening;
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile file(QString::fromLatin1(table));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 3 && fields[1].endsWith(':' + port) && fields[3] == "0A")
                listening.append(fields[1]);
        }
    }
    QCOMPARE(listening, QList<QByteArray>{"0100007F:" + port});
}

void TestHarness::envChildEnvironment()
{
    const QList<QByteArray> proxies = {"http_proxy", "HTTPS_PROXY", "ALL_PROXY", "no_proxy"};
    for (const QByteArray& name : proxies)
        qputenv(name.constData(), "http://10.255.255.1:3128");
    TestEnv env;
    const QProcessEnvironment child = env.childEnvironment();
    for (const QByteArray& name : proxies)
        qunsetenv(name.constData());

    // What a child really gets.
    const ProcessResult r = runProcess(QStringLiteral("/usr/bin/env"), {}, child);
    QVERIFY(r.ok());
    const QList<QByteArray> lines = r.out.split('\n');
    for (const QByteArray& l : lines)
        QVERIFY2(!l.toLower().contains("_proxy=http"), l.constData());
    QVERIFY(lines.contains("no_proxy=127.0.0.1,localhost"));
    QVERIFY(lines.contains("HOME=" + env.homeDir().toUtf8()));
    QVERIFY(env.homeDir().startsWith(env.root() + QLatin1Char('/')));
}

void TestHarness::envFileHelpers()
{
    TestEnv env;
    const QString tool = env.binDirs().at(0) + QStringLiteral("/tool");
    QCOMPARE(TestEnv::writeExecutable(tool, "#!/bin/sh\necho \"tool $1\"\n"), tool);
    QCOMPARE(TestEnv::mode(tool), 0755);
    QCOMPARE(runProcess(tool, {QStringLiteral("ran")}, env.childEnvironment()).out,
             QByteArray("tool ran\n"));
    QCOMPARE(TestEnv::writeExecutable(tool, "#!/bin/sh\necho two\n", 0700), tool);
    QCOMPARE(TestEnv::mode(tool), 0700);

    const QDateTime old = QDateTime::fromMSecsSinceEpoch(1'700'000'000'123LL, QTimeZone::utc());
    QCOMPARE(TestEnv::writeFileWithMtime(tool, "#!/bin/sh\n", old, 0755), tool);
    QCOMPARE(QFileInfo(tool).lastModified().toMSecsSinceEpoch(), old.toMSecsSinceEpoch());
    const QDateTime before = QDateTime::fromSecsSinceEpoch(-86400, QTimeZone::utc());
    QVERIFY(TestEnv::setMtime(tool, before));
    QCOMPARE(QFileInfo(tool).lastModified().toUTC(), before);
    QVERIFY(!TestEnv::setMtime(env.path(QStringLiteral("missing")), old));
}

void TestHarness::realYtdlpLooksUpClip()
{
    TestEnv env;
    HttpServer server;
    const QString clip = TestEnv::makeClip(env.path(QStringLiteral("www")));
    QVERIFY(!clip.isEmpty());
    server.serveFile(QStringLiteral("/clip.mp4"), clip);
    const ProcessResult r = ytdlp(env, u8list({"-J", "--no-warnings", "--"})
                                           << server.url(QStringLiteral("/clip.mp4")));
    QVERIFY2(r.ok(), r.err.constData());
    const QJsonObject info = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(info.value(QStringLiteral("id")).toString(), QStringLiteral("clip"));
    QCOMPARE(info.value(QStringLiteral("extractor_key")).toString(), QStringLiteral("Generic"));
}

void TestHarness::realYtdlpDownloadsDashAndMerges()
{
    TestEnv env;
    HttpServer server;
    const QString manifest = TestEnv::makeDash(env.path(QStringLiteral("www/dash")));
    QVERIFY(!manifest.isEmpty());
    server.serveDirectory(QStringLiteral("/dash/"), env.path(QStringLiteral("www/dash")));
    const ProcessResult r =
        ytdlp(env, u8list({"--newline", "-o", "%(title)s [%(id)s].%(ext)s", "-f", "bv*+ba/b",
                           "--progress-template", "download:RC|%(progress.status)s|%(info.vcodec)s",
                           "--ffmpeg-location", "/usr/bin", "--merge-output-format", "mp4", "-P"})
                       << env.downloadsDir() << server.url(QStringLiteral("/dash/manifest.mpd")));
    QVERIFY2(r.ok(), r.err.constData());
    QVERIFY2(r.out.contains("RC|finished|avc1."), r.out.constData());
    QVERIFY(r.out.contains("RC|finished|none"));
    const QString merged = env.downloadsDir() + QStringLiteral("/manifest [manifest].mp4");
    const ProcessResult probe = runProcess(
        QStringLiteral("/usr/bin/ffprobe"),
        u8list({"-v", "error", "-show_entries", "stream=codec_type", "-of", "csv=p=0"}) << merged,
        env.childEnvironment());
    QVERIFY2(probe.ok(), probe.err.constData());
    QCOMPARE(probe.out.count("video"), 1);
    QCOMPARE(probe.out.count("audio"), 1);
}

QTEST_GUILESS_MAIN(TestHarness)
#include "tst_harness.moc"
