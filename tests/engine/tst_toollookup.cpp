// Where the engine finds yt-dlp, deno and ffmpeg, and what every child gets
// from it: the search path and the common yt-dlp arguments.
#include "Engine.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace reelcatch;

namespace {

// Places the files a case names. Each spec is "<where>/<name>" with <where>
// "support" or "binN"; a trailing "!" makes the file not executable, a
// trailing "/" makes it a directory.
void place(TestEnv& env, const QStringList& specs)
{
    for (QString spec : specs) {
        const bool notExec = spec.endsWith(QLatin1Char('!'));
        const bool isDir = spec.endsWith(QLatin1Char('/'));
        if (notExec || isDir)
            spec.chop(1);
        const QString where = spec.section(QLatin1Char('/'), 0, 0);
        const QString name = spec.section(QLatin1Char('/'), 1);
        const QString dir = where == QLatin1String("support")
                                ? env.supportDir()
                                : env.binDirs().at(where.mid(3).toInt());
        const QString path = dir + QLatin1Char('/') + name;
        if (isDir) {
            QVERIFY(QDir().mkpath(path));
            QFile(path).setPermissions(QFile::permissions(path) | QFile::ExeOwner);
        } else if (notExec) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\n");
        } else {
            env.writeExecutable(path, "#!/bin/sh\nexit 0\n");
        }
    }
}

// The path a case expects, written like a spec, or "" for none.
QString expected(TestEnv& env, const QString& spec)
{
    if (spec.isEmpty())
        return {};
    const QString where = spec.section(QLatin1Char('/'), 0, 0);
    const QString dir = where == QLatin1String("support") ? env.supportDir()
                                                          : env.binDirs().at(where.mid(3).toInt());
    return dir + QLatin1Char('/') + spec.section(QLatin1Char('/'), 1);
}

} // namespace

class TestToolLookup : public QObject {
    Q_OBJECT
private slots:
    void ytdlpAndDeno_data();
    void ytdlpAndDeno();
    void ffmpeg_data();
    void ffmpeg();
    void environmentPath();
    void environmentWithoutInheritedPath();
    void commonArgs();
    void lookupSeesChangesAtOnce();
};

void TestToolLookup::ytdlpAndDeno_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expect");

    for (const QString& tool : {QStringLiteral("yt-dlp"), QStringLiteral("deno")}) {
        auto row = [&](const char* name, QStringList files, QString expect) {
            files.replaceInStrings(QStringLiteral("TOOL"), tool);
            expect.replace(QStringLiteral("TOOL"), tool);
            QTest::newRow(qPrintable(tool + QLatin1Char(' ') + QLatin1String(name)))
                << tool << files << expect;
        };
        row("managed wins over every system copy",
            {QStringLiteral("support/TOOL"), QStringLiteral("bin0/TOOL"),
             QStringLiteral("bin2/TOOL")},
            QStringLiteral("support/TOOL"));
        row("managed not executable: first bin dir",
            {QStringLiteral("support/TOOL!"), QStringLiteral("bin0/TOOL"),
             QStringLiteral("bin1/TOOL")},
            QStringLiteral("bin0/TOOL"));
        row("second bin dir before third",
            {QStringLiteral("bin1/TOOL"), QStringLiteral("bin2/TOOL")},
            QStringLiteral("bin1/TOOL"));
        row("only the third bin dir", {QStringLiteral("bin2/TOOL")}, QStringLiteral("bin2/TOOL"));
        row("non-executable system copies are skipped",
            {QStringLiteral("bin0/TOOL!"), QStringLiteral("bin1/TOOL!"),
             QStringLiteral("bin2/TOOL")},
            QStringLiteral("bin2/TOOL"));
        row("a directory of that name is no tool",
            {QStringLiteral("support/TOOL/"), QStringLiteral("bin0/TOOL/")}, QString());
        row("nothing anywhere", {}, QString());
    }
}

void TestToolLookup::ytdlpAndDeno()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, files);
    QFETCH(QString, expect);
    TestEnv env;
    place(env, files);
    const Engine engine(env.engineConfig());
    const std::optional<QString> found =
        tool == QLatin1String("deno") ? engine.deno() : engine.ytdlp();
    QCOMPARE(found.value_or(QString()), expected(env, expect));
}

