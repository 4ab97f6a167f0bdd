// The test harness itself: what every later test relies on from the yt-dlp
// stand-in, the loopback HTTP server and the per-test sandbox.
#include "FakeYtdlp.h"
#include "HttpServer.h"
#include "TestEnv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTest>
#include <QTimeZone>

namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList u8list(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* i : items)
        list.append(QString::fromUtf8(i));
    return list;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What a QNetworkAccessManager request came back with.
struct Fetched {
    bool finished = false;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int status = 0;
    QByteArray body;
    QUrl finalUrl;
    QList<QNetworkReply::RawHeaderPair> headers;
    int readyReads = 0;
    qint64 elapsedMs = 0;

    QByteArray header(const QByteArray& name) const
    {
        for (const auto& h : headers) {
            if (h.first.compare(name, Qt::CaseInsensitive) == 0)
                return h.second;
        }
        return {};
    }
};

struct FetchOptions {
    QByteArray verb = "GET";
    QList<QPair<QByteArray, QByteArray>> headers;
    QNetworkRequest::RedirectPolicy redirects = QNetworkRequest::NoLessSafeRedirectPolicy;
    int transferTimeoutMs = 0;
};

Fetched fetch(const QUrl& url, const FetchOptions& options = {})
{
    Fetched f;
    QNetworkAccessManager nam;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, options.redirects);
    for (const auto& h : options.headers)
        request.setRawHeader(h.first, h.second);
    if (options.transferTimeoutMs > 0)
        request.setTransferTimeout(options.transferTimeoutMs);
    QElapsedTimer clock;
    clock.start();
    QNetworkReply* reply =
        options.verb == "HEAD" ? nam.head(request) : nam.sendCustomRequest(request, options.verb);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        ++f.readyReads;
        f.body += reply->readAll();
    });
    QSignalSpy done(reply, &QNetworkReply::finished);
    f.finished = done.wait(30000);
    f.elapsedMs = clock.elapsed();
    if (reply->isOpen())
        f.body += reply->readAll();
    f.error = reply->error();
    f.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    f.finalUrl = reply->url();
    f.headers = reply->rawHeaderPairs();
    reply->abort();
    delete reply;
    return f;
}

// Sends bytes as they are over a plain socket and returns everything read
// until the server closes.
QByteArray rawRequest(quint16 port, const QByteArray& request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return {};
    socket.write(request);
    QByteArray answer;
    QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [&] { answer += socket.readAll(); });
    QSignalSpy closed(&socket, &QTcpSocket::disconnected);
    closed.wait(10000);
    answer += socket.readAll();
    return answer;
}

// Starts the fake and waits until its pid file shows the script is running.
bool startAndWaitForPid(QProcess& p, const FakeYtdlp& fake, const QProcessEnvironment& env)
{
    p.setProcessEnvironment(env);
    p.start(fake.path(), {});
    if (!p.waitForStarted(10000))
        return false;
    return QTest::qWaitFor([&] { return fake.pid().has_value(); }, 10000);
}

} // namespace

class TestHarness : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    // The yt-dlp stand-in.
    void fakeRecordsArgumentsExactly_data();
    void fakeRecordsArgumentsExactly();
    void fakeRecordsEveryCallInOrder();
    void fakeRecordsBeforeItIsKilled();
    void fakeWrapperAndStateFiles();
    void fakeSeparatesStdoutAndStderr();
    void fakeWritesRawBytes();
    void fakeExitCodes_data();
    void fakeExitCodes();
    void fakeStreamsOutputBeforeSleeping();
    void fakeBufferedOutputWaitsForFlush();
    void fakeSectionsByArgument();
    void fakeSectionsByCallNumber();
    void fakeLargeOutputs();
    void fakeFilesAndEnvironment();
    void fakeSigterm_data();
    void fakeSigterm();
    void fakeRaisesSignals();
    void fakeRejectsBadScripts_data();
    void fakeRejectsBadScripts();

    // The loopback HTTP server.
    void serverServesFilesAndBytes();
    void serverRanges_data();
    void serverRanges();
    void serverStatusesAndUnknownPaths();
    void serverRedirects_data();
    void serverRedirects();
    void serverSlowTransferArrivesWhole();
    void serverStallLetsClientsTimeOut();
    void serverDelaysTheAnswer();
    void serverHead();
    void serverDirectoryTree();
    void serverRecordsRequests();
    void serverConcurrentConnections();
    void serverSurvivesClientsLeaving();
    void serverListensOnLoopbackOnly();
    void serverAnswersWhileTestThreadBlocks();

    // Real yt-dlp against the server.
    void realYtdlpLooksUpAndDownloadsClip();
    void realYtdlpDownloadsDashAndMerges();
    void realYtdlpLookupOf404Fails();

    // The sandbox.
    void envFoldersLiveInTheSandbox();
    void envChildEnvironment();
    void envEngineConfigAndClock();
    void envFileHelpers();
    void envMakeClip();
    void envMakeDash();
    void processIsIsolated();

private:
    QString m_realHome;
};

void TestHarness::initTestCase()
{
    m_realHome = QString::fromLocal8Bit(qgetenv("HOME"));
    TestEnv::isolateProcess();
    QVERIFY(QFileInfo(FakeYtdlp::binaryPath()).isExecutable());
}

// ---------------------------------------------------------------------------
// The yt-dlp stand-in

void TestHarness::fakeRecordsArgumentsExactly_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("version query") << u8list({"--version"});
    QTest::newRow("option-like target after --")
        << u8list({"--no-colors", "-J", "--flat-playlist", "--no-playlist", "--no-warnings", "--",
                   "--version ://x"});
    QTest::newRow("non-ASCII") << u8list({"héllo wörld", "日本語.mp4", "🎬 clip", "naïve—dash"});
    QTest::newRow("spaces and shell characters")
        << u8list({"  two  spaces  ", "a\"b", "back\\slash", "'single'", "$HOME", "`id`", "*",
                   "%(title)s [%(id)s].%(ext)s", "a;b|c&d", "!x"});
    QTest::newRow("empty strings and dashes") << u8list({"", "-", "--", "", "---x"});
    QTest::newRow("control characters") << u8list({"line\nbreak", "tab\there", "cr\r", "\x01"});
    QTest::newRow("progress template") << u8list(
        {"--progress-template", "download:RC|%(progress.status)s|%(progress.downloaded_bytes)s",
         "--print", "after_move:RCFILE|%(filepath)s", "-f", "bv*+ba/b"});
}

void TestHarness::fakeRecordsArgumentsExactly()
{
    QFETCH(QStringList, args);
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    const ProcessResult r = runProcess(fake.path(), args, env.childEnvironment(), 20000);
    QVERIFY(r.ok());
    QCOMPARE(fake.callCount(), 1);
    QCOMPARE(fake.lastArgs(), args);
    QCOMPARE(fake.calls().first().size(), args.size());
}

void TestHarness::fakeRecordsEveryCallInOrder()
{
    TestEnv env;
    FakeYtdlp fake(env.binDirs().at(1));
    QCOMPARE(fake.callCount(), 0);
    QVERIFY(fake.lastArgs().isEmpty());
    const QList<QStringList> expected = {u8list({"--version"}), u8list({"-J", "--", "http://x/a"}),
                                         u8list({"é", "", "last"})};
    for (const QStringList& args : expected)
        QVERIFY(runProcess(fake.path(), args, env.childEnvironment(), 20000).ok());
    QCOMPARE(fake.calls(), expected);
    QCOMPARE(fake.lastArgs(), expected.last());

    // Several at once: every call is one whole line.
    QList<QProcess*> running;
    for (int i = 0; i < 8; ++i) {
        auto* p = new QProcess(this);
        p->setProcessEnvironment(env.childEnvironment());
        p->start(fake.path(), {QStringLiteral("parallel"), QString::number(i)});
        running.append(p);
    }
    for (QProcess* p : running) {
        if (p->state() != QProcess::NotRunning) {
            QSignalSpy done(p, &QProcess::finished);
            QVERIFY(done.wait(20000));
        }
        delete p;
    }
    const QList<QStringList> all = fake.calls();
    QCOMPARE(all.size(), 11);
    QSet<QString> numbers;
    for (qsizetype i = 3; i < all.size(); ++i) {
        QCOMPARE(all[i].size(), 2);
        QCOMPARE(all[i][0], QStringLiteral("parallel"));
        numbers.insert(all[i][1]);
    }
    QCOMPARE(numbers.size(), 8);

    fake.clearCalls();
    QCOMPARE(fake.callCount(), 0);
}

