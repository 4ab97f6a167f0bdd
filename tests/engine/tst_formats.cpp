// The formats a video has, as read from yt-dlp's answer, and the audio track a
// download takes: checked against Debian's own yt-dlp (choosing among
// YouTube-shaped answers offline, and listing and downloading a DASH
// presentation made by ffmpeg and served on 127.0.0.1).
#include "HttpServer.h"
#include "TestEnv.h"
#include "engine/AudioChoice.h"
#include "model/FormatList.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTest>

using namespace reelcatch;
using namespace Qt::StringLiterals;

namespace {

QJsonObject audio(const QString& id, const QString& language, int preference, const QString& note,
                  const QString& ext = u"webm"_s)
{
    return {{u"format_id"_s, id},
            {u"url"_s, u"http://127.0.0.1:9/"_s + id},
            {u"ext"_s, ext},
            {u"vcodec"_s, u"none"_s},
            {u"acodec"_s, ext == "m4a"_L1 ? u"mp4a.40.2"_s : u"opus"_s},
            {u"abr"_s, 130},
            {u"language"_s, language},
            {u"language_preference"_s, preference},
            {u"format_note"_s, note}};
}

// A YouTube video as yt-dlp answers for it (worst first), with these audio
// tracks after two pictures and a progressive 360p.
QJsonObject answer(const QJsonArray& tracks)
{
    QJsonArray formats{QJsonObject{{u"format_id"_s, u"18"_s},
                                   {u"url"_s, u"http://127.0.0.1:9/18"_s},
                                   {u"ext"_s, u"mp4"_s},
                                   {u"vcodec"_s, u"avc1.42001E"_s},
                                   {u"acodec"_s, u"mp4a.40.2"_s},
                                   {u"height"_s, 360},
                                   {u"filesize_approx"_s, 5e6}},
                       QJsonObject{{u"format_id"_s, u"136"_s},
                                   {u"url"_s, u"http://127.0.0.1:9/136"_s},
                                   {u"ext"_s, u"mp4"_s},
                                   {u"vcodec"_s, u"avc1.4d401f"_s},
                                   {u"acodec"_s, u"none"_s},
                                   {u"height"_s, 720},
                                   {u"fps"_s, 30},
                                   {u"filesize"_s, 9e6}},
                       QJsonObject{{u"format_id"_s, u"303"_s},
                                   {u"url"_s, u"http://127.0.0.1:9/303"_s},
                                   {u"ext"_s, u"webm"_s},
                                   {u"vcodec"_s, u"vp09.00.41.08"_s},
                                   {u"acodec"_s, u"none"_s},
                                   {u"height"_s, 1080},
                                   {u"fps"_s, 60},
                                   {u"dynamic_range"_s, u"HDR10"_s}}};
    for (const QJsonValue& track : tracks)
        formats.append(track);
    return {{u"id"_s, u"abc"_s},
            {u"title"_s, u"t"_s},
            {u"extractor_key"_s, u"Youtube"_s},
            {u"webpage_url"_s, u"http://127.0.0.1:9/abc"_s},
            {u"formats"_s, formats}};
}

// Current yt-dlp: the original marked, an automatic dub, an unmarked human
// dub, description tracks.
const QJsonArray current{
    audio(u"251-2"_s, u"en-desc"_s, -10, u"English descriptive, medium"_s),
    audio(u"251-4"_s, u"ja-desc"_s, -10, u"Japanese descriptive, medium"_s),
    audio(u"251-3"_s, u"fr"_s, -1, u"French (France), medium"_s),
    audio(u"251-1"_s, u"en"_s, -1, u"English (United States) dubbed-auto, medium"_s),
    audio(u"140-0"_s, u"de"_s, 10, u"German original (default), medium"_s, u"m4a"_s),
    audio(u"251-0"_s, u"de"_s, 10, u"German original (default), medium"_s)};
// yt-dlp 2023.03.04: only the default track ranked, the original in Opus
// only, a dub in M4A.
const QJsonArray olderDefault{audio(u"140-1"_s, u"en"_s, -1, u"English, medium"_s, u"m4a"_s),
                              audio(u"251-0"_s, u"de"_s, 10, u"German (default), medium"_s)};
// ... and a dub, named for its language only, made the default.
const QJsonArray dubDefault{
    audio(u"251-0"_s, u"de"_s, -1, u"German original, medium"_s),
    audio(u"140-1"_s, u"en"_s, 10, u"English (default), medium"_s, u"m4a"_s)};

// ... or an automatic dub, the original not named so.
const QJsonArray autoDubDefault{
    audio(u"251-0"_s, u"de"_s, -1, u"German, medium"_s),
    audio(u"140-1"_s, u"en"_s, 10, u"English dubbed-auto (default), medium"_s, u"m4a"_s)};

// One line per format, best first.
QString summary(const FormatList& list)
{
    QStringList lines;
    const auto sized = [](const StreamSize& s) {
        return s.bytes ? (s.approximate ? u" ~"_s : u" "_s) + QString::number(s.bytes) : QString();
    };
    for (const VideoFormat& f : list.video)
        lines << f.id + u": "_s + f.description() + sized(f.size);
    for (const AudioFormat& f : list.audio)
        lines << f.id + u": "_s + f.description() + sized(f.size);
    return lines.join(u'\n') + u"\nlanguages: "_s + list.languages().join(u',');
}

} // namespace

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void parsesAnswers_data();
    void parsesAnswers();
    void ytdlpTakesTheTrack_data();
    void ytdlpTakesTheTrack();
    void downloadsAPickFromDash();
};

