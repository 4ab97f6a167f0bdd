#include "Download.h"

#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

using Phase = Download::Phase;
Q_DECLARE_METATYPE(Download::Phase)

namespace {

VideoItem video(const QString& id)
{
    return *VideoItem::fromJson(
        QJsonObject{{u"id"_s, id}, {u"ie_key"_s, u"Youtube"_s}, {u"title"_s, u"Clip"_s}});
}

using Setter = std::function<void(Download&)>;

} // namespace

class TestDownload : public QObject {
    Q_OBJECT
private slots:
    void newJobIsQueuedAndWaiting();
    void jobsFromTheSameItemAreDistinct();
    void phaseEquality_data();
    void phaseEquality();
    void activeAndFinished_data();
    void activeAndFinished();
    void settersNotifyOnlyOnChange_data();
    void settersNotifyOnlyOnChange();
    void fractionStaysInRange_data();
    void fractionStaysInRange();
    void processAndErrorLinesNotifyNobody();
    void processHandleClearsWhenTheProcessGoes();
};

void TestDownload::newJobIsQueuedAndWaiting()
{
    const Download job(video(u"abc"_s), Preset::mp3);
    QCOMPARE(job.phase(), Phase::queued());
    QCOMPARE(job.fraction(), 0.0);
    QCOMPARE(job.detail(), u"Waiting\u2026"_s);
    QCOMPARE(job.detail().size(), 8); // one ellipsis character, not three dots
    QCOMPARE(job.file(), std::nullopt);
    QCOMPARE(job.process(), nullptr);
    QVERIFY(job.errorLines().isEmpty());
    QVERIFY(!job.isActive());
    QVERIFY(!job.isFinished());
    QCOMPARE(job.video(), video(u"abc"_s));
    QCOMPARE(job.preset(), Preset(Preset::mp3));
    QVERIFY(!job.id().isNull());
}

void TestDownload::jobsFromTheSameItemAreDistinct()
{
    const VideoItem item = video(u"abc"_s);
    const Download a(item, Preset::p720);
    const Download b(item, Preset::p720);
    QVERIFY(a.id() != b.id());
    QCOMPARE(a.video(), b.video());
    QCOMPARE(a.preset(), b.preset());
}

void TestDownload::phaseEquality_data()
{
    QTest::addColumn<Phase>("a");
    QTest::addColumn<Phase>("b");
    QTest::addColumn<bool>("equal");

    QTest::newRow("queued") << Phase::queued() << Phase::queued() << true;
    QTest::newRow("cancelled") << Phase::cancelled() << Phase::cancelled() << true;
    QTest::newRow("failed, same message")
        << Phase::failed(u"No space"_s) << Phase::failed(u"No space"_s) << true;
    QTest::newRow("failed, other message")
        << Phase::failed(u"No space"_s) << Phase::failed(u"No network"_s) << false;
    QTest::newRow("failed, message differs in case")
        << Phase::failed(u"oops"_s) << Phase::failed(u"Oops"_s) << false;
    QTest::newRow("failed empty vs queued") << Phase::failed(QString()) << Phase::queued() << false;
    QTest::newRow("failed empty vs done") << Phase::failed(u""_s) << Phase::done() << false;
    QTest::newRow("failed vs cancelled")
        << Phase::failed(u"Cancelled"_s) << Phase::cancelled() << false;
    QTest::newRow("downloading vs processing")
        << Phase::downloading() << Phase::processing() << false;
    QTest::newRow("done vs queued") << Phase::done() << Phase::queued() << false;
}

void TestDownload::phaseEquality()
{
    QFETCH(Phase, a);
    QFETCH(Phase, b);
    QFETCH(bool, equal);
    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    QCOMPARE(a != b, !equal);
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
    Download job(video(u"v"_s), Preset::best);
    job.setPhase(phase);
    QCOMPARE(job.phase(), phase);
    QCOMPARE(job.isActive(), active);
    QCOMPARE(job.isFinished(), finished);
}

