// Keeping the download engine ready: when yt-dlp and deno are installed or
// refreshed, what the note says meanwhile, and what a failure leaves.
#include "QueueFixture.h"

#include <QFile>

using namespace reelcatch;

namespace {

const QString settingUp = QStringLiteral("Setting up the download engine (one-time, ~80 MB)\u2026");
const QString updating = QStringLiteral("Updating the download engine\u2026");
const QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);

// A sandbox whose yt-dlp, when it exists, is a fake that knows its version.
struct Engineroom {
    TestEnv env;
    FakeYtdlp fake{env.path(QStringLiteral("fakebin"))};
    Engine engine{env.engineConfig()};
    Prefs prefs{env.settingsPath(), env.downloadsDir()};
    FakeInstaller installer;
    AppModel model{engine, prefs, installer};
    QStringList notes;

    Engineroom()
    {
        env.setNow(now);
        fake.answerVersion(QStringLiteral("2026.08.19"));
        QObject::connect(&model, &AppModel::engineNoteChanged, &model,
                         [this] { notes << model.engineNote().value_or(QStringLiteral("-")); });
    }
    // Puts the fake where a managed (or system) copy belongs, this old.
    void placeYtdlp(const QString& path, qint64 ageSeconds = 60)
    {
        QFile wrapper(fake.path());
        QVERIFY(wrapper.open(QIODevice::ReadOnly));
        TestEnv::writeExecutable(path, wrapper.readAll());
        QVERIFY(TestEnv::setMtime(path, now.addSecs(-ageSeconds)));
    }
    void placeDeno(const QString& dir)
    {
        TestEnv::writeExecutable(dir + QStringLiteral("/deno"), "#!/bin/sh\necho deno 2\n");
    }
    // Ends the pending installations in order, each succeeding and placing its tool.
    void succeed(const QStringList& tools)
    {
        for (const QString& tool : tools) {
            QVERIFY2(installer.finish(tool, Done{},
                                      [&] {
                                          if (tool == QLatin1String("yt-dlp"))
                                              placeYtdlp(engine.managedYtdlp());
                                          else
                                              placeDeno(engine.supportDir());
                                      }),
                     qPrintable(tool));
        }
    }
    bool idle()
    {
        return QTest::qWaitFor([&] { return !model.engineBusy(); }, 20000);
    }
};

} // namespace

class TestReadiness : public QObject {
    Q_OBJECT
private slots:
    void decisions_data();
    void decisions();
    void failedFirstInstall();
    void failedUpdateKeepsTheOldCopy();
    void notePercentDuringDownload();
    void laterRunClearsTheFfmpegNote();
};

void TestReadiness::decisions_data()
{
    QTest::addColumn<QString>("ytdlp"); // "", "managed", "system"
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("deno");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("installs");

    const QStringList yt{QStringLiteral("yt-dlp")};
    const QStringList both{QStringLiteral("yt-dlp"), QStringLiteral("deno")};
    QTest::newRow("fresh machine") << QString() << 0 << false << false << settingUp << both;
    QTest::newRow("no yt-dlp, deno there") << QString() << 0 << true << false << settingUp << yt;
    QTest::newRow("only a system yt-dlp")
        << QStringLiteral("system") << 0 << true << false << updating << yt;
    QTest::newRow("all fresh") << QStringLiteral("managed") << 60 << true << false << QString()
                               << QStringList();
    QTest::newRow("exactly five days is not stale")
        << QStringLiteral("managed") << 432000 << true << false << QString() << QStringList();
    QTest::newRow("one second more: silent update")
        << QStringLiteral("managed") << 432001 << true << false << QString() << yt;
    QTest::newRow("deno missing") << QStringLiteral("managed") << 60 << false << false << updating
                                  << QStringList{QStringLiteral("deno")};
    QTest::newRow("stale and deno missing")
        << QStringLiteral("managed") << 600000 << false << false << updating << both;
    QTest::newRow("forced with everything fresh")
        << QStringLiteral("managed") << 60 << true << true << updating << both;
}

