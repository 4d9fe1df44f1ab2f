#include "resources/StringTable.h"

#include "resources/TextCodec.h"

#include <iterator>
#include <map>

namespace {

struct Entry
{
    int id;
    const char* utf8;
};

// Texts are kept here in UTF-8; the Windows-1250 form is derived once on first use.
// Sorted by id without duplicates (checked below at compile time).
constexpr Entry kEntries[] = {
    // Lesson list: speed-limit column header.
    {102, "Geschwindigkeitslimit"},
    // First-run wizard: finish button of the test page.
    {105, "Testen"},
    // Lesson list: question before skipping a lesson.
    {107, "Möchten Sie die letzte Lektion wirklich überspringen? \nEs ist wichtig, die vorhergehende Lektion "
          "sehr gut zu beherrschen."},
    // Lesson-end dialog.
    {108, "Ende der Lektion"},
    {109, "Wünschen Sie mit der nächsten Lektion fortzusetzen?"},
    {110, "Leider haben Sie die Anforderungen nicht erfüllt."},
    // All lessons passed.
    {111, "Sie haben es geschafft. Herzlichen Glückwunsch!"},
    // Login: wrong password.
    {113, "Falsches Passwort!"},
    // File dialog filters: practice texts, statistics files.
    {114, "TextDatei (*.txt)|*.txt|Rich text format (*.rtf)|*.rtf| *.* (*.*)|*.*||"},
    {115, "Auswertung(*.stat)|*.stat||"},
    // Instruction note, also the free text's title.
    {116, "Schreiben Sie den nachfolgenden Text ab."},
    // Results introduction: remark for an exercise barely begun, page header.
    {117, "Schreiben Sie den nachfolgenden Text ab."},
    {118, "Datum:\t\t%s\r\n\r\nName:\t\t%s\r\n\r\nLektion:\t\t%s.  %s\r\n\r\n"},
    // Version shown in the about box and on the welcome screen.
    {119, "Version 4.0"},
    // Qualification test: menu entry that ends it, wizard caption.
    {120, "&Ende des ersten Tests"},
    {121, "Erster Test"},
    // About box: the contact address (opened as a mail) and the web address.
    {122, "kontakt@tippwerk.org"},
    {123, "https://tippwerk.org"},
    // Folder of the diskette copies of the user files.
    {124, "A:\\Tippwerk\\"},
    // Lesson list column headers (with 129, 130).
    {125, "Lektion"},
    {126, "Hilfe"},
    {127, "Fehlerquote in Prozent"},
    // Product name: window title, message box caption, help file name.
    {128, "Tippwerk"},
    {129, "Anschläge pro Min."},
    {130, "Datum"},
    // User details: country when none is stored.
    {132, "Germany"},
    // Results key lists: row shown when no key is listed.
    {137, "Bislang sind Sie hervorragend!"},
    // Login messages (with 113).
    {139, "Herzlich willkommen! Bitte bestätigen Sie das gewählte Kennwort."},
    {140, "Bitte ein Kennwort aus mindestens 4 Buchstaben eingeben."},
    {141, "Bitte einen sinnvollen Namen eingeben (mehr als ein Zeichen)"},
    // Results key lists: the blank key and the column headers (with 150, 155).
    {142, "Leerzeichen"},
    {143, "Tasten"},
    {144, "Fehlanschläge"},
    {145, "Gesamtzahl der Anschläge"},
    // Lesson note in front of the lesson title.
    {146, "Bemerkung:"},
    // Lesson note asked for before any lesson was chosen.
    {149, "Wählen zuerst die Lektion aus Menü “Praxis”!"},
    {150, "Falsche Anschläge"},
    // Results tabs (with 165 to 167 and 194).
    {151, "Fehlanschläge"},
    {152, "Anschlagsgeschwindigkeit"},
    {153, "Fehlergrafik (AVG)"},
    {154, "Geschwindigkeitsgrafik (AVG)"},
    {155, "Verzögerung [s]"},
    // Graph regions, long and short forms.
    {156, "Fortschrittsbereich"},
    {157, "Nicht ausreichender Bereich"},
    {158, "Ja"},
    {159, "Nein"},
    // Graph axis texts.
    {160, "Zeit - >"},
    {161, "Durchschnittliche Fehlerrate - >"},
    {162, "Zeit - >"},
    {163, "Durchschnittiche Geschwindigkeit - >"},
    {164, "Augenblickliche Geschwindigkeit ->"},
    {165, "Geschwindigkeitsgrafik (CUR)"},
    {166, "Einführende Information"},
    {167, "Wertetabelle"},
    // Status strip gauge labels.
    {172, "Fehlerrate"},
    {173, "Geschw."},
    // Qualification test result.
    {181, "Dieser Test verlief nicht erfolgreich. Wählen Sie eine leichtere Lektion."},
    {182, "Hervorragend! Sie fahren mit der nächsten Lektion fort."},
    // Lesson list column headers (with 187).
    {183, "Fehlerlimit"},
    {184, "Systemzeit"},
    // Pause note.
    {185, "\r\n Die Zeit wurde angehalten, da Sie aufgehört haben, zu schreiben."},
    // Dialog after a wrong keystroke.
    {186, "Sie haben Fehler gemacht."},
    {187, "Versuch"},
    // Lesson-end dialog for a free text.
    {188, "Gleiche Datei"},
    {189, "Sie haben bereits die ganze Datei abgeschrieben oder das Zeitlimit ist abgelaufen."},
    {190, "Wie lautet ihre Wahl?"},
    // Free text: question before replacing a running exercise, lesson name in the results.
    {191, "Abzuschreibende Datei"},
    // Question before a statistics file replaces a running exercise.
    {192, "Wollen Sie wirklich die laufende Lektion abbrechen und die aktuellen Resultate löschen?"},
    {194, "Text"},
    // Dropped file of an unknown type.
    {198, "Das Programm liest nur Dateien im Format txt, rtf, stat"},
    // Installation and file errors.
    {501, "Das Programm konnte keine unterstützte Tastatur finden. Bitte installieren Sie in Windows die "
          "richtige Tastatur."},
    {502,
     "Der momentane Benutzer kann seine Tastatur nicht umschalten. Bitte installieren Sie sie zunächst in "
     "Windows."},
    {503,
     "Das Programm konnte eine Bilddatei nicht finden. Bitte führen Sie eine Neuinstallation des Programms "
     "durch."},
    {504, "Initialisierungsfehler. Falls dieser Fehler erneut auftritt,  müssen Sie das Programm "
          "neuinstallieren."},
    {505, "Es fehlen Ihnen Dateien mit Lektionen. Installieren Sie das Programm erneut!"},
    {506, "Diese Datei beinhaltet nicht das korrekte Dateiformat oder ist beschädigt."},
    // Login: user names are limited to plain letters and digits.
    {507, "Für den Benutzernamen bitte nur einfache Buchstaben ohne Umlaute und Zahlen verwenden."},
    // Keyboard of a user object before any user is loaded.
    {600, "00000407"},
    // First line of a statistics file.
    {899, "tvr STAT 1.0"},
    // Diskette copies.
    {1056, "Legen Sie eine Diskette ein und klicken Sie auf OK."},
    {32790, "Konnte keine Daten von dieser Diskette laden. Bitte überprüfen Sie sie!"},
    {32791, "Wollen Sie Ihre Einstellungen auf Diskette speichern?"},
    // Input validation and file errors in the wording of the dialog framework.
    {61714, "Please enter an integer between %1 and %2."},
    {61715, "Please enter a number between %1 and %2."},
    {61857, "An unknown error occurred while accessing %1."},
    {61858, "%1 was not found."},
};

constexpr bool SortedAndUnique()
{
    for (std::size_t i = 1; i < std::size(kEntries); ++i) {
        if (kEntries[i - 1].id >= kEntries[i].id)
            return false;
    }
    return true;
}
static_assert(SortedAndUnique(), "string-table ids must be sorted and unique");

struct Tables
{
    std::map<int, std::string> utf8;
    std::map<int, std::string> windows1250;
};

const Tables& AllTables()
{
    static const Tables tables = [] {
        Tables t;
        for (const Entry& e : kEntries) {
            t.utf8.emplace(e.id, e.utf8);
            t.windows1250.emplace(e.id, TextCodec::FromUtf8(e.utf8));
        }
        return t;
    }();
    return tables;
}

const std::string& Lookup(const std::map<int, std::string>& table, int id)
{
    static const std::string empty;
    const auto it = table.find(id);
    return it == table.end() ? empty : it->second;
}

} // namespace

const std::string& StringTable::Text(int id)
{
    return Lookup(AllTables().windows1250, id);
}

const std::string& StringTable::Utf8(int id)
{
    return Lookup(AllTables().utf8, id);
}

bool StringTable::Contains(int id)
{
    return AllTables().utf8.count(id) != 0;
}

std::vector<int> StringTable::Ids()
{
    std::vector<int> ids;
    ids.reserve(std::size(kEntries));
    for (const Entry& e : kEntries)
        ids.push_back(e.id);
    return ids;
}
