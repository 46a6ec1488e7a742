// The Wayland clipboard and paste against a real compositor and a real mousepad, native
// (GDK_BACKEND=wayland) and on XWayland.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
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
        clipboard = WaylandClipboard::create(connection, error);
        ASSERT_TRUE(clipboard) << error;
        route = virtualKeyboardRoute(connection, error);
        if (!route) route = fakeInputRoute(connection, error);
        ASSERT_TRUE(route) << error;
    }

    // The keystrokes as the program makes them: the hand-back waits for our focus to go.
    std::unique_ptr<WaylandKeystrokes> keystrokes() {
        std::string error;
        Display* display = sahifex::platform::x11::qtDisplay(error);
        foreground = std::make_unique<WaylandForegroundWindow>(
            [display] { return sahifex::platform::x11::focusInProgramWindow(display); });
        std::string unused;
        auto own = virtualKeyboardRoute(connection, unused);
        if (!own) own = fakeInputRoute(connection, unused);
        return std::make_unique<WaylandKeystrokes>(*clipboard, *foreground, std::move(own));
    }

    // Saves the editor's text (Ctrl+S) and returns the file's bytes once they changed.
    std::string savedAfterChange(WaylandEditor& editor, const std::string& before) {
        route->pressWithControl(keys::kS);
        std::string saved = before;
        serveEventsUntil([&] { return (saved = editor.savedText()) != before; });
        return saved;
    }

    std::shared_ptr<WaylandConnection> connection;
    std::unique_ptr<WaylandClipboard> clipboard;
    std::unique_ptr<KeyRoute> route;
    std::unique_ptr<WaylandForegroundWindow> foreground;
    const sahifex::testing::TempFolder folder{"wayland"};
    const fs::path dir = folder.path();
};

TEST_F(WaylandServices, CopyInNativeEditorIsReadWithoutFocus) {
    const std::string text = "بسم الله الرحمن الرحيم";
    WaylandEditor editor(WaylandEditor::Kind::Native, dir / "copy.txt", text);
    ASSERT_TRUE(editor.waitForFocus());
    route->pressWithControl(keys::kA);
    route->pressWithControl(keys::kC);
    EXPECT_TRUE(serveEventsUntil([&] { return utf8(clipboard->text()) == text; }))
        << "read: " << utf8(clipboard->text());
}

TEST_F(WaylandServices, VersePastesByteExactIntoNativeEditorAfterOurWindowHides) {
    WaylandEditor editor(WaylandEditor::Kind::Native, dir / "paste.txt", "");
    ASSERT_TRUE(editor.waitForFocus());
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
    EXPECT_EQ(savedAfterChange(editor, ""), utf8(kVerse));
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
    auto env = sahifex::e2e::currentEnvironment();
    env["XDG_CURRENT_DESKTOP"] = "KDE";
    env["QT_QPA_PLATFORM"] = "wayland";
    sahifex::e2e::Process backend({"/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde"},
                                  env, dir / "portal-kde.log");
    sahifex::e2e::Process portal({"/usr/libexec/xdg-desktop-portal", "--replace"}, env,
                                 dir / "portal.log");
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(serveEventsUntil([&] {
        return bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop"));
    }, std::chrono::seconds(10)));
    WaylandEditor editor(WaylandEditor::Kind::Native, dir / "portal.txt", "");
    ASSERT_TRUE(editor.waitForFocus());

    std::string error;
    Display* display = sahifex::platform::x11::qtDisplay(error);
    foreground = std::make_unique<WaylandForegroundWindow>(
        [display] { return sahifex::platform::x11::focusInProgramWindow(display); });
    int explained = 0;
    auto byPortal = std::make_unique<PortalKeyRoute>(
        bus, PortalConsent{dir / "consent", [&] { ++explained; }}, nullptr);
    WaylandKeystrokes paste(*clipboard, *foreground, std::move(byPortal));
    ASSERT_TRUE(clipboard->setText(kVerse));
    EXPECT_TRUE(paste.sendKeysAndWait("^v"));
    EXPECT_EQ(savedAfterChange(editor, ""), utf8(kVerse));
    EXPECT_EQ(explained, 1); // a version 1 portal: asked at the start, nothing kept
}

TEST_F(WaylandServices, EditorThatNeverFetchesMakesThePasteFalseAndKeepsTheVerse) {
    WaylandEditor editor(WaylandEditor::Kind::Native, dir / "stopped.txt", "");
    ASSERT_TRUE(editor.waitForFocus());
    auto paste = keystrokes();
    ASSERT_TRUE(clipboard->setText(kVerse));
    kill(editor.pid(), SIGSTOP);
    const bool fetched = paste->sendKeysAndWait("^v");
    kill(editor.pid(), SIGCONT);
    EXPECT_FALSE(fetched);
    EXPECT_TRUE(clipboard->holdsOwnText());
    EXPECT_EQ(clipboard->text(), kVerse);
}

TEST_F(WaylandServices, AnotherOwnerTakesTheClipboardAndNothingIsPasted) {
    std::string error;
    auto otherConnection = WaylandConnection::open("", error);
    ASSERT_TRUE(otherConnection) << error;
    auto other = WaylandClipboard::create(std::move(otherConnection), error);
    ASSERT_TRUE(other) << error;
    auto paste = keystrokes();

    ASSERT_TRUE(clipboard->setText(kVerse));
    ASSERT_TRUE(serveEventsUntil([&] { return other->text() == kVerse; }));
    ASSERT_TRUE(other->setText(u"كلمة"));
    EXPECT_TRUE(serveEventsUntil([&] { return clipboard->text() == u"كلمة"; }));
    EXPECT_FALSE(clipboard->holdsOwnText());
    EXPECT_FALSE(paste->sendKeysAndWait("^v"));
}

TEST_F(WaylandServices, LongCopiedTextIsReadOnlyUpToTheLimitAndToldApart) {
    std::string error;
    auto other = WaylandClipboard::create(WaylandConnection::open("", error), error);
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
