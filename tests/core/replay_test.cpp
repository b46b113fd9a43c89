// sledloop-replay: the script language, what the window delivers, the
// virtual clock, the tool's exit statuses and the stage scripts.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <regex>

#include "tools/replay/replay.h"

namespace sledloop::replay {
namespace {

std::string trace(std::string_view script) {
    std::string out, error;
    EXPECT_EQ(runScript(script, out, error), Status::Done) << error;
    return out;
}

TEST(ReplayParse, AcceptsTheLanguageAndEchoesItCanonically) {
    struct Case {
        const char* line;
        const char* canonical;  // nullptr: a blank line
    };
    const Case cases[] = {
        {"load", "load"},
        {"  \tbutton \t ", "button"},
        {"click Frame4\r", "click Frame4"},
        {"dblclick  Frame001", "dblclick Frame1"},
        {"press santa(007)", "press santa(7)"},
        {"hover santa(20)", "hover santa(20)"},
        {"tick Timer3", "tick Timer3"},
        {"wait 0000", "wait 0"},
        {"wait 100000000", "wait 100000000"},
        {"state", "state"},
        {"unload", "unload"},
        {"", nullptr},
        {"   \t", nullptr},
        {"\r", nullptr},
        {"  # press santa(99) is no event", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const Parsed parsed = parseLine(c.line);
        if (c.canonical == nullptr) {
            EXPECT_TRUE(std::holds_alternative<Blank>(parsed));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<Event>(parsed));
        EXPECT_EQ(canonical(std::get<Event>(parsed)), c.canonical);
    }
}

TEST(ReplayParse, RefusesEverythingElse) {
    const char* lines[] = {
        "Load",           "loads",
        "load now",       "click",
        "click Frame0",   "click Frame5",
        "click frame1",   "click Frame",
        "click Frame+1",  "press santa(21)",
        "press santa()",  "press santa(1",
        "press santa 1",  "press santa(-1)",
        "hover santa(x)", "tick Timer0",
        "tick Timer4",    "tick",
        "wait",           "wait -5",
        "wait +5",        "wait 5ms",
        "wait 100000001", "wait 99999999999999999999999",
        "wait 1.5",       "wait 0x10",
        "state now",      "button # comment",
        "\xff",           "load\r\r",
        "wait\v5",
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        const Parsed parsed = parseLine(line);
        ASSERT_TRUE(std::holds_alternative<Malformed>(parsed));
        EXPECT_FALSE(std::get<Malformed>(parsed).reason.empty());
    }
}

TEST(Replay, MalformedLineStopsWithItsNumberAndKeepsTheOutput) {
    std::string out, error;
    EXPECT_EQ(runScript("load\n\n# fine\nclick Frame9\nbutton\n", out, error), Status::Malformed);
    EXPECT_EQ(out, "> 0 load\nshow Label4\ntext Label4 \"STAGE  1\"\n");
    EXPECT_EQ(error.rfind("line 4: ", 0), 0u) << error;
}

TEST(Replay, UnloadEndsTheScript) {
    EXPECT_EQ(
        trace("load\nunload\nbutton\nclick Frame99\n"),
        "> 0 load\nshow Label4\ntext Label4 \"STAGE  1\"\n> 0 unload\nmci stop \"bgm.wav\"\n");
}

TEST(Replay, StoppedTimersDoNotTick) {
    EXPECT_EQ(trace("tick Timer1\ntick Timer2\ntick Timer3\nwait 5000\n"), "");
    const std::string out = trace("load\nbutton\ntick Timer3\n");
    EXPECT_TRUE(out.ends_with("> 0 tick Timer3\nmci play \"bgm.wav\"\n")) << out;
}

TEST(Replay, SpritesReceiveMouseEventsOnlyWhenShownAndAboveThePanel) {
    // Before the start every sprite lies under the panel, 0..9 shown, 10..20 hidden.
    EXPECT_EQ(
        trace("load\nbutton\npress santa(1)\nhover santa(1)\nhover santa(15)\n").find("> 0 press"),
        std::string::npos);
    // Released and moved onto the field, a sprite answers.
    const std::string out = trace("load\nbutton\nwait 1000\nhover santa(1)\nhover santa(2)\n");
    EXPECT_TRUE(out.ends_with("> 1000 hover santa(1)\npaint Picture4 64 32\n")) << out;
}

TEST(Replay, WaitDeliversTicksInOrderAndEchoesThemAtTheirTimes) {
    const std::string out = trace("load\nbutton\nwait 999\nstate\nwait 1\n");
    const std::regex echo(R"(^> (\d+) (.*)$)");
    std::vector<std::string> echoes;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("> ", 0) == 0 && line.find("tick") != std::string::npos)
            echoes.push_back(line);
    }
    EXPECT_EQ(echoes, (std::vector<std::string>{"> 500 tick Timer2", "> 1000 tick Timer1",
                                                "> 1000 tick Timer2"}));
    EXPECT_NE(out.find("> 999 state\n"), std::string::npos);
}

TEST(Replay, StateDumpFormat) {
    const std::string out = trace("load\nbutton\nwait 1000\nstate\n");
    const auto at = out.find("> 1000 state\n");
    ASSERT_NE(at, std::string::npos);
    std::istringstream in(out.substr(at));
    std::string line;
    std::getline(in, line);
    std::getline(in, line);
    EXPECT_EQ(line,
              "state StageNumber=1 SelectedSkill=3 LastSantaIndex=5 ClockTicks=10 TimeLimit=80 "
              "SkillStock=0,1,0,2");
    std::getline(in, line);
    EXPECT_EQ(line, "santa 0 col=4 row=1 dx=0 dy=0 state=0");
    std::getline(in, line);
    EXPECT_EQ(line, "santa 1 col=4 row=2 dx=0 dy=1 state=1");
    for (int k = 2; k <= 20; ++k)
        std::getline(in, line);
    EXPECT_EQ(line, "santa 20 col=0 row=0 dx=0 dy=0 state=0");
    std::getline(in, line);
    EXPECT_EQ(line.rfind("cells 0,5=1 1,5=1 57,5=1 58,5=1 0,6=1 ", 0), 0u);
    EXPECT_TRUE(line.ends_with(" 57,28=1 58,28=1 59,28=1")) << line.substr(line.size() - 40);
    EXPECT_FALSE(std::getline(in, line));

    EXPECT_TRUE(trace("state\n").ends_with("\ncells\n"));
}

// A santa of stage 1 that has turned at the left post, dug through at
// column 2 and given ROCK while it falls would write column -1: the map
// keeps the rest of that wall and nothing outside it is touched.
TEST(Replay, RockBesideTheLeftEdgeWritesOnlyInsideTheMap) {
    const std::string out = trace(
        "load\nbutton\nwait 57000\npress santa(1)\nwait 2500\nclick Frame2\npress "
        "santa(1)\nstate\n");
    EXPECT_NE(out.find("> 59500 press santa(1)\npaint WALL 0 176\npicture santa(1) santa(0)\n"),
              std::string::npos);
    EXPECT_NE(out.find("santa 1 col=2 row=11 dx=1 dy=0 state=2\n"), std::string::npos);
    EXPECT_NE(out.find(" 0,10=1 1,10=1 "), std::string::npos);
    EXPECT_NE(out.find(" 0,11=1 1,11=1 "), std::string::npos);
}

// --- the tool itself -------------------------------------------------------

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun runTool(const std::string& args, const std::string& input = "") {
    // Test cases run as processes of their own, side by side: names of their own.
    static int calls = 0;
    const std::string stem = ::testing::TempDir() + "replay_" + std::to_string(::getpid()) + "_" +
                             std::to_string(++calls);
    const std::string in = stem + ".in", out = stem + ".out", err = stem + ".err";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command =
        std::string(SLEDLOOP_REPLAY) + " " + args + " <" + in + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    auto slurp = [](const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    ToolRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
    for (const std::string& path : {in, out, err})
        std::remove(path.c_str());
    return run;
}

TEST(ReplayTool, ExitStatuses) {
    const ToolRun ok = runTool("", "load\nstate\n");
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out.rfind("> 0 load\n", 0), 0u);
    EXPECT_TRUE(ok.err.empty());

    const ToolRun bad = runTool("", "load\n\nwait soon\nbutton\n");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "> 0 load\nshow Label4\ntext Label4 \"STAGE  1\"\n");
    EXPECT_EQ(bad.err.rfind("sledloop-replay: line 3: ", 0), 0u) << bad.err;

