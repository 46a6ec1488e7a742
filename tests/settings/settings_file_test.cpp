// Saving the options and restoring them at start-up, on the fake platform, in a
// program folder of the test's own.

#include <cmath>

#include "settings/settings_files.h"
#include "store/win1256.h"
#include "support/app_fixture.h"

namespace sahifex::testing {
namespace {

namespace fs = std::filesystem;

// One start of the program on the fakes, from the given folder.
struct Start {
    explicit Start(const fs::path& programDir)
        : composed(fake.services(programDir)) {
        main.Form_Load();
    }
    platform::fake::FakeSystem fake;
    app::Program composed;
    app::Options_Form& main = composed.mainForm;
};

// What the settings touch, in one line.
std::string optionsOf(const app::Options_Form& main) {
    std::string line = "ftx1=" + utf8(main.ftx1.text()) + " ftx2=" + utf8(main.ftx2.text());
    for (const forms::CheckBox* box : {&main.Check6, &main.Check3, &main.Check2, &main.Check4,
                                       &main.Check5, &main.Check7, &main.Check1, &main.FlexibleSearch,
                                       &main.OrnateBrackets, &main.InstantTracking,
                                       &main.TypedReferences, &main.VerseRanges, &main.Check8})
        line += " " + box->name() + "=" + std::to_string(box->value());
    return line + " interval=" + std::to_string(main.Timer2.interval());
}

struct SettingsFile : ::testing::Test {
    TempFolder folder;
    fs::path file() const { return folder.path() / "Sahifex.ini"; }
};

// A start without the file: the options as designed, but for the clipboard option,
// which the search box clears as it takes the focus.
constexpr const char* kWithoutFile =
    "ftx1=16 ftx2=12 Check6=0 Check3=0 Check2=0 Check4=0 Check5=1 Check7=0 Check1=0 FlexibleSearch=0 OrnateBrackets=0 InstantTracking=0 TypedReferences=0 VerseRanges=0 Check8=0 interval=0";

TEST_F(SettingsFile, SaveWritesTheElevenItemsThenTheAddedOptionsBesideTheProgramAndNothingElse) {
    Start start(folder.path());
    auto& main = start.main;
    main.setLeft(6240);
    main.setTop(3285);
    main.ftx1.setText(u"20");
    for (forms::CheckBox* box : {&main.Check6, &main.Check2, &main.Check5, &main.Check7, &main.OrnateBrackets})
        box->userClick();
    start.fake.clearLog();
    main.save.setValue(true);
    EXPECT_EQ(readBytes(file()), "6240*3285*20*12*1*0*1*0*0*1*0*0*1*0*0*0*\r\n");
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"Sahifex.ini"});
    EXPECT_EQ(start.fake.logLine(), "");
}

TEST_F(SettingsFile, StartUpWithoutTheFileFallsBackAndLeavesTrackingOff) {
    Start start(folder.path());
    auto& main = start.main;
    EXPECT_EQ(optionsOf(main), kWithoutFile);
    // Pressed again with options changed, it only sets the two sizes.
    main.ftx1.setText(u"20");
    main.ftx2.setText(u"9");
    main.Check2.setValue(1);
    main.load.setValue(true);
    EXPECT_EQ(optionsOf(main),
              "ftx1=16 ftx2=12 Check6=0 Check3=0 Check2=1 Check4=0 Check5=1 Check7=0 Check1=0 FlexibleSearch=0 OrnateBrackets=0 InstantTracking=0 TypedReferences=0 VerseRanges=0 Check8=0 interval=0");
}

// The message that a settings file there could not be used.
constexpr const char* kUnusableFile = "message:تعذّرت قراءة الخيارات المحفوظة في الملف:\n";

int unusableFileMessages(const platform::fake::FakeSystem& fake) {
    int count = 0;
    const std::string log = fake.logLine();
    for (size_t at = log.find(kUnusableFile); at != std::string::npos; at = log.find(kUnusableFile, at + 1))
        ++count;
    return count;
}

struct Restore {
    const char* what;
    std::string bytes;
    std::string options;
};

