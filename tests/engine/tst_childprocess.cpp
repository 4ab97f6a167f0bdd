// Real child processes, run under the real guard: reading both output modes,
// the end reported once, stopping and killing the whole process group, the
// inactivity limit, the application killed (grandchildren included), and the
// paced pipe behind the lines mode.
#include "ProcessTable.h"
#include "engine/ChildProcess.h"
#include "engine/PacedOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>

using namespace reelcatch;
using namespace std::chrono_literals;
using Output = ChildSpec::Output;

namespace {

const QString fakeChild = QStringLiteral(REELCATCH_FAKE_CHILD);
const QString guard = QStringLiteral(REELCATCH_GUARD_PATH);

// The fake child's steps, "|" between them.
QStringList steps(const char* text)
{
    return QString::fromUtf8(text).split(u'|');
}

// One ChildProcess running the fake child and everything it reported.
struct Run {
    std::unique_ptr<ChildProcess> child;
    QByteArray out;
    QStringList lines;
    QList<ChildExit> exits;

    Run(const QStringList& steps, Output mode, std::chrono::milliseconds pause = 0ms,
        std::chrono::milliseconds inactivityLimit = 0ms)
        : child(std::make_unique<ChildProcess>(ChildSpec{fakeChild, steps,
                                                         QProcessEnvironment::systemEnvironment(),
                                                         mode, pause, inactivityLimit},
                                               nullptr, guard))
    {
        QObject::connect(child.get(), &Child::output, child.get(), [this](auto b) { out += b; });
        QObject::connect(child.get(), &Child::line, child.get(), [this](auto l) { lines << l; });
        QObject::connect(child.get(), &Child::ended, child.get(), [this](auto e) { exits << e; });
        child->start();
    }
    bool waitEnd(int timeoutMs = 30000)
    {
        return QTest::qWaitFor([this] { return !exits.isEmpty(); }, timeoutMs);
    }
    // The pid a line "WHAT PID" reported ("pid" or "grandchild"), 0 until then.
    qint64 reported(const QString& what) const
    {
        for (const QString& l : lines)
            if (l.startsWith(what + u' '))
                return l.section(u' ', 1).toLongLong();
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
    void childrenDieWithTheirParent_data();
    void childrenDieWithTheirParent();
};

void TestChildProcess::linesMergeBothStreamsInOrder()
{
    const auto descriptors = [] {
        return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System);
    };
    // The guards' lifeline is made once, with the first child.
    ChildProcess({fakeChild, {}, {}}, nullptr, guard);
    const QStringList before = descriptors();
    // The child has its three streams and what this process lets every child
    // inherit: nothing of the guard's or the lifeline.
    QList<int> open{0, 1, 2};
    for (const QString& fd : before)
        if (fd.toInt() > 2 && !(::fcntl(fd.toInt(), F_GETFD) & FD_CLOEXEC))
            open << fd.toInt();
    std::sort(open.begin(), open.end());
    QString inherited = QStringLiteral("fds");
    for (const int fd : open)
        inherited += u' ' + QString::number(fd);
    {
        // A pause longer than the child's whole run: everything arrives at the end.
        Run run(steps("fds|1:one\n|2:ERROR: two\n|sleep:30|1:  three\r|2:\nfour\n|1:five, no "
                      "line break|exit:3"),
                Output::lines, 10s);
        QVERIFY(run.waitEnd());
        QCOMPARE(run.lines,
                 QStringList{inherited} + steps("one|ERROR: two|three|four|five, no line break"));
        QCOMPARE(run.exits.size(), 1);
        QCOMPARE(run.exits.first().kind, ChildExit::Kind::exited);
        QCOMPARE(run.exits.first().code, 3);
        QVERIFY(run.out.isEmpty());
    }
    QCOMPARE(descriptors(), before);
}

void TestChildProcess::streamHandsOutputAndBoundsTheErrorTail()
{
    // Of 3.2 MB on standard error the last MiB or so is kept; standard output comes whole.
    Run run(steps("1:first\n|fill:2:3200000|2:last error\n|fill:1:800000|1:end"), Output::stream);
    QVERIFY(run.waitEnd());
    QVERIFY(run.exits.first().succeeded());
    QCOMPARE(run.out.size(), 6 + 800000 + 3);
    QVERIFY(run.out.startsWith("first\nxxx") && run.out.endsWith("x\nend"));
    const QByteArray tail = run.child->errorTail();
    QVERIFY2(tail.size() > (1 << 20) - 100 && tail.size() <= (2 << 20),
             QByteArray::number(tail.size()));
    QVERIFY(tail.startsWith(QByteArray(79, 'x') + '\n') && tail.endsWith("x\nlast error\n"));
}

void TestChildProcess::floodIsNotSlowedByThePacing()
{
    // 200,000 lines at once; read 64 KiB a pause, they would take a minute.
    Run run(steps("fill:1:16000000|1:done"), Output::lines, 300ms);
    QVERIFY2(run.waitEnd(40000), "the flood was slowed down");
    QCOMPARE(run.lines.size(), 200001);
    QCOMPARE(run.lines.last(), QStringLiteral("done"));
}

void TestChildProcess::trickleIsReadInFewPieces()
{
    // 200 lines, one every 5 ms: read as they come, that would be 200 reads.
    QProcess process;
    process.setProgram(fakeChild);
    for (int i = 0; i < 200; ++i)
        process.setArguments(process.arguments()
                             << QStringLiteral("1:RC|%1\n").arg(i) << QStringLiteral("sleep:5"));
    QByteArray bytes;
    int reads = 0;
    auto* paced = new PacedOutput(process, 100ms, [&](QByteArrayView b) { bytes += b, ++reads; });
    process.start();
    paced->started();
    QTRY_COMPARE_WITH_TIMEOUT(process.state(), QProcess::NotRunning, 30000);
    paced->drain();
    QCOMPARE(bytes.count('\n'), 200);
    QVERIFY2(reads < 50, QByteArray::number(reads));
}

void TestChildProcess::failureToStartEndsOnceAndLater()
{
    ChildProcess child(
        {QDir::tempPath() + QStringLiteral("/no such program"), {}, {}, Output::lines}, nullptr,
        guard);
    QSignalSpy ended(&child, &Child::ended);
    child.start();
    QVERIFY(ended.isEmpty());
    QVERIFY(ended.wait(10000));
    QCoreApplication::processEvents();
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.first().first().value<ChildExit>().kind, ChildExit::Kind::failedToStart);
    QVERIFY(!ended.first().first().value<ChildExit>().message.isEmpty());
    QVERIFY(!child.isRunning());
}

