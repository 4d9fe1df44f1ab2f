// Building the character map: one-stroke entries per key, the Shift of the other hand,
// composed characters, first-entry lookups and the typeable characters.
#include "keyboard/CharacterMap.h"
#include "ProgramFolderFixture.h"

#include <array>

namespace {

class CharacterMapTest : public ProgramFolderFixture
{
protected:
    void SetUp() override
    {
        ProgramFolderFixture::SetUp();
        WriteConfig("XX0407.kdd", {
                                      "XX0407",
                                      "0:0:21:Shift:::0:", // 0 left Shift
                                      "0:0:1:a:A:@:4:",    // 1 left thumb: still the right Shift
                                      "0:0:1:´:`::9:",     // 2 right hand: left Shift
                                      "0:0:1:b:B::-1:",    // 3 no finger: right Shift
                                      "0:0:49:Shift:::9:", // 4 right Shift
                                      "0:0:21:Alt:::5:",   // 5 AltGr
                                      "0:0:1:x:a::9:",     // 6 a second way to type a
                                      "0:0:116: :::5:",    // 7 space
                                      "0:0:1:ab:::3:",     // 8 types nothing
                                  });
    }

    struct Strokes
    {
        int firstModifier = -1;
        int firstKey = -1;
        int secondModifier = -1;
        int secondKey = -1;
        bool operator==(const Strokes&) const = default;
    };

    Strokes Find(const CharacterMap& map, const std::string& utf8Character)
    {
        Strokes s;
        const std::string c = W(utf8Character);
        EXPECT_EQ(c.size(), 1u);
        EXPECT_TRUE(map.Find(c[0], s.firstModifier, s.firstKey, s.secondModifier, s.secondKey))
            << utf8Character;
        return s;
    }
};

} // namespace

TEST_F(CharacterMapTest, OneStrokeEntriesPerKeyInOrder)
{
    WriteConfig("0407.odd", {"0407"});
    KeyboardLayout layout;
    CharacterMap map(layout, m_typeable);
    ASSERT_TRUE(map.LoadKeyboard("XX0407"));

    // Per key: plain, then Shift, then AltGr; duplicates stay in the string.
    EXPECT_EQ(m_typeable.Characters(), W("aA@´`bBxa "));
    EXPECT_TRUE(m_typeable.Contains('x'));
    EXPECT_FALSE(m_typeable.Contains('X'));
    ASSERT_EQ(map.Entries().size(), 10u);
    EXPECT_EQ(map.Entries()[8].character, 'a');
    EXPECT_EQ(map.Entries()[8].firstModifier, 0);
    EXPECT_EQ(map.Entries()[8].firstKey, 6);

    // Shift is held by the other hand; a key without a finger counts as left-hand.
    EXPECT_EQ(Find(map, "A"), (Strokes{4, 1, -1, -1}));
    EXPECT_EQ(Find(map, "`"), (Strokes{0, 2, -1, -1}));
    EXPECT_EQ(Find(map, "B"), (Strokes{4, 3, -1, -1}));
    EXPECT_EQ(Find(map, "@"), (Strokes{5, 1, -1, -1}));
    EXPECT_EQ(Find(map, " "), (Strokes{-1, 7, -1, -1}));
    // The first entry wins.
    EXPECT_EQ(Find(map, "a"), (Strokes{-1, 1, -1, -1}));

    // Unknown characters leave the outputs as they were.
    std::array<int, 4> out = {7, 7, 7, 7};
    EXPECT_FALSE(map.Find('q', out[0], out[1], out[2], out[3]));
    EXPECT_FALSE(map.Find('\0', out[0], out[1], out[2], out[3]));
    EXPECT_EQ(out, (std::array<int, 4>{7, 7, 7, 7}));
}

TEST_F(CharacterMapTest, ComposedCharactersUseTheStrokesOfEarlierEntries)
{
    WriteConfig("0407.odd", {"0407", "a remark", "á:´:a:", "Á:´:A:", "ç:¸:c:", "ő:á:x:", "´:´: :", "x:::"});
    KeyboardLayout layout;
    CharacterMap map(layout, m_typeable);
    ASSERT_TRUE(map.LoadKeyboard("XX0407"));

    EXPECT_EQ(m_typeable.Characters(), W("aA@´`bBxa á") + W("Áçő´x"));
    EXPECT_EQ(Find(map, "á"), (Strokes{-1, 2, -1, 1}));
    // The second stroke takes the Shift of the capital.
    EXPECT_EQ(Find(map, "Á"), (Strokes{-1, 2, 4, 1}));
    // Strokes the keyboard lacks stay -1, yet the character is typeable.
    EXPECT_EQ(Find(map, "ç"), (Strokes{-1, -1, -1, -1}));
    EXPECT_TRUE(m_typeable.Contains(W("ç")[0]));
    // An earlier line of the file already counts as a stroke (its first one).
    EXPECT_EQ(Find(map, "ő"), (Strokes{-1, 2, -1, 6}));
    // The dead key typed on its own is found as its one-stroke entry first.
    EXPECT_EQ(Find(map, "´"), (Strokes{-1, 2, -1, -1}));
    EXPECT_EQ(Find(map, "x"), (Strokes{-1, 6, -1, -1}));
}

