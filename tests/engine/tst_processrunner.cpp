// The one-shot process runner: whole outputs, exit statuses, launch failures,
// and no hang when a child floods one pipe.
#include "Engine.h"
#include "TestEnv.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;

namespace {

// Runs a program through the engine and waits on the event loop for its end.
struct Outcome {
    bool called = false;
    int calls = 0;
    std::optional<Result<RunResult>> result;
};

Outcome runAndWait(const Engine& engine, const QString& program, const QStringList& args = {},
                   int timeoutMs = 60000)
{
    Outcome outcome;
    QObject context;
    engine.run(program, args, &context, [&](Result<RunResult> r) {
        ++outcome.calls;
        outcome.called = true;
        outcome.result.emplace(std::move(r));
    });
    (void)QTest::qWaitFor([&] { return outcome.called; }, timeoutMs);
    // A late second call would show up here.
    QTest::qWait(20);
    return outcome;
}

} // namespace

class TestProcessRunner : public QObject {
    Q_OBJECT
private slots:
    void separatesOutputsAndStatus_data();
    void separatesOutputsAndStatus();
    void floodedStderrDoesNotBlock();
    void bothPipesFloodedAtOnce();
    void invalidUtf8IsReplaced();
    void launchFailures_data();
    void launchFailures();
    void childGetsTheEngineEnvironment();
    void standardInputIsEmpty();
    void killedChildIsAFailure();
    void destroyedContextIsNeverCalled();
    void concurrentRunsKeepTheirOwnResults();
};

void TestProcessRunner::separatesOutputsAndStatus_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("success") << QByteArray("echo hello; echo oops >&2") << 0
                             << QByteArray("hello\n") << QStringLiteral("oops\n");
    QTest::newRow("failure status with both outputs")
        << QByteArray("printf 'null\\n'; printf 'ERROR: gone\\n' >&2; exit 1") << 1
        << QByteArray("null\n") << QStringLiteral("ERROR: gone\n");
    QTest::newRow("status above 127") << QByteArray("exit 200") << 200 << QByteArray() << QString();
    QTest::newRow("binary stdout kept as bytes") << QByteArray("printf '\\000\\377\\376x'") << 0
                                                 << QByteArray("\0\xff\xfex", 4) << QString();
}

void TestProcessRunner::separatesOutputsAndStatus()
{
    QFETCH(QByteArray, script);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QString, err);
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QString program =
        env.writeExecutable(env.root() + QStringLiteral("/child"), "#!/bin/sh\n" + script + "\n");
    const Outcome o = runAndWait(engine, program);
    QVERIFY(o.result.has_value());
    QCOMPARE(o.calls, 1);
    QVERIFY(o.result->ok());
    QCOMPARE(o.result->value().status, status);
    QCOMPARE(o.result->value().out, out);
    QCOMPARE(o.result->value().err, err);
}

void TestProcessRunner::floodedStderrDoesNotBlock()
{
    // 8 MB on stderr is far beyond any pipe buffer; a runner that read stdout
    // to its end before touching stderr would wait forever.
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QString program =
        env.writeExecutable(env.root() + QStringLiteral("/child"),
                            "#!/bin/sh\nhead -c 8000000 /dev/zero | tr '\\0' e >&2\necho done\n");
    const Outcome o = runAndWait(engine, program);
    QVERIFY(o.result.has_value());
    QVERIFY(o.result->ok());
    QCOMPARE(o.result->value().status, 0);
    QCOMPARE(o.result->value().out, QByteArray("done\n"));
    QCOMPARE(o.result->value().err.size(), 8000000);
    QVERIFY(o.result->value().err.startsWith(QStringLiteral("eeee")));
    QCOMPARE(o.result->value().err.count(QLatin1Char('e')), 8000000);
}

void TestProcessRunner::bothPipesFloodedAtOnce()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QString program =
        env.writeExecutable(env.root() + QStringLiteral("/child"),
                            "#!/bin/sh\n"
                            "for i in 1 2 3 4 5 6; do head -c 1000000 /dev/zero | tr '\\0' o; "
                            "head -c 1000000 /dev/zero | tr '\\0' x >&2; done\n");
    const Outcome o = runAndWait(engine, program);
    QVERIFY(o.result.has_value());
    QVERIFY(o.result->ok());
    QCOMPARE(o.result->value().out, QByteArray(6000000, 'o'));
    QCOMPARE(o.result->value().err, QString(6000000, QLatin1Char('x')));
}

