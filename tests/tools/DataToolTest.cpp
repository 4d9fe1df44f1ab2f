// The data tool as course authors use it: a real process, real files, exit codes.
#include "exercise/LineFile.h"
#include "resources/TextCodec.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct ToolRun
{
    int status = -1;
    std::string out;
    std::string err;
};

class DataToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tippwerk-datatool-" + std::to_string(::getpid()));
        fs::create_directories(m_dir / "lessons");
        // The installed keyboards: the import filters text through them.
        fs::create_directories(m_dir / "config");
        for (const auto& entry : fs::directory_iterator(fs::path(TIPPWERK_INSTALL_DIR) / "config")) {
            const auto extension = entry.path().extension();
            if (extension == ".kdd" || extension == ".odd")
                fs::copy_file(entry.path(), m_dir / "config" / entry.path().filename());
        }
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Runs the tool with TIPPWERK_HOME at the test folder; `input` goes to standard input.
    ToolRun Tool(const std::string& args, const std::string& input = {})
    {
        const fs::path in = m_dir / "stdin";
        const fs::path err = m_dir / "stderr";
        std::ofstream(in, std::ios::binary) << input;
        std::string command = "TIPPWERK_HOME='";
        command += m_dir.string();
        command += "' '" TIPPWERK_INSTALL_DIR "/tippwerk-data' ";
        command += args;
        command += " < '";
        command += in.string();
        command += "' 2> '";
        command += err.string();
        command += "'";
        ToolRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return run;
        std::array<char, 4096> buffer;
        size_t n;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            run.out.append(buffer.data(), n);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream errIn(err, std::ios::binary);
        run.err.assign(std::istreambuf_iterator<char>(errIn), std::istreambuf_iterator<char>());
        return run;
    }

    // Quoted for the shell.
    std::string Arg(const std::string& name) const
    {
        std::string quoted = "'";
        quoted += (m_dir / name).string();
        quoted += "'";
        return quoted;
    }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

} // namespace

TEST_F(DataToolTest, PackAndUnpackKeepTheBytes)
{
    // CR before LF stays in its line; a last line without LF counts; bytes pass unchanged.
    const std::string text = "eins\r\n\nzw\xA4i\n\xFC\x9F last";
    const ToolRun pack = Tool(std::string("pack ").append(Arg("f.ddd")), text);
    ASSERT_EQ(pack.status, 0) << pack.err;
    LineFile file;
    ASSERT_TRUE(file.LoadLines(Path("f.ddd")));
    const std::vector<std::string> expected = {"eins\r", "", "zw\xA4i", "\xFC\x9F last"};
    EXPECT_EQ(file.Lines(), expected);

    const ToolRun unpack = Tool(std::string("unpack ").append(Arg("f.ddd")));
    EXPECT_EQ(unpack.status, 0);
    EXPECT_EQ(unpack.out, "eins\r\n\nzw\xA4i\n\xFC\x9F last\n");

    // Empty input makes a zero-byte file.
    ASSERT_EQ(Tool(std::string("pack ").append(Arg("empty.ddd"))).status, 0);
    EXPECT_EQ(fs::file_size(m_dir / "empty.ddd"), 0u);
}

