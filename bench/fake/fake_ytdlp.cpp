// The stand-in for yt-dlp (and other outside tools) that tests drive. It is
// deliberately free of Qt so that it starts in a few milliseconds. The script
// format it runs is described at the top of FakeYtdlp.h.
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kExitNoScript = 97;
constexpr int kExitBadScript = 98;
constexpr int kExitNoRecord = 96;

// ---------------------------------------------------------------------------
// Small helpers

[[noreturn]] void fail(int code, const std::string& message)
{
    const std::string line = "fake-ytdlp: " + message + "\n";
    [[maybe_unused]] ssize_t n = ::write(STDERR_FILENO, line.data(), line.size());
    _exit(code);
}

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::optional<std::string> readFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string data;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
}

bool parseInt(std::string_view text, long long& value)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    if (text.empty())
        return false;
    std::string s(text);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || end == s.c_str() || *end != '\0')
        return false;
    value = v;
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool decodeHex(std::string_view text, std::string& out)
{
    int high = -1;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r')
            continue;
        const int d = hexDigit(c);
        if (d < 0)
            return false;
        if (high < 0) {
            high = d;
        } else {
            out.push_back(static_cast<char>(high * 16 + d));
            high = -1;
        }
    }
    return high < 0;
}

bool decodeBase64(std::string_view text, std::string& out)
{
    unsigned int acc = 0;
    int bits = 0;
    bool padding = false;
    for (const char c : text) {
        int v;
        if (c >= 'A' && c <= 'Z')
            v = c - 'A';
        else if (c >= 'a' && c <= 'z')
            v = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            v = c - '0' + 52;
        else if (c == '+' || c == '-')
            v = 62;
        else if (c == '/' || c == '_')
            v = 63;
        else if (c == '=') {
            padding = true;
            continue;
        } else if (c == ' ' || c == '\t' || c == '\r')
            continue;
        else
            return false;
        if (padding)
            return false;
        acc = (acc << 6) | static_cast<unsigned int>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<char>((acc >> bits) & 0xff));
        }
    }
    return true;
}

bool decodeEscapes(std::string_view text, std::string& out)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\\') {
            out.push_back(c);
            continue;
        }
        if (++i >= text.size())
            return false;
        switch (text[i]) {
        case 'n':
            out.push_back('\n');
            break;
        case 'r':
            out.push_back('\r');
            break;
        case 't':
            out.push_back('\t');
            break;
        case '0':
            out.push_back('\0');
            break;
        case '\\':
            out.push_back('\\');
            break;
        case 'x': {
            if (i + 2 >= text.size())
                return false;
            const int h = hexDigit(text[i + 1]);
            const int l = hexDigit(text[i + 2]);
            if (h < 0 || l < 0)
                return false;
            out.push_back(static_cast<char>(h * 16 + l));
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

// Appends `s` as a JSON string. Bytes that are not valid UTF-8 become U+FFFD.
void appendJsonString(std::string& json, const std::string& s)
{
    json.push_back('"');
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const size_t n = s.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    json += buf;
                } else {
                    json.push_back(static_cast<char>(c));
                }
            }
            ++i;
            continue;
        }
        // Multi-byte sequence: validate length, continuation bytes, overlongs
        // and surrogates.
        size_t len = 0;
        uint32_t cp = 0;
        if (c >= 0xc2 && c <= 0xdf) {
            len = 2;
            cp = c & 0x1f;
        } else if (c >= 0xe0 && c <= 0xef) {
            len = 3;
            cp = c & 0x0f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            len = 4;
            cp = c & 0x07;
        }
        bool valid = len > 0 && i + len <= n;
        for (size_t k = 1; valid && k < len; ++k) {
            if ((p[i + k] & 0xc0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (p[i + k] & 0x3f);
        }
        if (valid) {
            if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10ffff)) ||
                (cp >= 0xd800 && cp <= 0xdfff))
                valid = false;
        }
        if (!valid) {
            json += "\\ufffd";
            ++i;
            continue;
        }
        json.append(s, i, len);
        i += len;
    }
    json.push_back('"');
}

