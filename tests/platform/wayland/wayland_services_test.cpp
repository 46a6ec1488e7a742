// The Wayland clipboard and paste against a real compositor and a real mousepad, native
// (GDK_BACKEND=wayland) and on XWayland.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QRasterWindow>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/wayland/key_routes.h"
#include "platform/wayland/portal_key_route.h"
#include "platform/wayland/wayland_clipboard.h"
#include "platform/wayland/wayland_connection.h"
#include "platform/wayland/wayland_foreground_window.h"
#include "platform/wayland/wayland_keystrokes.h"
#include "platform/wayland/mutter_clipboard.h"
#include "platform/wayland/mutter_key_route.h"
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_foreground_window.h"
#include "support/temp_folder.h"
#include "wayland_desktop.h"

using namespace sahifex::platform::wayland;
using sahifex::e2e::serveEventsUntil;
using sahifex::e2e::WaylandEditor;
namespace fs = std::filesystem;

namespace {

const std::u16string kVerse = u"\uFD3Fبِسْمِ ٱللَّهِ ٱلرَّحْمَٰنِ ٱلرَّحِيمِ\uFD3E الفاتحة:1";

std::string utf8(const std::u16string& text) { return QString::fromStdU16String(text).toStdString(); }

class WaylandServices : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        connection = WaylandConnection::open("", error);
        ASSERT_TRUE(connection) << error;
        clipboard = anotherClipboard(error);
        ASSERT_TRUE(clipboard) << error;
        route = newRoute(error);
        ASSERT_TRUE(route) << error;
    }

    // A clipboard as the program picks it: by data-control, else by mutter's remote
    // desktop (on GNOME), once its session has started.
    std::unique_ptr<sahifex::platform::Clipboard> anotherClipboard(std::string& error) {
        auto ownConnection = WaylandConnection::open("", error);
        if (!ownConnection) return nullptr;
        if (ownConnection->dataControl())
            return WaylandClipboard::create(std::move(ownConnection), error);
        auto mutter = std::make_unique<MutterClipboard>(MutterSession::start());
        if (!serveEventsUntil([&] { return mutter->session()->state() != MutterSession::State::Starting; }) ||
            mutter->session()->state() != MutterSession::State::Ready) {
            error = "mutter's remote desktop session did not start: " + mutter->session()->problem();
            return nullptr;
        }
        return mutter;
    }
    PasteSource& source() { return dynamic_cast<PasteSource&>(*clipboard); }

    // The keys the program would press, on the clipboard's own session on GNOME.
    std::unique_ptr<KeyRoute> newRoute(std::string& error) {
        if (auto* mutter = dynamic_cast<MutterClipboard*>(clipboard.get()))
            return mutterKeyRoute(mutter->session());
        auto keys = virtualKeyboardRoute(connection, error);
        return keys ? std::move(keys) : fakeInputRoute(connection, error);
    }

    // The keystrokes as the program makes them: the hand-back waits for our focus to go.
    std::unique_ptr<WaylandKeystrokes> keystrokes() {
        std::string error;
        Display* display = sahifex::platform::x11::qtDisplay(error);
        foreground = std::make_unique<WaylandForegroundWindow>([display] {
            return sahifex::platform::x11::focusInProgramWindow(display) ||
                   sahifex::platform::x11::activeWindowInProgram(display);
        });
        return std::make_unique<WaylandKeystrokes>(source(), *foreground, newRoute(error));
    }

    // Waits until the native editor takes keys (mutter tells no program which window has
    // the focus, and keeps an earlier test's copy); its text stays selected.
    bool takesKeys(const std::string& text) {
        return sahifex::e2e::copiedUntilItArrives(
            [&] {
                route->pressWithControl(keys::kA);
                route->pressWithControl(keys::kC);
            },
            *clipboard, QString::fromStdString(text).toStdU16String());
    }

    // Saves the editor's text (Ctrl+S) until the file's bytes changed (the editor may
    // take in the pasted text a moment after it fetched it), and returns them.
    std::string savedAfterChange(WaylandEditor& editor, const std::string& before) {
        std::string saved = before;
        for (int tries = 0; tries < 10 && saved == before; ++tries) {
            route->pressWithControl(keys::kS);
            serveEventsUntil([&] { return (saved = editor.savedText()) != before; },
                             std::chrono::milliseconds(500));
        }
        return saved;
    }

    std::shared_ptr<WaylandConnection> connection;
    std::unique_ptr<sahifex::platform::Clipboard> clipboard;
    std::unique_ptr<KeyRoute> route;
    std::unique_ptr<WaylandForegroundWindow> foreground;
    const sahifex::testing::TempFolder folder{"wayland"};
    const fs::path dir = folder.path();
};

