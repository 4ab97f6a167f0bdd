// Reading a child's merged output through a paced pipe: nothing lost or
// reordered, few reads for a trickle of lines, full speed for a flood, no
// wait on a grandchild that keeps the pipe open, no descriptor left behind.
#include "FakeYtdlp.h"
#include "PacedOutput.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace reelcatch;

using namespace std::chrono_literals;

namespace {

struct Run {
    QByteArray bytes;
    int pieces = 0;
    int exitCode = -1;
    bool finished = false;
};

// Starts `program` with a paced reader the way downloads do, and waits for
// the end of the process.
void runPaced(Run& run, const QString& program, const QStringList& args,
              std::chrono::milliseconds pause, int timeoutMs = 60000)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(args);
    auto* output = new PacedOutput(process, pause, [&run](QByteArrayView bytes) {
        run.bytes.append(bytes);
        ++run.pieces;
    });
    QObject::connect(&process, &QProcess::finished, &process, [&](int code) {
        output->drain();
        run.exitCode = code;
        run.finished = true;
    });
    process.start();
    output->started();
    QVERIFY2(QTest::qWaitFor([&] { return run.finished; }, timeoutMs), "the child never ended");
}

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                   .size());
}

} // namespace

class TestPacedOutput : public QObject {
    Q_OBJECT
private slots:
    void init();
    void keepsOrderOfBothStreamsAndTheUnfinishedLastLine();
    void trickleOfLinesIsReadInFewPieces();
    void floodIsReadAtFullSpeed();
    void grandchildHoldingThePipeDoesNotDelayTheEnd();
    void leavesNoDescriptorBehind();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<FakeYtdlp> m_fake;
};

void TestPacedOutput::init()
{
    QVERIFY(m_dir.isValid());
    m_fake = std::make_unique<FakeYtdlp>(m_dir.path());
}

void TestPacedOutput::keepsOrderOfBothStreamsAndTheUnfinishedLastLine()
{
    // Standard error between standard output lines, as yt-dlp interleaves
    // warnings with progress; a pause longer than the child's whole run.
    m_fake->out(QStringLiteral("one")).err(QStringLiteral("ERROR: two")).sleepMs(30);
    m_fake->outCr(QStringLiteral("three")).err(QStringLiteral("four"));
    m_fake->line(QStringLiteral("out-nonl five, no line break")).exitWith(3);
    Run run;
    runPaced(run, m_fake->path(), {}, 10s);
    QCOMPARE(run.exitCode, 3);
    QCOMPARE(run.bytes, QByteArray("one\nERROR: two\nthree\rfour\nfive, no line break"));
}

void TestPacedOutput::trickleOfLinesIsReadInFewPieces()
{
    // 200 lines, one every 5 ms: read as they come, that is ~200 reads.
    for (int i = 0; i < 200; ++i)
        m_fake->out(QStringLiteral("RC|downloading|%1|1000000|NA|1000|5|avc1").arg(i)).sleepMs(5);
    Run run;
    runPaced(run, m_fake->path(), {}, 100ms);
    QCOMPARE(run.bytes.count('\n'), 200);
    QVERIFY2(run.pieces < 50, qPrintable(QString::number(run.pieces)));
}

void TestPacedOutput::floodIsReadAtFullSpeed()
{
    // Paced at 64 KiB a tenth of a second this would take almost two minutes.
    const qint64 size = 64ll << 20;
    m_fake->line(QStringLiteral("out-fill %1 raw").arg(size));
    Run run;
    runPaced(run, m_fake->path(), {}, 100ms, 60000);
    QCOMPARE(run.bytes.size(), size);
    QCOMPARE(run.exitCode, 0);
}

void TestPacedOutput::grandchildHoldingThePipeDoesNotDelayTheEnd()
{
    // The shell leaves a sleeping child behind that holds the pipe's write
    // end; the end of the shell must still be seen, its output whole.
    Run run;
    runPaced(run, QStringLiteral("/bin/sh"),
             {QStringLiteral("-c"), QStringLiteral("sleep 30 & echo $!; echo done")}, 100ms, 10000);
    const QList<QByteArray> lines = run.bytes.split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(1), QByteArray("done"));
    const pid_t sleeper = pid_t(lines.at(0).toLongLong());
    QVERIFY(sleeper > 0);
    ::kill(sleeper, SIGKILL);
}

void TestPacedOutput::leavesNoDescriptorBehind()
{
    const int before = openDescriptors();
    m_fake->out(QStringLiteral("hello"));
    Run ran;
    runPaced(ran, m_fake->path(), {}, 100ms);
    QCOMPARE(ran.bytes, QByteArray("hello\n"));
    QCOMPARE(openDescriptors(), before);

    // A program that cannot start: the pipe is closed with it. (QProcess
    // itself keeps a descriptor of each failed start on Qt 6.4; the paced one
    // must keep nothing more.)
    auto failToStart = [this](bool paced) {
        QProcess process;
        process.setProgram(m_dir.filePath(QStringLiteral("missing")));
        if (paced) {
            auto* output = new PacedOutput(process, 100ms, [](QByteArrayView) {});
            process.start();
            output->started();
        } else {
            process.start();
        }
        QTRY_VERIFY(process.state() == QProcess::NotRunning);
    };
    failToStart(false);
    const int plainBefore = openDescriptors();
    failToStart(false);
    const int plainCost = openDescriptors() - plainBefore;
    const int pacedBefore = openDescriptors();
    failToStart(true);
    QCOMPARE(openDescriptors() - pacedBefore, plainCost);
}

QTEST_GUILESS_MAIN(TestPacedOutput)
#include "tst_pacedoutput.moc"