void TestReadiness::decisions()
{
    QFETCH(QString, ytdlp);
    QFETCH(int, age);
    QFETCH(bool, deno);
    QFETCH(bool, force);
    QFETCH(QString, note);
    QFETCH(QStringList, installs);

    Engineroom r;
    if (ytdlp == QLatin1String("managed"))
        r.placeYtdlp(r.engine.managedYtdlp(), age);
    else if (ytdlp == QLatin1String("system"))
        r.placeYtdlp(r.env.binDirs().at(2) + QStringLiteral("/yt-dlp"));
    if (deno)
        r.placeDeno(r.env.binDirs().at(0));

    r.model.ensureEngine(force);
    QVERIFY(r.model.engineBusy());
    QCOMPARE(r.model.engineNote().value_or(QString()), note);
    // One installation at a time, in order.
    for (int i = 0; i < installs.size(); ++i) {
        QCOMPARE(r.installer.calls, installs.mid(0, i + 1));
        r.succeed({installs.at(i)});
    }
    QVERIFY(r.idle());
    QCOMPARE(r.installer.calls, installs);
    QVERIFY(!r.model.engineNote());
    QCOMPARE(r.model.engineVersion().value_or(QString()), QStringLiteral("2026.08.19"));
    // A silent update never shows anything.
    if (note.isEmpty())
        QVERIFY(r.notes.isEmpty());
}

void TestReadiness::failedFirstInstall()
{
    Engineroom r;
    r.model.ensureEngine(false);
    QVERIFY(r.installer.finish(QStringLiteral("yt-dlp"),
                               AppError{QStringLiteral("Host github.com not found")}));
    QVERIFY(r.idle());
    QCOMPARE(r.model.engineNote().value_or(QString()),
             QStringLiteral("Couldn't install yt-dlp: Host github.com not found"));
    // deno is not tried after yt-dlp failed.
    QCOMPARE(r.installer.calls, QStringList{QStringLiteral("yt-dlp")});
    QVERIFY(!r.model.engineVersion());

    // The next run that works clears the note.
    r.model.ensureEngine(true);
    QCOMPARE(r.model.engineNote().value_or(QString()), settingUp);
    r.succeed({QStringLiteral("yt-dlp"), QStringLiteral("deno")});
    QVERIFY(r.idle());
    QVERIFY(!r.model.engineNote());
    QVERIFY(r.model.engineVersion());
}

void TestReadiness::failedUpdateKeepsTheOldCopy()
{
    Engineroom r;
    r.placeYtdlp(r.engine.managedYtdlp(), 700000);
    r.model.ensureEngine(false);
    QVERIFY(r.installer.finish(QStringLiteral("yt-dlp"),
                               AppError{QStringLiteral("Download failed (HTTP 503): u")}));
    QVERIFY(r.idle());
    // The old copy still works: nothing to say.
    QVERIFY(!r.model.engineNote());
    QCOMPARE(r.model.engineVersion().value_or(QString()), QStringLiteral("2026.08.19"));
}

void TestReadiness::notePercentDuringDownload()
{
    Engineroom r;
    r.model.ensureEngine(false);
    r.installer.progress(QStringLiteral("yt-dlp"), 0, 0); // total unknown: nothing added
    QCOMPARE(r.model.engineNote().value_or(QString()), settingUp);
    r.installer.progress(QStringLiteral("yt-dlp"), 42, 100);
    QCOMPARE(r.model.engineNote().value_or(QString()), settingUp + QStringLiteral(" 42%"));
    r.succeed({QStringLiteral("yt-dlp")});
    r.installer.progress(QStringLiteral("deno"), 100, 100);
    QCOMPARE(r.model.engineNote().value_or(QString()), settingUp + QStringLiteral(" 100%"));
    r.succeed({QStringLiteral("deno")});
    QVERIFY(r.idle());
    QVERIFY(!r.model.engineNote());
}

void TestReadiness::laterRunClearsTheFfmpegNote()
{
    Engineroom r;
    r.placeYtdlp(r.engine.managedYtdlp());
    r.placeDeno(r.engine.supportDir());
    r.model.enqueue({videoItem(QStringLiteral("a"))}, Preset::p1080);
    QVERIFY(r.installer.finish(QStringLiteral("ffmpeg"), AppError{QStringLiteral("offline")}));
    QVERIFY(r.model.engineNote());
    r.model.ensureEngine(false);
    QVERIFY(r.idle());
    QVERIFY(!r.model.engineNote());
    QVERIFY(QTest::qWaitFor([&] { return r.model.downloads().first()->isFinished(); }, 20000));
}

QTEST_GUILESS_MAIN(TestReadiness)
#include "tst_readiness.moc"
