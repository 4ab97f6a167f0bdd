// Keeping the engine ready: what ensure() installs for each state of the
// support folder, what the note says meanwhile, and the version read after.
#include "Fixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace reelcatch;
using namespace reelcatch::test;

namespace {

const QString settingUp = QStringLiteral("Setting up the download engine (one-time, ~80 MB)\u2026");
const QString updating = QStringLiteral("Updating the download engine\u2026");
const QDateTime now = QDateTime(QDate(2025, 3, 1), QTime(12, 0), Qt::UTC);

struct ReadyFixture : Fixture {
    // `age`: of the managed yt-dlp in seconds, negative for none.
    ReadyFixture(int age, bool systemYtdlp, bool deno) : Fixture(systemYtdlp, true)
    {
        env.setNow(now);
        if (age >= 0)
            TestEnv::writeFileWithMtime(engine.managedYtdlp(), "#!/bin/sh\n", now.addSecs(-age),
                                        0755);
        if (deno)
            placeTool(QStringLiteral("deno"));
    }
    EngineReadiness& ready() { return model.readiness(); }
    // Succeeds the installation under way, putting the tool in place.
    bool install(const QString& tool)
    {
        const QString path =
            tool == QLatin1String("deno") ? engine.managedDeno() : engine.managedYtdlp();
        return installer.finish(tool, Done{},
                                [&] { TestEnv::writeExecutable(path, "#!/bin/sh\n"); });
    }
    // Answers the version query; false when none was made.
    bool answerVersion(const QByteArray& version)
    {
        FakeChild* child = runner->last();
        if (!child || child->hasEnded ||
            child->spec.arguments != QStringList{QStringLiteral("--version")})
            return false;
        child->print(version);
        child->end(0);
        return true;
    }
};

} // namespace

class TestReadiness : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void decisions_data();
    void decisions();
    void progressInTheNote();
    void failedInstall_data();
    void failedInstall();
};

void TestReadiness::decisions_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("systemYtdlp");
    QTest::addColumn<bool>("deno");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QStringList>("installs");
    QTest::addColumn<QString>("note");
    const QStringList both{QStringLiteral("yt-dlp"), QStringLiteral("deno")};
    const QStringList yt{QStringLiteral("yt-dlp")};
    QTest::newRow("nothing yet") << -1 << false << false << false << both << settingUp;
    QTest::newRow("only a system yt-dlp") << -1 << true << true << false << yt << updating;
    QTest::newRow("fresh") << 432000 << false << true << false << QStringList{} << QString();
    QTest::newRow("stale: silent update") << 432001 << false << true << false << yt << QString();
    QTest::newRow("fresh, no deno")
        << 10 << false << false << false << QStringList{QStringLiteral("deno")} << updating;
    QTest::newRow("stale, no deno") << 500000 << false << false << false << both << updating;
    QTest::newRow("forced") << 10 << false << true << true << both << updating;
}

void TestReadiness::decisions()
{
    QFETCH(int, age);
    QFETCH(bool, systemYtdlp);
    QFETCH(bool, deno);
    QFETCH(bool, force);
    QFETCH(QStringList, installs);
    QFETCH(QString, note);

    ReadyFixture f(age, systemYtdlp, deno);
    QSignalSpy tools(&f.ready(), &EngineReadiness::toolsChanged);
    f.ready().ensure(force);
    QVERIFY(f.ready().isBusy());
    for (const QString& tool : std::as_const(installs)) {
        QCOMPARE(f.installer.calls.last(), tool);
        QCOMPARE(f.ready().note().value_or(QString()), note);
        QVERIFY(f.install(tool));
    }
    QCOMPARE(f.installer.calls, installs);
    QCOMPARE(f.ready().note(), std::nullopt);
    QCOMPARE(f.ready().tools().deno, true);
    QCOMPARE(tools.count(), 1); // deno was placed after the start
    // Busy until the version of the yt-dlp in use is known.
    QVERIFY(f.ready().isBusy());
    QVERIFY(f.answerVersion("2025.02.19\n"));
    QTRY_VERIFY_WITH_TIMEOUT(!f.ready().isBusy(), 30000);
    QCOMPARE(f.ready().version(), std::optional(QStringLiteral("2025.02.19")));
}

void TestReadiness::progressInTheNote()
{
    ReadyFixture f(-1, false, false);
    f.ready().ensure(false);
    f.installer.progress(QStringLiteral("yt-dlp"), 50, 200);
    QCOMPARE(f.ready().note().value_or(QString()), settingUp + QStringLiteral(" 25%"));
    f.installer.progress(QStringLiteral("yt-dlp"), 10, 0); // total unknown: unchanged
    QCOMPARE(f.ready().note().value_or(QString()), settingUp + QStringLiteral(" 25%"));
    QVERIFY(f.install(QStringLiteral("yt-dlp")));
    f.installer.progress(QStringLiteral("deno"), 999, 1000);
    QCOMPARE(f.ready().note().value_or(QString()), settingUp + QStringLiteral(" 99%"));

    // A silent update stays silent.
    ReadyFixture stale(500000, false, true);
    stale.ready().ensure(false);
    stale.installer.progress(QStringLiteral("yt-dlp"), 50, 100);
    QCOMPARE(stale.ready().note(), std::nullopt);
}

void TestReadiness::failedInstall_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("systemYtdlp");
    QTest::addColumn<QString>("note");
    QTest::newRow("no yt-dlp at all")
        << -1 << false << QStringLiteral("Couldn't install yt-dlp: Host github.com not found");
    QTest::newRow("a system copy works") << -1 << true << QString();
    QTest::newRow("the old copy stays") << 500000 << false << QString();
}

void TestReadiness::failedInstall()
{
    QFETCH(int, age);
    QFETCH(bool, systemYtdlp);
    QFETCH(QString, note);
    ReadyFixture f(age, systemYtdlp, false);
    f.ready().ensure(false);
    QVERIFY(f.installer.finish(QStringLiteral("yt-dlp"),
                               AppError{QStringLiteral("Host github.com not found")}));
    // deno is not attempted after yt-dlp failed.
    QCOMPARE(f.installer.calls, QStringList{QStringLiteral("yt-dlp")});
    QCOMPARE(f.ready().note().value_or(QString()), note);
    QVERIFY(f.ready().isBusy());
    QCOMPARE(f.answerVersion("2023.03.04\n"), note.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!f.ready().isBusy(), 30000);
    QCOMPARE(f.ready().version().has_value(), note.isEmpty());
}

QTEST_GUILESS_MAIN(TestReadiness)
#include "tst_readiness.moc"