void TestToolLookup::ffmpeg_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expect");

    QTest::newRow("managed pair") << QStringList{QStringLiteral("support/ffmpeg"),
                                                 QStringLiteral("support/ffprobe"),
                                                 QStringLiteral("bin0/ffmpeg"),
                                                 QStringLiteral("bin0/ffprobe")}
                                  << QStringLiteral("support/ffmpeg");
    QTest::newRow("managed ffmpeg without managed ffprobe falls through")
        << QStringList{QStringLiteral("support/ffmpeg"), QStringLiteral("bin1/ffmpeg"),
                       QStringLiteral("bin1/ffprobe")}
        << QStringLiteral("bin1/ffmpeg");
    QTest::newRow("managed ffprobe not executable falls through")
        << QStringList{QStringLiteral("support/ffmpeg"), QStringLiteral("support/ffprobe!"),
                       QStringLiteral("bin2/ffmpeg"), QStringLiteral("bin2/ffprobe")}
        << QStringLiteral("bin2/ffmpeg");
    QTest::newRow("first system ffmpeg lacks ffprobe: none, even if a later dir has both")
        << QStringList{QStringLiteral("bin0/ffmpeg"), QStringLiteral("bin1/ffmpeg"),
                       QStringLiteral("bin1/ffprobe")}
        << QString();
    QTest::newRow("ffprobe in another dir does not count")
        << QStringList{QStringLiteral("bin1/ffmpeg"), QStringLiteral("bin2/ffprobe")} << QString();
    QTest::newRow("ffprobe beside it but not executable")
        << QStringList{QStringLiteral("bin0/ffmpeg"), QStringLiteral("bin0/ffprobe!")} << QString();
    QTest::newRow("system pair") << QStringList{QStringLiteral("bin2/ffmpeg"),
                                                QStringLiteral("bin2/ffprobe")}
                                 << QStringLiteral("bin2/ffmpeg");
    QTest::newRow("ffprobe alone")
        << QStringList{QStringLiteral("support/ffprobe"), QStringLiteral("bin0/ffprobe")}
        << QString();
}

void TestToolLookup::ffmpeg()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expect);
    TestEnv env;
    place(env, files);
    const Engine engine(env.engineConfig());
    QCOMPARE(engine.ffmpeg().value_or(QString()), expected(env, expect));
}

void TestToolLookup::environmentPath()
{
    TestEnv env;
    EngineConfig config = env.engineConfig();
    config.baseEnvironment.insert(QStringLiteral("PATH"),
                                  QStringLiteral("/inherited/a:/inherited/b"));
    config.baseEnvironment.insert(QStringLiteral("REELCATCH_MARKER"), QStringLiteral("kept"));
    const Engine engine(config);
    const QProcessEnvironment childEnv = engine.environment();

    const QStringList path = childEnv.value(QStringLiteral("PATH")).split(QLatin1Char(':'));
    const QStringList expectedPath =
        QStringList{env.supportDir()} + env.binDirs() +
        QStringList{QStringLiteral("/inherited/a"), QStringLiteral("/inherited/b")};
    QCOMPARE(path, expectedPath);
    // Everything else of the base environment is passed on.
    QCOMPARE(childEnv.value(QStringLiteral("REELCATCH_MARKER")), QStringLiteral("kept"));
    QCOMPARE(childEnv.value(QStringLiteral("HOME")),
             config.baseEnvironment.value(QStringLiteral("HOME")));
}

void TestToolLookup::environmentWithoutInheritedPath()
{
    TestEnv env;
    EngineConfig config = env.engineConfig();
    config.baseEnvironment.remove(QStringLiteral("PATH"));
    const QString path = Engine(config).environment().value(QStringLiteral("PATH"));
    QVERIFY2(path.endsWith(QLatin1Char(':')), qPrintable(path));
    QCOMPARE(path, (QStringList{env.supportDir()} + env.binDirs()).join(QLatin1Char(':')) +
                       QLatin1Char(':'));
}

void TestToolLookup::commonArgs()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    QCOMPARE(engine.commonArgs(), QStringList{QStringLiteral("--no-colors")});

    // A system deno is handed over as one argument, path glued to "deno:".
    place(env, {QStringLiteral("bin1/deno")});
    QCOMPARE(
        engine.commonArgs(),
        (QStringList{QStringLiteral("--no-colors"), QStringLiteral("--js-runtimes"),
                     QStringLiteral("deno:") + env.binDirs().at(1) + QStringLiteral("/deno")}));

    // The managed one wins as soon as it is there.
    place(env, {QStringLiteral("support/deno")});
    QCOMPARE(engine.commonArgs().last(),
             QStringLiteral("deno:") + env.supportDir() + QStringLiteral("/deno"));
}

void TestToolLookup::lookupSeesChangesAtOnce()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    QVERIFY(!engine.ytdlp());
    place(env, {QStringLiteral("bin2/yt-dlp")});
    QCOMPARE(engine.ytdlp().value_or(QString()), env.binDirs().at(2) + QStringLiteral("/yt-dlp"));
    place(env, {QStringLiteral("support/yt-dlp")});
    QCOMPARE(engine.ytdlp().value_or(QString()), engine.managedYtdlp());
    QVERIFY(QFile::remove(engine.managedYtdlp()));
    QCOMPARE(engine.ytdlp().value_or(QString()), env.binDirs().at(2) + QStringLiteral("/yt-dlp"));
}

QTEST_GUILESS_MAIN(TestToolLookup)
#include "tst_toollookup.moc"
