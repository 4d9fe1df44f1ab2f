// Reading keyboard files: the header rule, key lines, the colon stand-in and the
// modifier keys.
#include "keyboard/KeyboardLayout.h"
#include "ProgramFolderFixture.h"

namespace {

using KeyboardLayoutTest = ProgramFolderFixture;

} // namespace

TEST_F(KeyboardLayoutTest, ReadsKeysInFileOrderSkippingLinesWithoutColon)
{
    WriteConfig("TST.kdd", {"TST", "a remark", "", "4:9:1:a:A:@:0:", "23:270:-2:¤:::9:trailing text",
                            "80:80:116: :::5:"});
    KeyboardLayout layout;
    ASSERT_TRUE(layout.Load("TST"));
    EXPECT_EQ(layout.Name(), "TST");
    ASSERT_EQ(layout.KeyCount(), 3);

    KeyboardKey key;
    ASSERT_TRUE(layout.GetKey(0, key));
    EXPECT_EQ(key.top, 4);
    EXPECT_EQ(key.left, 9);
    EXPECT_EQ(key.size, 1);
    EXPECT_EQ(key.name, "a");
    EXPECT_EQ(key.shifted, 'A');
    EXPECT_EQ(key.altgr, '@');
    EXPECT_EQ(key.finger, 0);
    ASSERT_TRUE(layout.GetKey(1, key));
    EXPECT_EQ(key.name, "\xA4");
    EXPECT_EQ(key.size, -2);
    EXPECT_EQ(key.shifted, 0);
    ASSERT_TRUE(layout.GetKey(2, key));
    EXPECT_EQ(key.name, " ");
    EXPECT_EQ(layout.FingerOf(2), 5);

    // Out of range: false and the key untouched; no finger.
    KeyboardKey untouched;
    untouched.name = "keep";
    EXPECT_FALSE(layout.GetKey(3, untouched));
    EXPECT_FALSE(layout.GetKey(-1, untouched));
    EXPECT_EQ(untouched.name, "keep");
    EXPECT_EQ(layout.FingerOf(3), -1);
    EXPECT_EQ(layout.FingerOf(-1), -1);
}

TEST_F(KeyboardLayoutTest, HeaderMustOccurInTheFilesOwnPath)
{
    // An empty file has the empty header, which every path holds.
    WriteConfig("EMPTY.kdd", {});
    KeyboardLayout layout;
    EXPECT_TRUE(layout.Load("EMPTY"));
    EXPECT_EQ(layout.KeyCount(), 0);

    // Part of the path is enough; letter case must match.
    WriteConfig("00000407.kdd", {"config/0000", "4:9:1:a:A::0:"});
    EXPECT_TRUE(layout.Load("00000407"));
    EXPECT_EQ(layout.KeyCount(), 1);
    WriteConfig("GER.kdd", {"ger", "4:9:1:a:A::0:"});
    EXPECT_FALSE(layout.Load("GER"));
    EXPECT_EQ(layout.KeyCount(), 0);
    // A file copied under another name is refused.
    WriteConfig("COPY.kdd", {"00000407", "4:9:1:a:A::0:"});
    EXPECT_FALSE(layout.Load("COPY"));

    EXPECT_FALSE(layout.Load("MISSING"));
    EXPECT_EQ(layout.Name(), "MISSING");
}

TEST_F(KeyboardLayoutTest, AShortKeyLineStopsTheLoadKeepingTheKeysBefore)
{
    WriteConfig("CUT.kdd", {"CUT", "4:9:1:a:A::0:", "4:28:1:b:B::0:", "4:47:1:c:C::0", "4:66:1:d:D::0:"});
    KeyboardLayout layout;
    EXPECT_FALSE(layout.Load("CUT"));
    ASSERT_EQ(layout.KeyCount(), 2);
    KeyboardKey key;
    ASSERT_TRUE(layout.GetKey(1, key));
    EXPECT_EQ(key.name, "b");
}

TEST_F(KeyboardLayoutTest, TildeStandsForTheColonInTheShiftColumnOnly)
{
    WriteConfig("COL.kdd", {"COL", "61:204:1:.:~::8:", "23:247:1:+:*:~:9:", "0:0:1:~:::0:", "0:0:1:x:~~y::0:",
                            "  12abc:-3x:  -2:long name:::-7:"});
    KeyboardLayout layout;
    ASSERT_TRUE(layout.Load("COL"));
    ASSERT_EQ(layout.KeyCount(), 5);
    const auto& keys = layout.Keys();
    EXPECT_EQ(keys[0].shifted, ':');
    EXPECT_EQ(keys[1].altgr, '~');
    EXPECT_EQ(keys[2].name, "~");
    EXPECT_EQ(keys[3].shifted, ':');
    // Numbers are read like atoi; a string field keeps its blanks.
    EXPECT_EQ(keys[4].top, 12);
    EXPECT_EQ(keys[4].left, -3);
    EXPECT_EQ(keys[4].size, -2);
    EXPECT_EQ(keys[4].name, "long name");
    EXPECT_EQ(keys[4].finger, -7);
}

TEST_F(KeyboardLayoutTest, ModifierKeysByNameAndHandLastOneWins)
{
    WriteConfig("MOD.kdd",
                {"MOD", "0:0:1:Shift:::0:", "0:0:1:SHIFT:::9:", "0:0:1:shift:::-1:", "0:0:1:Alt:::4:",
                 "0:0:1:alt:::5:", "0:0:1:AltGr:::5:", "0:0:1:Shift :::9:", "0:0:1:Alt:::7:"});
    KeyboardLayout layout;
    ASSERT_TRUE(layout.Load("MOD"));
    // Finger -1 counts as the left hand; "AltGr" and "Shift " are no modifiers.
    EXPECT_EQ(layout.LeftShift(), 2);
    EXPECT_EQ(layout.RightShift(), 1);
    EXPECT_EQ(layout.LeftAlt(), 3);
    EXPECT_EQ(layout.RightAlt(), 7);

    // Every load starts afresh.
    WriteConfig("BARE.kdd", {"BARE", "0:0:1:a:::0:"});
    ASSERT_TRUE(layout.Load("BARE"));
    EXPECT_EQ(layout.LeftShift(), -1);
    EXPECT_EQ(layout.RightShift(), -1);
    EXPECT_EQ(layout.LeftAlt(), -1);
    EXPECT_EQ(layout.RightAlt(), -1);
}

TEST_F(KeyboardLayoutTest, ANameCannotReachOutsideTheConfigFolder)
{
    // A valid keyboard file one folder up, reachable only through "../".
    LineFile outside;
    outside.AddLine("kdd");
    outside.AddLine("0:0:1:a:::0:");
    ASSERT_TRUE(outside.SaveLines((m_dir / "OUT.kdd").string()));
    KeyboardLayout layout;
    EXPECT_FALSE(layout.Load("../OUT"));
    EXPECT_EQ(layout.KeyCount(), 0);
    EXPECT_EQ(KeyboardLayout::FilePath("../OUT"), "");
    EXPECT_EQ(KeyboardLayout::FilePath(std::string("A\0B", 3)), "");
    EXPECT_EQ(KeyboardLayout::FilePath("NUM"), ConfigPath("NUM.kdd"));
}