void TestFormats::parsesAnswers_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("expected");
    const auto doc = [](const QJsonObject& o) { return QJsonDocument(o).toJson(); };
    QTest::newRow("current") << doc(answer(current))
                             << u"303: 1080p60 VP9 HDR10\n136: 720p H.264 9000000\n"
                                u"18: 360p H.264 with sound ~5000000\n"
                                u"251-0: German (original)\n140-0: German (original)\n"
                                u"251-1: English (automatic dub)\n251-3: French (dubbed)\n"
                                u"251-4: Japanese (audio description)\n"
                                u"251-2: English (audio description)\nlanguages: de,en,fr"_s;
    QTest::newRow("dub made default") << doc(answer(dubDefault))
                                      << u"303: 1080p60 VP9 HDR10\n136: 720p H.264 9000000\n"
                                         u"18: 360p H.264 with sound ~5000000\n"
                                         u"140-1: English (dubbed)\n251-0: German (original)\n"
                                         u"languages: de,en"_s;
    // Wrong types, hostile sizes and text, duplicates (the better kept),
    // storyboards, a site naming no kind of track.
    QTest::newRow("malformed")
        << R"({"formats": [7, null, {"format_id": 5}, {"format_id": "e", "language": "fr"}, {"format_id": "a b", "vcodec": "vp9"},
              {"format_id": "sb0", "vcodec": "none", "acodec": "none", "height": 90},
              {"format_id": "y", "vcodec": "vp9", "height": 1e308, "fps": -3, "filesize": 1e300,
               "width": "640"},
              {"format_id": "d", "vcodec": "none", "acodec": "opus", "language": "deu"},
              {"format_id": "e", "vcodec": "none", "language": "xx-YY", "format_note": 3},
              {"format_id": "x", "vcodec": "avc1", "height": 480.5, "width": 854,
               "language_preference": 10}]})"_ba
        << u"x: 480p H.264 with sound\ny: Video VP9 with sound\ne: xx-YY\nd: German\nlanguages: xx-YY,deu"_s;
    QTest::newRow("not an answer") << "[{\"formats\": []}]"_ba << u"\nlanguages: "_s;
    QTest::newRow("formats not a list") << R"({"formats": {"0": {}}})"_ba << u"\nlanguages: "_s;
    QByteArray many = R"({"formats": [)";
    for (int i = 0; i < 100000; ++i)
        many += R"({"format_id": ")" + QByteArray::number(i) + R"(", "vcodec": "none"},)";
    many += R"({"format_id": "best", "height": 1}]})";
    QTest::newRow("100000 formats") << many << u"best: 1p with sound\n99999: Audio"_s;
}

void TestFormats::parsesAnswers()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, expected);
    const FormatList list = FormatList::parse(json);
    if (qstrcmp(QTest::currentDataTag(), "100000 formats") == 0) {
        QCOMPARE(list.video.size() + list.audio.size(), FormatList::maxFormats);
        QCOMPARE(summary(list).section(u'\n', 0, 1), expected);
        return;
    }
    QCOMPARE(summary(list), expected);
}

