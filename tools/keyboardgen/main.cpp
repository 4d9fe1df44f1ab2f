// tippwerk-keyboardgen: writes the keyboard files (*.kdd.utf8) and composed-character
// files (*.odd.utf8) below a data folder, from the row descriptions in this file.
#include "resources/AtomicFileWriter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Keyboard units: the area is 300 × 100, a key 16 × 16, one key pitch 19.
constexpr int kPitch = 19;
constexpr int kGap = 3;
constexpr int kAreaWidth = 300;
constexpr int kFirstRowTop = 4;

constexpr int kNoFinger = -1;

// One key of a row. Characters are UTF-8 and may be empty (none). `width` is in key
// pitches; `at` places the key at that pitch from the row's start instead of after the
// previous key; `rows` makes a key that reaches down over that many rows.
struct Key
{
    std::string name;
    std::string shifted;
    std::string altgr;
    int finger = kNoFinger;
    double width = 1;
    double at = -1;
    int rows = 1;
};

using Row = std::vector<Key>;

struct Keyboard
{
    std::string name;
    std::vector<std::string> remarks;
    double widthInPitches = 15;
    // Left edge of the block; negative centres it in the area.
    int origin = -1;
    std::vector<Row> rows;
};

int Units(double pitches)
{
    return static_cast<int>(std::lround(pitches * kPitch));
}

void Check(bool ok, const std::string& what)
{
    if (!ok) {
        std::cerr << "tippwerk-keyboardgen: " << what << '\n';
        std::exit(1);
    }
}

// One key line: top, left, size, name, shifted, altgr, finger, each closed by a colon.
// The Shift column writes the colon as a tilde; no other field can hold a colon.
std::string KeyLine(const Key& key, int top, int left, double position)
{
    Check(key.name.find(':') == std::string::npos && key.altgr != ":", "colon in key " + key.name);
    Check(key.shifted != "~", "a shifted tilde would read as a colon: key " + key.name);
    int size;
    if (key.rows > 1) {
        Check(key.width == 1, "a key over several rows is one pitch wide: " + key.name);
        size = -key.rows;
    } else {
        // Equal gaps between neighbours however the pitches round.
        const int width = Units(position + key.width) - Units(position) - kGap;
        Check(width >= 10, "key too narrow: " + key.name);
        size = width == 16 ? 1 : width;
    }
    std::ostringstream line;
    line << top << ':' << left << ':' << size << ':' << key.name << ':'
         << (key.shifted == ":" ? "~" : key.shifted) << ':' << key.altgr << ':' << key.finger << ':';
    return line.str();
}

std::vector<std::string> KeyboardLines(const Keyboard& keyboard)
{
    std::vector<std::string> lines{keyboard.name};
    for (const std::string& remark : keyboard.remarks) {
        // A line with a colon would be read as a key.
        Check(remark.find(':') == std::string::npos, "colon in remark: " + remark);
        lines.push_back(remark);
    }
    const int blockWidth = Units(keyboard.widthInPitches) - kGap;
    const int origin = keyboard.origin >= 0 ? keyboard.origin : (kAreaWidth - blockWidth) / 2;
    for (size_t r = 0; r < keyboard.rows.size(); ++r) {
        const int top = kFirstRowTop + static_cast<int>(r) * kPitch;
        double position = 0;
        for (const Key& key : keyboard.rows[r]) {
            if (key.at >= 0) {
                Check(key.at >= position, "keys overlap at " + key.name);
                position = key.at;
            }
            lines.push_back(KeyLine(key, top, origin + Units(position), position));
            position += key.width;
        }
        Check(position <= keyboard.widthInPitches, "row too wide in " + keyboard.name);
    }
    return lines;
}

Key Letter(const std::string& lower, const std::string& upper, int finger, const std::string& altgr = {})
{
    return {lower, upper, altgr, finger};
}

Key Wide(const std::string& name, double width, int finger)
{
    return {name, {}, {}, finger, width};
}

// Fingers: 0-4 left little finger to thumb, 5-9 right thumb to little finger.
enum Finger
{
    LeftLittle = 0,
    LeftRing = 1,
    LeftMiddle = 2,
    LeftIndex = 3,
    LeftThumb = 4,
    RightThumb = 5,
    RightIndex = 6,
    RightMiddle = 7,
    RightRing = 8,
    RightLittle = 9,
};

// The bottom row of both layouts; the right Alt key (AltGr) must be called "Alt" and
// be struck by the right hand to count as AltGr.
Row BottomRow(const std::string& control, const std::string& menu)
{
    return {Wide(control, 1.25, LeftLittle), Wide("Win", 1.25, kNoFinger),    Wide("Alt", 1.25, LeftThumb),
            Wide(" ", 6.25, RightThumb),     Wide("Alt", 1.25, RightThumb),   Wide("Win", 1.25, kNoFinger),
            Wide(menu, 1.25, kNoFinger),     Wide(control, 1.25, RightLittle)};
}

