#include "Preset.h"

#include <QTest>

using namespace reelcatch;

using namespace Qt::StringLiterals;

namespace {

QStringList videoArgs(const QString& sort)
{
    return {u"-f"_s,  u"bv*+ba/b"_s,      u"-S"_s, sort, u"--merge-output-format"_s,
            u"mp4"_s, u"--remux-video"_s, u"mp4"_s};
}

const QStringList mp3Args{
    u"-f"_s, u"ba/b"_s, u"-x"_s, u"--audio-format"_s, u"mp3"_s, u"--audio-quality"_s, u"0"_s};
const QStringList m4aArgs{u"-f"_s, u"ba[ext=m4a]/ba/b"_s, u"-x"_s, u"--audio-format"_s, u"m4a"_s};

} // namespace

class TestPreset : public QObject {
    Q_OBJECT
private slots:
    void cases_data();
    void cases();
    void allCasesInPickerOrder();
    void rejectsOtherRawValues();
    void args_data();
    void args();
};

void TestPreset::cases_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QString>("label"); // the row name is the raw value
    QTest::addColumn<QString>("badge");
    QTest::addColumn<int>("height"); // 0: none

    QTest::newRow("best") << Preset(Preset::best) << u"Best available"_s << u"Best"_s << 0;
    QTest::newRow("p2160") << Preset(Preset::p2160) << u"4K (2160p)"_s << u"2160p"_s << 2160;
    QTest::newRow("p1440") << Preset(Preset::p1440) << u"1440p"_s << u"1440p"_s << 1440;
    QTest::newRow("p1080") << Preset(Preset::p1080) << u"1080p"_s << u"1080p"_s << 1080;
    QTest::newRow("p720") << Preset(Preset::p720) << u"720p"_s << u"720p"_s << 720;
    QTest::newRow("p480") << Preset(Preset::p480) << u"480p"_s << u"480p"_s << 480;
    QTest::newRow("mp3") << Preset(Preset::mp3) << u"Audio only (MP3)"_s << u"MP3"_s << 0;
    QTest::newRow("m4a") << Preset(Preset::m4a) << u"Audio only (M4A)"_s << u"M4A"_s << 0;
}

void TestPreset::cases()
{
    QFETCH(Preset, preset);
    QFETCH(QString, label);
    QFETCH(QString, badge);
    const QString raw = QString::fromLatin1(QTest::currentDataTag());
    QFETCH(int, height);

    QCOMPARE(preset.rawValue(), raw);
    QCOMPARE(Preset::fromRawValue(raw), std::optional<Preset>(preset));
    QCOMPARE(preset.label(), label);
    QCOMPARE(preset.shortLabel(), badge);
    QCOMPARE(preset.height(), height ? std::optional<int>(height) : std::nullopt);
}

void TestPreset::allCasesInPickerOrder()
{
    const QList<Preset> expected{Preset::best, Preset::p2160, Preset::p1440, Preset::p1080,
                                 Preset::p720, Preset::p480,  Preset::mp3,   Preset::m4a};
    QCOMPARE(Preset::allCases(), expected);
    QCOMPARE(Preset(), Preset(Preset::p1080));
}

void TestPreset::rejectsOtherRawValues()
{
    for (const QString& raw : {u""_s, u"P1080"_s, u"Best"_s, u"MP3"_s, u"Best available"_s,
                               u"1080p"_s, u"4K (2160p)"_s, u" p720\n"_s})
        QVERIFY2(!Preset::fromRawValue(raw), qPrintable(raw));
}

void TestPreset::args_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<bool>("h264");
    QTest::addColumn<QStringList>("expected");

    const QString h264 = u",fps,vcodec:h264,acodec:m4a"_s;
    const QString anyCodec = u",fps,acodec:m4a"_s;
    QTest::newRow("best h264") << Preset(Preset::best) << true << videoArgs(u"res"_s + h264);
    QTest::newRow("best any") << Preset(Preset::best) << false << videoArgs(u"res"_s + anyCodec);
    QTest::newRow("p2160 h264") << Preset(Preset::p2160) << true << videoArgs(u"res:2160"_s + h264);
    QTest::newRow("p2160 any") << Preset(Preset::p2160) << false
                               << videoArgs(u"res:2160"_s + anyCodec);
    QTest::newRow("p1440 h264") << Preset(Preset::p1440) << true << videoArgs(u"res:1440"_s + h264);
    QTest::newRow("p1080 h264") << Preset(Preset::p1080) << true << videoArgs(u"res:1080"_s + h264);
    QTest::newRow("p720 any") << Preset(Preset::p720) << false
                              << videoArgs(u"res:720"_s + anyCodec);
    QTest::newRow("p480 h264") << Preset(Preset::p480) << true << videoArgs(u"res:480"_s + h264);
    QTest::newRow("mp3 h264") << Preset(Preset::mp3) << true << mp3Args;
    QTest::newRow("mp3 any") << Preset(Preset::mp3) << false << mp3Args;
    QTest::newRow("m4a h264") << Preset(Preset::m4a) << true << m4aArgs;
    QTest::newRow("m4a any") << Preset(Preset::m4a) << false << m4aArgs;
}

void TestPreset::args()
{
    QFETCH(Preset, preset);
    QFETCH(bool, h264);
    QFETCH(QStringList, expected);
    QCOMPARE(preset.args(h264), expected);
}

QTEST_GUILESS_MAIN(TestPreset)
#include "tst_preset.moc"