void TestHarness::fakeRecordsBeforeItIsKilled()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.out(QStringLiteral("started")).sleepMs(30000);
    QProcess p;
    p.setProcessEnvironment(env.childEnvironment());
    const QStringList args = u8list({"--newline", "http://127.0.0.1:9/clip.mp4"});
    p.start(fake.path(), args);
    QVERIFY(p.waitForStarted(10000));
    QTRY_COMPARE_WITH_TIMEOUT(fake.callCount(), 1, 10000);
    QCOMPARE(fake.lastArgs(), args);
    QSignalSpy done(&p, &QProcess::finished);
    p.kill();
    QVERIFY(done.wait(10000));
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    QCOMPARE(fake.lastArgs(), args);
}

void TestHarness::fakeWrapperAndStateFiles()
{
    TestEnv env;
    const QString state = env.path(QStringLiteral("fake state"));
    FakeYtdlp fake(env.supportDir(), QStringLiteral("yt-dlp"), state);
    QCOMPARE(fake.path(), env.supportDir() + QStringLiteral("/yt-dlp"));
    QCOMPARE(TestEnv::mode(fake.path()), 0755);
    const QByteArray wrapper = readFile(fake.path());
    QVERIFY(wrapper.startsWith("#!/bin/sh\n"));
    QVERIFY(wrapper.contains("exec "));
    QVERIFY(wrapper.contains("\"$@\""));
    // The managed folder holds nothing but the tool.
    QCOMPARE(QDir(env.supportDir()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("yt-dlp")});
    QVERIFY(fake.scriptPath().startsWith(state + QLatin1Char('/')));

    // An empty script: exit 0, no output, still recorded.
    ProcessResult r = runProcess(fake.path(), {QStringLiteral("x")}, env.childEnvironment());
    QVERIFY(r.ok());
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.isEmpty());
    QCOMPARE(fake.callCount(), 1);
    QVERIFY(QFileInfo::exists(fake.callsPath()));

    // The same fake under another tool's name, in a folder whose name has a
    // quote and a space.
    const QString odd = env.path(QStringLiteral("it's a bin"));
    FakeYtdlp ffmpeg(odd, QStringLiteral("ffmpeg"));
    ffmpeg.out(QStringLiteral("ffmpeg version fake"));
    r = runProcess(ffmpeg.path(), {QStringLiteral("-version")}, env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(r.out, QByteArray("ffmpeg version fake\n"));
    QCOMPARE(ffmpeg.lastArgs(), QStringList{QStringLiteral("-version")});
    QCOMPARE(fake.callCount(), 1);
}

void TestHarness::fakeSeparatesStdoutAndStderr()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.setScript(QStringLiteral("# a comment\n"
                                  "\n"
                                  "out first line\n"
                                  "err WARNING: something\n"
                                  "out-nonl no newline\n"
                                  "out-cr [download]  10.0%\n"
                                  "out-cr [download]  20.0%\n"
                                  "err-nonl partial\n"
                                  "err-cr progress\n"
                                  "out  leading space and trailing  \n"
                                  "out-esc a\\tb\\\\c\\r\\n\n"
                                  "out\n"
                                  "err ERROR: last\n"));
    const ProcessResult r = runProcess(fake.path(), {}, env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(r.out, QByteArray("first line\nno newline[download]  10.0%\r[download]  20.0%\r"
                               " leading space and trailing  \na\tb\\c\r\n\n"));
    QCOMPARE(r.err, QByteArray("WARNING: something\npartialprogress\rERROR: last\n"));

    // The builder gives the same kinds of lines.
    FakeYtdlp built(env.binDirs().at(0));
    built.out(QStringLiteral("RC|downloading|1024|46166|NA|NA|NA|NA"))
        .outCr(QStringLiteral("50%"))
        .err(QStringLiteral("two\nlines"))
        .out(u8("é"));
    const ProcessResult b = runProcess(built.path(), {}, env.childEnvironment());
    QVERIFY(b.ok());
    QCOMPARE(b.out, QByteArray("RC|downloading|1024|46166|NA|NA|NA|NA\n50%\r\xc3\xa9\n"));
    QCOMPARE(b.err, QByteArray("two\nlines\n"));
}

void TestHarness::fakeWritesRawBytes()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    const QByteArray invalid("caf\xe9 \xff\xfe\x00\x80 \xc3\x28", 11);
    fake.line(QStringLiteral("out-hex 63 61 66 E9 00ff"))
        .errBytes(invalid)
        .line(QStringLiteral("err-esc \\x00\\xC3\\x28"))
        .outBytes(QByteArray(10000, '\xfe'));
    const ProcessResult r = runProcess(fake.path(), {}, env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(r.out, QByteArray("caf\xe9\x00\xff", 6) + QByteArray(10000, '\xfe'));
    QCOMPARE(r.err, invalid + QByteArray("\x00\xc3\x28", 3));
}

void TestHarness::fakeExitCodes_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("default is 0") << QStringLiteral("out a\n") << 0 << QByteArray("a\n");
    QTest::newRow("1 like a failed lookup")
        << QStringLiteral("err ERROR: gone\nout null\nexit 1\nout never\n") << 1
        << QByteArray("null\n");
    QTest::newRow("2") << QStringLiteral("exit 2\n") << 2 << QByteArray();
    QTest::newRow("explicit 0 stops the script")
        << QStringLiteral("exit 0\nexit 5\n") << 0 << QByteArray();
    QTest::newRow("255") << QStringLiteral("out x\nexit 255\n") << 255 << QByteArray("x\n");
}

void TestHarness::fakeExitCodes()
{
    QFETCH(QString, script);
    QFETCH(int, code);
    QFETCH(QByteArray, out);
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.setScript(script);
    const ProcessResult r = runProcess(fake.path(), {}, env.childEnvironment());
    QVERIFY(r.finished);
    QCOMPARE(r.exitStatus, QProcess::NormalExit);
    QCOMPARE(r.exitCode, code);
    QCOMPARE(r.out, out);
}

void TestHarness::fakeStreamsOutputBeforeSleeping()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.out(QStringLiteral("early")).sleepMs(500).out(QStringLiteral("late"));
    QProcess p;
    p.setProcessEnvironment(env.childEnvironment());
    QElapsedTimer clock;
    QByteArray seen;
    qint64 earlyAt = -1;
    bool lateWithEarly = false;
    connect(&p, &QProcess::readyReadStandardOutput, &p, [&] {
        seen += p.readAllStandardOutput();
        if (earlyAt < 0 && seen.contains("early")) {
            earlyAt = clock.elapsed();
            lateWithEarly = seen.contains("late");
        }
    });
    QSignalSpy done(&p, &QProcess::finished);
    clock.start();
    p.start(fake.path(), {});
    QVERIFY(done.wait(20000));
    const qint64 total = clock.elapsed();
    seen += p.readAllStandardOutput();
    QCOMPARE(seen, QByteArray("early\nlate\n"));
    QVERIFY2(total >= 500, qPrintable(QString::number(total)));
    QVERIFY(earlyAt >= 0);
    QVERIFY2(earlyAt < total - 300, qPrintable(QStringLiteral("%1/%2").arg(earlyAt).arg(total)));
    QVERIFY(!lateWithEarly);
}

void TestHarness::fakeBufferedOutputWaitsForFlush()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.line(QStringLiteral("buffer on"))
        .out(QStringLiteral("held"))
        .sleepMs(400)
        .flush()
        .sleepMs(400)
        .out(QStringLiteral("tail"));
    QProcess p;
    p.setProcessEnvironment(env.childEnvironment());
    QElapsedTimer clock;
    qint64 firstAt = -1;
    QByteArray seen;
    connect(&p, &QProcess::readyReadStandardOutput, &p, [&] {
        seen += p.readAllStandardOutput();
        if (firstAt < 0)
            firstAt = clock.elapsed();
    });
    QSignalSpy done(&p, &QProcess::finished);
    clock.start();
    p.start(fake.path(), {});
    QVERIFY(done.wait(20000));
    const qint64 total = clock.elapsed();
    seen += p.readAllStandardOutput();
    // Held output still arrives whole at the exit.
    QCOMPARE(seen, QByteArray("held\ntail\n"));
    QVERIFY2(firstAt >= 380, qPrintable(QString::number(firstAt)));
    QVERIFY2(firstAt <= total - 300, qPrintable(QStringLiteral("%1/%2").arg(firstAt).arg(total)));
}

