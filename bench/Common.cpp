#include "Common.h"

#include <QFile>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace Bench {

void result(const char* key, double value)
{
    std::printf("RESULT %s %.6f\n", key, value);
    std::fflush(stdout);
}

qint64 statusKb(const char* field)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool resetPeak()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write("5") == 1;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

qint64 threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

StallProbe::StallProbe(int intervalMs) : m_intervalNs(qint64(intervalMs) * 1000000)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const qint64 now = nowNs();
        const qint64 cpu = threadCpuNs();
        const qint64 late = now - m_lastNs - m_intervalNs;
        const qint64 busy = cpu - m_lastCpuNs;
        if (late > m_worstNs) {
            m_worstNs = late;
            m_worstBusyNs = busy;
            m_worstAtNs = now;
        }
        m_longestBusyNs = std::max(m_longestBusyNs, busy - m_intervalNs);
        m_lastNs = now;
        m_lastCpuNs = cpu;
    });
}

void StallProbe::start()
{
    m_worstNs = 0;
    m_worstBusyNs = 0;
    m_longestBusyNs = 0;
    m_lastNs = nowNs();
    m_lastCpuNs = threadCpuNs();
    m_timer.start();
}

void StallProbe::stop()
{
    m_timer.stop();
}

ExitWatch::ExitWatch(qint64 pid)
{
    // Opened here, on the caller's thread, before the event loop can reap the
    // process: a pidfd of an ended but not yet reaped child is still readable.
    const int fd = int(syscall(SYS_pidfd_open, pid_t(pid), 0));
    m_thread = std::thread([this, pid, fd] {
        if (fd >= 0) {
            pollfd p{fd, POLLIN, 0};
            while (!m_stop.load()) {
                if (poll(&p, 1, 50) > 0) {
                    m_exitNs.store(nowNs());
                    break;
                }
            }
            close(fd);
            return;
        }
        // No pidfd: a process that has ended is a zombie (or gone).
        const QByteArray statPath = "/proc/" + QByteArray::number(pid) + "/stat";
        while (!m_stop.load()) {
            FILE* stat = std::fopen(statPath.constData(), "r");
            char buffer[512] = {};
            const size_t n = stat ? std::fread(buffer, 1, sizeof buffer - 1, stat) : 0;
            if (stat)
                std::fclose(stat);
            const char* paren = n ? std::strrchr(buffer, ')') : nullptr;
            if (!paren || paren[1] == 0 || paren[2] == 'Z' || paren[2] == 'X') {
                m_exitNs.store(nowNs());
                break;
            }
            usleep(200);
        }
    });
}

ExitWatch::~ExitWatch()
{
    m_stop.store(true);
    m_thread.join();
}

