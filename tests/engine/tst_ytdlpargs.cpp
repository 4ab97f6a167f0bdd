// The yt-dlp command lines: the lookup and the download, by preset, ffmpeg,
// settings, yt-dlp version, deno and option-like addresses.
#include "Prefs.h"
#include "TestEnv.h"
#include "YtdlpArgs.h"

#include <QTest>

using namespace reelcatch;

namespace {

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

class TestYtdlpArgs : public QObject {
    Q_OBJECT
private slots:
    void lookup();
    void download_data();
    void download();
    void optionLikeAddressGoesLast();
};

void TestYtdlpArgs::lookup()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QStringList tail = words("-J --flat-playlist --no-playlist --no-warnings -- -x");
    QCOMPARE(YtdlpArgs::lookup(engine, QStringLiteral("-x")), words("--no-colors") + tail);

    // deno is handed over only once there is one, the managed copy first.
    TestEnv::writeExecutable(env.binDirs().at(1) + QStringLiteral("/deno"), "#!/bin/sh\n");
    QCOMPARE(YtdlpArgs::lookup(engine, QStringLiteral("-x")),
             words("--no-colors --js-runtimes")
                 << QStringLiteral("deno:") + env.binDirs().at(1) + QStringLiteral("/deno")
                 << tail);
    TestEnv::writeExecutable(engine.managedDeno(), "#!/bin/sh\n");
    QCOMPARE(YtdlpArgs::common(engine), words("--no-colors --js-runtimes")
                                            << QStringLiteral("deno:") + engine.managedDeno());
}

void TestYtdlpArgs::download_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<bool>("ffmpeg");
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<std::optional<QString>>("version");
    QTest::addColumn<bool>("steps"); // the post-processor template
    // What follows "--print after_move:RCFILE|%(filepath)s"; FF stands for
    // the folder of ffmpeg.
    QTest::addColumn<QStringList>("tail");

    const QVariantMap none;
    const QVariantMap turned{{PrefKey::h264, false},
                             {PrefKey::embedMeta, false},
                             {PrefKey::embedThumb, false},
                             {PrefKey::subs, true},
                             {PrefKey::subLangs, QStringLiteral("fr.*")},
                             {PrefKey::sponsor, true}};
    const auto v = [](const char* version) { return std::optional(QString::fromLatin1(version)); };
    auto row = [](const char* tag, Preset preset, bool ffmpeg, const QVariantMap& settings,
                  std::optional<QString> version, bool steps, const char* tail) {
        QTest::newRow(tag) << preset << ffmpeg << settings << version << steps
                           << QString::fromLatin1(tail)
                                  .replace(
                                      QStringLiteral("MERGE"),
                                      QStringLiteral("--merge-output-format mp4 --remux-video mp4"))
                                  .split(u' ', Qt::SkipEmptyParts);
    };
    row("1080p, ffmpeg, yt-dlp 2023.06.21", Preset::p1080, true, none, v("2023.06.21"), true,
        "--ffmpeg-location FF -f bv*+ba/b -S res:1080,fps,vcodec:h264,acodec:m4a MERGE "
        "--embed-metadata --embed-thumbnail");
    row("1080p, no ffmpeg: one file, no thumbnail; yt-dlp 2023.06.20", Preset::p1080, false, none,
        v("2023.06.20"), false, "-f b[ext=mp4]/b --embed-metadata");
    row("best, ffmpeg, a nightly yt-dlp", Preset::best, true, none, v("2024.11.04.232950"), true,
        "--ffmpeg-location FF -f bv*+ba/b -S res,fps,vcodec:h264,acodec:m4a MERGE --embed-metadata "
        "--embed-thumbnail");
    row("mp3, ffmpeg, version unknown", Preset::mp3, true, none, std::nullopt, false,
        "--ffmpeg-location FF -f ba/b -x --audio-format mp3 --audio-quality 0 "
        "--embed-metadata --embed-thumbnail");
    row("mp3, no ffmpeg", Preset::mp3, false, none, v("2025.01.01"), true,
        "-f ba[ext=m4a]/ba/b --embed-metadata");
    row("720p, every setting turned", Preset::p720, true, turned, v("2025.01.01"), true,
        "--ffmpeg-location FF -f bv*+ba/b -S res:720,fps,acodec:m4a MERGE --write-subs --sub-langs "
        "fr.* --embed-subs"
        " --sponsorblock-remove sponsor,selfpromo,interaction");
    row("m4a, every setting turned: no subtitles for audio", Preset::m4a, false, turned,
        v("2025.01.01"), true,
        "-f ba[ext=m4a]/ba/b --sponsorblock-remove sponsor,selfpromo,interaction");
}

void TestYtdlpArgs::download()
{
    QFETCH(Preset, preset);
    QFETCH(bool, ffmpeg);
    QFETCH(QVariantMap, settings);
    QFETCH(std::optional<QString>, version);
    QFETCH(bool, steps);
    QFETCH(QStringList, tail);
    TestEnv env;
    const Engine engine(env.engineConfig());
    if (ffmpeg) {
        TestEnv::writeExecutable(env.path(QStringLiteral("bin2/ffmpeg")), "#!/bin/sh\n");
        TestEnv::writeExecutable(env.path(QStringLiteral("bin2/ffprobe")), "#!/bin/sh\n");
    }
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    prefs.registerDefaults();
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        prefs.setValue(it.key(), it.value());
    const QString url = QStringLiteral("https://www.youtube.com/watch?v=abc");
    const QString folder = env.path(QStringLiteral("my videos"));

    QStringList expected{QStringLiteral("--no-colors"), url};
    expected << words("--no-playlist --newline --progress -P") << folder << QStringLiteral("-o")
             << QStringLiteral("%(title).180B [%(id)s].%(ext)s")
             << QStringLiteral("--progress-template") << progress;
    if (steps)
        expected << QStringLiteral("--progress-template") << postprocess;
    expected << QStringLiteral("--print") << QStringLiteral("after_move:RCFILE|%(filepath)s")
             << tail.replaceInStrings(QStringLiteral("FF"), env.path(QStringLiteral("bin2")));
    QCOMPARE(YtdlpArgs::download(engine, prefs, {url, preset, folder, version}), expected);
}

void TestYtdlpArgs::optionLikeAddressGoesLast()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    Prefs prefs(env.settingsPath(), env.downloadsDir());
    const QString url = QStringLiteral("--exec=rm -rf ~");
    const QStringList args = YtdlpArgs::download(engine, prefs, {url, {}, {}, {}});
    QCOMPARE(args.indexOf(url), args.size() - 1);
    QCOMPARE(args.at(args.size() - 2), QStringLiteral("--"));
    QCOMPARE(args.count(url), 1);
    QCOMPARE(args.at(1), QStringLiteral("--no-playlist"));
}

QTEST_GUILESS_MAIN(TestYtdlpArgs)
#include "tst_ytdlpargs.moc"