void TestHarness::fakeSectionsByArgument()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    QJsonObject info{{QStringLiteral("id"), QStringLiteral("clip")},
                     {QStringLiteral("title"), u8("clip – ünïcode")},
                     {QStringLiteral("extractor_key"), QStringLiteral("Generic")}};
    fake.printJsonToStdout(info)
        .answerVersion(QStringLiteral("2023.03.04"))
        .onArgContaining(QStringLiteral("missing"))
        .err(QStringLiteral("ERROR: [generic] missing: HTTP Error 404"))
        .out(QStringLiteral("null"))
        .exitWith(1)
        .onArg(QStringLiteral("--dump-single"))
        .out(QStringLiteral("single"))
        .otherwise()
        .exitWith(0);

    ProcessResult r =
        runProcess(fake.path(), {QStringLiteral("--version")}, env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(r.out, QByteArray("2023.03.04\n"));

    // After "--", "--version" is a target, not the option.
    r = runProcess(fake.path(), u8list({"--no-colors", "-J", "--", "--version"}),
                   env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(QJsonDocument::fromJson(r.out).object(), info);
    QVERIFY(r.out.endsWith('\n'));
    QCOMPARE(r.out.count('\n'), 1);

    r = runProcess(fake.path(), u8list({"-J", "--", "--version ://x"}), env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(QJsonDocument::fromJson(r.out).object(), info);

    r = runProcess(fake.path(), u8list({"-J", "--", "http://127.0.0.1:1/missing.mp4"}),
                   env.childEnvironment());
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QByteArray("null\n"));
    QCOMPARE(r.err, QByteArray("ERROR: [generic] missing: HTTP Error 404\n"));

    // "@arg" looks at every argument, after "--" too; the first match wins.
    r = runProcess(fake.path(), u8list({"--", "--dump-single", "missing"}), env.childEnvironment());
    QCOMPARE(r.exitCode, 1);
    r = runProcess(fake.path(), u8list({"--", "--dump-single"}), env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(r.out, QByteArray("single\n"));

    QCOMPARE(fake.callCount(), 6);
}

void TestHarness::fakeSectionsByCallNumber()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.out(QStringLiteral("later"))
        .onCall(1)
        .err(QStringLiteral("first"))
        .exitWith(3)
        .onCall(3)
        .out(QStringLiteral("third"));
    QByteArray outs;
    QList<int> codes;
    for (int i = 0; i < 4; ++i) {
        const ProcessResult r = runProcess(fake.path(), {}, env.childEnvironment());
        QVERIFY(r.finished);
        outs += r.out + r.err;
        codes.append(r.exitCode);
    }
    QCOMPARE(outs, QByteArray("first\nlater\nthird\nlater\n"));
    QCOMPARE(codes, (QList<int>{3, 0, 0, 0}));
}

void TestHarness::fakeLargeOutputs()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.fillOut(5'000'000).fillErr(3'000'000).line(QStringLiteral("out-fill 1000 raw"));
    ProcessResult r = runProcess(fake.path(), {}, env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(r.out.size(), 5'001'000);
    QCOMPARE(r.err.size(), 3'000'000);
    QCOMPARE(r.out.left(80), QByteArray(79, 'x') + '\n');
    QCOMPARE(r.out.count('\n'), 5'000'000 / 80);
    QCOMPARE(r.out.right(1000), QByteArray(1000, 'x'));
    QCOMPARE(r.err.count('\n'), 3'000'000 / 80);

    // A big JSON answer, like a playlist lookup.
    QJsonArray entries;
    for (int i = 0; i < 3000; ++i)
        entries.append(QJsonObject{{QStringLiteral("id"), QStringLiteral("v%1").arg(i)},
                                   {QStringLiteral("title"), u8("Clip ✓ %1").arg(i)},
                                   {QStringLiteral("duration"), i}});
    const QJsonObject playlist{{QStringLiteral("_type"), QStringLiteral("playlist")},
                               {QStringLiteral("entries"), entries}};
    FakeYtdlp big(env.binDirs().at(2));
    big.printJsonToStdout(playlist);
    r = runProcess(big.path(), {}, env.childEnvironment());
    QVERIFY(r.ok());
    QVERIFY(r.out.size() > 100'000);
    QCOMPARE(QJsonDocument::fromJson(r.out).object(), playlist);
}

void TestHarness::fakeFilesAndEnvironment()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    const QString answer = env.path(QStringLiteral("answer.json"));
    QVERIFY(!TestEnv::writeFile(answer, "{\"id\": \"x\"}\n").isEmpty());
    const QString target = env.downloadsDir() + QStringLiteral("/clip [clip].mp4");
    fake.outFile(answer)
        .line(QStringLiteral("out-env HOME"))
        .line(QStringLiteral("out-env REELCATCH_UNSET_VARIABLE"))
        .line(QStringLiteral("mkdir ") + env.path(QStringLiteral("made/deep")))
        .createFile(target, 4321)
        .errFile(answer);
    const ProcessResult r = runProcess(fake.path(), {}, env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(r.out, "{\"id\": \"x\"}\n" + env.homeDir().toUtf8() + "\n\n");
    QCOMPARE(r.err, QByteArray("{\"id\": \"x\"}\n"));
    QVERIFY(QFileInfo(env.path(QStringLiteral("made/deep"))).isDir());
    QCOMPARE(QFileInfo(target).size(), 4321);
}

void TestHarness::fakeSigterm_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("die") << QStringLiteral("die");
    QTest::newRow("delay") << QStringLiteral("delay 600");
    QTest::newRow("ignore") << QStringLiteral("ignore");
    QTest::newRow("exit") << QStringLiteral("exit 3");
}

void TestHarness::fakeSigterm()
{
    QFETCH(QString, mode);
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.onSigterm(mode).writePidFile().out(QStringLiteral("running")).sleepMs(30000);
    QProcess p;
    QVERIFY(startAndWaitForPid(p, fake, env.childEnvironment()));
    QCOMPARE(*fake.pid(), p.processId());
    QVERIFY(fake.signalsReceived().isEmpty());

    QSignalSpy done(&p, &QProcess::finished);
    QElapsedTimer clock;
    clock.start();
    p.terminate();
    if (mode == QLatin1String("die")) {
        QVERIFY(done.wait(5000));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QVERIFY(clock.elapsed() < 2000);
    } else if (mode == QLatin1String("exit 3")) {
        QVERIFY(done.wait(5000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 3);
    } else if (mode == QLatin1String("delay 600")) {
        QVERIFY(!done.wait(300));
        QCOMPARE(p.state(), QProcess::Running);
        // A second request changes nothing: the first one set the deadline.
        p.terminate();
        QVERIFY(done.wait(5000));
        QVERIFY2(clock.elapsed() >= 580, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    } else {
        QVERIFY(!done.wait(700));
        QCOMPARE(p.state(), QProcess::Running);
        p.kill();
        QVERIFY(done.wait(5000));
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    }
    QCOMPARE(p.readAllStandardOutput(), QByteArray("running\n"));
    const QStringList received = fake.signalsReceived();
    QVERIFY(!received.isEmpty());
    QCOMPARE(received.first(), QStringLiteral("TERM"));
}

void TestHarness::fakeRaisesSignals()
{
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    fake.line(QStringLiteral("buffer on"))
        .out(QStringLiteral("flushed first"))
        .line(QStringLiteral("raise SEGV"));
    const ProcessResult r = runProcess(fake.path(), {}, env.childEnvironment());
    QVERIFY(r.finished);
    QCOMPARE(r.exitStatus, QProcess::CrashExit);
    QCOMPARE(r.out, QByteArray("flushed first\n"));
}

void TestHarness::fakeRejectsBadScripts_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown command") << QStringLiteral("out fine\nprnt x\n") << 98
                                     << QStringLiteral("line 2: unknown command prnt");
    QTest::newRow("unknown section") << QStringLiteral("@when x\nout a\n") << 98
                                     << QStringLiteral("line 1: unknown section header @when");
    QTest::newRow("bad exit code")
        << QStringLiteral("exit 300\n") << 98 << QStringLiteral("line 1: exit");
    QTest::newRow("bad sleep") << QStringLiteral("sleep soon\n") << 98
                               << QStringLiteral("line 1: sleep");
    QTest::newRow("bad hex") << QStringLiteral("out-hex 4\n") << 98 << QStringLiteral("bad hex");
    QTest::newRow("missing file") << QStringLiteral("out-file /nonexistent/answer.json\n") << 98
                                  << QStringLiteral("cannot read");
    QTest::newRow("no script") << QString() << 97 << QStringLiteral("cannot read");
}

void TestHarness::fakeRejectsBadScripts()
{
    QFETCH(QString, script);
    QFETCH(int, code);
    QFETCH(QString, message);
    TestEnv env;
    FakeYtdlp fake(env.supportDir());
    if (script.isEmpty())
        QVERIFY(QFile::remove(fake.scriptPath()));
    else
        fake.setScript(script);
    const ProcessResult r =
        runProcess(fake.path(), {QStringLiteral("--x")}, env.childEnvironment());
    QVERIFY(r.finished);
    QCOMPARE(r.exitCode, code);
    QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
    // Nothing of a rejected script runs, but the call is on record.
    QVERIFY(r.out.isEmpty());
    QCOMPARE(fake.lastArgs(), QStringList{QStringLiteral("--x")});
}

// ---------------------------------------------------------------------------
// The loopback HTTP server

void TestHarness::serverServesFilesAndBytes()
{
    TestEnv env;
    HttpServer server;
    QVERIFY(server.isListening());
    QVERIFY(server.port() > 0);
    QCOMPARE(server.url(QStringLiteral("clip.mp4")),
             QStringLiteral("http://127.0.0.1:%1/clip.mp4").arg(server.port()));
    QCOMPARE(server.qurl(QStringLiteral("/a")).toString(), server.url(QStringLiteral("/a")));

    QByteArray content;
    for (int i = 0; i < 5000; ++i)
        content += char(i % 251);
    const QString file = TestEnv::writeFile(env.path(QStringLiteral("www/clip.mp4")), content);
    server.serveFile(QStringLiteral("/clip.mp4"), file);
    server.serveBytes(QStringLiteral("/feed.xml"), "<rss/>", "application/rss+xml");

    Fetched f = fetch(server.qurl(QStringLiteral("/clip.mp4")));
    QVERIFY(f.finished);
    QCOMPARE(f.error, QNetworkReply::NoError);
    QCOMPARE(f.status, 200);
    QCOMPARE(f.body, content);
    QCOMPARE(f.header("Content-Type"), QByteArray("video/mp4"));
    QCOMPARE(f.header("Content-Length"), QByteArray("5000"));
    QCOMPARE(f.header("Accept-Ranges"), QByteArray("bytes"));
    QCOMPARE(f.header("Connection").toLower(), QByteArray("close"));
    QVERIFY(!f.header("Last-Modified").isEmpty());

    // Files are read at each request.
    QVERIFY(!TestEnv::writeFile(file, "changed").isEmpty());
    f = fetch(server.qurl(QStringLiteral("/clip.mp4")));
    QCOMPARE(f.body, QByteArray("changed"));

    f = fetch(server.qurl(QStringLiteral("/feed.xml?x=1")));
    QCOMPARE(f.status, 200);
    QCOMPARE(f.body, QByteArray("<rss/>"));
    QCOMPARE(f.header("Content-Type"), QByteArray("application/rss+xml"));

    // A file gone at request time is a 404.
    QVERIFY(QFile::remove(file));
    f = fetch(server.qurl(QStringLiteral("/clip.mp4")));
    QCOMPARE(f.status, 404);
}

void TestHarness::serverRanges_data()
{
    QTest::addColumn<QByteArray>("range");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("contentRange");
    QTest::newRow("a-b") << QByteArray("bytes=10-19") << 206 << 10 << 10
                         << QByteArray("bytes 10-19/1000");
    QTest::newRow("a-") << QByteArray("bytes=990-") << 206 << 990 << 10
                        << QByteArray("bytes 990-999/1000");
    QTest::newRow("0- like yt-dlp")
        << QByteArray("bytes=0-") << 206 << 0 << 1000 << QByteArray("bytes 0-999/1000");
    QTest::newRow("end past the size") << QByteArray("bytes=500-10485759") << 206 << 500 << 500
                                       << QByteArray("bytes 500-999/1000");
    QTest::newRow("suffix") << QByteArray("bytes=-5") << 206 << 995 << 5
                            << QByteArray("bytes 995-999/1000");
    QTest::newRow("single byte") << QByteArray("bytes=0-0") << 206 << 0 << 1
                                 << QByteArray("bytes 0-0/1000");
    QTest::newRow("start at the size")
        << QByteArray("bytes=1000-") << 416 << 0 << 0 << QByteArray("bytes */1000");
    QTest::newRow("reversed is ignored")
        << QByteArray("bytes=5-2") << 200 << 0 << 1000 << QByteArray();
    QTest::newRow("several ranges are ignored")
        << QByteArray("bytes=0-1,5-6") << 200 << 0 << 1000 << QByteArray();
    QTest::newRow("other unit is ignored")
        << QByteArray("items=0-1") << 200 << 0 << 1000 << QByteArray();
}

void TestHarness::serverRanges()
{
    QFETCH(QByteArray, range);
    QFETCH(int, status);
    QFETCH(int, first);
    QFETCH(int, length);
    QFETCH(QByteArray, contentRange);
    HttpServer server;
    QByteArray content;
    for (int i = 0; i < 1000; ++i)
        content += char('a' + i % 26);
    server.serveBytes(QStringLiteral("/v.mp4"), content, "video/mp4");
    FetchOptions options;
    options.headers = {{"Range", range}};
    const Fetched f = fetch(server.qurl(QStringLiteral("/v.mp4")), options);
    QVERIFY(f.finished);
    QCOMPARE(f.status, status);
    if (status != 416)
        QCOMPARE(f.body, content.mid(first, length));
    QCOMPARE(f.header("Content-Range"), contentRange);
    QCOMPARE(server.lastRequest()->header("range"), range);

    // HEAD with a range answers the same headers, no body.
    options.verb = "HEAD";
    const Fetched h = fetch(server.qurl(QStringLiteral("/v.mp4")), options);
    QCOMPARE(h.status, status);
    QCOMPARE(h.header("Content-Range"), contentRange);
    QVERIFY(h.body.isEmpty());
}

void TestHarness::serverStatusesAndUnknownPaths()
{
    HttpServer server;
    server.serveStatus(QStringLiteral("/broken"), 500, "boom\n");
    server.serveStatus(QStringLiteral("/forbidden.mp4"), 403, "no", "text/html");
    server.serveBytes(QStringLiteral("/gone"), "here");

    Fetched f = fetch(server.qurl(QStringLiteral("/nothing/here.mp4")));
    QCOMPARE(f.status, 404);
    QCOMPARE(f.error, QNetworkReply::ContentNotFoundError);

    f = fetch(server.qurl(QStringLiteral("/broken")));
    QCOMPARE(f.status, 500);
    QCOMPARE(f.body, QByteArray("boom\n"));

    f = fetch(server.qurl(QStringLiteral("/forbidden.mp4")));
    QCOMPARE(f.status, 403);
    QCOMPARE(f.body, QByteArray("no"));
    QCOMPARE(f.header("Content-Type"), QByteArray("text/html"));

    // Statuses ignore ranges.
    FetchOptions ranged;
    ranged.headers = {{"Range", "bytes=0-1"}};
    f = fetch(server.qurl(QStringLiteral("/broken")), ranged);
    QCOMPARE(f.status, 500);
    QCOMPARE(f.body, QByteArray("boom\n"));

    QCOMPARE(fetch(server.qurl(QStringLiteral("/gone"))).status, 200);
    server.remove(QStringLiteral("/gone"));
    QCOMPARE(fetch(server.qurl(QStringLiteral("/gone"))).status, 404);

    FetchOptions post;
    post.verb = "POST";
    server.serveBytes(QStringLiteral("/gone"), "back");
    f = fetch(server.qurl(QStringLiteral("/gone")), post);
    QCOMPARE(f.status, 405);

    // Options on a route that doesn't exist are refused out loud.
    QTest::ignoreMessage(QtWarningMsg, "HttpServer: no route /none");
    QVERIFY(!server.setSlow(QStringLiteral("/none"), 1, 1));
}

void TestHarness::serverRedirects_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("fullUrl");
    QTest::newRow("301 to a path") << 301 << false;
    QTest::newRow("302 to a path") << 302 << false;
    QTest::newRow("307 to a path") << 307 << false;
    QTest::newRow("308 to a path") << 308 << false;
    QTest::newRow("302 to a full URL") << 302 << true;
}

void TestHarness::serverRedirects()
{
    QFETCH(int, status);
    QFETCH(bool, fullUrl);
    HttpServer server;
    server.serveBytes(QStringLiteral("/real.mp4"), "the video", "video/mp4");
    const QString location =
        fullUrl ? server.url(QStringLiteral("/real.mp4")) : QStringLiteral("/real.mp4");
    server.serveRedirect(QStringLiteral("/watch"), location, status);

    Fetched f = fetch(server.qurl(QStringLiteral("/watch")));
    QVERIFY(f.finished);
    QCOMPARE(f.status, 200);
    QCOMPARE(f.body, QByteArray("the video"));
    QCOMPARE(f.finalUrl, server.qurl(QStringLiteral("/real.mp4")));
    QCOMPARE(server.requestCount(QStringLiteral("/watch")), 1);
    QCOMPARE(server.requestCount(QStringLiteral("/real.mp4")), 1);

    FetchOptions manual;
    manual.redirects = QNetworkRequest::ManualRedirectPolicy;
    f = fetch(server.qurl(QStringLiteral("/watch")), manual);
    QCOMPARE(f.status, status);
    QCOMPARE(f.header("Location"), location.toUtf8());
    QCOMPARE(server.requestCount(QStringLiteral("/real.mp4")), 1);
}

void TestHarness::serverSlowTransferArrivesWhole()
{
    HttpServer server;
    QByteArray content;
    for (int i = 0; i < 64 * 1024; ++i)
        content += char(i * 7 % 256);
    server.serveBytes(QStringLiteral("/slow.bin"), content);
    QVERIFY(server.setSlow(QStringLiteral("/slow.bin"), 4096, 20));
    const Fetched f = fetch(server.qurl(QStringLiteral("/slow.bin")));
    QVERIFY(f.finished);
    QCOMPARE(f.error, QNetworkReply::NoError);
    QCOMPARE(f.body, content);
    // 16 chunks, 20 ms apart.
    QVERIFY2(f.elapsedMs >= 280, qPrintable(QString::number(f.elapsedMs)));
    QVERIFY2(f.readyReads >= 4, qPrintable(QString::number(f.readyReads)));

    // Ranges of a slow route are slow too.
    FetchOptions ranged;
    ranged.headers = {{"Range", "bytes=4096-"}};
    const Fetched r = fetch(server.qurl(QStringLiteral("/slow.bin")), ranged);
    QCOMPARE(r.status, 206);
    QCOMPARE(r.body, content.mid(4096));
    QVERIFY(r.elapsedMs >= 250);
}

void TestHarness::serverStallLetsClientsTimeOut()
{
    HttpServer server;
    server.serveBytes(QStringLiteral("/stall.mp4"), QByteArray(10000, 's'), "video/mp4");
    QVERIFY(server.setStall(QStringLiteral("/stall.mp4"), 100));
    FetchOptions options;
    options.transferTimeoutMs = 600;
    const Fetched f = fetch(server.qurl(QStringLiteral("/stall.mp4")), options);
    QVERIFY(f.finished);
    QVERIFY(f.error != QNetworkReply::NoError);
    QCOMPARE(f.status, 200);
    QCOMPARE(f.body, QByteArray(100, 's'));
    QVERIFY2(f.elapsedMs >= 550, qPrintable(QString::number(f.elapsedMs)));
    // The client left; the server lets the connection go.
    QTRY_COMPARE_WITH_TIMEOUT(server.openConnections(), 0, 5000);
}

void TestHarness::serverDelaysTheAnswer()
{
    HttpServer server;
    server.serveBytes(QStringLiteral("/late"), "late");
    QVERIFY(server.setDelay(QStringLiteral("/late"), 400));
    const Fetched f = fetch(server.qurl(QStringLiteral("/late")));
    QCOMPARE(f.body, QByteArray("late"));
    QVERIFY2(f.elapsedMs >= 380, qPrintable(QString::number(f.elapsedMs)));
}

void TestHarness::serverHead()
{
    TestEnv env;
    HttpServer server;
    const QString file =
        TestEnv::writeFile(env.path(QStringLiteral("a.m4a")), QByteArray(777, 'a'));
    server.serveFile(QStringLiteral("/a.m4a"), file);
    FetchOptions head;
    head.verb = "HEAD";
    Fetched f = fetch(server.qurl(QStringLiteral("/a.m4a")), head);
    QVERIFY(f.finished);
    QCOMPARE(f.status, 200);
    QVERIFY(f.body.isEmpty());
    QCOMPARE(f.header("Content-Length"), QByteArray("777"));
    QCOMPARE(f.header("Content-Type"), QByteArray("audio/mp4"));
    QCOMPARE(server.lastRequest()->method, QByteArray("HEAD"));

    // Over a plain socket: headers only, then the server closes.
    const QByteArray raw = rawRequest(server.port(), "HEAD /a.m4a HTTP/1.1\r\nHost: x\r\n\r\n");
    QVERIFY(raw.startsWith("HTTP/1.1 200 OK\r\n"));
    QVERIFY(raw.endsWith("\r\n\r\n"));

    f = fetch(server.qurl(QStringLiteral("/b.m4a")), head);
    QCOMPARE(f.status, 404);
    QVERIFY(f.body.isEmpty());
}

void TestHarness::serverDirectoryTree()
{
    TestEnv env;
    HttpServer server;
    const QString www = env.path(QStringLiteral("www"));
    TestEnv::writeFile(www + QStringLiteral("/dash/manifest.mpd"), "<MPD/>");
    TestEnv::writeFile(www + QStringLiteral("/dash/seg/a b.m4s"), "segment");
    TestEnv::writeFile(www + u8("/dash/ünï.txt"), "unicode");
    TestEnv::writeFile(www + QStringLiteral("/secret.txt"), "secret");
    server.serveDirectory(QStringLiteral("/dash/"), www + QStringLiteral("/dash"));
    server.serveBytes(QStringLiteral("/dash/override.mpd"), "exact wins");

    Fetched f = fetch(server.qurl(QStringLiteral("/dash/manifest.mpd")));
    QCOMPARE(f.status, 200);
    QCOMPARE(f.body, QByteArray("<MPD/>"));
    QCOMPARE(f.header("Content-Type"), QByteArray("application/dash+xml"));
    f = fetch(QUrl(server.url(QStringLiteral("/dash/seg/a%20b.m4s"))));
    QCOMPARE(f.body, QByteArray("segment"));
    QCOMPARE(f.header("Content-Type"), QByteArray("video/iso.segment"));
    QCOMPARE(server.lastRequest()->path, QStringLiteral("/dash/seg/a b.m4s"));
    QCOMPARE(server.lastRequest()->target, QByteArray("/dash/seg/a%20b.m4s"));
    f = fetch(server.qurl(u8("/dash/ünï.txt")));
    QCOMPARE(f.body, QByteArray("unicode"));
    QCOMPARE(fetch(server.qurl(QStringLiteral("/dash/override.mpd"))).body,
             QByteArray("exact wins"));

    FetchOptions ranged;
    ranged.headers = {{"Range", "bytes=2-4"}};
    f = fetch(server.qurl(QStringLiteral("/dash/seg/a b.m4s")), ranged);
    QCOMPARE(f.status, 206);
    QCOMPARE(f.body, QByteArray("gme"));

    QCOMPARE(fetch(server.qurl(QStringLiteral("/dash/missing.m4s"))).status, 404);
    QCOMPARE(fetch(server.qurl(QStringLiteral("/dash/seg"))).status, 404);
    QCOMPARE(fetch(server.qurl(QStringLiteral("/dash/"))).status, 404);
    QCOMPARE(fetch(server.qurl(QStringLiteral("/dashx"))).status, 404);
    // Names that climb out of the folder are not served.
    QVERIFY(rawRequest(server.port(), "GET /dash/../secret.txt HTTP/1.1\r\n\r\n")
                .startsWith("HTTP/1.1 404"));
    QVERIFY(rawRequest(server.port(), "GET /dash/%2e%2e/secret.txt HTTP/1.1\r\n\r\n")
                .startsWith("HTTP/1.1 404"));
    QVERIFY(rawRequest(server.port(), "garbage\r\n\r\n").startsWith("HTTP/1.1 400"));

    // Options apply to a whole directory.
    QVERIFY(server.setSlow(QStringLiteral("/dash"), 2, 50));
    f = fetch(server.qurl(QStringLiteral("/dash/manifest.mpd")));
    QCOMPARE(f.body, QByteArray("<MPD/>"));
    QVERIFY(f.elapsedMs >= 100);
}

void TestHarness::serverRecordsRequests()
{
    HttpServer server;
    server.serveBytes(QStringLiteral("/a"), "a");
    QSignalSpy received(&server, &HttpServer::requestReceived);
    FetchOptions options;
    options.headers = {{"X-Probe", "42"}, {"User-Agent", "harness/1"}};
    fetch(server.qurl(QStringLiteral("/a?q=1")), options);
    fetch(server.qurl(QStringLiteral("/missing")));
    FetchOptions head;
    head.verb = "HEAD";
    fetch(server.qurl(QStringLiteral("/a")), head);

    const QList<HttpRequest> requests = server.requests();
    QCOMPARE(requests.size(), 3);
    QCOMPARE(server.requestCount(), 3);
    QCOMPARE(requests[0].method, QByteArray("GET"));
    QCOMPARE(requests[0].path, QStringLiteral("/a"));
    QCOMPARE(requests[0].target, QByteArray("/a?q=1"));
    QCOMPARE(requests[0].header("x-probe"), QByteArray("42"));
    QCOMPARE(requests[0].header("USER-AGENT"), QByteArray("harness/1"));
    QVERIFY(requests[0].header("Host").startsWith("127.0.0.1:"));
    QCOMPARE(requests[1].path, QStringLiteral("/missing"));
    QCOMPARE(requests[2].method, QByteArray("HEAD"));
    QCOMPARE(server.requestCount(QStringLiteral("/a")), 2);
    QCOMPARE(server.requestCount(QStringLiteral("/missing")), 1);
    QTRY_COMPARE(received.size(), 3);
    QCOMPARE(received[1][0].toByteArray(), QByteArray("GET"));
    QCOMPARE(received[1][1].toString(), QStringLiteral("/missing"));

    server.clearRequests();
    QCOMPARE(server.requestCount(), 0);
    QVERIFY(!server.lastRequest().has_value());
}

void TestHarness::serverConcurrentConnections()
{
    HttpServer server;
    for (int i = 0; i < 6; ++i) {
        server.serveBytes(QStringLiteral("/s%1").arg(i), QByteArray(10, char('0' + i)));
        QVERIFY(server.setSlow(QStringLiteral("/s%1").arg(i), 1, 60)); // about 600 ms each
    }
    QNetworkAccessManager nam;
    QList<QNetworkReply*> replies;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 6; ++i)
        replies.append(nam.get(QNetworkRequest(server.qurl(QStringLiteral("/s%1").arg(i)))));
    for (QNetworkReply* r : replies) {
        if (!r->isFinished()) {
            QSignalSpy done(r, &QNetworkReply::finished);
            QVERIFY(done.wait(20000));
        }
    }
    const qint64 elapsed = clock.elapsed();
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(replies[i]->readAll(), QByteArray(10, char('0' + i)));
        delete replies[i];
    }
    // One after the other would take 3.6 s.
    QVERIFY2(elapsed < 2500, qPrintable(QString::number(elapsed)));
    QVERIFY(elapsed >= 500);
}