void TestProcessRunner::invalidUtf8IsReplaced()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QString program =
        env.writeExecutable(env.root() + QStringLiteral("/child"),
                            "#!/bin/sh\nprintf 'ERROR: caf\\351 \\377\\n' >&2\n");
    const Outcome o = runAndWait(engine, program);
    QVERIFY(o.result.has_value());
    QVERIFY(o.result->ok());
    const QString err = o.result->value().err;
    QVERIFY2(err.startsWith(QStringLiteral("ERROR: caf")), qPrintable(err));
    QCOMPARE(err.count(QChar::ReplacementCharacter), 2);
    QVERIFY(err.endsWith(QLatin1Char('\n')));
}

void TestProcessRunner::launchFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << QStringLiteral("missing");
    QTest::newRow("not executable") << QStringLiteral("noexec");
    QTest::newRow("a directory") << QStringLiteral("directory");
}

void TestProcessRunner::launchFailures()
{
    QFETCH(QString, kind);
    TestEnv env;
    const Engine engine(env.engineConfig());
    QString program = env.root() + QStringLiteral("/child");
    if (kind == QLatin1String("noexec")) {
        QFile f(program);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho ran\n");
    } else if (kind == QLatin1String("directory")) {
        QVERIFY(QDir().mkpath(program));
    }
    const Outcome o = runAndWait(engine, program);
    QVERIFY(o.result.has_value());
    QCOMPARE(o.calls, 1);
    QVERIFY(!o.result->ok());
    QVERIFY(!o.result->error().message.isEmpty());
}

void TestProcessRunner::childGetsTheEngineEnvironment()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QString program =
        env.writeExecutable(env.root() + QStringLiteral("/child"),
                            "#!/bin/sh\nprintf '%s\\n%s\\n' \"$PATH\" \"$HOME\"\n");
    const Outcome o = runAndWait(engine, program);
    QVERIFY(o.result.has_value());
    QVERIFY(o.result->ok());
    const QStringList lines = QString::fromUtf8(o.result->value().out).split(QLatin1Char('\n'));
    QCOMPARE(lines.at(0), engine.environment().value(QStringLiteral("PATH")));
    QVERIFY(lines.at(0).startsWith(env.supportDir() + QLatin1Char(':')));
    // Children live in the sandbox's home, never the user's.
    QCOMPARE(lines.at(1), env.engineConfig().baseEnvironment.value(QStringLiteral("HOME")));
    QVERIFY(lines.at(1).startsWith(env.root()));
}

void TestProcessRunner::standardInputIsEmpty()
{
    // A child that reads standard input sees its end at once instead of
    // waiting on whatever the application was started with.
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QString program =
        env.writeExecutable(env.root() + QStringLiteral("/child"), "#!/bin/sh\nwc -c\n");
    const Outcome o = runAndWait(engine, program, {}, 10000);
    QVERIFY(o.result.has_value());
    QVERIFY(o.result->ok());
    QCOMPARE(o.result->value().out.trimmed(), QByteArray("0"));
}

void TestProcessRunner::killedChildIsAFailure()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QString program = env.writeExecutable(env.root() + QStringLiteral("/child"),
                                                "#!/bin/sh\necho partial\nkill -9 $$\n");
    const Outcome o = runAndWait(engine, program);
    QVERIFY(o.result.has_value());
    QVERIFY(o.result->ok());
    QVERIFY(o.result->value().status != 0);
    QCOMPARE(o.result->value().out, QByteArray("partial\n"));
}

void TestProcessRunner::destroyedContextIsNeverCalled()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QString program = env.writeExecutable(env.root() + QStringLiteral("/child"),
                                                "#!/bin/sh\nsleep 0.3\necho late\n");
    int calls = 0;
    {
        QObject context;
        engine.run(program, {}, &context, [&](Result<RunResult>) { ++calls; });
        QTest::qWait(50);
    }
    QTest::qWait(600);
    QCOMPARE(calls, 0);
}

void TestProcessRunner::concurrentRunsKeepTheirOwnResults()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    const QString program = env.writeExecutable(
        env.root() + QStringLiteral("/child"), "#!/bin/sh\nsleep 0.$1\nhead -c ${1}00000 /dev/zero "
                                               "| tr '\\0' a\necho \"$1\" >&2\nexit $1\n");
    QObject context;
    QMap<int, RunResult> results;
    for (int i = 1; i <= 5; ++i) {
        engine.run(program, {QString::number(i)}, &context, [&results, i](Result<RunResult> r) {
            QVERIFY(r.ok());
            results.insert(i, r.value());
        });
    }
    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 5, 60000);
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(results[i].status, i);
        QCOMPARE(results[i].out.size(), i * 100000);
        QCOMPARE(results[i].err, QString::number(i) + QLatin1Char('\n'));
    }
}

QTEST_GUILESS_MAIN(TestProcessRunner)
#include "tst_processrunner.moc"