void TestDownload::settersNotifyOnlyOnChange_data()
{
    QTest::addColumn<Setter>("prepare");
    QTest::addColumn<Setter>("change");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<bool>("notifies");

    const Setter nothing = [](Download&) {};
    const QByteArray phase = QMetaObject::normalizedSignature(SIGNAL(phaseChanged()));
    const QByteArray fraction = QMetaObject::normalizedSignature(SIGNAL(fractionChanged()));
    const QByteArray detail = QMetaObject::normalizedSignature(SIGNAL(detailChanged()));
    const QByteArray file = QMetaObject::normalizedSignature(SIGNAL(fileChanged()));

    QTest::newRow("phase to downloading")
        << nothing << Setter([](Download& d) { d.setPhase(Phase::downloading()); }) << phase
        << true;
    QTest::newRow("phase unchanged")
        << nothing << Setter([](Download& d) { d.setPhase(Phase::queued()); }) << phase << false;
    QTest::newRow("failure message changes")
        << Setter([](Download& d) { d.setPhase(Phase::failed(u"a"_s)); })
        << Setter([](Download& d) { d.setPhase(Phase::failed(u"b"_s)); }) << phase << true;
    QTest::newRow("same failure again")
        << Setter([](Download& d) { d.setPhase(Phase::failed(u"a"_s)); })
        << Setter([](Download& d) { d.setPhase(Phase::failed(u"a"_s)); }) << phase << false;
    QTest::newRow("fraction moves")
        << nothing << Setter([](Download& d) { d.setFraction(0.25); }) << fraction << true;
    QTest::newRow("fraction unchanged")
        << Setter([](Download& d) { d.setFraction(0.25); })
        << Setter([](Download& d) { d.setFraction(0.25); }) << fraction << false;
    QTest::newRow("detail changes")
        << nothing << Setter([](Download& d) { d.setDetail(u"Starting\u2026"_s); }) << detail
        << true;
    QTest::newRow("detail unchanged")
        << nothing << Setter([](Download& d) { d.setDetail(u"Waiting\u2026"_s); }) << detail
        << false;
    QTest::newRow("three dots are not the ellipsis")
        << nothing << Setter([](Download& d) { d.setDetail(u"Waiting..."_s); }) << detail << true;
    QTest::newRow("file set") << nothing << Setter([](Download& d) { d.setFile(u"/d/a.mp4"_s); })
                              << file << true;
    QTest::newRow("file unchanged")
        << Setter([](Download& d) { d.setFile(u"/d/a.mp4"_s); })
        << Setter([](Download& d) { d.setFile(u"/d/a.mp4"_s); }) << file << false;
    QTest::newRow("file cleared") << Setter([](Download& d) { d.setFile(u"/d/a.mp4"_s); })
                                  << Setter([](Download& d) { d.setFile(std::nullopt); }) << file
                                  << true;
    QTest::newRow("no file stays none")
        << nothing << Setter([](Download& d) { d.setFile(std::nullopt); }) << file << false;
    QTest::newRow("empty path is not no file")
        << nothing << Setter([](Download& d) { d.setFile(QString()); }) << file << true;
}

void TestDownload::settersNotifyOnlyOnChange()
{
    QFETCH(Setter, prepare);
    QFETCH(Setter, change);
    QFETCH(QByteArray, signal);
    QFETCH(bool, notifies);

    Download job(video(u"v"_s), Preset::p1080);
    prepare(job);

    const char* published[] = {SIGNAL(phaseChanged()), SIGNAL(fractionChanged()),
                               SIGNAL(detailChanged()), SIGNAL(fileChanged())};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* name : published)
        spies.push_back(std::make_unique<QSignalSpy>(&job, name));
    QSignalSpy changed(&job, &Download::changed);

    change(job);

    for (size_t i = 0; i < spies.size(); ++i) {
        const bool isTarget = QMetaObject::normalizedSignature(published[i]) == signal;
        QCOMPARE(spies[i]->size(), isTarget && notifies ? 1 : 0);
    }
    QCOMPARE(changed.size(), notifies ? 1 : 0);
}

void TestDownload::fractionStaysInRange_data()
{
    QTest::addColumn<double>("given");
    QTest::addColumn<double>("stored");
    QTest::newRow("inside") << 0.5 << 0.5;
    QTest::newRow("whole") << 1.0 << 1.0;
    QTest::newRow("above one") << 1.07 << 1.0;
    QTest::newRow("below zero") << -0.2 << 0.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 1.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0.0;
}

void TestDownload::fractionStaysInRange()
{
    QFETCH(double, given);
    QFETCH(double, stored);
    Download job(video(u"v"_s), Preset::p1080);
    job.setFraction(0.3);
    job.setFraction(given);
    QCOMPARE(job.fraction(), stored);

    // Repeating a value that was pinned to the range is no change.
    QSignalSpy changed(&job, &Download::changed);
    job.setFraction(given);
    QCOMPARE(changed.size(), 0);
}

void TestDownload::processAndErrorLinesNotifyNobody()
{
    Download job(video(u"v"_s), Preset::p1080);
    QSignalSpy changed(&job, &Download::changed);
    QProcess process;
    job.setProcess(&process);
    job.errorLines().append(u"Video unavailable"_s);
    job.setErrorLines({u"first"_s, u"second"_s});
    QCOMPARE(job.process(), &process);
    QCOMPARE(job.errorLines(), (QStringList{u"first"_s, u"second"_s}));
    job.setProcess(nullptr);
    QCOMPARE(changed.size(), 0);
}

// Rows and handlers may still hold the job after its process object is gone.
void TestDownload::processHandleClearsWhenTheProcessGoes()
{
    Download job(video(u"v"_s), Preset::p1080);
    auto* process = new QProcess;
    job.setProcess(process);
    delete process;
    QCOMPARE(job.process(), nullptr);
}

QTEST_GUILESS_MAIN(TestDownload)
#include "tst_download.moc"