namespace {

// splitmix64: a bijection, so distinct indices give distinct ids.
quint64 mix(quint64 x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

QByteArray videoId(int index)
{
    static const char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    quint64 bits = mix(quint64(index));
    QByteArray id(11, Qt::Uninitialized);
    for (int i = 0; i < 11; ++i) {
        id[i] = alphabet[bits & 63];
        bits >>= 6;
    }
    // 66 bits of room for 64: the last character only ever holds 4 bits, so
    // the mapping stays one to one.
    return id;
}

QByteArray title(int index, quint64 r)
{
    static const char* const words[] = {
        "Live", "Session", "Tour",   "Review", "Guide",  "Night",    "Morning", "Jazz", "Piano",
        "Mix",  "Episode", "Behind", "the",    "Scenes", "Official", "Video",   "Lofi", "Beats"};
    QByteArray text;
    for (int w = 0; w < 5; ++w)
        text += QByteArray(words[(r >> (w * 5)) % 18]) + ' ';
    text += '#' + QByteArray::number(index);
    // JSON as Python writes it: non-ASCII as \u escapes (surrogate pairs
    // beyond the BMP), quotes and backslashes escaped; now and then raw UTF-8.
    switch (index % 11) {
    case 2:
        text += " Caf\\u00e9 cr\\u00e8me";
        break;
    case 4:
        text += " \\ud83c\\udfb5 \\u266b";
        break;
    case 6:
        text += " \\\"quoted\\\" back\\\\slash";
        break;
    case 8:
        text += " \xe6\x97\xa5\xe6\x9c\xac \xc3\xa9t\xc3\xa9";
        break;
    case 9:
        text += " tab\\tnew\\nline \\u0001";
        break;
    default:
        break;
    }
    return text;
}

QByteArray entry(int index)
{
    const quint64 r = mix(quint64(index) ^ 0x5eed);
    const QByteArray id = videoId(index);
    const QByteArray channel = "UCbench" + QByteArray::number(int(r % 7)) + "xxxxxxxxxxxxxxx";
    QByteArray duration;
    if (index % 23 == 0)
        duration = "null";
    else if (index % 5 == 0)
        duration = QByteArray::number(int(r % 7200) + 1);
    else
        duration = QByteArray::number(int(r % 7200) + 1) + ".0";
    const QByteArray thumbBase = "https://i.ytimg.com/vi/" + id + "/hqdefault.jpg?sqp=";
    const QByteArray sig = QByteArray::number(r, 36).rightJustified(20, 'x');
    QByteArray e;
    e.reserve(1100);
    e += R"({"_type": "url", "ie_key": "Youtube", "id": ")" + id +
         R"(", "url": "https://www.youtube.com/watch?v=)" + id + R"(", "title": ")" +
         title(index, r) + R"(", "description": null, )";
    e += R"("duration": )" + duration + R"(, "channel_id": ")" + channel +
         R"(", "channel": "Bench Channel", "channel_url": "https://www.youtube.com/channel/)" +
         channel +
         R"(", "uploader": "Bench Channel", "uploader_id": "@benchchannel", )"
         R"("uploader_url": "https://www.youtube.com/@benchchannel", "thumbnails": [)";
    e += R"({"url": ")" + thumbBase + "-oaymwEbCKgBEF5IVfKriqkDDggBFQAAiEIYAXABwAEG&rs=AOn4CL" +
         sig + R"(", "height": 94, "width": 168}, {"url": ")" + thumbBase +
         "-oaymwEcCNACELwBSFXyq4qpAw4IARUAAIhCGAFwAcABBg==&rs=AOn4CL" + sig +
         R"(", "height": 188, "width": 336}], )";
    e += R"("timestamp": null, "release_timestamp": null, "availability": null, "view_count": )" +
         QByteArray::number(r % 5000000) +
         R"(, "live_status": null, "__x_forwarded_for_ip": null})";
    return e;
}

} // namespace

qint64 writePlaylistAnswer(const QString& path, int count, int first, int total)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    if (total < 0)
        total = first + count;
    QByteArray chunk;
    for (int i = first; i < first + count; ++i) {
        QByteArray e = entry(i);
        e.chop(1); // "}": the playlist's fields follow, as yt-dlp adds them
        chunk += e + R"(, "playlist": "Bench Channel - Videos", "playlist_title": )"
                     R"("Bench Channel - Videos", "playlist_id": "UCbenchxxxxxxxxxxxxxxxxx", )"
                     R"("playlist_uploader": "Bench Channel", "playlist_index": )" +
                 QByteArray::number(i + 1) + R"(, "playlist_count": )" +
                 QByteArray::number(total) + R"(, "n_entries": )" + QByteArray::number(total) +
                 R"(, "extractor_key": "YoutubeTab", "epoch": 1700000000})" "\n";
        if (chunk.size() > (1 << 20)) {
            if (file.write(chunk) != chunk.size())
                return -1;
            chunk.clear();
        }
    }
    if (file.write(chunk) != chunk.size())
        return -1;
    return file.size();
}

QList<QByteArray> recordedLines(const QStringList& files)
{
    QList<QByteArray> lines;
    for (const QString& name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty() && !line.startsWith("# "))
                lines << line;
        }
    }
    return lines;
}

} // namespace Bench
