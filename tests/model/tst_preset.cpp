#include "Preset.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPreset : public QObject {
    Q_OBJECT
private slots:
    void cases_data();
    void cases();
    void allCasesInPickerOrder();
    void rejectsOtherRawValues_data();
    void rejectsOtherRawValues();
    void videoArgs_data();
    void videoArgs();
    void audioArgsIgnoreH264_data();
    void audioArgsIgnoreH264();
    void h264OnlyChangesTheSortString();
    void hashFollowsRawValue();
};

void TestPreset::cases_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("badge");
    QTest::addColumn<bool>("audio");
    QTest::addColumn<int>("height"); // 0: none

    QTest::newRow("best") << Preset(Preset::best) << u"best"_s << u"Best available"_s << u"Best"_s
                          << false << 0;
    QTest::newRow("p2160") << Preset(Preset::p2160) << u"p2160"_s << u"4K (2160p)"_s << u"2160p"_s
                           << false << 2160;
    QTest::newRow("p1440") << Preset(Preset::p1440) << u"p1440"_s << u"1440p"_s << u"1440p"_s
                           << false << 1440;
    QTest::newRow("p1080") << Preset(Preset::p1080) << u"p1080"_s << u"1080p"_s << u"1080p"_s
                           << false << 1080;
    QTest::newRow("p720") << Preset(Preset::p720) << u"p720"_s << u"720p"_s << u"720p"_s << false
                          << 720;
    QTest::newRow("p480") << Preset(Preset::p480) << u"p480"_s << u"480p"_s << u"480p"_s << false
                          << 480;
    QTest::newRow("mp3") << Preset(Preset::mp3) << u"mp3"_s << u"Audio only (MP3)"_s << u"MP3"_s
                         << true << 0;
    QTest::newRow("m4a") << Preset(Preset::m4a) << u"m4a"_s << u"Audio only (M4A)"_s << u"M4A"_s
                         << true << 0;
}

void TestPreset::cases()
{
    QFETCH(Preset, preset);
    QFETCH(QString, raw);
    QFETCH(QString, label);
    QFETCH(QString, badge);
    QFETCH(bool, audio);
    QFETCH(int, height);

    QCOMPARE(preset.rawValue(), raw);
    QCOMPARE(preset.id(), raw);
    QCOMPARE(Preset::fromRawValue(raw), std::optional<Preset>(preset));
    QCOMPARE(preset.label(), label);
    QCOMPARE(preset.shortLabel(), badge);
    QCOMPARE(preset.isAudio(), audio);
    QCOMPARE(preset.height(), height ? std::optional<int>(height) : std::nullopt);
}

void TestPreset::allCasesInPickerOrder()
{
    const QList<Preset> expected{Preset::best, Preset::p2160, Preset::p1440, Preset::p1080,
                                 Preset::p720, Preset::p480,  Preset::mp3,   Preset::m4a};
    QCOMPARE(Preset::allCases(), expected);
    QCOMPARE(Preset(), Preset(Preset::p1080));
}

void TestPreset::rejectsOtherRawValues_data()
{
    QTest::addColumn<QString>("raw");
    QTest::newRow("empty") << QString();
    QTest::newRow("empty, not null") << u""_s;
    QTest::newRow("upper case") << u"P1080"_s;
    QTest::newRow("mixed case") << u"Best"_s;
    QTest::newRow("audio upper case") << u"MP3"_s;
    QTest::newRow("label") << u"Best available"_s;
    QTest::newRow("resolution label") << u"1080p"_s;
    QTest::newRow("4K label") << u"4K (2160p)"_s;
    QTest::newRow("short label") << u"2160p"_s;
    QTest::newRow("leading space") << u" p720"_s;
    QTest::newRow("trailing newline") << u"p720\n"_s;
    QTest::newRow("height alone") << u"1080"_s;
    QTest::newRow("unknown") << u"p360"_s;
}

