// Real child processes: reading both output modes, the end reported once,
// stopping and killing the whole process group, the inactivity limit, the
// parent-death signal, and the paced pipe behind the lines mode.
#include "ChildProcess.h"
#include "PacedOutput.h"
#include "ProcessTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <memory>

using namespace reelcatch;
using namespace std::chrono_literals;

namespace {

const QString fakeChild = QStringLiteral(REELCATCH_FAKE_CHILD);

int openDescriptors()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                                .size());
}

// One ChildProcess running the fake child and everything it reported.
struct Run {
    std::unique_ptr<ChildProcess> child;
    QByteArray out;
    QStringList lines;
    QList<ChildExit> exits;

    explicit Run(const QStringList& steps, ChildSpec::Output mode = ChildSpec::Output::stream,
                 std::chrono::milliseconds inactivityLimit = 0ms,
                 std::chrono::milliseconds pause = 0ms)
    {
        ChildSpec spec{fakeChild, steps, QProcessEnvironment::systemEnvironment(), mode};
        spec.pause = pause;
        spec.inactivityLimit = inactivityLimit;
        child = std::make_unique<ChildProcess>(spec);
        QObject::connect(child.get(), &Child::output, child.get(),
                         [this](const QByteArray& b) { out += b; });
        QObject::connect(child.get(), &Child::line, child.get(),
                         [this](const QString& l) { lines << l; });
        QObject::connect(child.get(), &Child::ended, child.get(),
                         [this](const ChildExit& e) { exits << e; });
        child->start();
    }
    bool waitEnd(int timeoutMs = 30000)
    {
        return QTest::qWaitFor([this] { return !exits.isEmpty(); }, timeoutMs);
    }
    // The pid the child reported as "WHAT PID" ("pid" or "grandchild"), 0 until then.
    qint64 reported(const QString& what) const
    {
        const QStringList all = lines + QString::fromUtf8(out).split(QLatin1Char('\n'));
        for (const QString& l : all)
            if (l.startsWith(what + QLatin1Char(' ')))
                return l.section(QLatin1Char(' '), 1).toLongLong();
        return 0;
    }
};

} // namespace

class TestChildProcess : public QObject {
    Q_OBJECT
private slots:
    void linesMergeBothStreamsInOrder();
    void streamHandsOutputAndBoundsTheErrorTail();
    void floodIsNotSlowedByThePacing();
    void trickleIsReadInFewPieces();
    void failureToStartEndsOnceAndLater();
    void theWholeGroupEnds_data();
    void theWholeGroupEnds();
    void inactivityLimit_data();
    void inactivityLimit();
    void childrenDieWithTheirParent();
};

void TestChildProcess::linesMergeBothStreamsInOrder()
{
    const int descriptors = openDescriptors();
    {
        // A pause longer than the child's whole run: everything arrives at the end.
        Run run({QStringLiteral("1:one\\n"), QStringLiteral("2:ERROR: two\\n"),
                 QStringLiteral("sleep:30"), QStringLiteral("1:  three\\r"),
                 QStringLiteral("2:\\nfour\\n"), QStringLiteral("1:five, no line break"),
                 QStringLiteral("exit:3")},
                ChildSpec::Output::lines, 0ms, 10s);
        QVERIFY(run.waitEnd());
        QCOMPARE(run.lines, (QStringList{QStringLiteral("one"), QStringLiteral("ERROR: two"),
                                         QStringLiteral("three"), QStringLiteral("four"),
                                         QStringLiteral("five, no line break")}));
        QCOMPARE(run.exits.size(), 1);
        QCOMPARE(run.exits.first().kind, ChildExit::Kind::exited);
        QCOMPARE(run.exits.first().code, 3);
        QVERIFY(run.out.isEmpty());
    }
    QCOMPARE(openDescriptors(), descriptors);
}