// ---------------------------------------------------------------------------
// Output, immediate or held until a flush

struct Output {
    bool buffered = false;
    std::string held[2]; // stdout, stderr

    void write(int fd, const std::string& data)
    {
        if (data.empty())
            return;
        if (buffered) {
            held[fd == STDOUT_FILENO ? 0 : 1] += data;
            return;
        }
        writeAll(fd, data.data(), data.size());
    }

    void flush()
    {
        for (int k = 0; k < 2; ++k) {
            if (!held[k].empty()) {
                writeAll(k == 0 ? STDOUT_FILENO : STDERR_FILENO, held[k].data(), held[k].size());
                held[k].clear();
            }
        }
    }
};

Output g_output;

// ---------------------------------------------------------------------------
// Signals

enum class SignalMode { die, ignore, exitCode, delay };

struct SignalSetup {
    int signo;
    const char* name;
    volatile std::sig_atomic_t mode;
    volatile std::sig_atomic_t arg;
    volatile std::sig_atomic_t seen;
};

SignalSetup g_signals[] = {
    {SIGTERM, "TERM", static_cast<int>(SignalMode::die), 0, 0},
    {SIGINT, "INT", static_cast<int>(SignalMode::die), 0, 0},
};

char g_signalLogPath[4096];

SignalSetup* setupFor(int signo)
{
    for (auto& s : g_signals) {
        if (s.signo == signo)
            return &s;
    }
    return nullptr;
}

void dieOf(int signo)
{
    ::signal(signo, SIG_DFL);
    ::raise(signo);
}

// SIGALRM ends a delayed death: the pending signal finally takes effect.
int g_delayedSignal = 0;

void onAlarm(int)
{
    if (g_delayedSignal != 0)
        dieOf(g_delayedSignal);
}

void onSignal(int signo)
{
    const int saved = errno;
    SignalSetup* s = setupFor(signo);
    if (g_signalLogPath[0] != '\0' && s != nullptr) {
        const int fd = ::open(g_signalLogPath, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd >= 0) {
            char line[16];
            size_t len = 0;
            for (const char* p = s->name; *p != '\0' && len < sizeof line - 2; ++p)
                line[len++] = *p;
            line[len++] = '\n';
            [[maybe_unused]] ssize_t n = ::write(fd, line, len);
            ::close(fd);
        }
    }
    if (s == nullptr) {
        dieOf(signo);
        return;
    }
    const bool first = s->seen == 0;
    s->seen = 1;
    switch (static_cast<SignalMode>(s->mode)) {
    case SignalMode::die:
        dieOf(signo);
        break;
    case SignalMode::ignore:
        break;
    case SignalMode::exitCode:
        _exit(s->arg);
    case SignalMode::delay:
        if (first) {
            g_delayedSignal = signo;
            itimerval timer{};
            timer.it_value.tv_sec = s->arg / 1000;
            timer.it_value.tv_usec = (s->arg % 1000) * 1000;
            if (timer.it_value.tv_sec == 0 && timer.it_value.tv_usec == 0)
                dieOf(signo);
            else
                ::setitimer(ITIMER_REAL, &timer, nullptr);
        }
        break;
    }
    errno = saved;
}

void installHandler(int signo, void (*handler)(int))
{
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0; // no SA_RESTART: sleeps and writes see EINTR and carry on
    ::sigaction(signo, &sa, nullptr);
}