const std::string kCopied = "بسم الله الرحمن الرحيم";

TEST_F(WaylandServices, CopyInNativeEditorIsReadWithoutFocus) {
    WaylandEditor editor(WaylandEditor::Kind::Native, dir / "copy.txt", kCopied);
    EXPECT_TRUE(takesKeys(kCopied)) << "read: " << utf8(clipboard->text());
}

TEST_F(WaylandServices, VersePastesByteExactIntoNativeEditorAfterOurWindowHides) {
    WaylandEditor editor(WaylandEditor::Kind::Native, dir / "paste.txt", kCopied);
    ASSERT_TRUE(takesKeys(kCopied));
    // The program's window has the focus, as when the user chose the verse in it.
    QRasterWindow ours;
    ours.resize(300, 200);
    ours.show();
    ours.requestActivate();
    ASSERT_TRUE(serveEventsUntil([&] { return !editor.hasFocus(); }));
    ours.hide();

    auto paste = keystrokes();
    ASSERT_TRUE(clipboard->setText(kVerse));
    EXPECT_TRUE(paste->sendKeysAndWait("^v"));
    EXPECT_EQ(savedAfterChange(editor, kCopied), utf8(kVerse));
}

TEST_F(WaylandServices, VersePastesByteExactIntoAnXWaylandEditor) {
    WaylandEditor editor(WaylandEditor::Kind::XWayland, dir / "xwayland.txt", "");
    ASSERT_TRUE(editor.waitForFocus());
    auto paste = keystrokes();
    ASSERT_TRUE(clipboard->setText(kVerse));
    EXPECT_TRUE(paste->sendKeysAndWait("^v"));
    EXPECT_EQ(savedAfterChange(editor, ""), utf8(kVerse));
}

// The desktop's own RemoteDesktop portal (xdg-desktop-portal with its KDE backend, which
// presses the keys by KWin's fake input) on the session's bus.
TEST_F(WaylandServices, VersePastesByteExactIntoNativeEditorByTheDesktopsPortal) {
    if (sahifex::e2e::compositorName() != "kwin") GTEST_SKIP() << "the portal's backend is KDE's";
    sahifex::e2e::KdePortal portal(dir);
    ASSERT_TRUE(sahifex::e2e::waitForDesktopPortal());
    WaylandEditor editor(WaylandEditor::Kind::Native, dir / "portal.txt", "");
    ASSERT_TRUE(editor.waitForFocus());

    std::string error;
    Display* display = sahifex::platform::x11::qtDisplay(error);
    foreground = std::make_unique<WaylandForegroundWindow>(
        [display] { return sahifex::platform::x11::focusInProgramWindow(display); });
    int explained = 0;
    auto byPortal = std::make_unique<PortalKeyRoute>(
        QDBusConnection::sessionBus(), PortalConsent{dir / "consent", [&] { ++explained; }}, nullptr);
    WaylandKeystrokes paste(source(), *foreground, std::move(byPortal));
    // A version 1 portal: asked at the start with the program, nothing kept.
    ASSERT_TRUE(serveEventsUntil([&] { return explained == 1; }));
    ASSERT_TRUE(clipboard->setText(kVerse));
    EXPECT_TRUE(paste.sendKeysAndWait("^v"));
    EXPECT_EQ(savedAfterChange(editor, ""), utf8(kVerse));
    EXPECT_FALSE(fs::exists(dir / "consent"));
}

TEST_F(WaylandServices, EditorThatNeverFetchesMakesThePasteFalseAndKeepsTheVerse) {
    WaylandEditor editor(WaylandEditor::Kind::Native, dir / "stopped.txt", kCopied);
    ASSERT_TRUE(takesKeys(kCopied));
    auto paste = keystrokes();
    ASSERT_TRUE(clipboard->setText(kVerse));
    kill(editor.pid(), SIGSTOP);
    const bool fetched = paste->sendKeysAndWait("^v");
    kill(editor.pid(), SIGCONT);
    EXPECT_FALSE(fetched);
    EXPECT_TRUE(source().holdsOwnText());
    EXPECT_EQ(clipboard->text(), kVerse);
}

