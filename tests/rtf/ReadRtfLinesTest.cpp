#include "rtf/RtfTextReader.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

// A document as LibreOffice Writer saves it: tables, generator and page-style
// groups, a header, then the body with Unicode escapes and their fallbacks.
const char* const kWriterDocument = R"({\rtf1\ansi\deff4\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}{\f4\fswiss\fprq2\fcharset0 Liberation Sans{\*\falt Arial};}{\f5\fnil\fprq2\fcharset0 Noto Sans CJK SC;}{\f6\fnil\fprq2\fcharset0 Lohit Devanagari;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red128\green128\blue128;}
{\stylesheet{\s0\snext0\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f3\hich\af3\fs24\lang1031\sl276\slmult1\widctlpar\hyphpar0\sb0\sa140\ltrpar\cf0 Normal;}
{\*\cs15\snext15 Default Paragraph Font;}
{\s16\sbasedon0\snext17\dbch\af5\langfe2052\dbch\af6\afs28\loch\f4\hich\af4\fs28\sb240\sa120\keepn Heading;}
{\s17\sbasedon0\snext17\loch\sl276\slmult1\sb0\sa140 Text Body;}
}{\*\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\info{\title \u220\'dcbung}{\author Anna M\u252\'fcller}{\creatim\yr2024\mo3\dy5\hr10\min12}{\revtim\yr2024\mo3\dy5\hr10\min14}{\printim\yr0\mo0\dy0\hr0\min0}}{\*\userprops{\propname Abteilung}\proptype30{\staticval Schulung}}\deftab709
\hyphauto1\viewscale100
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1134\margbsxn1134\pgdscnxt0 Default Page Style;}}
\formshade\paperh16838\paperw11906\margl1134\margr1134\margt1134\margb1134\sectd\sbknone\pgndec\sftnnar\saftnnrlc\sectunlocked1\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1134\margbsxn1134\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc\aftnrstcont\aftnstart1\aftnnrlc
{\*\ftnsep\chftnsep}{\header\pard\plain \s18\qc\widctlpar\ltrpar\cf0\loch\f3\fs24\lang1031{\rtlch \ltrch\loch
Kopfzeile}
\par }\pgndec\pard\plain \s0\sl276\slmult1\widctlpar\hyphpar0\sb0\sa140\ltrpar\cf0\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f3\hich\af3\fs24\lang1031{\rtlch \ltrch\loch
Gr\u252\'fc\u223\'dfe aus M\u252\'fcnchen!}
\par \pard\plain \s0\sl276\slmult1\widctlpar\hyphpar0\sb0\sa140\ltrpar\cf0\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f3\hich\af3\fs24\lang1031{\rtlch \ltrch\loch
Das ist }{\b\rtlch\ab \ltrch\loch
fett}{\rtlch \ltrch\loch
 und \u8222\'84zitiert\u8220\'93 \u8211\'96 f\u252\'fcr 5 \u8364\'80.}
\par \pard\plain \s0\sl276\slmult1\widctlpar\hyphpar0\sb0\sa140\ltrpar\cf0\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f3\hich\af3\fs24\lang1031{\rtlch \ltrch\loch
Der schnelle braune Fuchs springt \'fcber den faulen Hund und l\'e4uft dann weiter in den Wald hinein.}{\super\chftn{\*\footnote\chftn\pard\plain \s19\fs20 {\rtlch \ltrch\loch Fu\u223\'dfnote}}}
\par })";

class ReadRtfLinesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::random_device seed;
        m_dir = fs::temp_directory_path() / ("tippwerk-rtf-" + std::to_string(seed()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fs::path m_dir;
};

} // namespace

TEST_F(ReadRtfLinesTest, ReadsAWriterDocument)
{
    Lines lines{"earlier"};
    ReadRtfLines(Write("brief.rtf", kWriterDocument), lines, 70);
    EXPECT_EQ(lines, (Lines{"earlier",
                            " Gr\xFC\xDF"
                            "e aus M\xFCnchen!",
                            " Das ist fett und \x84zitiert\x93 \x96 f\xFCr 5 \x80.",
                            " Der schnelle braune Fuchs springt \xFC"
                            "ber den faulen Hund und l\xE4uft dann",
                            "weiter in den Wald hinein."}));
}

TEST_F(ReadRtfLinesTest, MissingFileIsNotFound)
{
    const std::string path = (m_dir / "missing.rtf").string();
    try {
        Lines lines;
        ReadRtfLines(path, lines, 70);
        FAIL() << "no error";
    } catch (const RtfFileError& error) {
        EXPECT_EQ(error.kind(), RtfFileError::Kind::NotFound);
        EXPECT_EQ(error.path(), path);
    }
}

TEST_F(ReadRtfLinesTest, ParseAndReadErrorsAreGenericAndKeepEarlierLines)
{
    const std::string path = Write("broken.rtf", "{\\rtf1 one\\par two\\par three\\'q1\\par}");
    Lines lines;
    try {
        ReadRtfLines(path, lines, 70);
        FAIL() << "no error";
    } catch (const RtfFileError& error) {
        EXPECT_EQ(error.kind(), RtfFileError::Kind::Generic);
        EXPECT_EQ(error.path(), path);
    }
    EXPECT_EQ(lines, (Lines{" one", " two"}));

    // A folder opens but cannot be read.
    lines.clear();
    EXPECT_THROW(ReadRtfLines(m_dir.string(), lines, 70), RtfFileError);
}

TEST_F(ReadRtfLinesTest, ReadsInTextMode)
{
    // CR LF arrives as one LF, which the binary data then takes as its first byte.
    Lines lines;
    ReadRtfLines(Write("crlf.rtf", "{\\rtf1\r\nx\\bin2 \r\nyz\\par\r\n}\r\n"), lines, 70);
    EXPECT_EQ(lines, (Lines{" x", " yz"}));

    // Byte 26 ends the input: what follows is never read.
    lines.clear();
    ReadRtfLines(Write("eof.rtf", "{\\rtf1 a\\par}\x1A}}b\\par"), lines, 70);
    EXPECT_EQ(lines, Lines{" a"});
    lines.clear();
    EXPECT_THROW(ReadRtfLines(Write("eof-open.rtf", "{\\rtf1 a\\par \x1A}"), lines, 70), RtfFileError);
    EXPECT_EQ(lines, Lines{" a"});

    std::string bytes = "a\r\nb\rc\n\r\r\nd\r\x1A\r\ne";
    RtfTextReader::ApplyTextMode(bytes);
    EXPECT_EQ(bytes, "a\nb\rc\n\r\nd\r");
}

TEST_F(ReadRtfLinesTest, AFileLargerThanTheLimitIsRefusedAndOneAtTheLimitRead)
{
    const std::string document = "{\\rtf1 Hallo Welt\\par}";
    const std::string path = Write("gross.rtf", document);
    Lines lines;
    EXPECT_THROW(ReadRtfLines(path, lines, 70, document.size() - 1), RtfFileError);
    EXPECT_TRUE(lines.empty());
    ReadRtfLines(path, lines, 70, document.size());
    EXPECT_EQ(lines, (Lines{" Hallo Welt"}));
}