void TestChildProcess::streamHandsOutputAndBoundsTheErrorTail()
{
    // Three megabytes of standard error: only the last one or two are kept,
    // cut at a line start; standard output comes whole.
    const qint64 errBytes = 3200000;
    Run run({QStringLiteral("1:first\\n"), QStringLiteral("fill:2:%1").arg(errBytes),
             QStringLiteral("2:last error\\n"), QStringLiteral("fill:1:800000"),
             QStringLiteral("1:end")});
    QVERIFY(run.waitEnd());
    QVERIFY(run.exits.first().succeeded());
    QCOMPARE(run.out.size(), 6 + 800000 + 3);
    QVERIFY(run.out.startsWith("first\nxxx"));
    QVERIFY(run.out.endsWith("x\nend"));
    const QByteArray tail = run.child->errorTail();
    QVERIFY2(tail.size() > (1 << 20) - 100 && tail.size() <= (2 << 20),
             QByteArray::number(tail.size()));
    QVERIFY(tail.endsWith("x\nlast error\n"));
    QVERIFY(tail.startsWith(QByteArray(79, 'x') + '\n'));
}

void TestChildProcess::floodIsNotSlowedByThePacing()
{
    // 200,000 lines at once. Read 64 KiB every pause, they would take more
    // than a minute.
    Run run({QStringLiteral("fill:1:16000000"), QStringLiteral("1:done")}, ChildSpec::Output::lines,
            0ms, 300ms);
    QVERIFY2(run.waitEnd(40000), "the flood was slowed down");
    QCOMPARE(run.lines.size(), 200001);
    QCOMPARE(run.lines.last(), QStringLiteral("done"));
}

void TestChildProcess::trickleIsReadInFewPieces()
{
    // 200 lines, one every 5 ms: read as they come, that would be ~200 reads.
    QStringList steps;
    for (int i = 0; i < 200; ++i)
        steps << QStringLiteral("1:RC|downloading|%1|1000000\\n").arg(i)
              << QStringLiteral("sleep:5");
    QProcess process;
    process.setProgram(fakeChild);
    process.setArguments(steps);
    QByteArray bytes;
    int reads = 0;
    auto* paced = new PacedOutput(process, 100ms, [&](QByteArrayView b) {
        bytes.append(b);
        ++reads;
    });
    process.start();
    paced->started();
    QVERIFY(process.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, 30000);
    paced->drain();
    QCOMPARE(bytes.count('\n'), 200);
    QVERIFY2(reads < 50, QByteArray::number(reads));
}

void TestChildProcess::failureToStartEndsOnceAndLater()
{
    // Qt itself keeps a descriptor of a failed start; the lines mode's own
    // pipe must add nothing to that.
    auto cost = [](ChildSpec::Output mode) {
        const int before = openDescriptors();
        ChildProcess child({QDir::tempPath() + QStringLiteral("/no such program"), {}, {}, mode});
        QSignalSpy ended(&child, &Child::ended);
        child.start();
        if (!ended.isEmpty())
            return -1000;
        if (!ended.wait(10000))
            return -2000;
        QCoreApplication::processEvents();
        const auto exit = ended.first().first().value<ChildExit>();
        if (ended.size() != 1 || exit.kind != ChildExit::Kind::failedToStart ||
            exit.message.isEmpty() || child.isRunning())
            return -3000;
        return openDescriptors() - before;
    };
    cost(ChildSpec::Output::stream);
    const int plain = cost(ChildSpec::Output::stream);
    QVERIFY(plain >= 0);
    QCOMPARE(cost(ChildSpec::Output::lines), plain);
}

void TestChildProcess::theWholeGroupEnds_data()
{
    QTest::addColumn<QString>("how");     // "stop", "destroy" or "exit" (the child's own)
    QTest::addColumn<bool>("ignoreTerm"); // child and grandchild alike
    QTest::newRow("stopped") << QStringLiteral("stop") << false;
    QTest::newRow("stopped, SIGTERM ignored: SIGKILL after the grace period")
        << QStringLiteral("stop") << true;
    QTest::newRow("destroyed, SIGTERM ignored") << QStringLiteral("destroy") << true;
    QTest::newRow("child exits, grandchild left") << QStringLiteral("exit") << false;
    // The grandchild holds the pipe meanwhile: the end must not wait for it.
    QTest::newRow("child exits, grandchild ignores SIGTERM") << QStringLiteral("exit") << true;
}