void TestHarness::serverSurvivesClientsLeaving()
{
    HttpServer server;
    server.serveBytes(QStringLiteral("/big"), QByteArray(4 * 1024 * 1024, 'b'));
    server.serveBytes(QStringLiteral("/slow"), QByteArray(100000, 's'));
    QVERIFY(server.setSlow(QStringLiteral("/slow"), 1000, 10));
    for (int round = 0; round < 5; ++round) {
        for (const char* path : {"/big", "/slow"}) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, server.port());
            QVERIFY(socket.waitForConnected(5000));
            socket.write(QByteArray("GET ") + path + " HTTP/1.1\r\nHost: x\r\n\r\n");
            QVERIFY(socket.waitForReadyRead(5000));
            socket.read(100);
            socket.abort();
        }
        // A client that goes away before sending a whole request.
        QTcpSocket half;
        half.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(half.waitForConnected(5000));
        half.write("GET /big HT");
        half.waitForBytesWritten(1000);
        half.abort();
    }
    QTRY_COMPARE_WITH_TIMEOUT(server.openConnections(), 0, 10000);
    const Fetched f = fetch(server.qurl(QStringLiteral("/big")));
    QCOMPARE(f.body.size(), 4 * 1024 * 1024);
}

void TestHarness::serverListensOnLoopbackOnly()
{
    HttpServer server;
    server.serveBytes(QStringLiteral("/a"), "a");
    QCOMPARE(server.qurl(QStringLiteral("/a")).host(), QStringLiteral("127.0.0.1"));
    // The kernel's own table of listening sockets (state 0A) shows the port
    // bound to 127.0.0.1 (0100007F) and to nothing else, IPv4 or IPv6.
    const QByteArray port = QByteArray::number(server.port(), 16).toUpper().rightJustified(4, '0');
    QStringList listening;
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        const QList<QByteArray> lines = readFile(QString::fromLatin1(table)).split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 3 && fields[1].endsWith(':' + port) && fields[3] == "0A")
                listening.append(QString::fromLatin1(fields[1]));
        }
    }
    QCOMPARE(listening, QStringList{QStringLiteral("0100007F:") + QString::fromLatin1(port)});
    QCOMPARE(fetch(server.qurl(QStringLiteral("/a"))).body, QByteArray("a"));
}

