// How fast copy tracking answers, end to end: mousepad and the program under the X
// server of the session, a word copied in mousepad 20 times, the time from the copy
// until mousepad shows its text changed; then the program's CPU use while tracking
// idles, with the last verse on the clipboard and with 1 MB of text held there by
// another program. Prints the figures; fails only when a copied word never arrived.
// With --instant the program starts with instant tracking saved in its settings file.
// With --bridge (run under dbus-run-session) only the idle cost with 1 MB held is
// measured, over a minute, with the accessibility bridge on as on a desktop: the
// program on the session bus, the accessibility bus launched and Qt's bridge forced on.

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>
#include <vector>

#include "control_places.h"
#include "e2e_session.h"

using namespace sahifex::e2e;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kCopies = 20;
constexpr int kIdleSeconds = 20;
constexpr int kBridgeIdleSeconds = 60;

// User and system time of a process, in clock ticks (fields 14 and 15 of its stat).
long cpuTicksOf(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i < 14; ++i) fields >> field;
    long user = 0, system = 0;
    fields >> user >> system;
    return user + system;
}

// The process's peak resident memory (VmHWM), in KiB.
long peakMemoryKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Prints the program's CPU use over some seconds of idle tracking.
void printIdleCpu(pid_t program, const char* what, int seconds = kIdleSeconds) {
    const long ticksBefore = cpuTicksOf(program);
    const auto idleStart = Clock::now();
    sleepFor(std::chrono::seconds(seconds));
    const double cpuMs = (cpuTicksOf(program) - ticksBefore) * 1000.0 /
                         static_cast<double>(sysconf(_SC_CLK_TCK));
    std::printf("idle tracking, %s: %.0f ms CPU in %.1f s, %.2f %% of a core\n", what, cpuMs,
                millisecondsSince(idleStart) / 1000, 100 * cpuMs / millisecondsSince(idleStart));
}

} // namespace

