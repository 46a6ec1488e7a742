// The program in a Wayland session (scripts/wayland-session), its windows on XWayland, a
// native mousepad as the user's editor: what the user types or copies, and what arrives.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QString>

#include <fstream>

#include "e2e_fixture.h"
#include "platform/wayland/key_routes.h"
#include "platform/wayland/mutter_clipboard.h"
#include "platform/wayland/mutter_key_route.h"
#include "platform/wayland/wayland_clipboard.h"
#include "platform/wayland/wayland_connection.h"
#include "support/temp_folder.h"
#include "wayland_desktop.h"

namespace sahifex::e2e {
namespace {

using platform::wayland::KeyRoute;
using platform::wayland::MutterClipboard;
using platform::wayland::MutterSession;
using platform::wayland::WaylandConnection;
namespace keys = platform::wayland::keys;
namespace fs = std::filesystem;

// mutter's requests for the text of whichever remote desktop session owns the clipboard:
// the program's, on GNOME.
class EditorFetches : public QObject {
    Q_OBJECT

public:
    EditorFetches() {
        QDBusConnection::sessionBus().connect("org.gnome.Mutter.RemoteDesktop", "",
                                              "org.gnome.Mutter.RemoteDesktop.Session",
                                              "SelectionTransfer", this, SLOT(fetched()));
    }
    int count = 0;

private slots:
    void fetched() { ++count; }
};

class WaylandDesktop : public ::testing::Test {
protected:
    // The test's own keys into the native editor: the same routes the program takes.
    KeyRoute& keys() {
        if (keys_) return *keys_;
        std::string error;
        if (onMutter()) {
            // A remote desktop session of the test's own, which also sees the copies.
            copies_ = std::make_unique<MutterClipboard>(MutterSession::start());
            serveEventsUntil([&] { return copies_->session()->state() != MutterSession::State::Starting; });
            keys_ = platform::wayland::mutterKeyRoute(copies_->session());
            return *keys_;
        }
        connection_ = WaylandConnection::open("", error);
        if (connection_) keys_ = platform::wayland::virtualKeyboardRoute(connection_, error);
        if (connection_ && !keys_) keys_ = platform::wayland::fakeInputRoute(connection_, error);
        if (!keys_) throw std::runtime_error("no keys for the test: " + error);
        return *keys_;
    }

    // A native editor with the text, then the program, which takes the focus; tracking on
    // when asked (a settings file starts it).
    void startScene(const std::string& editorText, bool tracking = false) {
        scene = std::make_unique<E2eSession>("", false);
        // mutter tells no program which window has the focus: there the editor has it once
        // its text, selected and copied, arrives. The selection stays: a paste replaces it.
        const std::string text = onMutter() && editorText.empty() ? "-" : editorText;
        editor = std::make_unique<WaylandEditor>(WaylandEditor::Kind::Native,
                                                 scene->programDir() / "document.txt", text);
        ASSERT_TRUE(onMutter() ? copiedInEditor(text) : editor->waitForFocus())
            << "the editor's window comes up with the focus";
        // That copy is no request of the user's for the program to find.
        if (onMutter()) copies_->setText(u"-");
        if (tracking)
            std::ofstream(scene->programDir() / "Sahifex.ini", std::ios::binary)
                << "0*0*16*12*0*0*0*0*1*1*0*\r\n";
        scene->startProgram();
        fetchesBefore_ = fetches_.count;
    }

    static bool onMutter() { return compositorName() == "mutter"; }

    // On mutter: selects and copies the editor's text until the copy arrives.
    bool copiedInEditor(const std::string& text) {
        keys();
        return copiedUntilItArrives([&] { copyAllInEditor(); }, *copies_,
                                    QString::fromStdString(text).toStdU16String());
    }

