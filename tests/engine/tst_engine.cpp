// The engine: where it finds yt-dlp, deno and ffmpeg, the environment of
// every child, file ages, yt-dlp's last error line, the version query, and
// the yt-dlp command lines (by preset, ffmpeg, settings, version and deno).
#include "FakeRunner.h"
#include "TestEnv.h"
#include "engine/Engine.h"
#include "engine/YtdlpArgs.h"
#include "model/Prefs.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace reelcatch;
using namespace Qt::StringLiterals;
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

QStringList words(const char* spaced)
{
    return QString::fromLatin1(spaced).split(u' ', Qt::SkipEmptyParts);
}

const QString progress = QStringLiteral(
    "download:RC|%(progress.status)s|%(progress.downloaded_bytes)s|%(progress.total_bytes)s|"
    "%(progress.total_bytes_estimate)s|%(progress.speed)s|%(progress.eta)s|%(info.vcodec)s");
const QString postprocess =
    QStringLiteral("postprocess:[%(progress.postprocessor)s] %(progress.status)s");

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
    void lookupCommand();
    void downloadCommand_data();
    void downloadCommand();
    void optionLikeAddressGoesLast();
};

void TestEngine::toolLookup_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expect");

    auto row = [](const char* tool, const char* name, const char* files, const char* expect) {
        const QString t = QString::fromLatin1(tool);
        QTest::addRow("%s: %s", tool, name)
            << t << words(files).replaceInStrings(QStringLiteral("TOOL"), t)
            << QString::fromLatin1(expect).replace(QStringLiteral("TOOL"), t);
    };
    for (const char* tool : {"yt-dlp", "deno"}) {
        row(tool, "managed copy first", "support/TOOL bin0/TOOL", "support/TOOL");
        row(tool, "managed copy not executable", "support/TOOL! bin1/TOOL bin2/TOOL", "bin1/TOOL");
        row(tool, "non-executables skipped", "bin0/TOOL! bin1/TOOL/ bin2/TOOL", "bin2/TOOL");
        row(tool, "nowhere", "support/TOOL/", "");
    }
    const auto ffmpeg = [&](const char* name, const char* files, const char* expect) {
        row("ffmpeg", name, files, expect);
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

    QTest::newRow("the last, trimmed, a later warning")
        << QStringLiteral("ERROR: first\nERROR:   second one \t\nWARNING: later\n")
        << QStringLiteral("second one");
    QTest::newRow("the prefix alone") << QStringLiteral("ERROR:  \n") << QStringLiteral("");
    QTest::newRow("none at a line start")
        << QStringLiteral("[generic] b\n  ERROR: x\nWARNING: ERROR: y\nerror: z") << QString();
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
        QCOMPARE(child->spec.arguments, words("--ignore-config --version"));
        QCOMPARE(child->spec.workingDirectory, env.path(QStringLiteral("cache")));
        QVERIFY(QFileInfo(child->spec.workingDirectory).isDir());
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

void TestEngine::lookupCommand()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QStringList tail = words("-j --flat-playlist --lazy-playlist --no-playlist --no-warnings -- -x");
    const std::optional<QString> takesDeno = QString::fromLatin1(YtdlpArgs::jsRuntimesSince);
    QCOMPARE(YtdlpArgs::lookup(engine, QStringLiteral("-x"), takesDeno),
             words("--ignore-config --no-colors") + tail);

    // deno goes only to a yt-dlp known to take it, once there is one, the managed copy first.
    TestEnv::writeExecutable(env.binDirs().at(1) + QStringLiteral("/deno"), "#!/bin/sh\n");
    QCOMPARE(YtdlpArgs::lookup(engine, QStringLiteral("-x"), takesDeno),
             words("--ignore-config --no-colors --js-runtimes")
                 << QStringLiteral("deno:") + env.binDirs().at(1) + QStringLiteral("/deno")
                 << tail);
    for (const char* old : {"", "2023.03.04", "2025.11.11.235959"}) // "": not known
        QCOMPARE(YtdlpArgs::common(engine,
                                   *old ? std::optional(QString::fromLatin1(old)) : std::nullopt),
                 words("--ignore-config --no-colors"));
    TestEnv::writeExecutable(engine.managedDeno(), "#!/bin/sh\n");
    QCOMPARE(YtdlpArgs::common(engine, QStringLiteral("2026.01.02.120000")),
             words("--ignore-config --no-colors --js-runtimes")
                 << QStringLiteral("deno:") + engine.managedDeno());
}

