// Start-up: the time from a program's exec to the end of its main window's
// first paint, for the real `reelcatch` binary and for a bare Qt widget
// program built in the same tree, both offscreen and both carrying the same
// first-paint probe (LD_PRELOAD). Runs alternate between the two programs.
//
// Reelcatch runs in a sandbox of its own: HOME and the XDG folders inside
// it, its settings written there beforehand, its support folder holding a
// fresh fake yt-dlp and deno (so the engine check finds both and installs
// nothing), the installer's hosts and the session bus pointed at addresses
// where nothing answers.
#include "Benches.h"
#include "Common.h"
#include "FakeYtdlp.h"
#include "TestEnv.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <sys/mman.h>

using namespace reelcatch;

namespace {

struct Launch {
    // Nanoseconds from just before exec to QApplication and to the first
    // paint's end; 0 when the run failed.
    qint64 appNs = 0;
    qint64 paintNs = 0;
    // The program's CPU time (every thread) at the end of its first paint.
    qint64 cpuNs = 0;
};

// The monotonic clock, written by the child between fork and exec, in a
// page shared with the parent.
class ExecClock {
public:
    ExecClock()
    {
        void* page = mmap(nullptr, sizeof(std::atomic<qint64>), PROT_READ | PROT_WRITE,
                          MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        m_slot = page == MAP_FAILED ? nullptr : new (page) std::atomic<qint64>(0);
    }
    ~ExecClock()
    {
        if (m_slot)
            munmap(m_slot, sizeof(std::atomic<qint64>));
    }
    ExecClock(const ExecClock&) = delete;
    ExecClock& operator=(const ExecClock&) = delete;

    bool isValid() const { return m_slot != nullptr; }
    void arm(QProcess& process)
    {
        m_slot->store(0);
        std::atomic<qint64>* slot = m_slot;
        process.setChildProcessModifier([slot] {
            timespec ts{};
            clock_gettime(CLOCK_MONOTONIC, &ts);
            slot->store(qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec);
        });
    }
    qint64 execNs() const { return m_slot->load(); }

private:
    std::atomic<qint64>* m_slot = nullptr;
};

Launch launch(const QString& program, const QStringList& args, const QProcessEnvironment& env,
              ExecClock& clock)
{
    QProcess child;
    child.setProgram(program);
    child.setArguments(args);
    child.setProcessEnvironment(env);
    child.setStandardInputFile(QProcess::nullDevice());
    child.setProcessChannelMode(QProcess::SeparateChannels);
    clock.arm(child);

    QEventLoop loop;
    QObject::connect(&child, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&child, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    child.start();
    if (child.state() != QProcess::NotRunning)
        loop.exec();
    if (child.state() != QProcess::NotRunning) {
        child.kill();
        child.waitForFinished(5000);
        std::fprintf(stderr, "startup: %s did not end by itself\n", qPrintable(program));
    }
    const QByteArray err = child.readAllStandardError();
    if (!err.isEmpty())
        std::fprintf(stderr, "startup: %s said: %s\n", qPrintable(program), err.constData());

    Launch run;
    const qint64 exec = clock.execNs();
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 3 || parts[0] != "REELCATCH_PROBE" || exec == 0)
            continue;
        if (parts[1] == "cpu_ns") {
            run.cpuNs = parts[2].toLongLong();
            continue;
        }
        const qint64 at = parts[2].toLongLong() - exec;
        if (parts[1] == "app_ns")
            run.appNs = at;
        else if (parts[1] == "paint_ns")
            run.paintNs = at;
    }
    if (run.paintNs <= 0)
        std::fprintf(stderr, "startup: no first paint from %s\n", qPrintable(program));
    return run;
}

double medianMs(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    if (n == 0)
        return 0;
    return (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2) / 1e6;
}

} // namespace