TEST_F(DataToolTest, ConvertsUtf8SourcesAsTheDataBuildDoes)
{
    // The build's own calls: target, then the UTF-8 source; no standard input.
    const auto bytes = [&](const std::string& name) {
        std::ifstream in(m_dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    std::ofstream(m_dir / "good.utf8", std::ios::binary) << "Gr\xC3\xBC\xC3\x9F"
                                                            "e\r\n\xC5\x81\xC3\xB3"
                                                            "d\xC5\xBA \xE2\x82\xAC\xC2\xA4";
    const ToolRun pack =
        Tool(std::string("pack --from-utf8 ").append(Arg("good.ddd")).append(" ").append(Arg("good.utf8")));
    ASSERT_EQ(pack.status, 0) << pack.err;
    LineFile file;
    ASSERT_TRUE(file.LoadLines(Path("good.ddd")));
    const std::vector<std::string> lines = {"Gr\xFC\xDF"
                                            "e\r",
                                            "\xA3\xF3\x64\x9F \x80\xA4"};
    EXPECT_EQ(file.Lines(), lines);
    const ToolRun text =
        Tool(std::string("text ").append(Arg("good.txt")).append(" ").append(Arg("good.utf8")));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(bytes("good.txt"), "Gr\xFC\xDF"
                                 "e\r\n\xA3\xF3\x64\x9F \x80\xA4");

    // A character outside Windows-1250, or a byte that is not UTF-8: the build stops
    // with the line and column, and the file from the last good build stays whole.
    struct Case
    {
        std::string source;
        std::string where;
    };
    const Case cases[] = {
        {"eins\nzwei\ndr\xC3\xBC \xE2\x86\x92 drei\nvier\n", "line 3, column 5:"},
        {"\xF0\x9F\x98\x80", "line 1, column 1:"},
        {"a\n\nGr\xFC\xDF"
         "e\n",
         "line 3, column 3:"},
    };
    for (const Case& c : cases) {
        std::ofstream(m_dir / "bad.utf8", std::ios::binary) << c.source;
        for (const char* command : {"pack --from-utf8 ", "text "}) {
            const std::string target = std::string(command) == "text " ? "good.txt" : "good.ddd";
            const std::string before = bytes(target);
            const ToolRun run =
                Tool(std::string(command).append(Arg(target)).append(" ").append(Arg("bad.utf8")));
            EXPECT_EQ(run.status, 1) << command << c.where;
            EXPECT_NE(run.err.find("bad.utf8: " + c.where), std::string::npos) << run.err;
            EXPECT_EQ(bytes(target), before) << command << c.where;
        }
    }
    // From standard input too; without the option the bytes pass as they are.
    const ToolRun piped =
        Tool(std::string("pack --from-utf8 ").append(Arg("piped.ddd")), "a\n\xE2\x86\x92\n");
    EXPECT_EQ(piped.status, 1);
    EXPECT_NE(piped.err.find("standard input: line 2, column 1:"), std::string::npos) << piped.err;
    EXPECT_FALSE(fs::exists(m_dir / "piped.ddd"));
    EXPECT_EQ(Tool(std::string("text ").append(Arg("t.txt")).append(" ").append(Arg("missing.utf8"))).status,
              1);
    EXPECT_EQ(Tool(std::string("text ").append(Arg("t.txt"))).status, 2);
}

TEST_F(DataToolTest, FailuresNameTheFileAndExitWithOne)
{
    const ToolRun missing = Tool(std::string("unpack ").append(Arg("nope.ddd")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("nope.ddd"), std::string::npos);
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);

    // A damaged file still prints the lines before the fault.
    LineFile file;
    for (int i = 0; i < 800; ++i)
        file.AddLine(std::string("Zeile ").append(std::to_string(i)));
    ASSERT_TRUE(file.SaveLines(Path("long.ddd")));
    fs::resize_file(m_dir / "long.ddd", fs::file_size(m_dir / "long.ddd") - 5);
    const ToolRun damaged = Tool(std::string("unpack ").append(Arg("long.ddd")));
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out.rfind("Zeile 0\nZeile 1\n", 0), 0u);

    EXPECT_EQ(Tool(std::string("pack ").append(Arg("no/such/folder/x.ddd")), "a\n").status, 1);
    EXPECT_EQ(Tool("lessons 00000407 _a").status, 1);
    EXPECT_EQ(Tool("frobnicate").status, 2);
}

TEST_F(DataToolTest, ListsTheLessonsOfACourse)
{
    LineFile course;
    for (const char* line : {"00000407_a", "Grundreihe", "asdf:1:60.5:2:", "asdf\xA4", "fdsa\xA4", "",
                             "Zweite", "gh:0:", "gh gh\xA4"})
        course.AddLine(line);
    ASSERT_TRUE(course.SaveLines(Path("lessons/00000407_a.ddd")));
    const ToolRun plain = Tool("lessons 00000407 _a");
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out, "0\tGrundreihe\tasdf\t1\t60.50\t2.00\t2\t10\n"
                         "1\tZweite\tgh\t0\t64.00\t0.80\t1\t6\n");
    const ToolRun lines = Tool("lessons 00000407 _a --lines");
    EXPECT_NE(lines.out.find("\n\tasdf\xC2\xA4\n\tfdsa\xC2\xA4\n1\t"), std::string::npos);
}