int main(int argc, char** argv) {
    const bool instant = argc > 1 && std::string(argv[1]) == "--instant";
    const bool bridge = argc > 1 && std::string(argv[1]) == "--bridge";
    const char* sessionBus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (bridge && !sessionBus) {
        std::fprintf(stderr, "--bridge needs a session bus: run under dbus-run-session\n");
        return 2;
    }
    try {
        // Two words of one verse each, copied in turn: each copy is new to the watcher.
        const std::string words[] = {"الصمد", "مدهامتان"};
        const std::string references[] = {"الإخلاص:2", "الرحمن:64"};
        std::mt19937 random(20261208);
        std::uniform_int_distribution<int> phase(0, 699);

        E2eSession scene(words[0]);
        // The options as designed but for instant tracking; the restore switches
        // tracking on, which the click below would switch off again.
        if (instant)
            std::ofstream(scene.programDir() / "Sahifex.ini", std::ios::binary)
                << "0*0*16*12*0*0*0*0*1*0*0*0*0*1*0*0*\r\n";
        if (bridge) {
            scene.setEnvironment("DBUS_SESSION_BUS_ADDRESS", sessionBus);
            scene.setEnvironment("NO_AT_BRIDGE", "0");
            scene.setEnvironment("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        }
        scene.startProgram();
        ControlPlaces places(scene.programDir().string());
        scene.clickIntoEditor();
        const PixelRect searching = places.barSearching();
        for (int click = 0; click < (instant ? 2 : 1); ++click) {
            clickAt(scene.barWindow(), searching.centerX(), searching.centerY());
            if (instant) sleepFor(std::chrono::milliseconds(300));
        }

        std::vector<double> times;
        for (int i = 0; i < (bridge ? 0 : kCopies); ++i) {
            // The line holds the word, saved, so that the title shows the change. The
            // copy falls at any moment of the timer's interval.
            if (i > 0) {
                scene.selectEditorLine(1);
                typeText(words[i % 2]);
                scene.saveEditor();
            }
            sleepFor(std::chrono::milliseconds(phase(random)));
            scene.selectEditorLine(1);
            pressKeys("ctrl+c");
            const auto copied = Clock::now();
            if (!waitUntil([&] { return scene.editorModified(); }, kStepLimit,
                           std::chrono::milliseconds(2))) {
                std::fprintf(stderr, "copy %d: the verse did not arrive\n", i + 1);
                return 1;
            }
            times.push_back(millisecondsSince(copied));
            if (scene.saveEditor().find(references[i % 2]) == std::string::npos) {
                std::fprintf(stderr, "copy %d: the editor holds something else\n", i + 1);
                return 1;
            }
        }
        if (bridge) sleepFor(std::chrono::seconds(2)); // tracking is on
        std::sort(times.begin(), times.end());
        if (!bridge) {
            const double median = (times[kCopies / 2 - 1] + times[kCopies / 2]) / 2;
            std::printf("%scopy to verse in the editor over %d copies: median %.0f ms, worst %.0f ms, "
                        "best %.0f ms\n", instant ? "instant tracking: " : "", kCopies, median, times.back(), times.front());

            printIdleCpu(scene.programPid(), "the last verse on the clipboard");
        }
        // The idle figures and the hostile owners are the timer's; instant tracking adds
        // only a tick per copy.
        if (instant) return 0;

        // Latin lines, which start no search: the watcher only has to notice them.
        const auto large = scene.programDir() / "large.txt";
        {
            std::ofstream out(large);
            for (int i = 0; i < (1 << 20) / 64; ++i) out << std::string(63, 'a') << '\n';
        }
        Process owner({"xclip", "-quiet", "-selection", "clipboard", "-i", large.string()},
                      currentEnvironment(), scene.programDir() / "xclip.log");
        sleepFor(std::chrono::seconds(3)); // the program takes the new text once
        if (bridge) {
            printIdleCpu(scene.programPid(), "1 MB on the clipboard, accessibility bridge on",
                         kBridgeIdleSeconds);
            return 0;
        }
        printIdleCpu(scene.programPid(), "1 MB on the clipboard");

        // Owners of texts no request can be: 64 MB in pieces, and pieces without end.
        // After each, the program's peak memory, and how soon a copied word arrives.
        const std::vector<std::pair<const char*, std::vector<std::string>>> hostile{
            {"64 MB in pieces", {"--bytes", std::to_string(64 << 20), "--piece-size", "262144"}},
            {"pieces without end", {"--bytes", std::to_string(1 << 20), "--piece-size", "65536",
                                    "--endless", "--announce", "100"}},
        };
        for (const auto& [what, options] : hostile) {
            std::vector<std::string> argv{SAHIFEX_CLIPBOARD_OWNER};
            argv.insert(argv.end(), options.begin(), options.end());
            Process owner(argv, currentEnvironment(), "/dev/null");
            sleepFor(std::chrono::seconds(5));
            const auto pasted = [&] {
                const std::string text = scene.saveEditor();
                size_t count = 0;
                for (size_t at = text.find(references[0]); at != std::string::npos;
                     at = text.find(references[0], at + 1))
                    ++count;
                return count;
            };
            const size_t before = pasted();
            const auto copied = Clock::now();
            runOrThrow({"sh", "-c", "printf %s الصمد | xclip -selection clipboard -i"});
            const bool arrived =
                waitUntil([&] { return scene.editorModified(); }, kStepLimit,
                          std::chrono::milliseconds(2)) &&
                pasted() == before + 1;
            std::printf("%s: peak memory %ld MiB; the next copied word %s\n", what,
                        peakMemoryKiB(scene.programPid()) / 1024,
                        arrived ? ("arrived in " + std::to_string(static_cast<int>(
                                                      millisecondsSince(copied))) + " ms").c_str()
                                : "did not arrive");
            if (!arrived) return 1;
        }
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "tracking_figures: %s\n", failure.what());
        return 1;
    }
}
