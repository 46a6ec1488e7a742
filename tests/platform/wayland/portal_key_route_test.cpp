// The paste keys by the RemoteDesktop portal, against a fake portal (fake_portal.py) on a
// private bus: what the program asks of the desktop and of the person, in what order.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

#include "platform/wayland/portal_key_route.h"
#include "process.h"
#include "support/temp_folder.h"
#include "wayland_desktop.h"

using namespace sahifex::platform::wayland;
using sahifex::e2e::Process;
using sahifex::e2e::serveEventsUntil;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

std::vector<std::string> linesOf(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The route that serves after the portal; its keys go into the portal's log.
class RecordingRoute : public KeyRoute {
public:
    RecordingRoute(fs::path log, bool reachesWayland) : log_(std::move(log)), reaches_(reachesWayland) {}
    const char* name() const override { return "recording"; }
    bool pressWithControl(uint32_t key) override {
        std::ofstream(log_, std::ios::app) << "next route, Control+" << key << '\n';
        return true;
    }
    bool reachesWaylandPrograms() const override { return reaches_; }

private:
    fs::path log_;
    bool reaches_;
};

class PortalKeys : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(dir / "bus.conf")
            << "<busconfig><type>session</type><listen>unix:path=" << (dir / "bus").string()
            << "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow user=\"*\"/>"
               "<allow own=\"*\"/><allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
               "</policy></busconfig>\n";
        bus = std::make_unique<Process>(
            std::vector<std::string>{"dbus-daemon", "--config-file=" + (dir / "bus.conf").string(),
                                     "--nofork", "--nopidfile"},
            sahifex::e2e::currentEnvironment(), dir / "bus.log");
        ASSERT_TRUE(serveEventsUntil([&] { return fs::exists(dir / "bus"); }));
    }

    // The fake portal, with its arguments; the connection the program's side uses.
    QDBusConnection startPortal(const std::vector<std::string>& portalArgs) {
        std::vector<std::string> argv{"/usr/bin/python3", SAHIFEX_FAKE_PORTAL, "--address", address(),
                                      "--log", log.string()};
        argv.insert(argv.end(), portalArgs.begin(), portalArgs.end());
        portal = std::make_unique<Process>(argv, sahifex::e2e::currentEnvironment(), dir / "portal.log");
        QDBusConnection connection = connect();
        // A loaded machine starts python slowly.
        EXPECT_TRUE(serveEventsUntil([&] {
            return connection.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop"));
        }, std::chrono::seconds(20))) << "the fake portal did not start";
        return connection;
    }

    // A connection of its own, as a program started anew has.
    QDBusConnection connect() {
        static int connections = 0; // a name Qt has not seen
        return QDBusConnection::connectToBus(QString::fromStdString(address()),
                                             QStringLiteral("portal-test-%1").arg(++connections));
    }

    // Bounds far above what the fake needs on a quiet machine, so that a loaded one does not
    // read a slow answer as none.
    std::unique_ptr<PortalKeyRoute> route(QDBusConnection connection, std::unique_ptr<KeyRoute> next = nullptr,
                                          PortalBounds bounds = {10s, 20s, 5s}) {
        return std::make_unique<PortalKeyRoute>(connection, PortalConsent{tokenFile, [this] { ++explained; }},
                                                std::move(next), bounds);
    }

    // As the paste does it: ready the route, then the keys.
    static bool paste(KeyRoute& keys) { return keys.prepare() && keys.pressControlV(); }

    // The log once it holds as many lines as expected (the keys go without an answer).
    std::vector<std::string> logOf(size_t lines) {
        serveEventsUntil([&] { return linesOf(log).size() >= lines; });
        return linesOf(log);
    }

    std::string address() const { return "unix:path=" + (dir / "bus").string(); }

    const sahifex::testing::TempFolder folder{"portal"};
    const fs::path dir = folder.path();
    const fs::path log = dir / "calls.log";
    const fs::path tokenFile = dir / "settings" / "remote-desktop-consent";
    std::unique_ptr<Process> bus, portal;
    int explained = 0;
};

const std::vector<std::string> kFirstKey{"key 29 pressed", "key 29 released"};
const std::vector<std::string> kControlV{"key 29 pressed", "key 47 pressed", "key 47 released",
                                         "key 29 released"};

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<std::string> kStartedV2{"CreateSession", "SelectDevices types=1 persist_mode=2", "Start"};

TEST_F(PortalKeys, ConsentIsAskedOnceAndRememberedForTheNextRun) {
    QDBusConnection connection = startPortal({"--version", "2"});
    auto firstRun = route(connection);
    // A paste before the start with the program: asked in its middle, it sends no keys.
    EXPECT_FALSE(paste(*firstRun));
    EXPECT_TRUE(paste(*firstRun));
    firstRun.reset();
    auto secondRun = route(connect());
    logOf(kStartedV2.size() + kFirstKey.size() + kControlV.size() + 1 + kStartedV2.size());
    EXPECT_TRUE(paste(*secondRun));

    const auto expected = joined({kStartedV2, kFirstKey, kControlV,
                                  {"Close", "CreateSession",
                                   "SelectDevices types=1 persist_mode=2 restore_token=consent-1", "Start"},
                                  kFirstKey, kControlV});
    EXPECT_EQ(logOf(expected.size()), expected);
    EXPECT_EQ(explained, 1);
    EXPECT_EQ(linesOf(tokenFile), std::vector<std::string>{"consent-2"});
}

TEST_F(PortalKeys, RefusalSendsNoKeysByAnyRouteForTheRun) {
    QDBusConnection connection = startPortal({"--version", "2", "--start", "refuse"});
    auto keys = route(connection, std::make_unique<RecordingRoute>(log, true));
    logOf(kStartedV2.size()); // the start with the program
    EXPECT_FALSE(paste(*keys));
    EXPECT_FALSE(paste(*keys));

    EXPECT_EQ(logOf(kStartedV2.size()), kStartedV2);
    EXPECT_EQ(explained, 1);
    EXPECT_FALSE(fs::exists(tokenFile));
}

TEST_F(PortalKeys, PortalThatNeverAnswersLeavesTheProgramAnswering) {
    QDBusConnection connection = startPortal({"--start", "silent"});
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);
    auto keys = route(connection, nullptr, {300ms, 300ms});
    logOf(1); // the start with the program, given up
    EXPECT_FALSE(paste(*keys));
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(logOf(1), std::vector<std::string>{"CreateSession"});
}

TEST_F(PortalKeys, PortalAskingAtEachStartServesOnlyWhereNothingElseReachesTheEditor) {
    QDBusConnection connection = startPortal({"--version", "1"});
    auto besideFakeInput = route(connection, std::make_unique<RecordingRoute>(log, true));
    EXPECT_TRUE(paste(*besideFakeInput));
    auto besideXTest = route(connection, std::make_unique<RecordingRoute>(log, false));
    logOf(1 + 3 + kFirstKey.size()); // the start with the program
    EXPECT_TRUE(paste(*besideXTest));

    const auto expected = joined({{"next route, Control+47", "CreateSession", "SelectDevices types=1", "Start"},
                                  kFirstKey, kControlV});
    EXPECT_EQ(logOf(expected.size()), expected);
    EXPECT_EQ(explained, 1);
    EXPECT_FALSE(fs::exists(tokenFile));
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