void TestChildProcess::theWholeGroupEnds()
{
    QFETCH(QString, how);
    QFETCH(bool, ignoreTerm);
    QStringList steps{QStringLiteral("grandchild"), QStringLiteral("pid")};
    if (ignoreTerm)
        steps.prepend(QStringLiteral("ignore-term"));
    if (how != u"exit")
        steps << QStringLiteral("sleep:60000");
    Run run(steps, ChildSpec::Output::lines, 0ms, 100ms);
    QTRY_VERIFY_WITH_TIMEOUT(run.reported(QStringLiteral("pid")) > 0, 10000);
    const qint64 grandchild = run.reported(QStringLiteral("grandchild"));
    QElapsedTimer clock;
    clock.start();
    if (how == u"destroy") {
        const qint64 pid = run.reported(QStringLiteral("pid"));
        run.child.reset();
        QVERIFY(processGone(pid));
    } else {
        if (how == u"stop")
            run.child->stop();
        QVERIFY(run.waitEnd());
        QCOMPARE(run.exits.size(), 1);
        QCOMPARE(run.exits.first().kind, ChildExit::Kind::exited);
        QCOMPARE(run.exits.first().code, how == u"exit" ? 0 : ignoreTerm ? SIGKILL : SIGTERM);
        if (how == u"stop" && ignoreTerm)
            QVERIFY2(clock.elapsed() >= 2500, QByteArray::number(clock.elapsed()));
    }
    QTRY_VERIFY_WITH_TIMEOUT(processGone(grandchild), 15000);
}

void TestChildProcess::inactivityLimit_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<ChildSpec::Output>("mode");
    QTest::addColumn<bool>("inactive");
    QStringList chatty;
    for (int i = 0; i < 12; ++i)
        chatty << QStringLiteral("sleep:200") << QStringLiteral("2:still here\\n");
    QTest::newRow("quiet child") << QStringList{QStringLiteral("1:hello\\n"),
                                                QStringLiteral("sleep:60000")}
                                 << ChildSpec::Output::stream << true;
    QTest::newRow("chatty on standard error, stream")
        << chatty << ChildSpec::Output::stream << false;
    QTest::newRow("chatty, lines") << chatty << ChildSpec::Output::lines << false;
}

void TestChildProcess::inactivityLimit()
{
    QFETCH(QStringList, steps);
    QFETCH(ChildSpec::Output, mode);
    QFETCH(bool, inactive);
    // The chatty child runs 2.4 s, longer than the limit, never quiet that long.
    Run run(steps, mode, 1500ms, 50ms);
    QVERIFY(run.waitEnd());
    QCOMPARE(run.exits.first().kind,
             inactive ? ChildExit::Kind::inactive : ChildExit::Kind::exited);
    if (!inactive)
        QCOMPARE(run.exits.first().code, 0);
}

void TestChildProcess::childrenDieWithTheirParent()
{
    // A helper process (this program) runs a child and is killed outright:
    // the kernel's parent-death signal ends the child all the same.
    QProcess helper;
    helper.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--helper")});
    QVERIFY(helper.waitForStarted());
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += helper.readAllStandardOutput()).contains('\n'), 20000);
    const qint64 pid = out.mid(out.indexOf("pid ") + 4).trimmed().toLongLong();
    QVERIFY(pid > 0);
    QVERIFY(!processGone(pid));
    ::kill(static_cast<pid_t>(helper.processId()), SIGKILL);
    QVERIFY(helper.waitForFinished());
    QTRY_VERIFY_WITH_TIMEOUT(processGone(pid), 10000);
}

// The helper: runs a quiet child and passes its report on.
static int helperMain(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ChildProcess child({fakeChild,
                        {QStringLiteral("pid"), QStringLiteral("sleep:60000")},
                        QProcessEnvironment::systemEnvironment()});
    QObject::connect(&child, &Child::output, &child, [](const QByteArray& bytes) {
        fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
        fflush(stdout);
    });
    child.start();
    return QCoreApplication::exec();
}

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--helper") == 0)
        return helperMain(argc, argv);
    QCoreApplication app(argc, argv);
    TestChildProcess test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_childprocess.moc"