void sleepMs(long long ms)
{
    if (ms <= 0)
        return;
    timespec deadline{};
    ::clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += static_cast<time_t>(ms / 1000);
    deadline.tv_nsec += static_cast<long>((ms % 1000) * 1000000);
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

// ---------------------------------------------------------------------------
// The script

struct Command {
    int lineNumber;
    std::string verb;
    std::string arg;
};

struct Section {
    std::string kind; // "default", "option", "arg", "arg-contains", "call"
    std::string value;
    std::vector<Command> commands;
};

const char* const kVerbs[] = {
    "out",      "err",      "out-cr",     "err-cr",    "out-nonl", "err-nonl",   "out-esc",
    "err-esc",  "out-hex",  "err-hex",    "out-b64",   "err-b64",  "out-file",   "err-file",
    "out-fill", "err-fill", "out-env",    "buffer",    "flush",    "sleep",      "pidfile",
    "exit",     "raise",    "on-sigterm", "on-sigint", "mkdir",    "create-file"};

bool knownVerb(const std::string& verb)
{
    for (const char* v : kVerbs) {
        if (verb == v)
            return true;
    }
    return false;
}

std::vector<Section> parseScript(const std::string& text)
{
    std::vector<Section> sections;
    sections.push_back(Section{"default", {}, {}});
    size_t current = 0;
    size_t pos = 0;
    int lineNumber = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos || line[0] == '#')
            continue;
        const size_t space = line.find(' ');
        const std::string word = line.substr(0, space);
        const std::string rest =
            space == std::string::npos ? std::string() : line.substr(space + 1);
        if (word[0] == '@') {
            const std::string kind = word.substr(1);
            if (kind == "default") {
                current = 0;
                continue;
            }
            if (kind != "option" && kind != "arg" && kind != "arg-contains" && kind != "call")
                fail(kExitBadScript,
                     "line " + std::to_string(lineNumber) + ": unknown section header " + word);
            if (kind == "call") {
                long long n = 0;
                if (!parseInt(rest, n) || n < 1)
                    fail(kExitBadScript,
                         "line " + std::to_string(lineNumber) + ": @call needs a number >= 1");
            }
            sections.push_back(Section{kind, rest, {}});
            current = sections.size() - 1;
            continue;
        }
        if (!knownVerb(word))
            fail(kExitBadScript,
                 "line " + std::to_string(lineNumber) + ": unknown command " + word);
        sections[current].commands.push_back(Command{lineNumber, word, rest});
    }
    return sections;
}

const Section& chooseSection(const std::vector<Section>& sections,
                             const std::vector<std::string>& args, long long callNumber)
{
    for (size_t i = 1; i < sections.size(); ++i) {
        const Section& s = sections[i];
        bool match = false;
        if (s.kind == "option") {
            for (const auto& a : args) {
                if (a == "--")
                    break;
                if (a == s.value) {
                    match = true;
                    break;
                }
            }
        } else if (s.kind == "arg") {
            for (const auto& a : args)
                match = match || a == s.value;
        } else if (s.kind == "arg-contains") {
            for (const auto& a : args)
                match = match || a.find(s.value) != std::string::npos;
        } else if (s.kind == "call") {
            long long n = 0;
            match = parseInt(s.value, n) && n == callNumber;
        }
        if (match)
            return s;
    }
    return sections[0];
}

struct Paths {
    std::string script;
    std::string dir; // the script's folder, for relative paths
    std::string base;
};

std::string resolve(const Paths& paths, const std::string& p)
{
    if (!p.empty() && p[0] == '/')
        return p;
    return paths.dir + "/" + p;
}

