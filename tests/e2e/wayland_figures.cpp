// How fast the program answers in a Wayland session (scripts/wayland-session), its
// windows on XWayland and a native mousepad as the editor: (1) a word copied in the
// editor, tracking on, 20 times at random points of the 700 ms interval: the time until
// the program has put the verse on the clipboard for its paste (seen by a clipboard
// watcher of this process); (2) 20 pastes by the program's own services into
// the editor: the time from Ctrl+V to the editor's fetch of the text. Prints the figures;
// fails only when a copy or a paste never arrived. Under mutter, where no program can hand
// the focus from one native window to another, the copies of (1) come from a second
// remote desktop client of mutter's, not from the editor: the program's side is the same.

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <functional>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

#include "e2e_session.h"
#include "support/temp_folder.h"
#include "platform/wayland/key_routes.h"
#include "platform/wayland/mutter_clipboard.h"
#include "platform/wayland/mutter_key_route.h"
#include "platform/wayland/wayland_clipboard.h"
#include "platform/wayland/wayland_connection.h"
#include "platform/wayland/wayland_foreground_window.h"
#include "platform/wayland/wayland_keystrokes.h"
#include "wayland_desktop.h"

using namespace sahifex::e2e;
using namespace sahifex::platform::wayland;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 20;

void printFigure(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const double median = (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
    std::printf("%s, %s, %d runs: median %.1f ms, worst %.1f ms, best %.1f ms\n",
                compositorName().c_str(), what, kRuns, median, times.back(), times.front());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    try {
        std::string error;
        auto connection = std::shared_ptr<WaylandConnection>(WaylandConnection::open("", error));
        if (!connection) throw std::runtime_error(error);
        const bool mutter = compositorName() == "mutter";
        std::unique_ptr<sahifex::platform::Clipboard> clipboard;
        std::unique_ptr<KeyRoute> keys;
        std::function<std::unique_ptr<KeyRoute>()> newRoute;
        if (mutter) {
            auto own = std::make_unique<MutterClipboard>(MutterSession::start());
            serveEventsUntil([&] { return own->session()->state() == MutterSession::State::Ready; });
            newRoute = [session = own->session()] { return mutterKeyRoute(session); };
            clipboard = std::move(own);
        } else {
            clipboard = WaylandClipboard::create(connection, error);
            newRoute = [&] {
                auto route = virtualKeyboardRoute(connection, error);
                return route ? std::move(route) : fakeInputRoute(connection, error);
            };
        }
        keys = newRoute();
        if (!clipboard || !keys) throw std::runtime_error(error);

        // (1) The program, tracking on, and two editors, each holding a word of one verse,
        // copied in turn: each copy is new to the watcher.
        std::vector<double> copyToKeys;
        {
            E2eSession scene("", false);
            const char16_t* words[] = {u"الصمد", u"مدهامتان"};
            const char16_t* references[] = {u"الإخلاص:2", u"الرحمن:64"};
            std::unique_ptr<WaylandEditor> editors[2];
            for (int e = 0; e < (mutter ? 1 : 2); ++e) {
                const std::string word = QString::fromStdU16String(words[e]).toStdString();
                editors[e] = std::make_unique<WaylandEditor>(
                    WaylandEditor::Kind::Native,
                    scene.programDir() / ("word" + std::to_string(e) + ".txt"), word);
                if (!mutter && !editors[e]->waitForFocus())
                    throw std::runtime_error("the editor has no focus");
            }
            std::ofstream(scene.programDir() / "Sahifex.ini", std::ios::binary)
                << "0*0*16*12*0*0*0*0*1*1*0*\r\n";
            scene.startProgram();
            if (mutter) editors[0]->focus(); // the program's window steps aside
            std::mt19937 random(20261210);
            std::uniform_int_distribution<int> phase(0, 699);
            for (int i = 0; i < kRuns; ++i) {
                if (!mutter) {
                    WaylandEditor& editor = *editors[i % 2];
                    editor.focus();
                    if (!editor.waitForFocus())
                        throw std::runtime_error("the editor has no focus");
                }
                serveEventsUntil([] { return false; }, std::chrono::milliseconds(phase(random)));
                if (mutter) {
                    clipboard->setText(words[i % 2]);
                } else {
                    keys->pressWithControl(keys::kA);
                    keys->pressWithControl(keys::kC);
                }
                const auto copied = Clock::now();
                // The copied word first, then the program's verse in its place.
                bool copiedWord = false;
                if (!serveEventsUntil([&] {
                        const QString text = QString::fromStdU16String(clipboard->text());
                        copiedWord = copiedWord || text == QString::fromStdU16String(words[i % 2]);
                        return copiedWord &&
                               text.contains(QString::fromStdU16String(references[i % 2]));
                    })) {
                    std::fprintf(stderr, "copy %d: the verse never came\n", i + 1);
                    return 1;
                }
                copyToKeys.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - copied).count());
                if (mutter) continue; // the pastes land in the one editor, one after another
                // The verse replaced the word; undone, the word is there to copy again.
                if (!waitUntil([&] { return focusedWindowTitle().rfind('*', 0) == 0; },
                               kStepLimit)) {
                    std::fprintf(stderr, "copy %d: the verse did not reach the editor\n", i + 1);
                    return 1;
                }
                keys->pressWithControl(keys::kZ);
                keys->pressWithControl(keys::kS);
                serveEventsUntil([&] { return focusedWindowTitle().rfind('*', 0) != 0; });
            }
        }
        printFigure("a copied word, tracking on, to the verse on the clipboard for the paste",
                    copyToKeys);

        // (2) Pastes by the program's services into the editor.
        const sahifex::testing::TempFolder folder("wayland-figures");
        const std::filesystem::path& dir = folder.path();
        std::vector<double> keysToFetch;
        {
            WaylandEditor editor(WaylandEditor::Kind::Native, dir / "paste.txt", "-");
            // mutter says nobody which window has the focus: the editor has it once a copy
            // of its text arrives.
            const bool focused =
                mutter ? copiedUntilItArrives(
                             [&] {
                                 keys->pressWithControl(keys::kA);
                                 keys->pressWithControl(keys::kC);
                             },
                             *clipboard, u"-")
                       : editor.waitForFocus();
            if (!focused) throw std::runtime_error("the editor has no focus");
            WaylandForegroundWindow foreground([] { return false; });
            WaylandKeystrokes paste(dynamic_cast<PasteSource&>(*clipboard), foreground, newRoute());
            for (int i = 0; i < kRuns; ++i) {
                clipboard->setText(u"كلمة ");
                if (!paste.sendKeysAndWait("^v")) {
                    std::fprintf(stderr, "paste %d: the editor did not fetch the text\n", i + 1);
                    return 1;
                }
                keysToFetch.push_back(paste.lastFetchDelayMs());
            }
        }
        printFigure("Ctrl+V to the editor's fetch of the text", keysToFetch);
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "wayland_figures: %s\n", failure.what());
        return 1;
    }
}
