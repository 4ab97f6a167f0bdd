#include "Download.h"

#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <limits>

using namespace reelcatch;

using namespace Qt::StringLiterals;

using Phase = Download::Phase;
Q_DECLARE_METATYPE(Download::Phase)

namespace {

VideoItem video()
{
    return *VideoItem::fromJson(QJsonObject{{u"id"_s, u"abc"_s}, {u"ie_key"_s, u"Youtube"_s}});
}

using Setter = std::function<void(Download&)>;

// The change signals, in the order of the "signal" column's indices.
const char* const published[] = {SIGNAL(phaseChanged()), SIGNAL(fractionChanged()),
                                 SIGNAL(detailChanged()), SIGNAL(fileChanged())};

} // namespace

class TestDownload : public QObject {
    Q_OBJECT
private slots:
    void newJob();
    void activeAndFinished_data();
    void activeAndFinished();
    void settersNotifyOnlyOnChange_data();
    void settersNotifyOnlyOnChange();
};

void TestDownload::newJob()
{
    Download job(video(), Preset::mp3);
    QCOMPARE(job.phase(), Phase::queued());
    QCOMPARE(job.fraction(), 0.0);
    QCOMPARE(job.detail(), u"Waiting\u2026"_s);
    QCOMPARE(job.file(), std::nullopt);
    QVERIFY(!job.id().isNull());
    QVERIFY(job.id() != Download(video(), Preset::mp3).id());

    // Rows and handlers may still hold the job after its process object is gone.
    auto* process = new QProcess;
    job.setProcess(process);
    QCOMPARE(job.process(), process);
    delete process;
    QCOMPARE(job.process(), nullptr);
}

void TestDownload::activeAndFinished_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("finished");
    QTest::newRow("queued") << Phase::queued() << false << false;
    QTest::newRow("downloading") << Phase::downloading() << true << false;
    QTest::newRow("processing") << Phase::processing() << true << false;
    QTest::newRow("done") << Phase::done() << false << true;
    QTest::newRow("failed") << Phase::failed(u"x"_s) << false << true;
    QTest::newRow("cancelled") << Phase::cancelled() << false << true;
}

void TestDownload::activeAndFinished()
{
    QFETCH(Phase, phase);
    QFETCH(bool, active);
    QFETCH(bool, finished);
    Download job(video(), Preset::best);
    job.setPhase(phase);
    QCOMPARE(job.isActive(), active);
    QCOMPARE(job.isFinished(), finished);
}

void TestDownload::settersNotifyOnlyOnChange_data()
{
    QTest::addColumn<Setter>("prepare");
    QTest::addColumn<Setter>("change");
    QTest::addColumn<int>("signal"); // index into `published`
    QTest::addColumn<bool>("notifies");

    const auto phase = [](Phase p) { return Setter([p](Download& d) { d.setPhase(p); }); };
    const auto fraction = [](double f) { return Setter([f](Download& d) { d.setFraction(f); }); };
    const auto detail = [](QString s) { return Setter([s](Download& d) { d.setDetail(s); }); };
    const auto file = [](std::optional<QString> f) {
        return Setter([f](Download& d) { d.setFile(f); });
    };
    const Setter nothing = [](Download&) {};
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();

    // Phases are equal when of one kind and, if failed, with the same message.
    QTest::newRow("phase same") << nothing << phase(Phase::queued()) << 0 << false;
    QTest::newRow("phase kind") << phase(Phase::downloading()) << phase(Phase::processing()) << 0
                                << true;
    QTest::newRow("failure same") << phase(Phase::failed(u"a"_s)) << phase(Phase::failed(u"a"_s))
                                  << 0 << false;
    QTest::newRow("failure message")
        << phase(Phase::failed(u"a"_s)) << phase(Phase::failed(u"A"_s)) << 0 << true;
    QTest::newRow("failed, no message")
        << phase(Phase::done()) << phase(Phase::failed({})) << 0 << true;
    QTest::newRow("failed vs cancelled")
        << phase(Phase::failed(u"Cancelled"_s)) << phase(Phase::cancelled()) << 0 << true;
    QTest::newRow("fraction") << nothing << fraction(0.25) << 1 << true;
    QTest::newRow("fraction same") << fraction(0.25) << fraction(0.25) << 1 << false;
    // Values outside 0 to 1 are stored pinned to the range.
    const auto fractions = [](double a, double b) {
        return Setter([a, b](Download& d) {
            d.setFraction(a);
            d.setFraction(b);
        });
    };
    QTest::newRow("above one") << fraction(1.07) << fraction(1.0) << 1 << false;
    QTest::newRow("infinite") << fraction(inf) << fraction(1.0) << 1 << false;
    QTest::newRow("below zero") << fractions(0.5, -0.2) << fraction(0.0) << 1 << false;
    QTest::newRow("NaN") << fractions(0.5, nan) << fraction(0.0) << 1 << false;
    QTest::newRow("detail") << nothing << detail(u"Starting\u2026"_s) << 2 << true;
    QTest::newRow("detail same") << nothing << detail(u"Waiting\u2026"_s) << 2 << false;
    QTest::newRow("detail three dots") << nothing << detail(u"Waiting..."_s) << 2 << true;
    QTest::newRow("file") << nothing << file(u"/d/a.mp4"_s) << 3 << true;
    QTest::newRow("file same") << file(u"/d/a.mp4"_s) << file(u"/d/a.mp4"_s) << 3 << false;
    QTest::newRow("file cleared") << file(u"/d/a.mp4"_s) << file(std::nullopt) << 3 << true;
    QTest::newRow("no file again") << nothing << file(std::nullopt) << 3 << false;
    QTest::newRow("empty path") << nothing << file(QString()) << 3 << true;
}

void TestDownload::settersNotifyOnlyOnChange()
{
    QFETCH(Setter, prepare);
    QFETCH(Setter, change);
    QFETCH(int, signal);
    QFETCH(bool, notifies);

    Download job(video(), Preset::p1080);
    prepare(job);
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* name : published)
        spies.push_back(std::make_unique<QSignalSpy>(&job, name));
    QSignalSpy changed(&job, &Download::changed);

    change(job);
    for (int i = 0; i < int(spies.size()); ++i)
        QCOMPARE(spies[i]->size(), i == signal && notifies ? 1 : 0);
    QCOMPARE(changed.size(), notifies ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestDownload)
#include "tst_download.moc"
