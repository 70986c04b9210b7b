// The real executable driven like a player: the launcher's Start, the intro,
// the main menu, the options and back, level page 1, the first level played
// for a few seconds, then out through the exit button. Only synthetic key
// presses reach the game; screenshots of every screen go to artifacts/.
//
// The game runs on a private virtual X server of the suite's screen size:
// other display tests run in parallel on the shared one and move the keyboard
// focus, which would send this test's keys elsewhere.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <tinyxml.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/BuildFolder.h"
#include "support/TestFiles.h"

namespace {

using Clock = std::chrono::steady_clock;

// Every wait is for a sign of the game's own (a log line, the screen's
// pixels), bounded far beyond what a loaded machine needs.
constexpr double kScreenBound = 60.0;

using testfiles::GamePath;

bool Have(const char* program)
{
    return std::system(("command -v " + std::string(program) + " > /dev/null 2>&1").c_str()) == 0;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// One capture of the whole screen, 8-bit RGB.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

// Share of the pixels in rows [top, bottom) brighter than near-black.
double LitShare(const Frame& f, int top, int bottom, int threshold)
{
    if (f.width == 0 || top >= bottom) return 0.0;
    long lit = 0;
    for (int y = top; y < bottom; ++y) {
        const unsigned char* p = &f.rgb[static_cast<size_t>(y) * f.width * 3];
        for (int x = 0; x < f.width; ++x, p += 3) {
            const int high = p[0] > p[1] ? (p[0] > p[2] ? p[0] : p[2]) : (p[1] > p[2] ? p[1] : p[2]);
            if (high > threshold) ++lit;
        }
    }
    return static_cast<double>(lit) / (static_cast<double>(f.width) * (bottom - top));
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string why = testfiles::WhyTheGameCannotStart(); !why.empty()) GTEST_SKIP() << why;
        if (!Have("xdotool"))
            GTEST_SKIP() << "needs xdotool";
        if (!Have("import") || !Have("identify"))
            GTEST_SKIP() << "needs ImageMagick's import and identify";
        display = std::getenv("DISPLAY");
        if (Have("Xvfb"))
            StartPrivateServer();

        ASSERT_FALSE(home.empty());
        ASSERT_EQ(mkdir((home + "/FlorpVops").c_str(), 0755), 0);
        // A player's stored choices: a window rather than the full screen, and
        // the light effects off, which software rendering draws too slowly
        // for the intro to pass in a few seconds.
        std::ofstream(home + "/FlorpVops/System.xml")
            << "<?xml version=\"1.0\" ?>\r\n<System auflosungx=\"1024\" auflosungy=\"768\" fenster=\"1\" />\r\n";
        std::ofstream(home + "/FlorpVops/Options.xml")
            << "<?xml version=\"1.0\" ?>\r\n<Options fps=\"0\" check=\"1\" rumble=\"1\" diffi=\"1\" "
               "sound=\"1\" music=\"1\" shader=\"0\" />\r\n";
        std::filesystem::create_directories("artifacts");
        started = Clock::now();
    }

    void TearDown() override
    {
        if (gamePid > 0) {
            Shell("xdotool keyup Right keyup space");
            kill(gamePid, SIGKILL);
            waitpid(gamePid, nullptr, 0);
            gamePid = -1;
        }
        if (serverPid > 0) {
            kill(serverPid, SIGTERM);
            waitpid(serverPid, nullptr, 0);
            serverPid = -1;
        }
    }