TEST_F(SettingsFile, StartUpRestoresWhatTheFileHoldsOrFallsBackAsAWhole) {
    const std::string saved = "ftx1=20 ftx2=14 Check6=1 Check3=0 Check2=1 Check4=0 Check5=1 Check7=1 Check1=0 FlexibleSearch=1 OrnateBrackets=1 InstantTracking=0 TypedReferences=0 VerseRanges=0 Check8=1 interval=700";
    std::string savedInstant = saved;
    savedInstant.replace(savedInstant.find("InstantTracking=0"), 17, "InstantTracking=1");
    std::string savedReferences = saved;
    savedReferences.replace(savedReferences.find("TypedReferences=0 VerseRanges=0"), 31,
                            "TypedReferences=1 VerseRanges=1");
    const Restore cases[] = {
        {"saved with the clipboard option", "6240*3285*20*14*1*0*1*0*1*1*0*\r\n",
         "ftx1=20 ftx2=14 Check6=1 Check3=0 Check2=1 Check4=0 Check5=1 Check7=1 Check1=0 FlexibleSearch=0 OrnateBrackets=0 InstantTracking=0 TypedReferences=0 VerseRanges=0 Check8=1 interval=700"},
        {"saved without it", "-6240*3285*16*12*0*1*0*0*0*0*1*\r\n",
         "ftx1=16 ftx2=12 Check6=0 Check3=1 Check2=0 Check4=0 Check5=0 Check7=0 Check1=1 FlexibleSearch=0 OrnateBrackets=0 InstantTracking=0 TypedReferences=0 VerseRanges=0 Check8=1 interval=500"},
        {"thirteen items", "6240*3285*20*14*1*0*1*0*1*1*0*1*1*\r\n", saved},
        {"without CR LF", "6240*3285*20*14*1*0*1*0*1*1*0*1*1*", saved},
        {"with LF alone", "6240*3285*20*14*1*0*1*0*1*1*0*1*1*\n", saved},
        {"fourteen items: no save wrote them", "6240*3285*20*14*1*0*1*0*1*1*0*1*1*1*\r\n", kWithoutFile},
        {"sixteen items, instant tracking", "6240*3285*20*14*1*0*1*0*1*1*0*1*1*1*0*0*\r\n", savedInstant},
        {"sixteen items", "6240*3285*20*14*1*0*1*0*1*1*0*1*1*0*1*1*\r\n", savedReferences},
        {"the items of options still to come", "6240*3285*20*14*1*0*1*0*1*1*0*1*1*0*1*1*x*\r\n", savedReferences},
        // Each damage below would apply a value nobody chose.
        {"twelve items: a lost star", "6240*328520*14*1*0*1*0*1*1*0*1*1*\r\n", kWithoutFile},
        {"ten items", "6240*3285*20*14*1*1*1*0*1*1*\r\n", kWithoutFile},
        {"a star more", "6240*3285*2*0*14*1*0*1*0*1*1*0*1*1*\r\n", kWithoutFile},
        {"text after the last star", "6240*3285*20*14*1*0*1*0*1*1*0*1*11\r\n", kWithoutFile},
        {"a size of letters", "6240*3285*2x*14*1*0*1*0*1*1*0*1*1*\r\n", kWithoutFile},
        {"an empty size", "6240*3285**14*1*0*1*0*1*1*0*1*1*\r\n", kWithoutFile},
        {"UTF-8 digits for a size", "6240*3285*\xd9\xa2\xd9\xa0*14*1*0*1*0*1*1*0*\r\n", kWithoutFile},
        {"a position of letters", "6240*3x85*20*14*1*0*1*0*1*1*0*1*1*\r\n", kWithoutFile},
        {"a position past any int", "6240*99999999999*20*14*1*0*1*0*1*1*0*1*1*\r\n", kWithoutFile},
        {"a check box's item 2", "6240*3285*20*14*1*1*1*0*0*2*1*\r\n", kWithoutFile},
        {"an added option's item 2", "6240*3285*20*14*1*0*1*0*1*1*0*2*1*\r\n", kWithoutFile},
        {"a later added option's item 2", "6240*3285*20*14*1*0*1*0*1*1*0*1*1*2*0*0*\r\n", kWithoutFile},
        {"the last added option's item 2", "6240*3285*20*14*1*0*1*0*1*1*0*1*1*0*0*2*\r\n", kWithoutFile},
        {"a NUL for a check box", std::string("6240*3285*20*14*1*\0*1*0*0*0*0*\r\n", 32), kWithoutFile},
        {"an empty file", "", kWithoutFile},
        {"bytes of no settings", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), kWithoutFile},
    };
    for (const Restore& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(file(), c.bytes);
        const Start start(folder.path());
        EXPECT_EQ(optionsOf(start.main), c.options);
        // A file that is there and cannot be used is told, once.
        EXPECT_EQ(unusableFileMessages(start.fake), c.options == kWithoutFile ? 1 : 0) << start.fake.logLine();
    }
}

