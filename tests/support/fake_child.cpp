// A child process for the tests of process handling, free of Qt so that it
// starts fast. Each argument is one step, run in order:
//   1:TEXT / 2:TEXT   TEXT to standard output / error
//   fill:FD:N         N bytes to FD, in lines of 79 "x" and "\n"
//   sleep:MS          sleeps MS milliseconds
//   pid               writes "pid PID\n" to standard output
//   fds               writes "fds" and the open descriptors' numbers, each
//                     after a space, and "\n" to standard output
//   ignore-term       ignores SIGTERM from now on (inherited by a grandchild)
//   grandchild        starts a grandchild that holds both pipes and waits for
//                     a signal, and writes "grandchild PID\n" to standard output
//   exit:N            exits with status N
// After the last step the program exits with status 0.
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

void put(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            std::_Exit(90);
        done += static_cast<size_t>(n);
    }
}

void sleepMs(long ms)
{
    timespec left{ms / 1000, (ms % 1000) * 1000000};
    while (::nanosleep(&left, &left) != 0) {
    }
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view step = argv[i];
        const std::string_view arg = step.substr(step.find(':') + 1);
        if (step.starts_with("1:") || step.starts_with("2:")) {
            put(step[0] - '0', std::string(arg));
        } else if (step.starts_with("fill:")) {
            const int fd = arg[0] - '0';
            long left = std::atol(std::string(arg.substr(2)).c_str());
            std::string block;
            for (int n = 0; n < 1000; ++n)
                block += std::string(79, 'x') + "\n";
            for (; left >= 80000; left -= 80000)
                put(fd, block);
            put(fd, block.substr(0, static_cast<size_t>(left)));
        } else if (step.starts_with("sleep:")) {
            sleepMs(std::atol(std::string(arg).c_str()));
        } else if (step == "pid") {
            put(1, "pid " + std::to_string(::getpid()) + "\n");
        } else if (step == "fds") {
            std::string line = "fds";
            DIR* dir = ::opendir("/proc/self/fd");
            while (const dirent* entry = dir ? ::readdir(dir) : nullptr)
                if (entry->d_name[0] != '.' && std::atoi(entry->d_name) != ::dirfd(dir))
                    line += std::string(" ") + entry->d_name;
            if (dir)
                ::closedir(dir);
            put(1, line + "\n");
        } else if (step == "ignore-term") {
            std::signal(SIGTERM, SIG_IGN);
        } else if (step == "grandchild") {
            const pid_t pid = ::fork();
            if (pid == 0) {
                for (;;)
                    ::pause();
            }
            put(1, "grandchild " + std::to_string(pid) + "\n");
        } else if (step.starts_with("exit:")) {
            return std::atoi(std::string(arg).c_str());
        } else {
            put(2, "fake-child: unknown step " + std::string(step) + "\n");
            return 99;
        }
    }
    return 0;
}