void TestHarness::serverAnswersWhileTestThreadBlocks()
{
    // A blocking wait in the test's thread does not stop the server.
    HttpServer server;
    server.serveBytes(QStringLiteral("/a"), "answer");
    TestEnv env;
    QProcess curlLike;
    curlLike.setProcessEnvironment(env.childEnvironment());
    curlLike.start(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral("-c"),
                    QStringLiteral("import sys,urllib.request;"
                                   "sys.stdout.write(urllib.request.urlopen(sys.argv[1],"
                                   "timeout=10).read().decode())"),
                    server.url(QStringLiteral("/a"))});
    QVERIFY(curlLike.waitForFinished(20000));
    QCOMPARE(curlLike.exitCode(), 0);
    QCOMPARE(curlLike.readAllStandardOutput(), QByteArray("answer"));
}

// ---------------------------------------------------------------------------
// Real yt-dlp against the server

void TestHarness::realYtdlpLooksUpAndDownloadsClip()
{
    TestEnv env;
    HttpServer server;
    const QString clip = TestEnv::makeClip(env.path(QStringLiteral("www")));
    QVERIFY(!clip.isEmpty());
    server.serveFile(QStringLiteral("/clip.mp4"), clip);

    ProcessResult r = runProcess(QStringLiteral("/usr/bin/yt-dlp"),
                                 {QStringLiteral("--no-colors"), QStringLiteral("-J"),
                                  QStringLiteral("--flat-playlist"),
                                  QStringLiteral("--no-playlist"), QStringLiteral("--no-warnings"),
                                  QStringLiteral("--"), server.url(QStringLiteral("/clip.mp4"))},
                                 env.childEnvironment(), 120000, env.homeDir());
    QVERIFY2(r.ok(), r.err.constData());
    const QJsonObject info = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(info.value(QStringLiteral("id")).toString(), QStringLiteral("clip"));
    QCOMPARE(info.value(QStringLiteral("extractor_key")).toString(), QStringLiteral("Generic"));
    QCOMPARE(info.value(QStringLiteral("webpage_url")).toString(),
             server.url(QStringLiteral("/clip.mp4")));

    r = runProcess(QStringLiteral("/usr/bin/yt-dlp"),
                   {QStringLiteral("--no-colors"), server.url(QStringLiteral("/clip.mp4")),
                    QStringLiteral("--no-playlist"), QStringLiteral("--newline"),
                    QStringLiteral("--progress"), QStringLiteral("-P"), env.downloadsDir(),
                    QStringLiteral("-o"), QStringLiteral("%(title).180B [%(id)s].%(ext)s"),
                    QStringLiteral("--print"), QStringLiteral("after_move:RCFILE|%(filepath)s"),
                    QStringLiteral("-f"), QStringLiteral("b[ext=mp4]/b")},
                   env.childEnvironment(), 120000, env.homeDir());
    QVERIFY2(r.ok(), r.err.constData());
    const QString target = env.downloadsDir() + QStringLiteral("/clip [clip].mp4");
    QVERIFY2(r.out.contains("RCFILE|" + target.toUtf8()), r.out.constData());
    QCOMPARE(readFile(target), readFile(clip));

    // Downloading in chunks makes yt-dlp ask for byte ranges.
    server.clearRequests();
    const QString chunked = env.path(QStringLiteral("chunked"));
    r = runProcess(QStringLiteral("/usr/bin/yt-dlp"),
                   {QStringLiteral("--no-colors"), server.url(QStringLiteral("/clip.mp4")),
                    QStringLiteral("--no-playlist"), QStringLiteral("-P"), chunked,
                    QStringLiteral("-o"), QStringLiteral("%(id)s.%(ext)s"),
                    QStringLiteral("--http-chunk-size"), QStringLiteral("16384")},
                   env.childEnvironment(), 120000, env.homeDir());
    QVERIFY2(r.ok(), r.err.constData());
    QCOMPARE(readFile(chunked + QStringLiteral("/clip.mp4")), readFile(clip));
    int ranged = 0;
    for (const HttpRequest& request : server.requests())
        ranged += request.header("Range").startsWith("bytes=") ? 1 : 0;
    QVERIFY2(ranged >= 2, qPrintable(QString::number(ranged)));
}

