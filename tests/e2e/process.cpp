// The harness's processes: helper commands run to their end, and the
// programs a test starts, each in a process group of its own that is ended
// whatever way the test program ends.
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/e2e/harness.h"
#include "tests/e2e/harness_internal.h"

extern char** environ;

namespace e2e {

namespace {

using SteadyClock = std::chrono::steady_clock;

// ---- Every process group still running, for the emergency exits ----------
// A fixed table of atomics, so that a signal handler may read it.

constexpr size_t kMaxGroups = 64;
std::array<std::atomic<pid_t>, kMaxGroups> liveGroups{};

void registerGroup(pid_t group) {
    for (auto& slot : liveGroups) {
        pid_t empty = 0;
        if (slot.compare_exchange_strong(empty, group)) return;
    }
}

void unregisterGroup(pid_t group) {
    for (auto& slot : liveGroups) {
        pid_t expected = group;
        slot.compare_exchange_strong(expected, 0);
    }
}

void killAllGroups() {
    for (auto& slot : liveGroups) {
        const pid_t group = slot.exchange(0);
        if (group > 0) ::kill(-group, SIGKILL);
    }
}

constexpr std::array<int, 8> kFatalSignals{SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGSEGV, SIGABRT, SIGBUS, SIGFPE};
std::array<struct sigaction, kFatalSignals.size()> previousActions{};

void onFatalSignal(int sig) {
    killAllGroups();
    for (size_t i = 0; i < kFatalSignals.size(); ++i)
        if (kFatalSignals[i] == sig) sigaction(sig, &previousActions[i], nullptr);
    // A fault repeats when the handler returns and reaches the previous
    // handler (a sanitizer's report); anything else is raised again.
    if (sig != SIGSEGV && sig != SIGBUS && sig != SIGFPE) raise(sig);
}

// Installed before any test runs: a test program that is killed, crashes or
// exits early still ends every process it started.
struct EmergencyExits {
    EmergencyExits() {
        struct sigaction action {};
        action.sa_handler = onFatalSignal;
        sigemptyset(&action.sa_mask);
        for (size_t i = 0; i < kFatalSignals.size(); ++i) sigaction(kFatalSignals[i], &action, &previousActions[i]);
        std::atexit(killAllGroups);
    }
} emergencyExits;

// ---- Starting processes ----------------------------------------------------

std::vector<std::string> environmentWith(const std::map<std::string, std::string>& changes) {
    std::map<std::string, std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const auto eq = entry.find('=');
        if (eq != std::string::npos) env[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto& [name, value] : changes) {
        if (value.empty())
            env.erase(name);  // an empty value removes the variable
        else
            env[name] = value;
    }
    std::vector<std::string> out;
    for (const auto& [name, value] : env) out.push_back(name + "=" + value);
    return out;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (auto& s : strings) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

// Forks and execs argv in a new process group that dies with this process.
// The descriptors become the child's standard input, output and error.
pid_t spawn(std::vector<std::string> argv, std::vector<std::string> env, int in, int out, int err) {
    std::vector<char*> args = pointers(argv);
    std::vector<char*> envp = pointers(env);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        execvpe(args[0], args.data(), envp.data());
        _exit(127);
    }
    setpgid(pid, pid);  // also here, so that the group exists before kill(-pid)
    registerGroup(pid);
    return pid;
}

int devNull(int flags) {
    return open("/dev/null", flags | O_CLOEXEC);
}

}  // namespace

namespace detail {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string trim(std::string s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

void xdotool(std::vector<std::string> args) {
    args.insert(args.begin(), "xdotool");
    const CommandResult r = runCommand(args);
    if (!r.ok()) ADD_FAILURE() << "xdotool " << args[1] << " failed: " << r.err;
}

}  // namespace detail

// ---- Commands and processes -------------------------------------------------

CommandResult runCommand(const std::vector<std::string>& argv, Millis timeout) {
    CommandResult result;
    int outPipe[2], errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0) return result;
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        return result;
    }
    const int in = devNull(O_RDONLY);
    const pid_t pid = spawn(argv, environmentWith({}), in, outPipe[1], errPipe[1]);
    close(in);
    close(outPipe[1]);
    close(errPipe[1]);
    if (pid < 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        return result;
    }

    const auto deadline = SteadyClock::now() + timeout;
    std::array<pollfd, 2> fds{pollfd{outPipe[0], POLLIN, 0}, pollfd{errPipe[0], POLLIN, 0}};
    std::array<std::string*, 2> sinks{&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        const auto left = std::chrono::duration_cast<Millis>(deadline - SteadyClock::now()).count();
        if (left <= 0) {
            result.timedOut = true;
            break;
        }
        if (poll(fds.data(), fds.size(), static_cast<int>(left)) < 0 && errno != EINTR) break;
        for (size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[65536];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (auto& f : fds)
        if (f.fd >= 0) close(f.fd);

    int status = 0;
    bool exited = false;
    while (!result.timedOut) {
        const pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) {
            exited = true;
            break;
        }
        if (r < 0 && errno != EINTR) break;
        if (SteadyClock::now() >= deadline) {
            result.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(5ms);
    }
    ::kill(-pid, SIGKILL);  // whatever is left of its group
    if (!exited) waitpid(pid, &status, 0);
    unregisterGroup(pid);
    if (!result.timedOut && WIFEXITED(status)) result.status = WEXITSTATUS(status);
    return result;
}

bool waitUntil(const std::function<bool()>& done, Millis timeout, Millis step) {
    const auto deadline = SteadyClock::now() + timeout;
    while (true) {
        if (done()) return true;
        if (SteadyClock::now() >= deadline) return false;
        std::this_thread::sleep_for(step);
    }
}

Process::Process(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
                 const std::filesystem::path& log)
    : log_(log) {
    const int in = devNull(O_RDONLY);
    const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    pid_ = spawn(argv, environmentWith(env), in, out >= 0 ? out : in, out >= 0 ? out : in);
    close(in);
    if (out >= 0) close(out);
    if (pid_ < 0) ADD_FAILURE() << "could not start " << argv.front();
}

Process::~Process() {
    stop();
}

void Process::reap(bool block) {
    if (pid_ < 0 || reaped_) return;
    int status = 0;
    pid_t r;
    do {
        r = waitpid(pid_, &status, block ? 0 : WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == pid_ || (r < 0 && errno == ECHILD)) {
        reaped_ = true;
        rawStatus_ = status;
    }
}

bool Process::alive() {
    reap(false);
    return pid_ > 0 && !reaped_;
}

std::optional<int> Process::exitStatus() {
    reap(false);
    if (!reaped_) return std::nullopt;
    return WIFEXITED(rawStatus_) ? WEXITSTATUS(rawStatus_) : -1;
}

bool Process::waitForExit(Millis timeout) {
    return waitUntil([this] { return !alive(); }, timeout, 20ms);
}

void Process::stop() {
    if (pid_ < 0) return;
    if (alive()) {
        ::kill(-pid_, SIGTERM);
        if (!waitForExit(3s)) {
            ::kill(-pid_, SIGKILL);
            reap(true);
        }
    }
    ::kill(-pid_, SIGKILL);  // anything the process left behind in its group
    unregisterGroup(pid_);
}

}  // namespace e2e