TEST_F(SettingsFile, ASingleDamagedByteRestoresTheSavedOptionsOrNoneOfThem) {
    // Options far from the defaults, as a save writes them.
    writeBytes(file(), "6240*3285*20*14*1*0*1*0*1*1*0*1*1*1*1*1*\r\n");
    const std::string savedLine = readBytes(file());
    std::string savedOptions;
    {
        const Start start(folder.path());
        savedOptions = optionsOf(start.main);
        ASSERT_NE(savedOptions, kWithoutFile);
    }
    // The part of a line that the options make: all but the window's position.
    const auto optionsPart = [](const std::string& line) {
        const size_t afterPosition = line.find('*', line.find('*') + 1);
        return afterPosition == std::string::npos ? line : line.substr(afterPosition);
    };
    std::vector<std::string> damaged;
    const std::string bytes = std::string("*019-x \r\n\xc7", 10) + '\0';
    for (size_t at = 0; at <= savedLine.size(); ++at) {
        if (at < savedLine.size()) damaged.push_back(std::string(savedLine).erase(at, 1));
        for (char byte : bytes) {
            damaged.push_back(std::string(savedLine).insert(at, 1, byte));
            if (at < savedLine.size() && savedLine[at] != byte)
                damaged.push_back(std::string(savedLine).replace(at, 1, 1, byte));
        }
    }
    for (const std::string& line : damaged) {
        SCOPED_TRACE(::testing::PrintToString(line));
        writeBytes(file(), line);
        Start start(folder.path());
        const std::string options = optionsOf(start.main);
        const int told = unusableFileMessages(start.fake);
        if (options == kWithoutFile && told == 1) continue;
        EXPECT_EQ(told, 0);
        if (options == savedOptions) continue;
        // Else the damage made another line a save writes (a 1 for a 0, a size of other
        // digits): the options it gave must write that very line again.
        start.main.save.setValue(true);
        EXPECT_EQ(optionsPart(readBytes(file())), optionsPart(line)) << options;
    }
}

TEST_F(SettingsFile, ASizeIsSavedInTheDigitsTheNextStartTakes) {
    {
        Start start(folder.path());
        start.main.ftx1.setText(u"\u0661\u0668");
        start.main.ftx2.setText(u"كبير");
        start.main.save.setValue(true);
    }
    Start next(folder.path());
    EXPECT_EQ(optionsOf(next.main).substr(0, 15), "ftx1=18 ftx2=12");
    EXPECT_EQ(unusableFileMessages(next.fake), 0) << next.fake.logLine();
}

TEST_F(SettingsFile, AFileOfElevenItemsPutsTheAddedOptionsBackToTheirDefaults) {
    writeBytes(file(), "6240*3285*20*14*1*0*1*0*1*1*0*1*1*\r\n");
    Start start(folder.path());
    writeBytes(file(), "6240*3285*20*14*1*0*1*0*1*1*0*\r\n");
    start.main.load.setValue(true);
    EXPECT_EQ(optionsOf(start.main),
              "ftx1=20 ftx2=14 Check6=1 Check3=0 Check2=1 Check4=0 Check5=1 Check7=1 Check1=0 FlexibleSearch=0 OrnateBrackets=0 InstantTracking=0 TypedReferences=0 VerseRanges=0 Check8=1 interval=700");
}