void TestHarness::realYtdlpDownloadsDashAndMerges()
{
    TestEnv env;
    HttpServer server;
    const QString manifest = TestEnv::makeDash(env.path(QStringLiteral("www/dash")));
    QVERIFY(!manifest.isEmpty());
    server.serveDirectory(QStringLiteral("/dash/"), env.path(QStringLiteral("www/dash")));
    const ProcessResult r = runProcess(
        QStringLiteral("/usr/bin/yt-dlp"),
        {QStringLiteral("--no-colors"), server.url(QStringLiteral("/dash/manifest.mpd")),
         QStringLiteral("--no-playlist"), QStringLiteral("--newline"), QStringLiteral("--progress"),
         QStringLiteral("-P"), env.downloadsDir(), QStringLiteral("-o"),
         QStringLiteral("%(title).180B [%(id)s].%(ext)s"), QStringLiteral("--progress-template"),
         QStringLiteral("download:RC|%(progress.status)s|%(info.vcodec)s"),
         QStringLiteral("--ffmpeg-location"), QStringLiteral("/usr/bin"), QStringLiteral("-f"),
         QStringLiteral("bv*+ba/b"), QStringLiteral("--merge-output-format"),
         QStringLiteral("mp4")},
        env.childEnvironment(), 180000, env.homeDir());
    QVERIFY2(r.ok(), r.err.constData());
    QVERIFY2(r.out.contains("RC|finished|avc1."), r.out.constData());
    QVERIFY(r.out.contains("RC|finished|none"));
    const QString merged = env.downloadsDir() + QStringLiteral("/manifest [manifest].mp4");
    QVERIFY(QFileInfo(merged).size() > 10000);
    int segments = 0;
    for (const HttpRequest& request : server.requests())
        segments += request.path.endsWith(QLatin1String(".m4s")) ? 1 : 0;
    QVERIFY(segments >= 4);

    const ProcessResult probe =
        runProcess(QStringLiteral("/usr/bin/ffprobe"),
                   {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                    QStringLiteral("stream=codec_type"), QStringLiteral("-of"),
                    QStringLiteral("csv=p=0"), merged},
                   env.childEnvironment());
    QVERIFY(probe.ok());
    QCOMPARE(probe.out.count("video"), 1);
    QCOMPARE(probe.out.count("audio"), 1);
}