bool makeDirs(const std::string& path)
{
    if (path.empty())
        return true;
    std::string partial;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path.find('/', pos + 1);
        partial = path.substr(0, pos);
        if (partial.empty())
            continue;
        if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

std::string filler(long long n, bool lines)
{
    std::string s(static_cast<size_t>(n), 'x');
    if (lines) {
        for (size_t i = 79; i < s.size(); i += 80)
            s[i] = '\n';
    }
    return s;
}

[[noreturn]] void finish(int code)
{
    g_output.flush();
    _exit(code);
}

void run(const Command& c, const Paths& paths)
{
    const auto bad = [&c](const std::string& what) {
        fail(kExitBadScript, "line " + std::to_string(c.lineNumber) + ": " + c.verb + ": " + what);
    };
    const std::string& v = c.verb;
    const int fd = v.rfind("err", 0) == 0 ? STDERR_FILENO : STDOUT_FILENO;
    const std::string_view suffix = v.size() > 3 ? std::string_view(v).substr(3) : "";

    if (v == "out" || v == "err") {
        g_output.write(fd, c.arg + "\n");
    } else if (suffix == "-cr") {
        g_output.write(fd, c.arg + "\r");
    } else if (suffix == "-nonl") {
        g_output.write(fd, c.arg);
    } else if (suffix == "-esc") {
        std::string data;
        if (!decodeEscapes(c.arg, data))
            bad("bad escape");
        g_output.write(fd, data);
    } else if (suffix == "-hex") {
        std::string data;
        if (!decodeHex(c.arg, data))
            bad("bad hex");
        g_output.write(fd, data);
    } else if (suffix == "-b64") {
        std::string data;
        if (!decodeBase64(c.arg, data))
            bad("bad base64");
        g_output.write(fd, data);
    } else if (suffix == "-file") {
        const auto data = readFile(resolve(paths, c.arg));
        if (!data)
            bad("cannot read " + c.arg);
        g_output.write(fd, *data);
    } else if (suffix == "-fill") {
        const size_t space = c.arg.find(' ');
        long long n = 0;
        if (!parseInt(c.arg.substr(0, space), n) || n < 0)
            bad("needs a byte count");
        const std::string mode = space == std::string::npos ? "" : c.arg.substr(space + 1);
        if (!mode.empty() && mode != "raw")
            bad("unknown mode " + mode);
        g_output.write(fd, filler(n, mode.empty()));
    } else if (v == "out-env") {
        const char* value = std::getenv(c.arg.c_str());
        g_output.write(fd, std::string(value != nullptr ? value : "") + "\n");
    } else if (v == "buffer") {
        if (c.arg == "on") {
            g_output.buffered = true;
        } else if (c.arg == "off") {
            g_output.flush();
            g_output.buffered = false;
        } else {
            bad("needs on or off");
        }
    } else if (v == "flush") {
        g_output.flush();
    } else if (v == "sleep") {
        long long ms = 0;
        if (!parseInt(c.arg, ms) || ms < 0)
            bad("needs milliseconds");
        sleepMs(ms);
    } else if (v == "pidfile") {
        const std::string path = c.arg.empty() ? paths.base + ".pid" : resolve(paths, c.arg);
        const std::string text = std::to_string(::getpid()) + "\n";
        const std::string tmp = path + ".tmp";
        const int f = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (f < 0 || !writeAll(f, text.data(), text.size()))
            bad("cannot write " + path);
        ::close(f);
        if (::rename(tmp.c_str(), path.c_str()) != 0)
            bad("cannot write " + path);
    } else if (v == "exit") {
        long long code = 0;
        if (!parseInt(c.arg, code) || code < 0 || code > 255)
            bad("needs a code 0-255");
        finish(static_cast<int>(code));
    } else if (v == "raise") {
        static const struct {
            const char* name;
            int signo;
        } names[] = {{"TERM", SIGTERM}, {"KILL", SIGKILL}, {"INT", SIGINT},
                     {"SEGV", SIGSEGV}, {"ABRT", SIGABRT}, {"HUP", SIGHUP}};
        int signo = 0;
        for (const auto& n : names) {
            if (c.arg == n.name)
                signo = n.signo;
        }
        if (signo == 0)
            bad("unknown signal " + c.arg);
        g_output.flush();
        dieOf(signo);
    } else if (v == "on-sigterm" || v == "on-sigint") {
        SignalSetup* s = setupFor(v == "on-sigterm" ? SIGTERM : SIGINT);
        const size_t space = c.arg.find(' ');
        const std::string mode = c.arg.substr(0, space);
        const std::string value = space == std::string::npos ? "" : c.arg.substr(space + 1);
        long long n = 0;
        if (mode == "die" && value.empty()) {
            s->mode = static_cast<int>(SignalMode::die);
        } else if (mode == "ignore" && value.empty()) {
            s->mode = static_cast<int>(SignalMode::ignore);
        } else if (mode == "exit" && parseInt(value, n) && n >= 0 && n <= 255) {
            s->arg = static_cast<int>(n);
            s->mode = static_cast<int>(SignalMode::exitCode);
        } else if (mode == "delay" && parseInt(value, n) && n >= 0 && n <= 3600000) {
            s->arg = static_cast<int>(n);
            s->mode = static_cast<int>(SignalMode::delay);
        } else {
            bad("needs die, ignore, exit CODE or delay MS");
        }
    } else if (v == "mkdir") {
        if (!makeDirs(resolve(paths, c.arg)))
            bad("cannot create " + c.arg);
    } else if (v == "create-file") {
        const size_t space = c.arg.find(' ');
        long long n = 0;
        if (space == std::string::npos || !parseInt(c.arg.substr(0, space), n) || n < 0)
            bad("needs SIZE PATH");
        const std::string path = resolve(paths, c.arg.substr(space + 1));
        const size_t slash = path.rfind('/');
        if (slash != std::string::npos && !makeDirs(path.substr(0, slash)))
            bad("cannot create folder for " + path);
        const int f = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const std::string data = filler(n, false);
        if (f < 0 || !writeAll(f, data.data(), data.size()))
            bad("cannot write " + path);
        ::close(f);
    }
}

// Appends the call to the calls file under a lock and returns its number
// (1 for the first line of the file).
long long record(const std::string& callsPath, const std::vector<std::string>& args)
{
    std::string line = "[";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i > 0)
            line.push_back(',');
        appendJsonString(line, args[i]);
    }
    line += "]\n";
    const int fd = ::open(callsPath.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        fail(kExitNoRecord, "cannot open " + callsPath + ": " + std::strerror(errno));
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    if (!writeAll(fd, line.data(), line.size()))
        fail(kExitNoRecord, "cannot write " + callsPath);
    ::fsync(fd);
    long long count = 0;
    if (::lseek(fd, 0, SEEK_SET) == 0) {
        char buf[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            for (ssize_t i = 0; i < n; ++i)
                count += buf[i] == '\n' ? 1 : 0;
        }
    }
    ::flock(fd, LOCK_UN);
    ::close(fd);
    return count;
}

} // namespace

