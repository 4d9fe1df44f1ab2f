// keyboards.txt and the keyboards offered for choice.
#include "keyboard/KeyboardList.h"
#include "ProgramFolderFixture.h"

#include <fstream>

namespace {

class KeyboardListTest : public ProgramFolderFixture
{
protected:
    void WriteText(const std::string& name, const std::string& bytes)
    {
        std::ofstream(m_dir / "config" / name, std::ios::binary) << bytes;
    }

    static std::vector<std::string> Names(const KeyboardList& list)
    {
        std::vector<std::string> names;
        for (const auto& entry : list.Entries())
            names.push_back(entry.keyboardName + "|" + entry.displayName);
        return names;
    }
};

} // namespace

TEST_F(KeyboardListTest, ReadsEntriesSkippingRemarksOnly)
{
    // Windows line ends, an empty line and a line without colons are entries; a field
    // without its closing colon stays empty; the last line needs no line end.
    WriteText("keyboards.txt", "; remark: with colons\r\n"
                               "00000407:Deutsch (Deutschland):\r\n"
                               "\n"
                               "NUM\n"
                               " ;not a remark:x\n"
                               "00000407:Zweimal:rest:\n"
                               "00000409:Englisch (USA)");
    KeyboardList list;
    ASSERT_TRUE(list.Load());
    EXPECT_EQ(Names(list), (std::vector<std::string>{"00000407|Deutsch (Deutschland)", "|", "|",
                                                     " ;not a remark|", "00000407|Zweimal", "00000409|"}));
}

TEST_F(KeyboardListTest, AMissingFileFailsAndEmptiesTheList)
{
    WriteText("keyboards.txt", "A:a:\n");
    KeyboardList list;
    ASSERT_TRUE(list.Load());
    std::filesystem::remove(m_dir / "config" / "keyboards.txt");
    EXPECT_FALSE(list.Load());
    EXPECT_TRUE(list.Entries().empty());
}

TEST_F(KeyboardListTest, KeyboardFilesAreNamedUpToTheirFirstDot)
{
    WriteText("00000409.kdd", "");
    WriteText("00000407.kdd", "");
    WriteText("NUM.old.kdd", "");
    WriteText("0407.odd", "");
    WriteText("notes.kdd.txt", "");
    std::filesystem::create_directories(m_dir / "config" / "folder.kdd");
    EXPECT_EQ(KeyboardList::KeyboardFileNames(), (std::vector<std::string>{"00000407", "00000409", "NUM"}));
}

TEST_F(KeyboardListTest, OffersEveryEntryOfEachAvailableKeyboard)
{
    WriteText("keyboards.txt",
              "00000409:Englisch:\nNUM:Ziffernblock:\n00000407:Deutsch:\n00000407:Deutsch 2:\n"
              "0000041D:Schwedisch:\n");
    KeyboardList list;
    ASSERT_TRUE(list.Load());
    std::vector<std::string> asked;
    const auto systemKnows = [&](const std::string& name) {
        asked.push_back(name);
        return name == "00000407" || name == "00000409";
    };
    // In the order of the names, each name's entries in list order; the keypad needs no
    // system layout; every name is put to the system.
    const std::vector<std::string> names = {"00000407", "0000041D", "NUM", "00000409", "XYZ"};
    EXPECT_EQ(list.Offered(names, systemKnows), (std::vector<int>{2, 3, 1, 0}));
    EXPECT_EQ(asked, names);
    EXPECT_EQ(list.Offered(names, nullptr), (std::vector<int>{1}));
    EXPECT_TRUE(list.Offered({}, systemKnows).empty());
}