Keyboard German()
{
    Keyboard k;
    k.name = "00000407";
    k.remarks = {"Deutsch (Deutschland), QWERTZ nach ISO, Haupttastenblock",
                 "Felder oben, links, Größe, Name, Umschalt, AltGr, Finger",
                 "Finger 0 bis 4 linker kleiner Finger bis Daumen, 5 bis 9 rechter Daumen bis kleiner Finger",
                 "Im Umschaltfeld steht die Tilde für den Doppelpunkt"};
    k.rows = {
        {Letter("^", "°", LeftLittle), Letter("1", "!", LeftLittle), Letter("2", "\"", LeftRing),
         Letter("3", "§", LeftMiddle), Letter("4", "$", LeftIndex), Letter("5", "%", LeftIndex),
         Letter("6", "&", RightIndex), Letter("7", "/", RightIndex, "{"), Letter("8", "(", RightMiddle, "["),
         Letter("9", ")", RightRing, "]"), Letter("0", "=", RightLittle, "}"),
         Letter("ß", "?", RightLittle, "\\"), Letter("´", "`", RightLittle), Wide("Rück", 2, RightLittle)},
        {Wide("Tab", 1.5, LeftLittle), Letter("q", "Q", LeftLittle, "@"), Letter("w", "W", LeftRing),
         Letter("e", "E", LeftMiddle, "€"), Letter("r", "R", LeftIndex), Letter("t", "T", LeftIndex),
         Letter("z", "Z", RightIndex), Letter("u", "U", RightIndex), Letter("i", "I", RightMiddle),
         Letter("o", "O", RightRing), Letter("p", "P", RightLittle), Letter("ü", "Ü", RightLittle),
         Letter("+", "*", RightLittle, "~"),
         // The ISO Enter key reaches into the home row; its lower part starts here.
         Key{"¤", {}, {}, RightLittle, 1, 13.75, 2}},
        {Wide("Caps", 1.75, LeftLittle), Letter("a", "A", LeftLittle), Letter("s", "S", LeftRing),
         Letter("d", "D", LeftMiddle), Letter("f", "F", LeftIndex), Letter("g", "G", LeftIndex),
         Letter("h", "H", RightIndex), Letter("j", "J", RightIndex), Letter("k", "K", RightMiddle),
         Letter("l", "L", RightRing), Letter("ö", "Ö", RightLittle), Letter("ä", "Ä", RightLittle),
         Letter("#", "'", RightLittle)},
        {Wide("Shift", 1.25, LeftLittle), Letter("<", ">", LeftLittle, "|"), Letter("y", "Y", LeftLittle),
         Letter("x", "X", LeftRing), Letter("c", "C", LeftMiddle), Letter("v", "V", LeftIndex),
         Letter("b", "B", LeftIndex), Letter("n", "N", RightIndex), Letter("m", "M", RightIndex, "µ"),
         Letter(",", ";", RightMiddle), Letter(".", ":", RightRing), Letter("-", "_", RightLittle),
         Wide("Shift", 2.75, RightLittle)},
        BottomRow("Strg", "Menü"),
    };
    return k;
}

Keyboard English()
{
    Keyboard k;
    k.name = "00000409";
    k.remarks = {"Englisch (USA), QWERTY nach ANSI, Haupttastenblock",
                 "Felder oben, links, Größe, Name, Umschalt, AltGr, Finger",
                 "Finger 0 bis 4 linker kleiner Finger bis Daumen, 5 bis 9 rechter Daumen bis kleiner Finger",
                 "Im Umschaltfeld steht die Tilde für den Doppelpunkt, daher fehlt die Tilde mit Umschalt"};
    k.rows = {
        {Letter("`", "", LeftLittle), Letter("1", "!", LeftLittle), Letter("2", "@", LeftRing),
         Letter("3", "#", LeftMiddle), Letter("4", "$", LeftIndex), Letter("5", "%", LeftIndex),
         Letter("6", "^", RightIndex), Letter("7", "&", RightIndex), Letter("8", "*", RightMiddle),
         Letter("9", "(", RightRing), Letter("0", ")", RightLittle), Letter("-", "_", RightLittle),
         Letter("=", "+", RightLittle), Wide("Back", 2, RightLittle)},
        {Wide("Tab", 1.5, LeftLittle), Letter("q", "Q", LeftLittle), Letter("w", "W", LeftRing),
         Letter("e", "E", LeftMiddle), Letter("r", "R", LeftIndex), Letter("t", "T", LeftIndex),
         Letter("y", "Y", RightIndex), Letter("u", "U", RightIndex), Letter("i", "I", RightMiddle),
         Letter("o", "O", RightRing), Letter("p", "P", RightLittle), Letter("[", "{", RightLittle),
         Letter("]", "}", RightLittle), Key{"\\", "|", {}, RightLittle, 1.5}},
        {Wide("Caps", 1.75, LeftLittle), Letter("a", "A", LeftLittle), Letter("s", "S", LeftRing),
         Letter("d", "D", LeftMiddle), Letter("f", "F", LeftIndex), Letter("g", "G", LeftIndex),
         Letter("h", "H", RightIndex), Letter("j", "J", RightIndex), Letter("k", "K", RightMiddle),
         Letter("l", "L", RightRing), Letter(";", ":", RightLittle), Letter("'", "\"", RightLittle),
         Wide("¤", 2.25, RightLittle)},
        {Wide("Shift", 2.25, LeftLittle), Letter("z", "Z", LeftLittle), Letter("x", "X", LeftRing),
         Letter("c", "C", LeftMiddle), Letter("v", "V", LeftIndex), Letter("b", "B", LeftIndex),
         Letter("n", "N", RightIndex), Letter("m", "M", RightIndex), Letter(",", "<", RightMiddle),
         Letter(".", ">", RightRing), Letter("/", "?", RightLittle), Wide("Shift", 2.75, RightLittle)},
        BottomRow("Ctrl", "Menu"),
    };
    return k;
}