int startupBench(int runs)
{
    TestEnv env;
    ExecClock clock;
    if (!clock.isValid()) {
        std::fprintf(stderr, "startup: no sandbox\n");
        return 1;
    }
    // What EngineConfig::forUser() and Prefs::forUser() find under the
    // sandbox's XDG folders.
    const QString support = env.path(QStringLiteral("home/.local/share/Reelcatch"));
    FakeYtdlp ytdlp(support, QStringLiteral("yt-dlp"), env.path(QStringLiteral("state")));
    ytdlp.answerVersion(QStringLiteral("2025.01.01"));
    FakeYtdlp deno(support, QStringLiteral("deno"), env.path(QStringLiteral("state")));
    deno.answerVersion(QStringLiteral("deno 2.1.0"));
    const QString settings = env.path(QStringLiteral("home/.config/Reelcatch/Reelcatch.conf"));
    if (TestEnv::writeFile(settings, "[General]\nfolder=" + env.downloadsDir().toUtf8() + "\n")
            .isEmpty()) {
        std::fprintf(stderr, "startup: cannot write the settings\n");
        return 1;
    }

    QProcessEnvironment sandbox = env.childEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "SESSION_MANAGER", "QT_QPA_PLATFORMTHEME",
          "QT_STYLE_OVERRIDE", "DBUS_SESSION_BUS_ADDRESS"})
        sandbox.remove(QLatin1String(name));
    sandbox.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    sandbox.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(REELCATCH_FIRST_PAINT_PROBE));
    // Neither program may reach a session bus or the installer's hosts.
    sandbox.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                   QStringLiteral("unix:path=") + env.path(QStringLiteral("no-bus")));
    // Qt's runtime folder, private to the sandbox (mode 0700, as Qt wants it).
    const QString runtime = env.path(QStringLiteral("runtime"));
    if (!QDir().mkpath(runtime) ||
        !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        std::fprintf(stderr, "startup: cannot make the runtime folder\n");
        return 1;
    }
    sandbox.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    sandbox.insert(QStringLiteral("REELCATCH_RELEASE_HOST"), QStringLiteral("http://127.0.0.1:9"));
    sandbox.insert(QStringLiteral("REELCATCH_FFMPEG_HOST"), QStringLiteral("http://127.0.0.1:9"));

    // The three programs: Reelcatch, the bare window, and the bare window
    // showing a line of text (for what loading the fonts costs any program).
    const QList<std::pair<QString, QStringList>> programs{
        {QStringLiteral(REELCATCH_APP_BINARY), {}},
        {QStringLiteral(REELCATCH_BARE_BINARY), {}},
        {QStringLiteral(REELCATCH_BARE_BINARY), {QStringLiteral("--text")}}};
    // One run of each first: the sandbox's caches (fontconfig's among
    // them) are filled then, and the binaries are in the page cache.
    for (const auto& [program, programArgs] : programs) {
        if (launch(program, programArgs, sandbox, clock).paintNs <= 0)
            return 1;
    }
    QList<qint64> paint[3], qt[3], cpu[3];
    for (int i = 0; i < runs; ++i) {
        // Rotating which goes first, so that none always follows another.
        for (int k = 0; k < 3; ++k) {
            const int which = (i + k) % 3;
            const Launch run =
                launch(programs[which].first, programs[which].second, sandbox, clock);
            if (run.paintNs <= 0)
                return 1;
            paint[which] << run.paintNs;
            qt[which] << run.appNs;
            cpu[which] << run.cpuNs;
        }
    }
    if (ytdlp.callCount() == 0)
        std::fprintf(stderr, "startup: Reelcatch never ran its yt-dlp (the engine check)\n");
    for (const QStringList& call : ytdlp.calls() + deno.calls()) {
        if (call != QStringList{QStringLiteral("--version")}) {
            std::fprintf(stderr, "startup: unexpected tool call: %s\n",
                         qPrintable(call.join(QLatin1Char(' '))));
            return 1;
        }
    }
    const double appMs = medianMs(paint[0]);
    const double bareMs = medianMs(paint[1]);
    const double textMs = medianMs(paint[2]);
    const auto fastestMs = [](const QList<qint64>& values) {
        return *std::min_element(values.cbegin(), values.cend()) / 1e6;
    };
    Bench::result("runs", runs);
    Bench::result("app_ms", appMs);
    Bench::result("bare_ms", bareMs);
    Bench::result("text_ms", textMs);
    Bench::result("ratio", appMs / std::max(1e-9, bareMs));
    Bench::result("text_ratio", appMs / std::max(1e-9, textMs));
    Bench::result("app_fastest_ms", fastestMs(paint[0]));
    Bench::result("bare_fastest_ms", fastestMs(paint[1]));
    Bench::result("text_fastest_ms", fastestMs(paint[2]));
    Bench::result("app_cpu_ms", medianMs(cpu[0]));
    Bench::result("bare_cpu_ms", medianMs(cpu[1]));
    Bench::result("text_cpu_ms", medianMs(cpu[2]));
    Bench::result("app_qapplication_ms", medianMs(qt[0]));
    Bench::result("bare_qapplication_ms", medianMs(qt[1]));
    Bench::result("text_qapplication_ms", medianMs(qt[2]));
    return 0;
}
