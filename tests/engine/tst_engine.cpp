// The engine: where it finds yt-dlp, deno and ffmpeg, the environment of
// every child, file ages, yt-dlp's last error line and the version query.
#include "Engine.h"
#include "FakeRunner.h"
#include "TestEnv.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

// Places files named "support/NAME" or "binN/NAME" in the sandbox; a
// trailing "!" makes the file not executable, a trailing "/" a folder.
void place(const TestEnv& env, const QStringList& specs)
{
    for (const QString& spec : specs) {
        const QString path = env.path(spec).remove(QRegularExpression(QStringLiteral("[!/]$")));
        if (spec.endsWith(u'/'))
            QDir().mkpath(path);
        else
            TestEnv::writeFile(path, "#!/bin/sh\n", spec.endsWith(u'!') ? 0644 : 0755);
    }
}

QStringList specs(const char* spaced)
{
    return QString::fromLatin1(spaced).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    void toolLookup_data();
    void toolLookup();
    void environmentPath();
    void age();
    void lastError_data();
    void lastError();
    void version_data();
    void version();
};

void TestEngine::toolLookup_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expect");

    for (const QString& tool : {QStringLiteral("yt-dlp"), QStringLiteral("deno")}) {
        auto row = [&](const char* name, const char* files, const char* expect) {
            QTest::addRow("%s: %s", qPrintable(tool), name)
                << tool << specs(files).replaceInStrings(QStringLiteral("TOOL"), tool)
                << QString::fromLatin1(expect).replace(QStringLiteral("TOOL"), tool);
        };
        row("managed copy first", "support/TOOL bin0/TOOL", "support/TOOL");
        row("managed copy not executable", "support/TOOL! bin1/TOOL bin2/TOOL", "bin1/TOOL");
        row("non-executables skipped", "bin0/TOOL! bin1/TOOL/ bin2/TOOL", "bin2/TOOL");
        row("nowhere", "support/TOOL/", "");
    }
    auto ffmpeg = [](const char* name, const char* files, const char* expect) {
        QTest::addRow("ffmpeg: %s", name)
            << QStringLiteral("ffmpeg") << specs(files) << QString::fromLatin1(expect);
    };
    ffmpeg("managed pair first", "support/ffmpeg support/ffprobe bin0/ffmpeg bin0/ffprobe",
           "support/ffmpeg");
    ffmpeg("managed ffmpeg without ffprobe", "support/ffmpeg bin1/ffmpeg bin1/ffprobe",
           "bin1/ffmpeg");
    ffmpeg("managed ffprobe not executable",
           "support/ffmpeg support/ffprobe! bin2/ffmpeg bin2/ffprobe", "bin2/ffmpeg");
    ffmpeg("first system ffmpeg lacks ffprobe", "bin0/ffmpeg bin1/ffmpeg bin1/ffprobe", "");
    ffmpeg("ffprobe in another folder", "bin1/ffmpeg bin2/ffprobe", "");
    ffmpeg("ffprobe alone", "support/ffprobe bin0/ffprobe", "");
}

void TestEngine::toolLookup()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, files);
    QFETCH(QString, expect);
    TestEnv env;
    const Engine engine(env.engineConfig());
    place(env, files);
    const std::optional<QString> found = tool == u"yt-dlp" ? engine.ytdlp()
                                         : tool == u"deno" ? engine.deno()
                                                           : engine.ffmpeg();
    QCOMPARE(found.value_or(QString()), expect.isEmpty() ? QString() : env.path(expect));
}

void TestEngine::environmentPath()
{
    TestEnv env;
    EngineConfig config = env.engineConfig();
    config.baseEnvironment.insert(QStringLiteral("PATH"), QStringLiteral("/inherited/a:/b"));
    config.baseEnvironment.insert(QStringLiteral("REELCATCH_MARKER"), QStringLiteral("kept"));
    const QString ours = (QStringList{env.supportDir()} + env.binDirs()).join(u':');
    const QProcessEnvironment childEnv = Engine(config).environment();
    QCOMPARE(childEnv.value(QStringLiteral("PATH")), ours + QStringLiteral(":/inherited/a:/b"));
    QCOMPARE(childEnv.value(QStringLiteral("REELCATCH_MARKER")), QStringLiteral("kept"));
    // No empty entry (the working folder) when nothing is inherited.
    config.baseEnvironment.remove(QStringLiteral("PATH"));
    QCOMPARE(Engine(config).environment().value(QStringLiteral("PATH")), ours);
}