    // Xvfb picks a free display number itself and writes it to the pipe.
    void StartPrivateServer()
    {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        serverPid = fork();
        ASSERT_GE(serverPid, 0);
        if (serverPid == 0) {
            close(fds[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            if (quiet >= 0) {
                dup2(quiet, 1);
                dup2(quiet, 2);
            }
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1920x1080x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        pollfd waiting{fds[0], POLLIN, 0};
        const auto start = Clock::now();
        while (Seconds(start) < 15.0 && number.find('\n') == std::string::npos) {
            if (poll(&waiting, 1, 200) > 0) {
                char c;
                if (read(fds[0], &c, 1) != 1) break;
                number += c;
            }
        }
        close(fds[0]);
        ASSERT_NE(number.find('\n'), std::string::npos) << "the private X server did not start";
        display = ":" + number.substr(0, number.find('\n'));
    }

    // A command against this test's display.
    std::string OnDisplay(const std::string& command) const { return "DISPLAY=" + display + " " + command; }

    bool Shell(const std::string& command) const
    {
        return std::system(OnDisplay(command + " > /dev/null 2>&1").c_str()) == 0;
    }

    std::string Output(const std::string& command) const
    {
        std::string text;
        std::FILE* pipe = popen(OnDisplay(command + " 2> /dev/null").c_str(), "r");
        if (!pipe) return text;
        char buffer[256];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
        pclose(pipe);
        return text;
    }

    void StartGame()
    {
        log = home + "/output.txt";
        gamePid = fork();
        ASSERT_GE(gamePid, 0);
        if (gamePid == 0) {
            setenv("HOME", home.c_str(), 1);
            setenv("DISPLAY", display.c_str(), 1);
            setenv("ALSOFT_DRIVERS", "null", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            unsetenv("FLORPVOPS_TEST_LEVEL");
            // Only a safety stop, far beyond this road's length, should the
            // test itself be stopped before the game is left.
            setenv("FLORPVOPS_TEST_TICKS", "20000", 1);
            if (!std::freopen(log.c_str(), "w", stdout)) _exit(126);
            dup2(1, 2);
            execl(GamePath().c_str(), "florpvops", static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    // The first visible window whose title matches. The game window carries
    // no process id, so the private display's title is what tells it apart.
    std::string WaitForWindow(const std::string& title, bool byProcess)
    {
        const std::string owner = byProcess ? " --pid " + std::to_string(gamePid) : std::string();
        const std::string found =
            Output("timeout 20 xdotool search --sync --all --onlyvisible" + owner + " --name '" + title + "'");
        return found.substr(0, found.find('\n'));
    }

    bool Grab(Frame* frame) const
    {
        frame->width = frame->height = 0;
        std::FILE* pipe = popen(OnDisplay("import -window root -depth 8 ppm:- 2> /dev/null").c_str(), "r");
        if (!pipe) return false;
        int maxValue = 0;
        const bool header = std::fscanf(pipe, "P6 %d %d %d", &frame->width, &frame->height, &maxValue) == 3 &&
                            std::fgetc(pipe) != EOF && maxValue == 255 && frame->width > 0 && frame->height > 0;
        if (header) {
            frame->rgb.resize(static_cast<size_t>(frame->width) * frame->height * 3);
            if (std::fread(frame->rgb.data(), 1, frame->rgb.size(), pipe) != frame->rgb.size())
                frame->width = frame->height = 0;
        }
        pclose(pipe);
        return header && frame->width > 0;
    }

    // The band just below the top cinema bar (the window sits at 50,50):
    // lit while the bars are open, black while they close over a screen change.
    double BandLit(const Frame& f) const { return LitShare(f, 150, 175, 40); }
    // Rows just below where a menu's bars come to rest (20 px and their soft
    // edge): lit only once the bars have all but finished opening, which is
    // when the screen's buttons start to answer.
    double RestLit(const Frame& f) const { return LitShare(f, 95, 110, 40); }

    // Polls the game's output until it holds `line`; false after the bound.
    bool WaitForLogLine(const std::string& line)
    {
        const auto start = Clock::now();
        while (Seconds(start) < kScreenBound) {
            if (ReadFile(log).find(line + "\n") != std::string::npos) return true;
            SleepMs(100);
        }
        return false;
    }

    // Polls the screen until `ready` holds; false after `seconds`.
    template <typename Ready>
    bool WaitForScreen(double seconds, Ready ready)
    {
        const auto start = Clock::now();
        Frame frame;
        while (Seconds(start) < seconds) {
            if (Grab(&frame) && ready(frame)) return true;
            if (waitpid(gamePid, nullptr, WNOHANG) == gamePid) {
                gamePid = -1;
                return false;
            }
            SleepMs(150);
        }
        return false;
    }

    // A menu's bars at rest, seen on two grabs in a row: its buttons answer.
    bool WaitForMenuButtons()
    {
        int seen = 0;
        return WaitForScreen(kScreenBound, [&](const Frame& f) {
            seen = RestLit(f) > 0.6 ? seen + 1 : 0;
            return seen >= 2;
        });
    }

    // A screen change behind the bars: they close over the old screen and
    // open on the new one.
    bool WaitForBarsClosingAndOpening(bool menu = true)
    {
        if (!WaitForScreen(kScreenBound, [&](const Frame& f) { return BandLit(f) < 0.1; })) return false;
        if (!WaitForScreen(kScreenBound, [&](const Frame& f) { return BandLit(f) > 0.6; })) return false;
        return !menu || WaitForMenuButtons();
    }

    // Held and let go long enough that even a game slowed to a few frames a
    // second sees both (it reads the keys once a tick).
    void Key(const char* key, int holdMs = 300)
    {
        Shell("xdotool keydown " + std::string(key));
        SleepMs(holdMs);
        Shell("xdotool keyup " + std::string(key));
        SleepMs(300);
    }

    // Saves the screen to artifacts/NAME and checks it is not one flat colour.
    void Screenshot(const char* name)
    {
        const std::string path = std::string("artifacts/") + name;
        ASSERT_TRUE(Shell("import -window root " + path)) << name;
        const std::string colours = Output("identify -format '%k' " + path);
        EXPECT_GT(std::atoi(colours.c_str()), 1) << name << " is a single flat colour";
        std::printf("  %5.1f s  %s\n", Seconds(started), path.c_str());
    }

    void ExpectSettingsFile(const char* file, const char* element)
    {
        const std::string text = ReadFile(home + "/FlorpVops/" + file);
        ASSERT_FALSE(text.empty()) << file << " is missing or empty";
        const size_t firstEnd = text.find("\r\n");
        ASSERT_NE(firstEnd, std::string::npos) << file << ":\n" << text;
        EXPECT_EQ(text.substr(0, firstEnd), "<?xml version=\"1.0\" ?>") << file;
        const std::string second = text.substr(firstEnd + 2);
        EXPECT_EQ(second.rfind("<" + std::string(element) + " ", 0), 0u) << file << ":\n" << text;
        ASSERT_GE(second.size(), 4u) << file;
        EXPECT_EQ(second.substr(second.size() - 4), "/>\r\n") << file << " must end in one closed element";
        EXPECT_EQ(second.find('\n'), second.size() - 1) << file << " has more than two lines";

        TiXmlDocument doc;
        doc.Parse(text.c_str());
        ASSERT_FALSE(doc.Error()) << file << ": " << doc.ErrorDesc();
        const TiXmlElement* root = doc.RootElement();
        ASSERT_NE(root, nullptr) << file;
        EXPECT_STREQ(root->Value(), element) << file;
    }

    std::string display;
    // Kept, with the game's output, when the test fails.
    testfiles::TempFolder folder{"fv-e2e-"};
    const std::string& home = folder.path;
    std::string log;
    pid_t serverPid = -1;
    pid_t gamePid = -1;
    Clock::time_point started;
};

TEST_F(EndToEnd, FromTheLauncherThroughTheMenusIntoTheFirstLevelAndOut)
{
    StartGame();

    // 1. The launcher, started with Return on its default button.
    const std::string launcher = WaitForWindow("^FlorpVops$", true);
    ASSERT_FALSE(launcher.empty()) << "the launcher never showed\n" << ReadFile(log);
    // Return answers once the dialog is drawn and has the keyboard; until the
    // game window shows, the launcher is asked again now and then.
    std::string window;
    const auto asked = Clock::now();
    while (window.empty() && Seconds(asked) < kScreenBound) {
        if (Shell("xdotool search --onlyvisible --pid " + std::to_string(gamePid) + " --name '^FlorpVops$'") &&
            Shell("xdotool windowfocus --sync " + launcher))
            Key("Return");
        window = Output("timeout 10 xdotool search --sync --all --onlyvisible --name '^FlorpVops - '");
        window = window.substr(0, window.find('\n'));
    }
    ASSERT_FALSE(window.empty()) << "no game window after Start\n" << ReadFile(log);
    ASSERT_TRUE(Shell("xdotool windowfocus --sync " + window));

    // The intro: text fades in on black and then stands still.
    long previous = -1;
    const bool introShown = WaitForScreen(kScreenBound, [&](const Frame& f) {
        const long lit = static_cast<long>(LitShare(f, 0, f.height, 100) * 1e7);
        const bool still = lit > 0 && lit == previous;
        previous = lit;
        return still;
    });
    ASSERT_TRUE(introShown) << "no intro text\n" << ReadFile(log);
    Screenshot("e2e-intro.png");

    // Both intro screens run their full time; then the menu opens its bars.
    ASSERT_TRUE(WaitForScreen(kScreenBound, [&](const Frame& f) { return BandLit(f) > 0.6; }))
        << "the main menu never opened\n" << ReadFile(log);
    ASSERT_TRUE(WaitForMenuButtons()) << "the main menu's bars never came to rest\n" << ReadFile(log);
    Screenshot("e2e-main-menu.png");

    // 2. The options: the first arrow key wakes keyboard focus on world 1;
    // five steps left along the button row reach the options button.
    Key("Right");
    for (int i = 0; i < 5; ++i) Key("Left");
    Key("Return");
    ASSERT_TRUE(WaitForBarsClosingAndOpening()) << "the options never opened\n" << ReadFile(log);
    Screenshot("e2e-options.png");
    Key("Escape");
    ASSERT_TRUE(WaitForBarsClosingAndOpening()) << "no way back to the main menu\n" << ReadFile(log);

    // 3. Five steps right, back to world 1; its page opens with the first
    // level's button in focus.
    for (int i = 0; i < 5; ++i) Key("Right");
    Key("Return");
    ASSERT_TRUE(WaitForBarsClosingAndOpening()) << "level page 1 never opened\n" << ReadFile(log);
    Screenshot("e2e-page1.png");
    Key("Return");
    ASSERT_TRUE(WaitForBarsClosingAndOpening(false)) << "the first level never opened\n" << ReadFile(log);
    ASSERT_TRUE(WaitForLogLine("Level geladen!")) << ReadFile(log);

    // A few seconds to the right with some jumps on the way.
    Shell("xdotool keydown Right");
    for (int i = 0; i < 4; ++i) {
        SleepMs(700);
        Key("space", 150);
    }
    Screenshot("e2e-level.png");
    Shell("xdotool keyup Right");

    // 4. Out through the exit button, as a player leaves: back to the page,
    // down to its back button and right to exit.
    ASSERT_EQ(waitpid(gamePid, nullptr, WNOHANG), 0) << "the game ended early\n" << ReadFile(log);
    bool left = false;
    for (int attempt = 0; attempt < 3 && !left; ++attempt) {
        // Escape is not taken while a lost life fades out; then try again.
        Key("Escape");
        left = WaitForScreen(10.0, [&](const Frame& f) { return BandLit(f) < 0.1; });
    }
    ASSERT_TRUE(left) << "the level could not be left\n" << ReadFile(log);
    ASSERT_TRUE(WaitForScreen(kScreenBound, [&](const Frame& f) { return BandLit(f) > 0.6; }))
        << "no way back to level page 1\n" << ReadFile(log);
    ASSERT_TRUE(WaitForMenuButtons()) << "level page 1's bars never came to rest\n" << ReadFile(log);
    Key("Down");
    Key("Right");
    Key("Return");
    int status = 0;
    const auto closing = Clock::now();
    while (waitpid(gamePid, &status, WNOHANG) == 0) {
        ASSERT_LT(Seconds(closing), kScreenBound) << "the exit button did not end the game";
        SleepMs(100);
    }
    gamePid = -1;
    ASSERT_TRUE(WIFEXITED(status)) << ReadFile(log);
    EXPECT_EQ(WEXITSTATUS(status), 0) << ReadFile(log);
    ExpectSettingsFile("Game.xml", "Game");
    ExpectSettingsFile("Gamep.xml", "Gamep");
    std::printf("  %5.1f s  ended with status %d\n", Seconds(started), WEXITSTATUS(status));
}

}  // namespace