TEST_F(CharacterMapTest, AFaultyComposedFileFailsButKeepsWhatWasBuilt)
{
    KeyboardLayout layout;
    CharacterMap map(layout, m_typeable);
    // Missing.
    EXPECT_FALSE(map.LoadKeyboard("XX0407"));
    EXPECT_EQ(m_typeable.Characters(), W("aA@´`bBxa "));
    EXPECT_EQ(map.Entries().size(), 10u);

    // Wrong first line.
    WriteConfig("0407.odd", {"0409", "á:´:a:"});
    EXPECT_FALSE(map.LoadKeyboard("XX0407"));
    EXPECT_EQ(map.Entries().size(), 10u);

    // A line without its third field ends the file; the lines before it stay.
    WriteConfig("0407.odd", {"0407", "á:´:a:", "é:´:", "í:´:i:"});
    EXPECT_FALSE(map.LoadKeyboard("XX0407"));
    EXPECT_EQ(m_typeable.Characters(), W("aA@´`bBxa á"));
    EXPECT_EQ(Find(map, "á"), (Strokes{-1, 2, -1, 1}));
}

TEST_F(CharacterMapTest, TheComposedFileIsNamedAfterTheLastFourCharacters)
{
    EXPECT_EQ(CharacterMap::ComposedFilePath("00000407"), ConfigPath("0407.odd"));
    EXPECT_EQ(CharacterMap::ComposedFilePath("ABCD"), ConfigPath("ABCD.odd"));
    EXPECT_EQ(CharacterMap::ComposedFilePath("NUM"), "");
    EXPECT_EQ(CharacterMap::ComposedFilePath("a/0407"), "");

    // Three characters or fewer: no composed file is ever read.
    WriteConfig("NUM.kdd", {"NUM", "0:0:1:1:::6:", "0:0:-2:¤:::9:"});
    KeyboardLayout layout;
    CharacterMap map(layout, m_typeable);
    EXPECT_TRUE(map.LoadKeyboard("NUM"));
    EXPECT_EQ(m_typeable.Characters(), "1\xA4");
}

TEST_F(CharacterMapTest, EachLoadReplacesEverything)
{
    WriteConfig("0407.odd", {"0407", "á:´:a:"});
    WriteConfig("NUM.kdd", {"NUM", "0:0:1:1:::6:"});
    KeyboardLayout layout;
    CharacterMap map(layout, m_typeable);
    ASSERT_TRUE(map.LoadKeyboard("XX0407"));
    ASSERT_TRUE(map.LoadKeyboard("NUM"));
    EXPECT_EQ(m_typeable.Characters(), "1");
    ASSERT_EQ(map.Entries().size(), 1u);
    int k = -1;
    int unused = -1;
    EXPECT_FALSE(map.Find('a', unused, k, unused, unused));
    EXPECT_FALSE(map.Find(W("á")[0], unused, k, unused, unused));
    EXPECT_EQ(layout.LeftShift(), -1);

    // A keyboard without a file: whatever was read is used, here nothing at all.
    EXPECT_TRUE(map.LoadKeyboard("ZZZ"));
    EXPECT_EQ(m_typeable.Characters(), "");
    EXPECT_TRUE(map.Entries().empty());
    EXPECT_EQ(layout.KeyCount(), 0);
}

TEST_F(CharacterMapTest, AShortKeyLineStillLeavesAMapOfTheKeysBeforeIt)
{
    WriteConfig("CUT.kdd", {"CUT", "0:0:1:a:A::0:", "0:0:1:b:B::0", "0:0:1:c:C::0:"});
    KeyboardLayout layout;
    CharacterMap map(layout, m_typeable);
    EXPECT_TRUE(map.LoadKeyboard("CUT"));
    EXPECT_EQ(m_typeable.Characters(), "aA");
}
