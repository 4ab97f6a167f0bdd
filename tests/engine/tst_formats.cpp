// FormatList and AudioChoice with Debian's yt-dlp: offline, and a DASH presentation on 127.0.0.1.
#include "HttpServer.h"
#include "TestEnv.h"
#include "engine/AudioChoice.h"
#include "model/FormatList.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace reelcatch;
using namespace Qt::StringLiterals;

namespace {

QJsonObject audio(const QString& id, const QString& language, int preference, const QString& note,
                  const QString& ext = u"webm"_s)
{
    return QJsonDocument::fromJson(
               QString::fromUtf8(
                   R"({"format_id": "%1", "url": "http:\/\/127.0.0.1:9\/%1", "ext": "%2", "vcodec": "none",
                    "acodec": "%3", "abr": 130, "language": "%4", "language_preference": %5,
                    "format_note": "%6"})")
                   .arg(id, ext, ext == "m4a"_L1 ? u"mp4a.40.2"_s : u"opus"_s, language,
                        QString::number(preference), note)
                   .toUtf8())
        .object();
}

// A YouTube video as yt-dlp answers for it (worst first), with these audio
// tracks after two pictures and a progressive 360p.
// ("\/" in the raw strings: moc would read "//" as a comment.)
QJsonObject answer(const QJsonArray& tracks)
{
    QJsonObject video = QJsonDocument::fromJson(R"({"id": "abc", "title": "t",
        "extractor_key": "Youtube", "webpage_url": "http:\/\/127.0.0.1:9\/abc", "formats": [
        {"format_id": "18", "url": "http:\/\/127.0.0.1:9\/18", "ext": "mp4", "vcodec": "avc1.42001E",
         "acodec": "mp4a.40.2", "height": 360, "filesize_approx": 5e6},
        {"format_id": "136", "url": "http:\/\/127.0.0.1:9\/136", "ext": "mp4", "vcodec": "avc1.4d401f",
         "acodec": "none", "height": 720, "fps": 30, "filesize": 9e6},
        {"format_id": "303", "url": "http:\/\/127.0.0.1:9\/303", "ext": "webm", "acodec": "none",
         "vcodec": "vp09.00.41.08", "height": 1080, "fps": 60, "dynamic_range": "HDR10"}]})")
                            .object();
    QJsonArray formats = video.value(u"formats"_s).toArray();
    for (const QJsonValue& track : tracks)
        formats.append(track);
    video.insert(u"formats"_s, formats);
    return video;
}

// Current yt-dlp: the original marked, an automatic dub, an unmarked human dub, descriptions.
const QJsonArray current{
    audio(u"251-2"_s, u"en-desc"_s, -10, u"English descriptive, medium"_s),
    audio(u"251-4"_s, u"ja-desc"_s, -10, u"Japanese descriptive, medium"_s),
    audio(u"251-3"_s, u"fr"_s, -1, u"French (France), medium"_s),
    audio(u"251-1"_s, u"en"_s, -1, u"English (United States) dubbed-auto, medium"_s),
    audio(u"140-0"_s, u"de"_s, 10, u"German original (default), medium"_s, u"m4a"_s),
    audio(u"251-0"_s, u"de"_s, 10, u"German original (default), medium"_s)};