TEST_F(DataToolTest, ImportsFreeTextAsUtf8)
{
    std::ofstream(m_dir / "t.txt", std::ios::binary) << "Gr\xC3\xBC\xC3\x9F"
                                                        "e\taus\t\tdem   Text\n\n"
                                                     << std::string(75, 'x') << "\n";
    const ToolRun run = Tool(std::string("import ").append(Arg("t.txt")));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string("Gr\xC3\xBC\xC3\x9F"
                                   "e aus dem Text\n")
                           .append(70, 'x')
                           .append("\n"));

    std::ofstream(m_dir / "t.rtf", std::ios::binary) << "{\\rtf1\\ansi Gr\\'fc\\u223?e\\par}";
    const ToolRun rtf = Tool(std::string("import --keyboard 00000407 ").append(Arg("t.rtf")));
    ASSERT_EQ(rtf.status, 0) << rtf.err;
    EXPECT_EQ(rtf.out, " Gr\xC3\xBC\xC3\x9F"
                       "e\n");

    const ToolRun broken = Tool(std::string("import ").append(Arg("missing.rtf")));
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("was not found"), std::string::npos);
}

TEST_F(DataToolTest, PrintsAStatisticsFile)
{
    LineFile file;
    for (const char* line : {"tvr STAT 1.0", "929000000", "Anna", "3",
                             "Gro\xDF"
                             "buchstaben",
                             "1.5", "120", "42", "250:a:", "300:b:x:", "90:\xA4:", "12:~:~:", "oops"})
        file.AddLine(line);
    ASSERT_TRUE(file.SaveLines(Path("a.stat")));
    const ToolRun run = Tool(std::string("stat ").append(Arg("a.stat")));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "929000000\nAnna\n3\nGro\xC3\x9F"
                       "buchstaben\n1.500\n120\n42\n4\n"
                       "250\ta\ta\n300\tb\tx\n90\t\xC2\xA4\t\xC2\xA4\n12\t:\t:\n");

    file.ClearLines();
    file.AddLine("tvr STAT 1.1");
    ASSERT_TRUE(file.SaveLines(Path("b.stat")));
    const ToolRun wrong = Tool(std::string("stat ").append(Arg("b.stat")));
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("b.stat"), std::string::npos);
}

TEST_F(DataToolTest, ImportKeepsWhatTheKeyboardCanType)
{
    std::ofstream(m_dir / "n.txt", std::ios::binary) << "12 ab,3\n4.5\n";
    const ToolRun keypad = Tool(std::string("import --keyboard NUM ").append(Arg("n.txt")));
    ASSERT_EQ(keypad.status, 0) << keypad.err;
    EXPECT_EQ(keypad.out, "12,3\n45\n");

    const ToolRun missing = Tool(std::string("import --keyboard 0000041D ").append(Arg("n.txt")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("config/0000041D.kdd"), std::string::npos) << missing.err;
}

TEST_F(DataToolTest, PrintsTheCharacterMapOfAKeyboard)
{
    // Key lines: top, left, size, name, shifted (~ for the colon), altgr, finger.
    const auto save = [&](const std::string& name, const std::vector<std::string>& lines) {
        LineFile file;
        for (const auto& line : lines)
            file.AddLine(TextCodec::FromUtf8(line));
        ASSERT_TRUE(file.SaveLines(Path("config/" + name)));
    };
    save("XX1234.kdd", {"XX1234", "0:0:21:Shift:::0:", "0:0:1:.:~::8:", "0:0:1:´:::9:", "0:0:1:e:E:€:2:",
                        "0:0:49:Shift:::9:", "0:0:21:Alt:::5:", "0:0:-2:¤:::9:"});
    save("1234.odd", {"1234", "é:´:e:", "É:´:E:"});
    const ToolRun run = Tool("keyboard XX1234");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, ".:\xC2\xB4"
                       "eE\xE2\x82\xAC\xC2\xA4\xC3\xA9\xC3\x89\n"
                       ".\t-1 1 -1 -1\n"
                       ":\t0 1 -1 -1\n"
                       "\xC2\xB4\t-1 2 -1 -1\n"
                       "e\t-1 3 -1 -1\n"
                       "E\t4 3 -1 -1\n"
                       "\xE2\x82\xAC\t5 3 -1 -1\n"
                       "\xC2\xA4\t-1 6 -1 -1\n"
                       "\xC3\xA9\t-1 2 -1 3\n"
                       "\xC3\x89\t-1 2 4 3\n");

    // The installed keypad: its characters, and the Enter key as ¤.
    const ToolRun keypad = Tool("keyboard NUM");
    ASSERT_EQ(keypad.status, 0) << keypad.err;
    EXPECT_EQ(keypad.out.substr(0, keypad.out.find('\n')), "/*-789+456123\xC2\xA4"
                                                           "0,");
    EXPECT_EQ(std::count(keypad.out.begin(), keypad.out.end(), '\n'), 17);

    // A faulty composed-character file is named; so is a missing keyboard file.
    save("1234.odd", {"1234", "é:´:"});
    const ToolRun composed = Tool("keyboard XX1234");
    EXPECT_EQ(composed.status, 1);
    EXPECT_NE(composed.err.find("config/1234.odd"), std::string::npos) << composed.err;
    const ToolRun missing = Tool("keyboard NOPE");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("config/NOPE.kdd"), std::string::npos) << missing.err;
    EXPECT_EQ(Tool("keyboard").status, 2);
}