void TestHarness::realYtdlpLookupOf404Fails()
{
    TestEnv env;
    HttpServer server;
    const ProcessResult r = runProcess(
        QStringLiteral("/usr/bin/yt-dlp"),
        {QStringLiteral("--no-colors"), QStringLiteral("-J"), QStringLiteral("--flat-playlist"),
         QStringLiteral("--no-playlist"), QStringLiteral("--no-warnings"), QStringLiteral("--"),
         server.url(QStringLiteral("/missing.mp4"))},
        env.childEnvironment(), 120000, env.homeDir());
    QVERIFY(r.finished);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("ERROR:") && r.err.contains("404"), r.err.constData());
    QVERIFY(server.requestCount(QStringLiteral("/missing.mp4")) >= 1);
}

// ---------------------------------------------------------------------------
// The sandbox

void TestHarness::envFoldersLiveInTheSandbox()
{
    QString root;
    {
        TestEnv env;
        QVERIFY(env.isValid());
        root = env.root();
        QVERIFY(QFileInfo(root).isDir());
        if (!m_realHome.isEmpty() && !QDir::tempPath().startsWith(m_realHome))
            QVERIFY(!root.startsWith(m_realHome + QLatin1Char('/')));
        const QStringList folders =
            QStringList{env.supportDir(), env.homeDir(),   env.configHome(),  env.cacheHome(),
                        env.dataHome(),   env.stateHome(), env.downloadsDir()} +
            env.binDirs();
        for (const QString& folder : folders) {
            QVERIFY2(folder.startsWith(root + QLatin1Char('/')), qPrintable(folder));
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        }
        QCOMPARE(env.binDirs().size(), 3);
        const QStringList bins = env.binDirs();
        QCOMPARE(QSet<QString>(bins.begin(), bins.end()).size(), 3);
        QVERIFY(!env.binDirs().contains(env.supportDir()));
        QVERIFY(env.settingsPath().startsWith(env.configHome() + QLatin1Char('/')));
        QVERIFY(!QFileInfo::exists(env.settingsPath()));
        QCOMPARE(env.path(QStringLiteral("x/y")), root + QStringLiteral("/x/y"));

        TestEnv other;
        QVERIFY(other.root() != root);
    }
    QVERIFY(!QFileInfo::exists(root));
}