// yt-dlp 2023.03.04: only the default track ranked, the original in Opus only, a dub in M4A.
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
    const QString pictures =
        u"303: 1080p60 VP9 HDR10\n136: 720p H.264 9000000\n18: 360p H.264 with sound ~5000000\n"_s;
    QTest::newRow("current") << doc(answer(current))
                             << pictures +
                                    u"251-0: German (original)\n140-0: German (original)\n"
                                    u"251-1: English (automatic dub)\n251-3: French (dubbed)\n"
                                    u"251-4: Japanese (audio description)\n"
                                    u"251-2: English (audio description)\nlanguages: de,en,fr"_s;
    QTest::newRow("dub made default")
        << doc(answer(dubDefault))
        << pictures + u"140-1: English (dubbed)\n251-0: German (original)\n"
                      u"languages: de,en"_s;
    // Wrong types, hostile sizes and text, duplicates (the better kept),
    // storyboards, a site naming no kind of track.
    QTest::newRow("malformed")
        << R"({"formats": [7, null, {"format_id": 5}, {"format_id": "e", "language": "fr"},
              {"format_id": "a b", "vcodec": "vp9"}, {"format_id": "sb0", "vcodec": "none", "acodec": "none"},
              {"format_id": "y", "vcodec": "vp9", "height": 1e308, "fps": -3, "filesize": 1e300, "width": "640"},
              {"format_id": "d", "vcodec": "none", "acodec": "opus", "language": "deu"},
              {"format_id": "e", "vcodec": "none", "language": "xx-YY", "format_note": 3},
              {"format_id": "x", "vcodec": "avc1", "height": 480.5, "language_preference": 10}]})"_ba
        << u"x: 480p H.264 with sound\ny: Video VP9 with sound\ne: xx-YY\nd: German\nlanguages: xx-YY,deu"_s;
    QTest::newRow("not an answer") << "[{\"formats\": []}]"_ba << u"\nlanguages: "_s;
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
    const bool many = qstrcmp(QTest::currentDataTag(), "100000 formats") == 0;
    QVERIFY(list.video.size() + list.audio.size() <= FormatList::maxFormats);
    QCOMPARE(many ? summary(list).section(u'\n', 0, 1) : summary(list), expected);
}

void TestFormats::ytdlpTakesTheTrack_data()
{
    QTest::addColumn<QJsonObject>("answer");
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("taken");
    const QJsonObject now = answer(current);
    const Preset p720 = Preset::p720, mp3 = Preset::mp3;
    QTest::newRow("original") << now << p720 << QString() << u"136+140-0"_s;
    QTest::newRow("original, m4a") << now << Preset(Preset::m4a) << QString() << u"140-0"_s;
    QTest::newRow("asked, a human dub") << now << p720 << u"fr"_s << u"136+251-3"_s;
    QTest::newRow("asked, an automatic dub") << now << mp3 << u"en-US"_s << u"251-1"_s;
    QTest::newRow("asked, only a description") << now << p720 << u"ja"_s << u"136+140-0"_s;
    QTest::newRow("asked, absent") << now << Preset(Preset::best) << u"es"_s << u"303+140-0"_s;
    QTest::newRow("older, other codec")
        << answer(olderDefault) << p720 << QString() << u"136+251-0"_s;
    QTest::newRow("older, dub default") << answer(dubDefault) << mp3 << QString() << u"251-0"_s;
    QTest::newRow("older, auto-dub") << answer(autoDubDefault) << mp3 << QString() << u"251-0"_s;
    QTest::newRow("not a code") << now << mp3 << u"fr']/b[x='"_s << u"251-0"_s;
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
    const QStringList args =
        u"--ignore-config --load-info-json %1 --simulate --print format_id"_s.arg(info).split(u' ');
    const ProcessResult r =
        runProcess(u"/usr/bin/yt-dlp"_s, args + AudioChoice::formatArgs(preset, false, language),
                   env.childEnvironment());
    QVERIFY2(r.ok(), r.err.constData());
    QCOMPARE(QString::fromUtf8(r.out).trimmed(), taken);
}

void TestFormats::downloadsAPickFromDash()
{
    // The tracks told apart in the file by sample rate: yt-dlp's merge drops the language.
    TestEnv env;
    const QString www = env.path(u"www"_s);
    QByteArray error;
    QVERIFY2(!TestEnv::makeDash(www, &error).isEmpty(), error.constData());
    HttpServer server;
    server.serveFolder(www);
    const QString url = server.url(u"/manifest.mpd"_s);

    const ProcessResult lookup = runProcess(
        u"/usr/bin/yt-dlp"_s, {u"--ignore-config"_s, u"-J"_s, url}, env.childEnvironment());
    QVERIFY2(lookup.ok(), lookup.err.constData());
    const FormatList list = FormatList::parse(lookup.out);
    QCOMPARE(list.video.size(), 2);
    QVERIFY(list.video[0].height == 360 && list.video[1].height == 180);
    QStringList languages = list.languages();
    languages.sort();
    QCOMPARE(languages, QStringList({u"deu"_s, u"eng"_s}));

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