void TestEngine::downloadCommand_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<bool>("ffmpeg");
    QTest::addColumn<QString>("settings"); // key=value, as the settings file has them
    QTest::addColumn<std::optional<QString>>("version");
    QTest::addColumn<bool>("steps"); // the post-processor template
    // What follows "--print after_move:RCFILE|%(filepath)s"; FF stands for
    // the folder of ffmpeg.
    QTest::addColumn<QStringList>("tail");

    const char* none = "";
    // A stored "sponsor=true" and no mode: today's three categories removed.
    const char* turned = "h264=false embedMeta=false embedThumb=false subs=true subLangs=fr.* "
                         "sponsor=true audioLang=de";
    const auto v = [](const char* version) { return std::optional(QString::fromLatin1(version)); };
    auto row = [](const char* tag, Preset preset, bool ffmpeg, const char* settings,
                  std::optional<QString> version, bool steps, const char* tail) {
        // The audio track: the asked language's (GERMAN), the original, one not
        // labelled a dub, any but a description.
        QString expanded = QString::fromLatin1(tail)
                               .replace(u"MERGE"_s, u"--merge-output-format mp4 --remux-video mp4"_s)
                               .replace(u"GERMAN"_s, u"[language~='(?i)^(de|ger|deu)(-|$)']NODESC"_s)
                               .replace(u"ORIG"_s, u"[format_note~='(?i)original'][language!$=?-desc]"_s)
                               .replace(u"UNDUB"_s, u"[language!$=?-desc][format_note!~=?'(?i)dubbed|descriptive']"_s)
                               .replace(u"NODESC"_s, u"[language!$=?-desc][format_note!~=?'(?i)descriptive']"_s);
        QTest::newRow(tag) << preset << ffmpeg << QString::fromLatin1(settings) << version << steps
                           << expanded.split(u' ', Qt::SkipEmptyParts);
    };
    row("1080p, ffmpeg, yt-dlp 2023.06.21", Preset::p1080, true, none, v("2023.06.21"), true,
        "--ffmpeg-location FF -f bv*+baORIG/bv*+baUNDUB/bv*+baNODESC/b "
        "-S res:1080,fps,vcodec:h264,lang,acodec:m4a MERGE --embed-metadata --embed-thumbnail");
    row("1080p, no ffmpeg: one file, no thumbnail; yt-dlp 2023.06.20", Preset::p1080, false, none,
        v("2023.06.20"), false, "-f b[ext=mp4]/b --embed-metadata");
    row("best, ffmpeg, a nightly yt-dlp", Preset::best, true, none, v("2024.11.04.232950"), true,
        "--ffmpeg-location FF -f bv*+baORIG/bv*+baUNDUB/bv*+baNODESC/b "
        "-S res,fps,vcodec:h264,lang,acodec:m4a MERGE --embed-metadata --embed-thumbnail");
    row("mp3, ffmpeg, version unknown, no tags, SponsorBlock off", Preset::mp3, true,
        "embedMeta=false sponsor=true sponsorMode=off", std::nullopt, false,
        "--ffmpeg-location FF -f baORIG/baUNDUB/baNODESC/b -x --audio-format mp3 "
        "--audio-quality 0 --embed-thumbnail");
    row("mp3, no ffmpeg", Preset::mp3, false, none, v("2025.01.01"), true,
        "-f baORIG[ext=m4a]/baORIG/baUNDUB[ext=m4a]/baUNDUB/baNODESC[ext=m4a]/baNODESC/b "
        "--embed-metadata");
    row("720p, every setting turned", Preset::p720, true, turned, v("2025.01.01"), true,
        "--ffmpeg-location FF -f bv*+baGERMAN/bv*+baORIG/bv*+baUNDUB/bv*+baNODESC/b "
        "-S res:720,fps,lang,acodec:m4a MERGE --write-subs --sub-langs fr.* --embed-subs "
        "--compat-options no-keep-subs --sponsorblock-remove sponsor,selfpromo,interaction");
    row("m4a, every setting turned: no subtitles for audio", Preset::m4a, false, turned,
        v("2025.01.01"), true,
        "-f baGERMAN[ext=m4a]/baGERMAN/baORIG[ext=m4a]/baORIG/baUNDUB[ext=m4a]/baUNDUB/baNODESC[ext=m4a]/"
        "baNODESC/b --sponsorblock-remove sponsor,selfpromo,interaction");
    row("SponsorBlock marks the chosen categories yt-dlp knows; subtitles as files, and embedded",
        Preset::p1080, false,
        "embedMeta=false sponsorMode=mark sponsorCats=\"intro, bogus,filler\" subs=true "
        "subFiles=true autoSubs=true", v("2025.01.01"), true,
        "-f b[ext=mp4]/b --write-subs --write-auto-subs --sub-langs en.* --embed-subs "
        "--sponsorblock-mark intro,filler");
    row("subtitles as SRT files only, an old list passed as stored", Preset::p480, true, "embedMeta=false embedThumb=false subFiles=true subLangs=\"fr.*,it\"",
        v("2025.01.01"), true,
        "--ffmpeg-location FF -f bv*+baORIG/bv*+baUNDUB/bv*+baNODESC/b "
        "-S res:480,fps,vcodec:h264,lang,acodec:m4a MERGE --write-subs --sub-langs fr.*,it "
        "--convert-subs srt");
}