void TestPreset::rejectsOtherRawValues()
{
    QFETCH(QString, raw);
    QCOMPARE(Preset::fromRawValue(raw), std::nullopt);
}

void TestPreset::videoArgs_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<bool>("h264");
    QTest::addColumn<QString>("sort");

    QTest::newRow("best h264") << Preset(Preset::best) << true
                               << u"res,fps,vcodec:h264,acodec:m4a"_s;
    QTest::newRow("best any codec") << Preset(Preset::best) << false << u"res,fps,acodec:m4a"_s;
    QTest::newRow("p2160 h264") << Preset(Preset::p2160) << true
                                << u"res:2160,fps,vcodec:h264,acodec:m4a"_s;
    QTest::newRow("p2160 any codec")
        << Preset(Preset::p2160) << false << u"res:2160,fps,acodec:m4a"_s;
    QTest::newRow("p1440 h264") << Preset(Preset::p1440) << true
                                << u"res:1440,fps,vcodec:h264,acodec:m4a"_s;
    QTest::newRow("p1080 h264") << Preset(Preset::p1080) << true
                                << u"res:1080,fps,vcodec:h264,acodec:m4a"_s;
    QTest::newRow("p1080 any codec")
        << Preset(Preset::p1080) << false << u"res:1080,fps,acodec:m4a"_s;
    QTest::newRow("p720 any codec") << Preset(Preset::p720) << false << u"res:720,fps,acodec:m4a"_s;
    QTest::newRow("p480 h264") << Preset(Preset::p480) << true
                               << u"res:480,fps,vcodec:h264,acodec:m4a"_s;
}

void TestPreset::videoArgs()
{
    QFETCH(Preset, preset);
    QFETCH(bool, h264);
    QFETCH(QString, sort);
    const QStringList expected{
        u"-f"_s,  u"bv*+ba/b"_s,      u"-S"_s, sort, u"--merge-output-format"_s,
        u"mp4"_s, u"--remux-video"_s, u"mp4"_s};
    QCOMPARE(preset.args(h264), expected);
}

void TestPreset::audioArgsIgnoreH264_data()
{
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("mp3") << Preset(Preset::mp3) << QStringList{u"-f"_s,  u"ba/b"_s,
                                                               u"-x"_s,  u"--audio-format"_s,
                                                               u"mp3"_s, u"--audio-quality"_s,
                                                               u"0"_s};
    QTest::newRow("m4a") << Preset(Preset::m4a)
                         << QStringList{u"-f"_s, u"ba[ext=m4a]/ba/b"_s, u"-x"_s,
                                        u"--audio-format"_s, u"m4a"_s};
}

void TestPreset::audioArgsIgnoreH264()
{
    QFETCH(Preset, preset);
    QFETCH(QStringList, expected);
    QCOMPARE(preset.args(true), expected);
    QCOMPARE(preset.args(false), expected);
}

void TestPreset::h264OnlyChangesTheSortString()
{
    for (const Preset preset : Preset::allCases()) {
        const QStringList with = preset.args(true);
        const QStringList without = preset.args(false);
        QCOMPARE(with.size(), without.size());
        for (qsizetype i = 0; i < with.size(); ++i) {
            const bool mayDiffer = !preset.isAudio() && i == 3;
            if (mayDiffer)
                QVERIFY2(with.at(i) != without.at(i), qPrintable(preset.rawValue()));
            else
                QCOMPARE(with.at(i), without.at(i));
        }
    }
}

void TestPreset::hashFollowsRawValue()
{
    QSet<Preset> set;
    for (const Preset preset : Preset::allCases()) {
        set.insert(preset);
        QCOMPARE(qHash(preset, 7), qHash(preset.rawValue(), 7));
    }
    set.insert(*Preset::fromRawValue(u"p720"_s));
    QCOMPARE(set.size(), 8);
}

QTEST_GUILESS_MAIN(TestPreset)
#include "tst_preset.moc"
