// One instance per user, with real processes: this program started again as
// `--instance SOCKET [LINK…]` does what main() does with its command line.
#include "SingleInstance.h"
#include "TestEnv.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include <cstdio>

using namespace reelcatch;
using namespace Qt::Literals::StringLiterals;

namespace {

// Hands its links over and exits 0, or listens and prints "listening", then
// "LINK… token=TOKEN" for every later start.
int instanceMain(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(2);
    QStringList links;
    for (const QString& argument : args.mid(1))
        links << SingleInstance::linkFromArgument(argument);
    SingleInstance instance(args.value(0));
    const SingleInstance::Role role = instance.handOver(links, qEnvironmentVariable("XDG_ACTIVATION_TOKEN"));
    if (role != SingleInstance::Role::first)
        return role == SingleInstance::Role::handedOver ? 0 : 3;
    QObject::connect(&instance, &SingleInstance::called, &app, [](const QStringList& handed, const QString& token) {
        std::printf("%s token=%s\n", qPrintable(handed.join(u' ')), qPrintable(token));
        std::fflush(stdout);
    });
    std::puts(instance.listen() ? "listening" : "failed");
    std::fflush(stdout);
    return app.exec();
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TestEnv::isolateProcess(); }
    void handsOverAndSurvivesACrash();
    void linkFromArgument_data();
    void linkFromArgument();

private:
    // Starts an instance that must become the running one.
    bool startFirst(QProcess& process)
    {
        process.setProcessEnvironment(env.childEnvironment());
        process.start(QCoreApplication::applicationFilePath(), {u"--instance"_s, socket});
        return QTest::qWaitFor([&] { return process.canReadLine(); }, 60000) && process.readLine() == "listening\n";
    }
    // Starts a later instance with these links; its exit code.
    int startLater(const QStringList& links, const QString& token = {})
    {
        QProcessEnvironment environment = env.childEnvironment();
        environment.insert(u"XDG_ACTIVATION_TOKEN"_s, token);
        const ProcessResult result = runProcess(QCoreApplication::applicationFilePath(), QStringList{u"--instance"_s, socket} + links, environment);
        return result.finished ? result.exitCode : -1;
    }

    TestEnv env;
    QString socket = env.path(u"runtime/reelcatch.socket"_s);
};

void TestSingleInstance::handsOverAndSurvivesACrash()
{
    QVERIFY(QDir().mkpath(env.path(u"runtime"_s)));
    QProcess first;
    QVERIFY(startFirst(first));
    QCOMPARE(startLater({u"reelcatch://https://www.youtube.com/watch?v=a"_s, u"two"_s}, u"tok-1"_s), 0);
    QVERIFY(QTest::qWaitFor([&] { return first.canReadLine(); }, 60000));
    QCOMPARE(first.readLine(), "https://www.youtube.com/watch?v=a two token=tok-1\n");
    QCOMPARE(startLater({}, u"bad token"_s), 0); // only asks for the window; a spaced token is dropped
    QVERIFY(QTest::qWaitFor([&] { return first.canReadLine(); }, 60000));
    QCOMPARE(first.readLine(), " token=\n");

    // A crash leaves the socket behind; the next start takes its place.
    first.kill();
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(QFile::exists(socket));
    QProcess next;
    QVERIFY(startFirst(next));
    QCOMPARE(startLater({u"x"_s}), 0);
    QVERIFY(QTest::qWaitFor([&] { return next.canReadLine(); }, 60000));
    QCOMPARE(next.readLine(), "x token=\n");
    next.kill();
    next.waitForFinished(60000);
}

void TestSingleInstance::linkFromArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("link");
    const QString watch = u"https://www.youtube.com/watch?v=a&list=b"_s;
    QTest::newRow("scheme") << u"reelcatch://"_s + watch << watch;
    QTest::newRow("upper case, one slash") << u"REELCATCH:/"_s + watch << watch;
    QTest::newRow("colon dropped") << u"reelcatch://https//www.youtube.com/watch?v=a&list=b"_s << watch;
    QTest::newRow("encoded") << u"reelcatch://https%3A%2F%2Fwww.youtube.com%2Fwatch%3Fv%3Da%26list%3Db"_s << watch;
    QTest::newRow("http kept") << u"reelcatch://http//youtu.be/a"_s << u"http://youtu.be/a"_s;
    QTest::newRow("plain link") << watch << watch;
    QTest::newRow("other scheme inside untouched") << u"https://example.org/reelcatch://x"_s << u"https://example.org/reelcatch://x"_s;
}

void TestSingleInstance::linkFromArgument()
{
    QFETCH(QString, argument);
    QTEST(SingleInstance::linkFromArgument(argument), "link");
}

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--instance") == 0)
        return instanceMain(argc, argv);
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