void TestEngine::downloadCommand()
{
    QFETCH(Preset, preset);
    QFETCH(bool, ffmpeg);
    QFETCH(QString, settings);
    QFETCH(std::optional<QString>, version);
    QFETCH(bool, steps);
    QFETCH(QStringList, tail);
    TestEnv env;
    const Engine engine(env.engineConfig());
    if (ffmpeg) {
        TestEnv::writeExecutable(env.path(QStringLiteral("bin2/ffmpeg")), "#!/bin/sh\n");
        TestEnv::writeExecutable(env.path(QStringLiteral("bin2/ffprobe")), "#!/bin/sh\n");
    }
    TestEnv::writeFile(env.settingsPath(), "[General]\n" + settings.replace(u' ', u'\n').toUtf8());
    const DownloadOptions options = DownloadOptions::fromPrefs(Prefs(env.settingsPath()));
    const QString url = QStringLiteral("https://www.youtube.com/watch?v=abc");

    // The folder as ".": yt-dlp works in it. Title and id are cut to leave room for suffixes.
    QStringList expected{QStringLiteral("--ignore-config"), QStringLiteral("--no-colors"), url};
    expected << words("--no-playlist --newline --progress -P . -o")
             << QStringLiteral("%(title).180B [%(id).32B].%(ext)s")
             << QStringLiteral("--progress-template") << progress;
    if (steps)
        expected << QStringLiteral("--progress-template") << postprocess;
    expected << QStringLiteral("--print") << QStringLiteral("after_move:RCFILE|%(filepath)s")
             << tail.replaceInStrings(QStringLiteral("FF"), env.path(QStringLiteral("bin2")));
    QCOMPARE(YtdlpArgs::download(engine, options, {url, preset, version}), expected);
}

void TestEngine::optionLikeAddressGoesLast()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QString url = QStringLiteral("--exec=rm -rf ~");
    const QStringList args = YtdlpArgs::download(engine, {}, {url, {}, {}, {}});
    QCOMPARE(args.indexOf(url), args.size() - 1);
    QCOMPARE(args.at(args.size() - 2), QStringLiteral("--"));
    QCOMPARE(args.count(url), 1);
    QCOMPARE(args.at(2), QStringLiteral("--no-playlist"));
}

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