TEST_F(DataToolTest, EvaluatesAStatisticsFile)
{
    // Remarks: speed, then the keys with faults, then the first group.
    LineFile remarks;
    for (const char* line : {":Ende", "#0", "Gut gemacht.", "", ":Fehler", "#5", "Fehler bei:", "", ":Tempo",
                             "#2", "Schnell.", "Langsam.", ""})
        remarks.AddLine(line);
    ASSERT_TRUE(remarks.SaveLines(Path("config/textinfo.ddd")));
    // Error limit 8 %: eleven wrong a's are 12.5 times it; four slow blanks are too few to name.
    LineFile stat;
    for (const char* line : {"tvr STAT 1.0", "1700049600", "Anna", "0", "Grundreihe", "8.000", "120", "30"})
        stat.AddLine(line);
    for (int i = 0; i < 11; ++i)
        stat.AddLine("100:a:x:");
    for (int i = 0; i < 4; ++i)
        stat.AddLine("1000: :");
    stat.AddLine("200:\xA4:");
    ASSERT_TRUE(stat.SaveLines(Path("a.stat")));

    const ToolRun run = Tool(std::string("results --seed 7 ").append(Arg("a.stat")));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out.rfind("speed-limit\t120.00\nspeed\t181.13\nerror-limit\t8.00\nerror-rate\t68.75\n"
                      "time\t00:00:05\ntyped-percent\t53.3\ncharacters\t30\nkeystrokes\t16\nfaults\t11\n"
                      "scores\t24\t99\t99\t53\nfault-keys\ta.\nslow-keys\t\n",
                      0),
        0u)
        << run.out;
    for (const char* line :
         {"\nkey\ta\t4\t0\t0.100\txxxxxxxxxxx\t11\t11\n", "\nkey\tLeerzeichen\t0\t4\t1.000\t\t0\t4\n",
          "\nkey\t\xC2\xA4\t0\t1\t0.200\t\t0\t1\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 16);
    const std::string remark = "\nremark\tSchnell. \\nFehler bei: a.\\nGut gemacht. \\n\n";
    EXPECT_EQ(run.out.substr(run.out.size() - remark.size()), remark);

    stat.ClearLines();
    stat.AddLine("tvr STAT 1.1");
    ASSERT_TRUE(stat.SaveLines(Path("b.stat")));
    const ToolRun wrong = Tool(std::string("results ").append(Arg("b.stat")));
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.out, "");
    EXPECT_NE(wrong.err.find("b.stat: Diese Datei beinhaltet nicht"), std::string::npos) << wrong.err;
    EXPECT_EQ(Tool(std::string("results --seed x ").append(Arg("a.stat"))).status, 2);
}