Keyboard Keypad()
{
    Keyboard k;
    k.name = "NUM";
    k.remarks = {"Ziffernblock mit Dezimalkomma, nur die rechte Hand",
                 "Felder oben, links, Größe, Name, Umschalt, AltGr, Finger",
                 "Zeigefinger 6, Mittelfinger 7, Ringfinger 8, kleiner Finger 9, Daumen 5"};
    k.widthInPitches = 4;
    // Under the right hand of the hands picture: the middle and ring finger columns
    // sit where those fingertips are when both areas are equally wide.
    k.origin = 150;
    k.rows = {
        {Wide("Num", 1, kNoFinger), Letter("/", "", RightMiddle), Letter("*", "", RightRing),
         Letter("-", "", RightLittle)},
        {Letter("7", "", RightIndex), Letter("8", "", RightMiddle), Letter("9", "", RightRing),
         Key{"+", {}, {}, RightLittle, 1, -1, 2}},
        {Letter("4", "", RightIndex), Letter("5", "", RightMiddle), Letter("6", "", RightRing)},
        {Letter("1", "", RightIndex), Letter("2", "", RightMiddle), Letter("3", "", RightRing),
         Key{"¤", {}, {}, RightLittle, 1, -1, 2}},
        {Wide("0", 2, RightThumb), Letter(",", "", RightRing)},
    };
    return k;
}

// Composed characters: the character, the dead key, the key struck after it. Only
// what Windows-1250 can hold; a dead key followed by the space bar gives the accent.
std::vector<std::string> GermanComposed()
{
    std::vector<std::string> lines{"0407", "Tottasten der deutschen Tastatur ^ ´ und `",
                                   "Felder Zeichen, erster Anschlag, zweiter Anschlag"};
    const char* table[][3] = {
        {"â", "^", "a"}, {"Â", "^", "A"}, {"î", "^", "i"}, {"Î", "^", "I"}, {"ô", "^", "o"}, {"Ô", "^", "O"},
        {"^", "^", " "}, {"á", "´", "a"}, {"Á", "´", "A"}, {"é", "´", "e"}, {"É", "´", "E"}, {"í", "´", "i"},
        {"Í", "´", "I"}, {"ó", "´", "o"}, {"Ó", "´", "O"}, {"ú", "´", "u"}, {"Ú", "´", "U"}, {"ý", "´", "y"},
        {"Ý", "´", "Y"}, {"´", "´", " "}, {"`", "`", " "},
    };
    for (const auto& row : table)
        lines.push_back(std::string(row[0]) + ':' + row[1] + ':' + row[2] + ':');
    return lines;
}

std::vector<std::string> EnglishComposed()
{
    return {"0409", "Die US-Tastatur hat keine Tottasten"};
}

// Beside the target, then renamed over it: a failed run leaves the old file.
void Write(const fs::path& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + '\n';
    std::string error;
    Check(AtomicFileWriter::WriteFile(path.string(), bytes, &error), error);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tippwerk-keyboardgen DATA-FOLDER\n";
        return 2;
    }
    const fs::path config = fs::path(argv[1]) / "config";
    std::error_code ec;
    fs::create_directories(config, ec);
    for (const Keyboard& keyboard : {German(), English(), Keypad()})
        Write(config / (keyboard.name + ".kdd.utf8"), KeyboardLines(keyboard));
    Write(config / "0407.odd.utf8", GermanComposed());
    Write(config / "0409.odd.utf8", EnglishComposed());
    return 0;
}
