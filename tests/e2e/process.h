#pragma once
// Starting the programs of an end-to-end test and ending them by their PID, running
// the command-line tools (xdotool, xprop, xclip) and waiting with a bounded poll.

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace sahifex::e2e {

// The environment of this process, with changes: a value of "" removes the name.
using Environment = std::map<std::string, std::string>;
Environment currentEnvironment();

// A program started with posix_spawn; the object ends it (by its PID) when it goes.
class Process {
public:
    // Starts argv[0] (looked up in PATH) with stdout and stderr into logFile.
    Process(const std::vector<std::string>& argv, const Environment& env,
            const std::filesystem::path& logFile);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t pid() const { return pid_; }
    bool running();
    // The exit status once it has ended by itself; -1 while it runs or when a signal ended it.
    int exitStatus() const { return exitStatus_; }
    // SIGTERM, then SIGKILL if it has not ended within a second; reaps it.
    void end();

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
    int exitStatus_ = -1;
};

struct CommandResult {
    int status = -1; // the exit status; -1 when it did not exit normally
    std::string out; // its standard output
};
// Runs a program with these arguments (no shell) and waits for it.
CommandResult run(const std::vector<std::string>& argv, const std::string& input = "");
// Like run, but throws std::runtime_error naming the command when it fails.
std::string runOrThrow(const std::vector<std::string>& argv, const std::string& input = "");

// Polls done() every step until it holds or limit passes; true when it held.
bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
               std::chrono::milliseconds step = std::chrono::milliseconds(20));

void sleepFor(std::chrono::milliseconds time);

} // namespace sahifex::e2e