void TestHarness::envChildEnvironment()
{
    const QList<QByteArray> proxies = {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY",
                                       "ALL_PROXY",  "all_proxy",   "ftp_proxy",  "NO_PROXY",
                                       "no_proxy",   "Socks_Proxy"};
    for (const QByteArray& name : proxies)
        qputenv(name.constData(), "http://10.255.255.1:3128");
    qputenv("XDG_CONFIG_DIRS", "/etc/xdg");
    TestEnv env;
    const QProcessEnvironment child = env.childEnvironment();
    for (const QByteArray& name : proxies)
        qunsetenv(name.constData());
    qunsetenv("XDG_CONFIG_DIRS");

    const QStringList keys = child.keys();
    for (const QString& key : keys) {
        if (key.endsWith(QLatin1String("_proxy"), Qt::CaseInsensitive))
            QCOMPARE(key, QStringLiteral("no_proxy"));
    }
    QCOMPARE(child.value(QStringLiteral("no_proxy")), QStringLiteral("127.0.0.1,localhost"));
    QCOMPARE(child.value(QStringLiteral("HOME")), env.homeDir());
    QCOMPARE(child.value(QStringLiteral("XDG_CONFIG_HOME")), env.configHome());
    QCOMPARE(child.value(QStringLiteral("XDG_CACHE_HOME")), env.cacheHome());
    QCOMPARE(child.value(QStringLiteral("XDG_DATA_HOME")), env.dataHome());
    QVERIFY(!child.contains(QStringLiteral("XDG_CONFIG_DIRS")));
    QCOMPARE(child.value(QStringLiteral("PATH")), QStringLiteral("/usr/bin:/bin"));
    QCOMPARE(child.value(QStringLiteral("LANG")), QStringLiteral("C.UTF-8"));
    QCOMPARE(child.value(QStringLiteral("LC_ALL")), QStringLiteral("C.UTF-8"));

    // What a child really gets.
    const ProcessResult r = runProcess(QStringLiteral("/usr/bin/env"), {}, child);
    QVERIFY(r.ok());
    const QList<QByteArray> lines = r.out.split('\n');
    QVERIFY(lines.contains("HOME=" + env.homeDir().toUtf8()));
    QVERIFY(lines.contains("no_proxy=127.0.0.1,localhost"));
    for (const QByteArray& l : lines)
        QVERIFY2(!l.toLower().contains("_proxy=http"), l.constData());
}

void TestHarness::envEngineConfigAndClock()
{
    TestEnv env;
    const EngineConfig config = env.engineConfig();
    QCOMPARE(config.supportDir, env.supportDir());
    QCOMPARE(config.binDirs, env.binDirs());
    QCOMPARE(config.baseEnvironment, env.childEnvironment());
    QVERIFY(config.now);
    QVERIFY(qAbs(config.now().secsTo(QDateTime::currentDateTimeUtc())) < 5);

    const QDateTime fixed = QDateTime::fromSecsSinceEpoch(1'800'000'000, QTimeZone::utc());
    env.setNow(fixed);
    QCOMPARE(config.now(), fixed);
    QCOMPARE(env.engineConfig().now(), fixed);
    env.setNow(fixed.addSecs(60));
    QCOMPARE(config.now(), fixed.addSecs(60));
    env.clearNow();
    QVERIFY(qAbs(config.now().secsTo(QDateTime::currentDateTimeUtc())) < 5);
}

void TestHarness::envFileHelpers()
{
    TestEnv env;
    const QString tool = env.binDirs().at(0) + QStringLiteral("/tool");
    QCOMPARE(env.writeExecutable(tool, "#!/bin/sh\necho \"tool $1\"\n"), tool);
    QCOMPARE(TestEnv::mode(tool), 0755);
    ProcessResult r = runProcess(tool, {QStringLiteral("ran")}, env.childEnvironment());
    QVERIFY(r.ok());
    QCOMPARE(r.out, QByteArray("tool ran\n"));

    // Replacing keeps no trace of the old content or mode.
    QCOMPARE(TestEnv::writeExecutable(tool, "#!/bin/sh\necho two\n", 0700), tool);
    QCOMPARE(TestEnv::mode(tool), 0700);
    r = runProcess(tool, {}, env.childEnvironment());
    QCOMPARE(r.out, QByteArray("two\n"));

    const QString plain = env.path(QStringLiteral("deep/er/plain.txt"));
    QCOMPARE(TestEnv::writeFile(plain, "plain"), plain);
    QCOMPARE(TestEnv::mode(plain), 0644);
    QCOMPARE(readFile(plain), QByteArray("plain"));
    QCOMPARE(TestEnv::writeFile(plain, "x", 0600), plain);
    QCOMPARE(TestEnv::mode(plain), 0600);
    QCOMPARE(TestEnv::mode(env.path(QStringLiteral("missing"))), -1);
    QVERIFY(TestEnv::writeFile(QStringLiteral("/proc/reelcatch-no/x"), "x").isEmpty());
    // No temporary files left behind.
    QCOMPARE(QDir(env.path(QStringLiteral("deep/er"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("plain.txt")});

    const QDateTime old = QDateTime::fromMSecsSinceEpoch(1'700'000'000'123LL, QTimeZone::utc());
    const QString aged = env.supportDir() + QStringLiteral("/yt-dlp");
    QCOMPARE(TestEnv::writeFileWithMtime(aged, "#!/bin/sh\n", old, 0755), aged);
    QCOMPARE(QFileInfo(aged).lastModified().toMSecsSinceEpoch(), old.toMSecsSinceEpoch());
    QCOMPARE(TestEnv::mode(aged), 0755);
    const QDateTime before = QDateTime::fromSecsSinceEpoch(-86400, QTimeZone::utc());
    QVERIFY(TestEnv::setMtime(aged, before));
    QCOMPARE(QFileInfo(aged).lastModified().toUTC(), before);
    QVERIFY(!TestEnv::setMtime(env.path(QStringLiteral("missing")), old));
}

void TestHarness::envMakeClip()
{
    TestEnv env;
    const QString clip = TestEnv::makeClip(env.path(QStringLiteral("www")));
    QCOMPARE(clip, env.path(QStringLiteral("www/clip.mp4")));
    const ProcessResult probe =
        runProcess(QStringLiteral("/usr/bin/ffprobe"),
                   {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                    QStringLiteral("stream=codec_type,codec_name,width,height:format=duration"),
                    QStringLiteral("-of"), QStringLiteral("default=nw=1"), clip},
                   env.childEnvironment());
    QVERIFY(probe.ok());
    const QList<QByteArray> lines = probe.out.split('\n');
    QVERIFY2(lines.contains("codec_name=h264"), probe.out.constData());
    QVERIFY(lines.contains("codec_name=aac"));
    QVERIFY(lines.contains("width=640"));
    QVERIFY(lines.contains("height=360"));
    double duration = 0;
    for (const QByteArray& l : lines) {
        if (l.startsWith("duration="))
            duration = l.mid(9).toDouble();
    }
    QVERIFY2(duration > 3.9 && duration < 4.2, qPrintable(QString::number(duration)));

    // Later clips are copies: same bytes, other names, quickly.
    QElapsedTimer clock;
    clock.start();
    const QString again = TestEnv::makeClip(env.downloadsDir(), QStringLiteral("other name.mp4"));
    QVERIFY(clock.elapsed() < 2000);
    QCOMPARE(again, env.downloadsDir() + QStringLiteral("/other name.mp4"));
    QCOMPARE(readFile(again), readFile(clip));
    QVERIFY(QFileInfo(again).isWritable());
}

void TestHarness::envMakeDash()
{
    TestEnv env;
    const QString dir = env.path(QStringLiteral("www/dash"));
    const QString manifest = TestEnv::makeDash(dir);
    QCOMPARE(manifest, dir + QStringLiteral("/manifest.mpd"));
    const QByteArray mpd = readFile(manifest);
    QCOMPARE(mpd.count("<AdaptationSet"), 2);
    const QStringList files = QDir(dir).entryList(QDir::Files);
    QVERIFY(files.contains(QStringLiteral("init-stream0.m4s")));
    QVERIFY(files.contains(QStringLiteral("init-stream1.m4s")));
    // x264's keyframe interval is longer than the clip, so the video is one
    // media segment; the audio is cut every 2 s.
    QVERIFY2(files.filter(QStringLiteral("chunk-stream0-")).size() >= 1,
             qPrintable(files.join(QLatin1Char(' '))));
    QVERIFY(files.filter(QStringLiteral("chunk-stream1-")).size() >= 3);
}

void TestHarness::processIsIsolated()
{
    const QString home = QString::fromLocal8Bit(qgetenv("HOME"));
    QVERIFY(!home.isEmpty());
    QVERIFY(home != m_realHome);
    QVERIFY(QFileInfo(home).isDir());
    QVERIFY(QStandardPaths::isTestModeEnabled());
    const QStringList keys = QProcessEnvironment::systemEnvironment().keys();
    for (const QString& key : keys) {
        if (key.endsWith(QLatin1String("_proxy"), Qt::CaseInsensitive))
            QCOMPARE(key, QStringLiteral("no_proxy"));
    }
    QVERIFY(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")).startsWith(home));
}

QTEST_GUILESS_MAIN(TestHarness)
#include "tst_harness.moc"
