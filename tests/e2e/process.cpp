#include "process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace sahifex::e2e {
namespace {

struct CStrings {
    std::vector<std::string> strings;
    std::vector<char*> pointers;
    explicit CStrings(std::vector<std::string> from) : strings(std::move(from)) {
        for (auto& s : strings) pointers.push_back(s.data());
        pointers.push_back(nullptr);
    }
};

CStrings environmentStrings(const Environment& env) {
    std::vector<std::string> pairs;
    for (const auto& [name, value] : env)
        if (!value.empty()) pairs.push_back(name + "=" + value);
    return CStrings(std::move(pairs));
}

std::string describe(const std::vector<std::string>& argv) {
    std::string text;
    for (const auto& arg : argv) text += (text.empty() ? "" : " ") + arg;
    return text;
}

} // namespace

Environment currentEnvironment() {
    Environment env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string pair = *entry;
        const size_t eq = pair.find('=');
        if (eq != std::string::npos) env[pair.substr(0, eq)] = pair.substr(eq + 1);
    }
    return env;
}

Process::Process(const std::vector<std::string>& argv, const Environment& env,
                 const std::filesystem::path& logFile) {
    CStrings args(argv);
    CStrings envp = environmentStrings(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, logFile.c_str(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int failed = posix_spawnp(&pid_, args.pointers[0], &actions, nullptr,
                                    args.pointers.data(), envp.pointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error("cannot start " + describe(argv) + ": " + std::strerror(failed));
}

Process::~Process() { end(); }

bool Process::running() {
    if (reaped_) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        reaped_ = true;
        if (WIFEXITED(status)) exitStatus_ = WEXITSTATUS(status);
    }
    return !reaped_;
}

void Process::end() {
    if (!running()) return;
    kill(pid_, SIGTERM);
    if (!waitUntil([this] { return !running(); }, std::chrono::seconds(1),
                   std::chrono::milliseconds(10))) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        reaped_ = true;
    }
}

CommandResult run(const std::vector<std::string>& argv, const std::string& input) {
    CommandResult result;
    int toChild[2], fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
    CStrings args(argv);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, args.pointers[0], &actions, nullptr,
                                    args.pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    if (failed != 0) {
        close(toChild[1]);
        close(fromChild[0]);
        throw std::runtime_error("cannot run " + describe(argv) + ": " + std::strerror(failed));
    }
    // The input is small (a word or a verse): it fits the pipe before the tool reads.
    if (!input.empty() && write(toChild[1], input.data(), input.size()) < 0) {}
    close(toChild[1]);
    char buffer[4096];
    for (ssize_t n; (n = read(fromChild[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        result.out.append(buffer, static_cast<size_t>(n));
    }
    close(fromChild[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string runOrThrow(const std::vector<std::string>& argv, const std::string& input) {
    CommandResult result = run(argv, input);
    if (result.status != 0)
        throw std::runtime_error(describe(argv) + " failed with status " +
                                 std::to_string(result.status));
    return result.out;
}

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
               std::chrono::milliseconds step) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        std::this_thread::sleep_for(step);
    }
    return done();
}

void sleepFor(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

} // namespace sahifex::e2e
