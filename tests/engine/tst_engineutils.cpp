// The engine's small utilities: yt-dlp's last error line, the version query
// and file ages.
#include "Engine.h"
#include "TestEnv.h"

#include <QFile>
#include <QTest>
#include <QTimeZone>

using namespace reelcatch;

class TestEngineUtils : public QObject {
    Q_OBJECT
private slots:
    void lastError_data();
    void lastError();
    void version_data();
    void version();
    void versionWithoutYtdlp();
    void age();
};

void TestEngineUtils::lastError_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("message");

    QTest::newRow("last of two, padding trimmed")
        << QStringLiteral("WARNING: old\nERROR: first\nERROR:   second one \t\n") << true
        << QStringLiteral("second one");
    QTest::newRow("warning after the error does not hide it")
        << QStringLiteral("ERROR: real\nWARNING: later\n") << true << QStringLiteral("real");
    QTest::newRow("only the prefix") << QStringLiteral("ERROR:") << true << QString();
    QTest::newRow("prefix then spaces") << QStringLiteral("ERROR:   \n") << true << QString();
    QTest::newRow("no error line")
        << QStringLiteral("WARNING: a\n[generic] b\n") << false << QString();
    QTest::newRow("empty text") << QString() << false << QString();
    QTest::newRow("indented prefix does not count")
        << QStringLiteral("  ERROR: indented\n") << false << QString();
    QTest::newRow("lower case does not count") << QStringLiteral("error: x") << false << QString();
    QTest::newRow("prefix inside a line does not count")
        << QStringLiteral("WARNING: ERROR: x") << false << QString();
    QTest::newRow("CR LF lines") << QStringLiteral("ERROR: a\r\nERROR: b\r\n") << true
                                 << QStringLiteral("b");
    QTest::newRow("carriage return alone splits")
        << QStringLiteral("[download] 5%\rERROR: after progress\r") << true
        << QStringLiteral("after progress");
    QTest::newRow("unicode line separators split")
        << QStringLiteral("ERROR: one\u2028ERROR: two\u2029x\u0085y") << true
        << QStringLiteral("two");
    QTest::newRow("vertical tab and form feed split") << QStringLiteral("ERROR: v\x0b"
                                                                        "ERROR: f\x0c"
                                                                        "z")
                                                      << true << QStringLiteral("f");
    QTest::newRow("unicode spaces trimmed")
        << QStringLiteral("ERROR:\u00a0\u2003message\u3000") << true << QStringLiteral("message");
    QTest::newRow("message keeps inner colons")
        << QStringLiteral("ERROR: [generic] None: Unable to download webpage: HTTP Error 404")
        << true << QStringLiteral("[generic] None: Unable to download webpage: HTTP Error 404");
}

void TestEngineUtils::lastError()
{
    QFETCH(QString, text);
    QFETCH(bool, found);
    QFETCH(QString, message);
    const std::optional<QString> got = Engine::lastError(text);
    QCOMPARE(got.has_value(), found);
    if (found) {
        QCOMPARE(*got, message);
        QVERIFY(!got->isNull() || message.isEmpty());
    }
}

void TestEngineUtils::version_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("version");

    QTest::newRow("version and line feed")
        << QByteArray("echo 2026.08.19") << true << QStringLiteral("2026.08.19");
    QTest::newRow("surrounding blank lines and spaces")
        << QByteArray("printf '\\n  2023.03.04 \\r\\n\\n'") << true << QStringLiteral("2023.03.04");
    QTest::newRow("warnings on stderr do not matter")
        << QByteArray("echo 'WARNING: old' >&2; echo 2026.01.01") << true
        << QStringLiteral("2026.01.01");
    QTest::newRow("exit status 1") << QByteArray("echo 2026.08.19; exit 1") << false << QString();
}

void TestEngineUtils::version()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, found);
    QFETCH(QString, version);
    TestEnv env;
    const Engine engine(env.engineConfig());
    // The query passes exactly one argument.
    env.writeExecutable(engine.managedYtdlp(),
                        "#!/bin/sh\n[ \"$#\" = 1 ] && [ \"$1\" = --version ] || exit 7\n" + script +
                            "\n");
    bool answered = false;
    std::optional<QString> got;
    QObject context;
    engine.version(&context, [&](std::optional<QString> v) {
        answered = true;
        got = v;
    });
    QTRY_VERIFY_WITH_TIMEOUT(answered, 30000);
    QCOMPARE(got.has_value(), found);
    if (found)
        QCOMPARE(*got, version);
}

void TestEngineUtils::versionWithoutYtdlp()
{
    TestEnv env;
    const Engine engine(env.engineConfig());
    bool answered = false;
    std::optional<QString> got = QStringLiteral("unset");
    QObject context;
    engine.version(&context, [&](std::optional<QString> v) {
        answered = true;
        got = v;
    });
    // The answer never arrives inside the call itself.
    QVERIFY(!answered);
    QTRY_VERIFY(answered);
    QVERIFY(!got.has_value());
}

void TestEngineUtils::age()
{
    TestEnv env;
    const QDateTime now = QDateTime::fromSecsSinceEpoch(1800000000, Qt::UTC);
    EngineConfig config = env.engineConfig();
    config.now = [now] { return now; };
    const Engine engine(config);

    const QString path = env.root() + QStringLiteral("/tool");
    env.writeExecutable(path, "#!/bin/sh\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(now.addSecs(-432001), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(engine.age(path).value_or(-1), 432001.0);

    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(now.addSecs(120), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(engine.age(path).value_or(0), -120.0);

    QVERIFY(!engine.age(env.root() + QStringLiteral("/missing")).has_value());
}

QTEST_GUILESS_MAIN(TestEngineUtils)
#include "tst_engineutils.moc"