    const ToolRun missing = runTool("/nonexistent/script.txt");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "sledloop-replay: /nonexistent/script.txt: No such file or directory\n");

    const ToolRun directory = runTool("/");
    EXPECT_EQ(directory.status, 1);
    EXPECT_EQ(directory.err.rfind("sledloop-replay: /: ", 0), 0u) << directory.err;
    EXPECT_TRUE(directory.out.empty());

    const ToolRun usage = runTool("a b");
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("usage"), std::string::npos);
}

TEST(ReplayTool, LastLineWithoutNewlineAndBinaryBytes) {
    EXPECT_EQ(runTool("", "load\nstate").status, 0);
    const ToolRun nul = runTool("", std::string("load\nbut\0ton\n", 13));
    EXPECT_EQ(nul.status, 2);
    EXPECT_EQ(nul.err.rfind("sledloop-replay: line 2: ", 0), 0u);
}

// Every stage of the catalogue can be played to its end: the script for
// stage n plays from the window's load and clears stages 1 to n.
TEST(StageScripts, EachClearsItsStage) {
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        const std::string path =
            std::string(SLEDLOOP_STAGES) + "/stage" + std::to_string(n) + ".txt";
        const ToolRun run = runTool(path);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto last = run.out.rfind("\nstate ");
        ASSERT_NE(last, std::string::npos);
        const std::string want = "\nstate StageNumber=" + std::to_string(n + 1) + " ";
        EXPECT_EQ(run.out.compare(last, want.size(), want), 0)
            << run.out.substr(last, run.out.find('\n', last + 1) - last);
        EXPECT_NE(run.out.find("text Label4 \"Stage  " + std::to_string(n + 1) + "\""),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace sledloop::replay
