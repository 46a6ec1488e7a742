#include "writer_desktop.h"

#include <stdexcept>
#include <unistd.h>

#include "support/editor_environment.h"

namespace sahifex::e2e {
namespace {

// A first start of a fresh profile, on a loaded machine.
constexpr auto kStartLimit = std::chrono::seconds(60);

// What a user has once past the first start: no tip-of-the-day dialog over the document,
// no first-start and what's-new bars. Everything else (autocorrect, the spelling check,
// word completion) stays as installed.
constexpr const char* kPastFirstStart = R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="FirstRun" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="ShowTipOfTheDay" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Setup/Office"><prop oor:name="ooSetupInstCompleted" oor:op="fuse"><value>true</value></prop></item>
<item oor:path="/org.openoffice.Setup/Product"><prop oor:name="ooSetupLastVersion" oor:op="fuse"><value>7.4</value></prop></item>
</oor:items>
)";

} // namespace

WriterDesktop::WriterDesktop() : pipe_("sahifex-writer-" + std::to_string(getpid())) {
    const auto profile = folder_.path() / "profile";
    std::filesystem::create_directories(profile / "user");
    folder_.write("profile/user/registrymodifications.xcu", kPastFirstStart);

    Environment env = currentEnvironment();
    env["HOME"] = folder_.path();
    keepEditorToItself(env, folder_.path().string());
    // The GTK face, as on the GNOME and Xfce desktops.
    env["SAL_USE_VCLPLUGIN"] = "gtk3";
    env["LANG"] = "C.UTF-8";
    process_ = std::make_unique<Process>(
        std::vector<std::string>{"soffice", "-env:UserInstallation=file://" + profile.string(),
                                 "--norestore", "--nologo", "--writer",
                                 "--accept=pipe,name=" + pipe_ + ";urp;"},
        env, folder_.path() / "writer.log");

    // Only Writer's windows on the test's display carry its name.
    const bool shown = waitUntil([this] {
        const auto found =
            run({"xdotool", "search", "--onlyvisible", "--name", "LibreOffice Writer$"});
        window_ = found.status == 0 ? std::stoul(found.out) : 0;
        return window_ != 0;
    }, kStartLimit, std::chrono::milliseconds(200));
    if (!shown) throw std::runtime_error("LibreOffice Writer's window did not appear");
    const bool bridged = waitUntil([this] {
        return run({"/usr/bin/python3", WRITER_DOCUMENT_SCRIPT, pipe_, "text"}).status == 0;
    }, kStartLimit, std::chrono::milliseconds(200));
    if (!bridged) throw std::runtime_error("LibreOffice Writer's bridge did not answer");
}

WriterDesktop::~WriterDesktop() {
    run({"/usr/bin/python3", WRITER_DOCUMENT_SCRIPT, pipe_, "quit"});
    waitUntil([this] { return !process_->running(); }, std::chrono::seconds(5));
}

std::string WriterDesktop::document(const std::vector<std::string>& args) const {
    std::vector<std::string> argv{"/usr/bin/python3", WRITER_DOCUMENT_SCRIPT, pipe_};
    argv.insert(argv.end(), args.begin(), args.end());
    return runOrThrow(argv);
}

std::string WriterDesktop::text() const { return document({"text"}); }

void WriterDesktop::setText(const std::string& text) const { document({"set", text}); }

std::string WriterDesktop::textOnceItIs(const std::string& expected,
                                        std::chrono::milliseconds limit) const {
    std::string now;
    waitUntil([&] { return (now = text()) == expected; }, limit, std::chrono::milliseconds(50));
    return now;
}

} // namespace sahifex::e2e