void TestChildProcess::theWholeGroupEnds_data()
{
    QTest::addColumn<QString>("how"); // "stop", "quit", "destroy" or "exit" (the child's own)
    QTest::addColumn<bool>("ignoreTerm"); // child and grandchild alike
    QTest::newRow("stopped") << QStringLiteral("stop") << false;
    QTest::newRow("stopped, SIGTERM ignored: SIGKILL after the grace period")
        << QStringLiteral("stop") << true;
    QTest::newRow("the application quits") << QStringLiteral("quit") << false;
    QTest::newRow("destroyed, SIGTERM ignored") << QStringLiteral("destroy") << true;
    QTest::newRow("child exits, grandchild left") << QStringLiteral("exit") << false;
    // The grandchild holds the pipe meanwhile: the end must not wait for it.
    QTest::newRow("child exits, grandchild ignores SIGTERM") << QStringLiteral("exit") << true;
}

void TestChildProcess::theWholeGroupEnds()
{
    QFETCH(QString, how);
    QFETCH(bool, ignoreTerm);
    QStringList list = steps("grandchild|pid");
    if (ignoreTerm)
        list.prepend(QStringLiteral("ignore-term"));
    if (how != u"exit")
        list << QStringLiteral("sleep:60000");
    Run run(list, Output::lines, 100ms);
    QTRY_VERIFY_WITH_TIMEOUT(run.reported(QStringLiteral("pid")) > 0, 10000);
    const qint64 grandchild = run.reported(QStringLiteral("grandchild"));
    QElapsedTimer clock;
    clock.start();
    if (how == u"destroy") {
        const qint64 pid = run.reported(QStringLiteral("pid"));
        run.child.reset();
        // QProcess waits for the guard; the child, killed with it, may take a moment.
        QTRY_VERIFY_WITH_TIMEOUT(processGone(pid), 2000);
    } else {
        if (how == u"stop")
            run.child->stop();
        else if (how == u"quit")
            QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit");
        QVERIFY(run.waitEnd());
        QCOMPARE(run.exits.size(), 1);
        QCOMPARE(run.exits.first().kind, ChildExit::Kind::exited);
        QCOMPARE(run.exits.first().code, how == u"exit" ? 0 : ignoreTerm ? SIGKILL : SIGTERM);
        if (how == u"stop" && ignoreTerm)
            QVERIFY2(clock.elapsed() >= 2500, QByteArray::number(clock.elapsed()));
    }
    // What is left of the group is asked to end first: before the grace period's SIGKILL.
    QTRY_VERIFY_WITH_TIMEOUT(processGone(grandchild), how == u"exit" && !ignoreTerm ? 2000 : 15000);
}