int main(int argc, char** argv)
{
    const char* scriptEnv = std::getenv("REELCATCH_FAKE_SCRIPT");
    if (scriptEnv == nullptr || *scriptEnv == '\0')
        fail(kExitNoScript, "REELCATCH_FAKE_SCRIPT is not set");

    Paths paths;
    paths.script = scriptEnv;
    const size_t slash = paths.script.rfind('/');
    paths.dir = slash == std::string::npos ? "." : paths.script.substr(0, slash);
    if (paths.dir.empty())
        paths.dir = "/";
    paths.base = paths.script;
    const std::string ext = ".script";
    if (paths.base.size() > ext.size() &&
        paths.base.compare(paths.base.size() - ext.size(), ext.size(), ext) == 0)
        paths.base.resize(paths.base.size() - ext.size());

    // The record comes first, before anything that could fail or be killed.
    std::vector<std::string> args(argv + 1, argv + argc);
    const long long callNumber = record(paths.base + ".calls", args);

    std::snprintf(g_signalLogPath, sizeof g_signalLogPath, "%s.signals", paths.base.c_str());
    installHandler(SIGTERM, onSignal);
    installHandler(SIGINT, onSignal);
    installHandler(SIGALRM, onAlarm);

    const auto text = readFile(paths.script);
    if (!text)
        fail(kExitNoScript, "cannot read " + paths.script);
    const std::vector<Section> sections = parseScript(*text);
    const Section& section = chooseSection(sections, args, callNumber);
    for (const Command& c : section.commands)
        run(c, paths);
    finish(0);
}