void TestFormats::ytdlpTakesTheTrack_data()
{
    QTest::addColumn<QJsonObject>("answer");
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("taken");
    const QJsonObject now = answer(current);
    QTest::newRow("original") << now << Preset(Preset::p720) << QString() << u"136+140-0"_s;
    QTest::newRow("original, m4a") << now << Preset(Preset::m4a) << QString() << u"140-0"_s;
    QTest::newRow("asked, a human dub") << now << Preset(Preset::p720) << u"fr"_s << u"136+251-3"_s;
    QTest::newRow("asked, an automatic dub")
        << now << Preset(Preset::mp3) << u"en-US"_s << u"251-1"_s;
    QTest::newRow("asked, only a description")
        << now << Preset(Preset::p720) << u"ja"_s << u"136+140-0"_s;
    QTest::newRow("asked, absent") << now << Preset(Preset::best) << u"es"_s << u"303+140-0"_s;
    QTest::newRow("older, default in another codec")
        << answer(olderDefault) << Preset(Preset::p720) << QString() << u"136+251-0"_s;
    QTest::newRow("older, a dub made default")
        << answer(dubDefault) << Preset(Preset::mp3) << QString() << u"251-0"_s;
    QTest::newRow("older, an automatic dub made default")
        << answer(autoDubDefault) << Preset(Preset::mp3) << QString() << u"251-0"_s;
    QTest::newRow("not a code") << now << Preset(Preset::mp3) << u"fr']/b[x='"_s << u"251-0"_s;
}

void TestFormats::ytdlpTakesTheTrack()
{
    QFETCH(QJsonObject, answer);
    QFETCH(Preset, preset);
    QFETCH(QString, language);
    QFETCH(QString, taken);
    TestEnv env;
    const QString info =
        TestEnv::writeFile(env.path(u"info.json"_s), QJsonDocument(answer).toJson());
    const ProcessResult r =
        runProcess(u"/usr/bin/yt-dlp"_s,
                   QStringList{u"--ignore-config"_s, u"--load-info-json"_s, info, u"--simulate"_s,
                               u"--print"_s, u"format_id"_s} +
                       AudioChoice::formatArgs(preset, false, language),
                   env.childEnvironment());
    QVERIFY2(r.ok(), r.err.constData());
    QCOMPARE(QString::fromUtf8(r.out).trimmed(), taken);
}

void TestFormats::downloadsAPickFromDash()
{
    // Two pictures and two tracks, told apart in the file by their sample
    // rates: yt-dlp's merge drops the language tag.
    TestEnv env;
    const QString www = env.path(u"www"_s);
    QVERIFY(QDir().mkpath(www));
    const QStringList make =
        u"-nostdin -loglevel error -f lavfi -i testsrc=duration=2:size=640x360:rate=25 "
        u"-f lavfi -i sine=frequency=440:duration=2:sample_rate=48000 "
        u"-f lavfi -i sine=frequency=660:duration=2:sample_rate=24000 -map 0:v -map 0:v "
        u"-map 1:a -map 2:a -c:v libx264 -preset ultrafast -c:a aac -s:v:0 640x360 "
        u"-s:v:1 320x180 -metadata:s:a:0 language=deu -metadata:s:a:1 language=eng -f dash "
        u"-adaptation_sets"_s.split(u' ')
        << u"id=0,streams=v id=1,streams=2 id=2,streams=3"_s << www + u"/manifest.mpd"_s;
    const ProcessResult made = runProcess(u"/usr/bin/ffmpeg"_s, make, env.childEnvironment());
    QVERIFY2(made.ok(), made.err.constData());
    HttpServer server;
    for (const QString& name : QDir(www).entryList(QDir::Files))
        server.serveFile(u'/' + name, www + u'/' + name);
    const QString url = server.url(u"/manifest.mpd"_s);

    const ProcessResult lookup = runProcess(
        u"/usr/bin/yt-dlp"_s, {u"--ignore-config"_s, u"-J"_s, url}, env.childEnvironment());
    QVERIFY2(lookup.ok(), lookup.err.constData());
    const FormatList list = FormatList::parse(lookup.out);
    QStringList heights;
    for (const VideoFormat& f : list.video)
        heights << QString::number(f.height);
    QCOMPARE(heights, QStringList({u"360"_s, u"180"_s}));
    const QStringList languages = list.languages();
    QCOMPARE(QSet<QString>(languages.begin(), languages.end()),
             QSet<QString>({u"deu"_s, u"eng"_s}));

    const QString out = env.downloadsDir() + u"/clip.mp4"_s;
    const ProcessResult got = runProcess(u"/usr/bin/yt-dlp"_s,
                                         QStringList{u"--ignore-config"_s, u"-o"_s, out, url} +
                                             AudioChoice::formatArgs(Preset::p480, false, u"en"_s),
                                         env.childEnvironment(), 120000);
    QVERIFY2(got.ok(), got.err.constData());
    const ProcessResult probe = runProcess(
        u"/usr/bin/ffprobe"_s, {u"-v"_s, u"error"_s, u"-show_entries"_s,
                                u"stream=height,sample_rate"_s, u"-of"_s, u"csv=p=0"_s, out});
    QCOMPARE(QString::fromUtf8(probe.out).split(u'\n', Qt::SkipEmptyParts),
             QStringList({u"360"_s, u"24000"_s}));
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