void TestEngine::age()
{
    TestEnv env;
    const QDateTime now = QDateTime::fromSecsSinceEpoch(1800000000, Qt::UTC);
    env.setNow(now);
    const Engine engine(env.engineConfig());
    const QString path = TestEnv::writeFile(env.path(QStringLiteral("tool")), "x");
    QVERIFY(TestEnv::setMtime(path, now.addSecs(-432001)));
    QCOMPARE(engine.age(path).value_or(-1), 432001.0);
    QVERIFY(TestEnv::setMtime(path, now.addSecs(120)));
    QCOMPARE(engine.age(path).value_or(0), -120.0);
    QVERIFY(!engine.age(env.path(QStringLiteral("missing"))).has_value());
}

void TestEngine::lastError_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // null for none

    QTest::newRow("last of two, trimmed")
        << QStringLiteral("WARNING: old\nERROR: first\nERROR:   second one \t\n")
        << QStringLiteral("second one");
    QTest::newRow("a later warning does not hide it")
        << QStringLiteral("ERROR: real\nWARNING: later\n") << QStringLiteral("real");
    QTest::newRow("the prefix alone") << QStringLiteral("ERROR:  \n") << QStringLiteral("");
    QTest::newRow("no error line") << QStringLiteral("WARNING: a\n[generic] b\n") << QString();
    QTest::newRow("not at a line start")
        << QStringLiteral("  ERROR: x\nWARNING: ERROR: y\nerror: z") << QString();
    QTest::newRow("CR, CR LF and Unicode breaks end lines")
        << QStringLiteral("5%\rERROR: a\r\nERROR: b\u2028ERROR: c\u2029x") << QStringLiteral("c");
    QTest::newRow("inner colons kept") << QStringLiteral("ERROR: [generic] None: HTTP Error 404")
                                       << QStringLiteral("[generic] None: HTTP Error 404");
}

void TestEngine::lastError()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    const std::optional<QString> got = Engine::lastError(text);
    QCOMPARE(got.has_value(), !message.isNull());
    if (got)
        QCOMPARE(*got, message);
}

void TestEngine::version_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("code");
    QTest::addColumn<ChildExit::Kind>("kind");
    QTest::addColumn<QString>("version"); // null for none

    const auto exited = ChildExit::Kind::exited;
    QTest::newRow("printed, trimmed")
        << true << QByteArray("\n 2026.08.19 \r\n") << 0 << exited << QStringLiteral("2026.08.19");
    QTest::newRow("non-zero status")
        << true << QByteArray("2026.08.19\n") << 1 << exited << QString();
    QTest::newRow("failed to start")
        << true << QByteArray() << -1 << ChildExit::Kind::failedToStart << QString();
    QTest::newRow("no yt-dlp") << false << QByteArray() << 0 << exited << QString();
}

void TestEngine::version()
{
    QFETCH(bool, installed);
    QFETCH(QByteArray, output);
    QFETCH(int, code);
    QFETCH(ChildExit::Kind, kind);
    QFETCH(QString, version);
    TestEnv env;
    auto runner = std::make_shared<FakeRunner>();
    EngineConfig config = env.engineConfig();
    config.runner = runner;
    const Engine engine(config);
    if (installed)
        place(env, {QStringLiteral("bin1/yt-dlp")});

    int answers = 0;
    std::optional<QString> got;
    QObject context;
    engine.version(&context, [&](std::optional<QString> v) { ++answers, got = std::move(v); });
    if (installed) {
        FakeChild* child = runner->last();
        QVERIFY(child && child->started);
        QCOMPARE(child->spec.program, env.binDirs().at(1) + QStringLiteral("/yt-dlp"));
        QCOMPARE(child->spec.arguments, QStringList{QStringLiteral("--version")});
        QCOMPARE(child->spec.environment, engine.environment());
        child->print(output);
        child->end(code, kind, QStringLiteral("no such file"));
    } else {
        QVERIFY(runner->children.isEmpty());
        // Not from within the call.
        QCOMPARE(answers, 0);
        QTRY_COMPARE(answers, 1);
    }
    QCOMPARE(answers, 1);
    QCOMPARE(got.has_value(), !version.isNull());
    if (got)
        QCOMPARE(*got, version);
}

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