    // Types into the program's search box (an XWayland window: XTest reaches it), as a
    // user does who works in the editor and then clicks into the program's window. The
    // letters are mapped to spare keys first: xdotool's mapping of each letter as it
    // types lost letters.
    void typeIntoSearchBox(const std::string& word) {
        editor->focus();
        ASSERT_TRUE(editor->waitForFocus());
        focusWindowTitled("صحيفة", true);
        ASSERT_TRUE(waitUntil([&] { return focusWindow() == scene->mainWindow(); }, kStepLimit))
            << "the program's main window has the focus";
        std::vector<std::string> mapping = {"xmodmap"};
        std::vector<std::string> press = {"xdotool", "key", "--delay", "30"};
        int spareKey = 200;
        for (char32_t letter : QString::fromStdString(word).toStdU32String()) {
            const std::string name = QString::asprintf("U%04X", unsigned(letter)).toStdString();
            mapping.insert(mapping.end(),
                           {"-e", "keycode " + std::to_string(spareKey++) + " = " + name});
            press.push_back(name);
        }
        // A keymap the compositor hands XWayland late (the program's virtual keyboard's, at
        // its start) replaces this one: mapped again until it holds.
        const std::string lastMapped = mapping.back().substr(std::string("keycode ").size());
        ASSERT_TRUE(waitUntil(
            [&] {
                runOrThrow(mapping);
                sleepFor(300ms);
                return runOrThrow({"xmodmap", "-pke"}).find(lastMapped) != std::string::npos;
            },
            kStepLimit))
            << "the letters' keys are mapped";
        runOrThrow(press);
    }
    void searchFor(const std::string& word) {
        typeIntoSearchBox(word);
        pressKeys("Return");
    }

    // The program's main window as drawn now (PNG).
    std::string picture() const {
        return run({"import", "-window", std::to_string(scene->mainWindow()), "png:-"}).out;
    }

    // Selects the editor's whole text and copies it, with the program unfocused.
    void copyAllInEditor() {
        keys().pressWithControl(keys::kA);
        keys().pressWithControl(keys::kC);
    }

    // The editor's text once its title shows a change, saved; "" when nothing changed.
    // (On mutter, whose titles no program sees: once the editor fetched the program's text,
    // after the keys; mutter's own fetch of each new text comes first.)
    std::string editorTextAfterChange() {
        const std::string before = editor->savedText();
        const bool changed =
            onMutter() ? serveEventsUntil([&] { return fetches_.count >= fetchesBefore_ + 2; },
                                          kStepLimit)
                       : waitUntil([&] { return focusedWindowTitle().rfind('*', 0) == 0; },
                                   kStepLimit, 100ms);
        if (!changed) return "";
        std::string saved;
        // The fetched text may reach the document a moment later: saved again until it did.
        waitUntil(
            [&] {
                keys().pressWithControl(keys::kS);
                return serveEventsUntil([&] { return (saved = editor->savedText()) != before; },
                                        500ms);
            },
            kStepLimit);
        return saved;
    }

    void startUngrantedAndAccept();