TEST_F(WaylandServices, AnotherOwnerTakesTheClipboardAndNothingIsPasted) {
    std::string error;
    auto other = anotherClipboard(error);
    ASSERT_TRUE(other) << error;
    auto paste = keystrokes();

    ASSERT_TRUE(clipboard->setText(kVerse));
    ASSERT_TRUE(serveEventsUntil([&] { return other->text() == kVerse; }));
    ASSERT_TRUE(other->setText(u"كلمة"));
    EXPECT_TRUE(serveEventsUntil([&] { return clipboard->text() == u"كلمة"; }));
    EXPECT_FALSE(source().holdsOwnText());
    EXPECT_FALSE(paste->sendKeysAndWait("^v"));
}

TEST_F(WaylandServices, LongCopiedTextIsReadOnlyUpToTheLimitAndToldApart) {
    std::string error;
    auto other = anotherClipboard(error);
    ASSERT_TRUE(other) << error;
    // Three bytes each: the longest text read arrives whole, a longer one is cut and
    // told apart.
    const std::u16string longest(sahifex::platform::kLongestClipboardText, u'\u20AC');
    ASSERT_TRUE(other->setText(longest));
    ASSERT_TRUE(serveEventsUntil([&] { return clipboard->text() == longest; }));
    ASSERT_TRUE(other->setText(std::u16string(100'000, u'\u20AC')));
    EXPECT_TRUE(serveEventsUntil([&] { return sahifex::platform::isTooLongClipboardText(clipboard->text()); }));
}

TEST_F(WaylandServices, StoppedCompositorNeitherHangsTheSetNorThePaste) {
    const pid_t compositor = std::stoi(std::getenv("WAYLAND_SESSION_PID"));
    auto paste = keystrokes();
    kill(compositor, SIGSTOP);
    const bool set = clipboard->setText(kVerse);
    const bool fetched = paste->sendKeysAndWait("^v");
    clipboard->text();
    kill(compositor, SIGCONT);
    EXPECT_TRUE(set); // asked; the compositor takes it when it runs again
    EXPECT_FALSE(fetched);
}

// The program starts while mutter does not answer: nothing waits for it, the verse cannot
// be set (the user is told), no keys go; once mutter answers again, the session is made
// anew at the next verse.
TEST(MutterSession, MutterThatDoesNotAnswerAtStartFreezesNothingAndIsAskedAgain) {
    if (sahifex::e2e::compositorName() != "mutter") GTEST_SKIP() << "mutter's own service";
    const pid_t mutter = std::stoi(std::getenv("WAYLAND_SESSION_PID"));
    kill(mutter, SIGSTOP);
    MutterClipboard clipboard(MutterSession::start());
    WaylandForegroundWindow foreground([] { return false; });
    WaylandKeystrokes paste(clipboard, foreground, mutterKeyRoute(clipboard.session()));
    const bool set = clipboard.setText(kVerse);
    const bool pasted = paste.sendKeysAndWait("^v");
    const bool givenUp = serveEventsUntil(
        [&] { return clipboard.session()->state() == MutterSession::State::Failed; });
    kill(mutter, SIGCONT);
    EXPECT_FALSE(set);
    EXPECT_FALSE(pasted);
    EXPECT_TRUE(givenUp);
    EXPECT_FALSE(clipboard.setText(kVerse)) << "the session is made anew first";
    EXPECT_TRUE(serveEventsUntil([&] { return clipboard.setText(kVerse); }));
}

TEST(WaylandConnection, CompositorThatNeverAnswersIsGivenUp) {
    // A socket that takes the connection and never says a word.
    const fs::path socketPath =
        fs::temp_directory_path() / ("sahifex-silent-" + std::to_string(getpid()));
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 1), 0);

    std::string error;
    auto connection = WaylandConnection::open(socketPath.string(), error, 300);
    close(listener);
    fs::remove(socketPath);
    EXPECT_FALSE(connection);
    EXPECT_EQ(error, "the Wayland compositor does not answer");
}

} // namespace