// The window as the restore leaves it: position, lower panel, layout picture.
std::string placeOf(const app::Options_Form& main) {
    return std::to_string(main.left()) + "," + std::to_string(main.top()) +
           " Picture8.top=" + std::to_string(main.Picture8.top()) + " Image4=" + main.Image4.picture();
}

TEST_F(SettingsFile, TheSavedLayoutPlacesTheWindowAndNeverTheSavedPosition) {
    Start start(folder.path());
    auto& main = start.main;
    start.fake.screenWidth = 1280 * 15;
    start.fake.screenHeight = 800 * 15;
    const int picture8Top = main.Picture8.top();
    const std::string wide = "6240*3285*16*12*0*0*0*1*0*0*0*\r\n";
    const std::string narrow = "6240*3285*16*12*0*0*0*0*0*0*0*\r\n";

    main.move(0, 0, main.width(), main.height());
    writeBytes(file(), wide);
    main.load.setValue(true);
    const auto centred = [](int screen, int window) { return std::to_string(std::lround((screen - window) / 2.0)); };
    EXPECT_EQ(placeOf(main), centred(1280 * 15, main.width()) + "," +
                                 centred(800 * 15, main.height()) + " Picture8.top=" +
                                 std::to_string(picture8Top) + " Image4=" + main.Image6.picture())
        << "centred on the screen";

    main.move(0, 0, main.width(), main.height());
    writeBytes(file(), narrow);
    main.load.setValue(true);
    EXPECT_EQ(placeOf(main), "0,0 Picture8.top=415 Image4=" + main.Image5.picture());
}

TEST_F(SettingsFile, ASaveThatCannotWriteSaysSoAndChangesNothing) {
    // The program's folder and the configuration folder both lie below a regular file,
    // which nobody can write into, root included.
    writeBytes(folder.path() / "plain", "");
    const ScopedEnv config(kConfigVariable, (folder.path() / "plain" / "config").string());
    Start start(folder.path() / "plain" / "program");
    const fs::path place = folder.path() / "plain" / "config" / "sahifex" / "Sahifex.ini";
    ASSERT_EQ(start.main.settingsFile(), place);
    start.main.Check2.setValue(1);
    start.fake.clearLog();
    start.main.save.setValue(true);
    EXPECT_EQ(start.fake.logLine(), "message:تعذّر حفظ الخيارات في الملف:\n" + place.string() +
                                        "\nلم يتغيّر شيء في الملف السابق. تأكّد من أن المجلد يقبل الكتابة وأن في القرص مساحة كافية.|حفظ الخيارات");
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"plain"});
    EXPECT_EQ(optionsOf(start.main),
              "ftx1=16 ftx2=12 Check6=0 Check3=0 Check2=1 Check4=0 Check5=1 Check7=0 Check1=0 FlexibleSearch=0 OrnateBrackets=0 InstantTracking=0 TypedReferences=0 VerseRanges=0 Check8=0 interval=0");
}

TEST_F(SettingsFile, ASaveCutShortKeepsTheOldFile) {
    const std::string old = "6240*3285*20*14*1*0*1*0*1*1*0*\r\n";
    writeBytes(file(), old);
    Start start(folder.path());
    start.main.Check6.setValue(0);
    start.fake.clearLog();
    {
#ifdef _WIN32
        const HeldOpen byAnotherProgram(file());
#else
        const FileSizeLimit fullDisk(static_cast<long>(old.size()) - 8);
#endif
        start.main.save.setValue(true);
    }
    EXPECT_EQ(readBytes(file()), old);
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"Sahifex.ini"});
    EXPECT_EQ(start.fake.logLine().rfind("message:تعذّر حفظ الخيارات", 0), 0u) << start.fake.logLine();
}

} // namespace
} // namespace sahifex::testing