    std::unique_ptr<E2eSession> scene;
    std::unique_ptr<WaylandEditor> editor;

private:
    std::shared_ptr<WaylandConnection> connection_;
    std::unique_ptr<MutterClipboard> copies_;
    std::unique_ptr<KeyRoute> keys_;
    EditorFetches fetches_;
    int fetchesBefore_ = 0;
};

std::string verseWith(const std::string& word, size_t matches) {
    const auto found = verses().wholeWordMatches(word);
    if (found.size() != matches) throw std::runtime_error(word + ": another number of verses");
    return withReference(*found.front(), found.front()->vocalized);
}

TEST_F(WaylandDesktop, ATypedWordOfOneVersePastesIntoTheNativeEditor) {
    startScene("");
    searchFor("الصمد");
    EXPECT_EQ(editorTextAfterChange(), verseWith("الصمد", 1));
    EXPECT_FALSE(scene->mainWindowShown());
}

TEST_F(WaylandDesktop, TheListAndEnterPasteTheChosenVerseIntoTheNativeEditor) {
    startScene("");
    typeIntoSearchBox("الم");
    // The compositor sizes the window as it sees fit (sway tiles it): the list is known by
    // the window's picture, which changes and then settles.
    const std::string typed = picture();
    pressKeys("Return");
    std::string shown = typed;
    ASSERT_TRUE(waitUntil(
        [&] {
            const std::string before = shown;
            sleepFor(200ms);
            shown = picture();
            return shown != typed && shown == before;
        },
        kStepLimit))
        << "the list comes up";
    pressKeys("Return");
    EXPECT_EQ(editorTextAfterChange(), verseWith("الم", 6));
}

TEST_F(WaylandDesktop, AnEditorThatNeverFetchesBringsTheWindowBackWithTheNotice) {
    startScene("");
    typeIntoSearchBox("الصمد");
    kill(editor->pid(), SIGSTOP);
    pressKeys("Return");
    ASSERT_TRUE(waitUntil([&] { return !scene->mainWindowShown(); }, kStepLimit))
        << "the window hides for the paste";
    const bool toldTheUser = waitUntil([&] { return scene->mainWindowShown(); }, kStepLimit);
    kill(editor->pid(), SIGCONT);
    EXPECT_TRUE(toldTheUser) << "the window comes back with the notice";
}

// The program as from a folder KWin grants no fake input (one unpacked by hand): only the
// desktop's portal reaches the native editor. It says why it asks, in a box of its own
// over its window, as it starts, and the user accepts.
void WaylandDesktop::startUngrantedAndAccept() {
    const std::string granted = std::getenv("WAYLAND_SESSION_PROGRAM_DIR");
    unsetenv("WAYLAND_SESSION_PROGRAM_DIR");
    startScene("");
    setenv("WAYLAND_SESSION_PROGRAM_DIR", granted.c_str(), 1);
    ASSERT_TRUE(waitUntil(
        [&] {
            const WindowId focused = focusWindow();
            // KWin tells the box from the window of the same title by a number after it.
            return focused != 0 && focused != scene->mainWindow() &&
                   focusedWindowTitle().rfind("صحيفة", 0) == 0;
        },
        kStepLimit))
        << "the program says why it asks";
    pressKeys("Return");
}

TEST_F(WaylandDesktop, WhereOnlyTheDesktopsPortalReachesTheEditorTheProgramSaysWhyThenPastes) {
    if (compositorName() != "kwin") GTEST_SKIP() << "the portal's backend is KDE's";
    const testing::TempFolder logs("portal");
    KdePortal portal(logs.path());
    ASSERT_TRUE(waitForDesktopPortal());
    startUngrantedAndAccept();
    searchFor("الصمد");
    EXPECT_EQ(editorTextAfterChange(), verseWith("الصمد", 1));
}

TEST_F(WaylandDesktop, AfterTheDesktopRefusedTheKeysNoneArePressedAndTheVerseWaitsOnTheClipboard) {
    if (compositorName() != "kwin") GTEST_SKIP() << "only the portal may reach the editor here";
    const testing::TempFolder logs("portal");
    Process portal({"/usr/bin/python3", SAHIFEX_FAKE_PORTAL, "--address",
                    std::getenv("DBUS_SESSION_BUS_ADDRESS"), "--log", (logs.path() / "calls.log").string(),
                    "--version", "2", "--start", "refuse"},
                   currentEnvironment(), logs.path() / "portal.log");
    ASSERT_TRUE(waitForDesktopPortal());
    startUngrantedAndAccept();
    std::string error;
    auto clipboard = platform::wayland::WaylandClipboard::create(WaylandConnection::open("", error), error);
    ASSERT_TRUE(clipboard) << error;
    searchFor("الصمد");
    const std::string verse = verseWith("الصمد", 1);
    EXPECT_TRUE(serveEventsUntil([&] { return QString::fromStdU16String(clipboard->text()).toStdString() == verse; }))
        << "the verse waits on the clipboard";
    EXPECT_TRUE(waitUntil([&] { return scene->mainWindowShown(); }, kStepLimit))
        << "the window comes back with the notice";
    const std::string calls = runOrThrow({"cat", (logs.path() / "calls.log").string()});
    EXPECT_EQ(calls, "CreateSession\nSelectDevices types=1 persist_mode=2\nStart\n") << "no keys";
}

TEST_F(WaylandDesktop, AReferenceCopiedInTheNativeEditorPastesTheNextVerse) {
    startScene("البقرة:255", true);
    // The user goes back to the editor; the program keeps running unfocused.
    editor->focus();
    ASSERT_TRUE(editor->waitForFocus()) << "the editor has the focus again";
    copyAllInEditor();
    const std::string next = verses().at(2, 256).vocalized + " -  " + surahNameOf(2) + ":256";
    EXPECT_EQ(editorTextAfterChange(), next);
}

} // namespace
} // namespace sahifex::e2e

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv); // the test's own D-Bus calls, on GNOME
    return RUN_ALL_TESTS();
}

#include "wayland_e2e_test.moc"