void TestChildProcess::inactivityLimit_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Output>("mode");
    QTest::addColumn<bool>("inactive");
    // 2.4 s, longer than the limit, but never quiet that long.
    QStringList chatty;
    for (int i = 0; i < 12; ++i)
        chatty << steps("sleep:200|2:still here\n");
    QTest::newRow("quiet") << steps("1:hello\n|sleep:60000") << Output::stream << true;
    QTest::newRow("chatty on standard error, stream") << chatty << Output::stream << false;
    QTest::newRow("chatty, lines") << chatty << Output::lines << false;
}

void TestChildProcess::inactivityLimit()
{
    QFETCH(QStringList, steps);
    QFETCH(Output, mode);
    QFETCH(bool, inactive);
    Run run(steps, mode, 50ms, 1500ms);
    QVERIFY(run.waitEnd());
    QCOMPARE(run.exits.first().kind,
             inactive ? ChildExit::Kind::inactive : ChildExit::Kind::exited);
    QCOMPARE(run.exits.first().code, inactive ? SIGTERM : 0);
}

void TestChildProcess::childrenDieWithTheirParent_data()
{
    QTest::addColumn<bool>("guarded");
    QTest::newRow("under the guard: the whole group, within 2 s") << true;
    QTest::newRow("no guard: the parent-death signal, the child alone") << false;
}

void TestChildProcess::childrenDieWithTheirParent()
{
    // A helper (this program) runs a child with a grandchild, both ignoring
    // SIGTERM, and is killed.
    QFETCH(bool, guarded);
    QProcess helper;
    helper.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--helper"), guarded ? guard : QString()});
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += helper.readAllStandardOutput()).contains("pid "), 20000);
    const auto reported = [&out](const char* what) {
        return out.mid(out.indexOf(what)).split('\n').first().split(' ').last().toLongLong();
    };
    const qint64 pid = reported("pid "), grandchild = reported("grandchild ");
    QVERIFY(pid > 0 && grandchild > 0 && !processGone(pid));
    qint64 group = 0;
    for (const ProcessInfo& p : processTable())
        group = p.pid == pid ? p.group : group;
    QCOMPARE(group != pid, guarded); // the guard leads the group
    ::kill(static_cast<pid_t>(helper.processId()), SIGKILL);
    QVERIFY(helper.waitForFinished());
    if (guarded) {
        QStringList left;
        const bool gone = QTest::qWaitFor(
            [&] {
                left = processesLeft(QCoreApplication::applicationPid(), {group});
                left.removeIf([](const QString& p) { return p.endsWith(u"(Z)"); });
                return left.isEmpty();
            },
            2000);
        if (!gone)
            ::kill(-pid_t(group), SIGKILL);
        QVERIFY2(gone, qPrintable(left.join(u", ")));
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(processGone(pid), 10000);
        QVERIFY(!processGone(grandchild)); // what the guard is for
        ::kill(pid_t(grandchild), SIGKILL);
    }
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--helper") == 0) {
        // The helper: runs a quiet child and passes its report on.
        ChildProcess child({fakeChild, steps("ignore-term|grandchild|pid|sleep:60000"),
                            QProcessEnvironment::systemEnvironment()},
                           nullptr, QString::fromLocal8Bit(argc > 2 ? argv[2] : ""));
        QObject::connect(&child, &Child::output, &child, [](const QByteArray& bytes) {
            std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
            std::fflush(stdout);
        });
        child.start();
        return QCoreApplication::exec();
    }
    TestChildProcess test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_childprocess.moc"
