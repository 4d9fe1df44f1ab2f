#include "CoursePlans.h"

// The three courses: which characters each lesson adds and what kind of text practises
// them. The order follows the proven ten-finger progression: home row first, then one
// pair of keys at a time from the index fingers outward, a review after every one or
// two new groups, capitals once the first letters sit, then punctuation, digits,
// symbols and finally connected prose.

namespace {

LessonStep Letters(std::string title, std::string letters, std::string drill)
{
    LessonStep step;
    step.title = std::move(title);
    step.newLetters = std::move(letters);
    step.drill = std::move(drill);
    step.drillLines = 2;
    step.groupLines = 1;
    step.newWordLines = 3;
    step.wordLines = 2;
    step.sentenceLines = 2;
    return step;
}

LessonStep Review(std::string title, int testEntry, std::string focus = {})
{
    LessonStep step;
    step.title = std::move(title);
    step.testEntry = testEntry;
    step.focus = std::move(focus);
    step.groupLines = 1;
    step.newWordLines = step.focus.empty() ? 0 : 2;
    step.wordLines = step.focus.empty() ? 3 : 1;
    step.sentenceLines = 5;
    return step;
}

// Symbols and digits: a drill, the characters in typical company, then sentences.
LessonStep Symbols(std::string title, std::string letters, std::string drill,
                   std::vector<std::string> patterns)
{
    LessonStep step;
    step.title = std::move(title);
    step.newLetters = std::move(letters);
    step.symbolKeys = true;
    step.drill = std::move(drill);
    step.drillLines = 2;
    step.patterns = std::move(patterns);
    step.patternLines = 3;
    step.wordLines = 1;
    step.sentenceLines = 3;
    return step;
}

LessonStep Prose(std::string title, std::vector<std::string> keys, int testEntry = 0)
{
    LessonStep step;
    step.title = std::move(title);
    step.testEntry = testEntry;
    step.prose = std::move(keys);
    return step;
}

LessonStep Keypad(std::string title, std::string letters, std::string drill,
                  std::vector<std::string> patterns, int testEntry = 0)
{
    LessonStep step;
    step.title = std::move(title);
    step.newLetters = std::move(letters);
    step.testEntry = testEntry;
    step.onePerLine = true;
    step.patternLines = drill.empty() ? 11 : 8;
    step.drill = std::move(drill);
    step.drillLines = 3;
    step.patterns = std::move(patterns);
    return step;
}

} // namespace

CoursePlan GermanPlan()
{
    CoursePlan plan;
    plan.identity = "00000407_a";
    plan.minLessons = 40;
    plan.wordsFile = "words-de.txt";
    plan.commonWordsFile = "common-de.txt";
    plan.avoidEndings = {"erer", "eres", "erem", "eren", "erne", "ernd"};
    plan.sentencesFile = "sentences-de.txt";
    plan.proseFile = "prose-de.txt";
    plan.decimalSeparator = ',';
    auto& s = plan.steps;

    LessonStep home = Letters("Grundreihe: a s d f j k l ö", "asdfjklö",
                              "fff jjj ddd kkk sss lll aaa ööö fj jf dk kd sl ls aö öa asdf ölkj");
    home.drillLines = 3;
    home.groupLines = 2;
    home.wordLines = 0;
    s.push_back(home);
    LessonStep homeReview = Review("Grundreihe: Wiederholung mit Wörtern", 0);
    homeReview.groupLines = 3;
    homeReview.wordLines = 5;
    s.push_back(homeReview);
    s.push_back(Letters("Neue Buchstaben: e und i", "ei", "ded kik eee iii dek kid ei ie ede iki"));
    s.push_back(Letters("Neue Buchstaben: r und u", "ru", "frf juj rrr uuu fr ju ur ru fur jur"));
    s.push_back(Review("Wiederholung: e i r u", 1, "eiru"));

    LessonStep marks = Letters("Komma und Punkt", ",.", "k,k l.l ,,, ... k, l. kk, ll. ,k .l");
    marks.patterns = {"¦w,", "¦w.", "¦w", "¦w"};
    marks.patternLines = 3;
    marks.newWordLines = 0;
    s.push_back(marks);
    LessonStep right = Letters("Großbuchstaben der rechten Hand: J K L Ö I U", "JKLÖIU",
                               "Jj Kk Ll Öö Ii Uu Ja Ka La Ju Ki Lu");
    right.sentenceLines = 3;
    s.push_back(right);
    LessonStep left = Letters("Großbuchstaben der linken Hand: A S D F E R", "ASDFER",
                              "Aa Ss Dd Ff Ee Rr As Sa Da Fe Er Re");
    left.sentenceLines = 3;
    s.push_back(left);
    s.push_back(Review("Wiederholung: erste Sätze mit Großbuchstaben", 1));

    s.push_back(Letters("Neue Buchstaben: g und h", "gGhH", "fgf jhj ggg hhh fg jh Gg Hh gh hg"));
    s.push_back(Letters("Neue Buchstaben: t und z", "tTzZ", "ftf jzj ttt zzz ft jz Tt Zz tz zt"));
    s.push_back(Review("Wiederholung: g h t z", 1, "ghtzGHTZ"));
    s.push_back(Letters("Neue Buchstaben: v und m", "vVmM", "fvf jmj vvv mmm fv jm Vv Mm vm mv"));
    s.push_back(Letters("Neue Buchstaben: b und n", "bBnN", "fbf jnj bbb nnn fb jn Bb Nn bn nb"));
    s.push_back(Review("Wiederholung: v m b n", 1, "vmbnVMBN"));
    s.push_back(
        Letters("Neue Buchstaben: c und Strichpunkt", "cC;", "dcd ö;ö ccc ;;; dc ö; Cc ich; ach; dich;"));
    s.push_back(Letters("Neue Buchstaben: w und o", "wWoO", "sws lol www ooo sw lo Ww Oo wo ow"));
    s.push_back(Review("Wiederholung: c w o und Strichpunkt", 1, "cwo;CWO"));
    s.push_back(Letters("Neue Buchstaben: q und p", "qQpP", "aqa öpö qqq ppp aq öp Qq Pp qu pu"));
    s.push_back(Letters("Neuer Buchstabe: ä", "äÄ", "öäö äää äö öä Ää äh nä bä"));
    s.push_back(Review("Wiederholung: q p ä", 1, "qpäQPÄ"));
    LessonStep colon = Letters("Neue Zeichen: x und Doppelpunkt", "xX:", "sxs l:l xxx ::: sx l: Xx ax ex");
    colon.patterns = {"¦c:", "¦w:", "¦w", "¦c"};
    colon.patternLines = 2;
    colon.newWordLines = 2;
    s.push_back(colon);
    s.push_back(Letters("Neuer Buchstabe: ü", "üÜ", "öüö üüü üö üä Üü für üb übt"));
    s.push_back(Letters("Neuer Buchstabe: ß", "ß", "ößö ßßß öß ßö aß uß Maß Fuß"));
    s.push_back(Review("Wiederholung: Umlaute und ß", 1, "äöüßÄÖÜ"));
    LessonStep dash = Letters("Neue Zeichen: y und Bindestrich", "yY-", "aya ö-ö yyy --- ay ö- Yy -y y-");
    dash.patterns = {"E-Mail",     "U-Bahn",      "T-Shirt", "Nord-Süd",  "Ost-West", "A-Dur",
                     "Rhein-Main", "Baden-Baden", "Jo-Jo",   "Ex-Freund", "¦w",       "¦c"};
    dash.patternLines = 2;
    dash.newWordLines = 2;
    s.push_back(dash);
    LessonStep question =
        Symbols("Neue Zeichen: Unterstrich und Fragezeichen", "_?",
                "ö_ö ß?ß ___ ??? wer? wie? was? wo? _a_ _b_", {"¦w_¦w", "¦w?", "¦c?", "¦w_¦n"});
    question.symbolKeys = false;
    s.push_back(question);
    LessonStep letters = Review("Wiederholung: alle Buchstaben", 1);
    letters.sentenceLines = 6;
    s.push_back(letters);

    s.push_back(Symbols("Ziffern 4 und 9 mit $ und )", "49$)", "f4f l9l 444 999 49 94 $4 9) 4) 49 $",
                        {"¦n", "¦n", "¦n $", "¦d)", "¦n ¦c"}));
    s.push_back(Symbols("Ziffern 5 und 8 mit % und (", "58%(", "f5f k8k 555 888 58 85 5% (8) 85 %",
                        {"¦n", "¦n %", "(¦n)", "(¦w)", "¦n ¦c"}));
    s.push_back(Symbols("Ziffern 6 und 7 mit & und /", "67&/", "f6f j7j 666 777 67 76 6/7 & / 7&6",
                        {"¦n", "¦n/¦n", "¦c & Co.", "¦d/¦d", "¦n ¦c"}));
    LessonStep someDigits = Review("Wiederholung: Ziffern 4 bis 9", 0, "456789$%&/()");
    someDigits.symbolKeys = true;
    someDigits.newWordLines = 0;
    someDigits.groupLines = 0;
    someDigits.patterns = {"¦n", "(¦n)", "¦n %", "¦n/¦n", "¦n $", "¦c & Co."};
    someDigits.patternLines = 3;
    s.push_back(someDigits);
    s.push_back(Symbols("Ziffern 3 und 0 mit § und =", "30§=", "d3d ö0ö 333 000 30 03 § 3 = 0 § 30",
                        {"¦n", "§ ¦n", "x = ¦n", "§§ ¦d", "¦n ¦c"}));
    s.push_back(Symbols("Ziffern 2 und 1 mit \" und !", "21\"!", "s2s a1a 222 111 21 12 !1 \"2 ! \"",
                        {"¦n", "¦w!", "\"¦c\"", "¦n ¦c", "\"¦w\""}));
    LessonStep digits = Review("Wiederholung: alle Ziffern", 1, "0123456789");
    digits.symbolKeys = true;
    digits.newWordLines = 0;
    digits.patterns = {"¦n", "¦k", "¦n ¦c"};
    digits.patternLines = 2;
    digits.groupLines = 0;
    digits.wordLines = 1;
    s.push_back(digits);
    s.push_back(Symbols("Apostroph, Plus, Stern und Raute", "'+*#", "ä#ä ä'ä +++ *** #1 '' + * #",
                        {"¦n + ¦n", "¦n * ¦n", "#¦n", "¦w*", "'¦w'"}));
    s.push_back(Symbols("Kleiner, größer und Grad: < > °", "<>°", "y<y :>: <<< >>> ° < > <> °C",
                        {"x < ¦n", "y > ¦n", "¦n °C", "<¦w>", "¦d°"}));
    LessonStep top = Review("Wiederholung: Zeichen der oberen Reihe", 1, "§$%&/()=?!\"'+*#<>°");
    top.symbolKeys = true;
    top.newWordLines = 0;
    top.patterns = {"¦n %", "(¦n)", "¦k $", "§ ¦n", "¦n + ¦n", "¦n °C", "¦n/¦n"};
    top.patternLines = 2;
    top.groupLines = 0;
    top.wordLines = 1;
    s.push_back(top);
    s.push_back(
        Symbols("Akzente mit ´: é á í ó ú ý", "éáíóúý", "é á í ó ú ý éé áá íí óó úú ýý", {"¦w", "¦c"}));
    s.back().patternLines = 0;
    s.back().sentenceLines = 6;
    s.push_back(Symbols("Zirkumflex: â î ô und das Zeichen ^", "âîô^", "â î ô ^ ââ îî ôô ^^ 2^4 x^2",
                        {"¦d^¦d", "¦w", "¦c"}));
    s.back().patternLines = 1;
    s.back().sentenceLines = 5;
    LessonStep accents = Review("Wiederholung: Akzente", 0, "éáíóúýâîô^");
    accents.symbolKeys = true;
    accents.newWordLines = 0;
    accents.wordLines = 1;
    accents.sentenceLines = 7;
    s.push_back(accents);
    s.push_back(
        Symbols("AltGr: @ und €", "@€", "q@q e€e @@@ €€€ @ € €1 @a",
                {"¦n €", "¦k €", "anna@post.de", "info@firma.de", "max.meier@web.de", "€ ¦k", "¦n ¦c"}));
    s.push_back(Symbols("AltGr: eckige und geschweifte Klammern", "[]{}", "8[8 9]9 7{7 0}0 [] {} [[ ]] {{ }}",
                        {"[¦n]", "{¦w}", "[¦w]", "{¦n, ¦n}", "[¦c]"}));
    s.push_back(Symbols("AltGr: \\ ~ | und µ", "\\~|µ", "ß\\ß +~+ y|y mµm \\ ~ | µ \\\\ ||",
                        {"C:\\¦c", "~¦n", "¦w|¦w", "¦n µm", "¦n µs", "¦c\\¦c"}));
    LessonStep altgr = Review("Wiederholung: AltGr-Zeichen", 1, "@€[]{}\\~|µ");
    altgr.symbolKeys = true;
    altgr.newWordLines = 0;
    altgr.patterns = {"¦k €", "[¦n]", "{¦w}", "kontakt@verein.de", "¦n µm", "¦w|¦w", "~¦n"};
    altgr.patternLines = 3;
    altgr.groupLines = 0;
    altgr.wordLines = 0;
    s.push_back(altgr);

    s.push_back(Prose("Text: Ein Morgen im Frühling", {"fruehling"}));
    s.push_back(Prose("Text: Auf dem Wochenmarkt", {"markt"}));
    s.push_back(Prose("Text: Eine Reise mit der Bahn", {"bahn"}));
    s.push_back(Prose("Text: Der Brief an die Hausverwaltung", {"brief"}, 1));
    s.push_back(Prose("Text: Aus der Geschichte der Schreibmaschine", {"schreibmaschine"}));
    s.push_back(Prose("Text: Zahlen im Alltag", {"zahlen"}));
    s.push_back(Prose("Text: Ein Abend am See", {"see"}));
    s.push_back(Prose("Abschlusstext: Das Zehnfingersystem", {"zehnfinger"}, 1));
    return plan;
}

CoursePlan EnglishPlan()
{
    CoursePlan plan;
    plan.identity = "00000409_a";
    plan.minLessons = 40;
    plan.wordsFile = "words-en.txt";
    plan.commonWordsFile = "common-en.txt";
    plan.sentencesFile = "sentences-en.txt";
    plan.proseFile = "prose-en.txt";
    plan.decimalSeparator = '.';
    plan.capitaliseWords = true;
    auto& s = plan.steps;

    LessonStep home = Letters("Grundreihe: a s d f j k l ;", "asdfjkl;",
                              "fff jjj ddd kkk sss lll aaa ;;; fj jf dk kd sl ls a; ;a asdf ;lkj");
    home.drillLines = 3;
    home.groupLines = 2;
    home.wordLines = 0;
    s.push_back(home);
    LessonStep homeReview = Review("Grundreihe: Wiederholung mit Wörtern", 0);
    homeReview.groupLines = 3;
    homeReview.wordLines = 5;
    s.push_back(homeReview);
    s.push_back(Letters("Neue Buchstaben: e und i", "ei", "ded kik eee iii de ki ed ik dek kid"));
    s.push_back(Letters("Neue Buchstaben: r und u", "ru", "frf juj rrr uuu fr ju rf uj fur jur"));
    s.push_back(Review("Wiederholung: e i r u", 1, "eiru"));
    s.push_back(Letters("Neue Buchstaben: t und y", "ty", "ftf jyj ttt yyy ft jy ty yt tay yet"));
    s.push_back(Letters("Neue Buchstaben: g und h", "gh", "fgf jhj ggg hhh fg jh gh hg gag hah"));
    s.push_back(Review("Wiederholung: t y g h", 1, "tygh"));
    s.push_back(Letters("Neue Buchstaben: o und w", "ow", "lol sws ooo www lo sw ow wo so wo"));
    s.push_back(Letters("Neue Buchstaben: n und v", "nv", "jnj fvf nnn vvv jn fv nv vn an van"));
    s.push_back(Review("Wiederholung: o w n v", 1, "ownv"));
    s.push_back(Letters("Neue Buchstaben: m und c", "mc", "jmj dcd mmm ccc jm dc mc cm am cam"));
    s.push_back(Letters("Neue Buchstaben: b und x", "bx", "fbf sxs bbb xxx fb sx bx xb ab ox"));
    s.push_back(Review("Wiederholung: m c b x", 1, "mcbx"));
    s.push_back(Letters("Neue Buchstaben: p und q", "pq", ";p; aqa ppp qqq ;p aq pq qp up quo"));
    s.push_back(Letters("Neuer Buchstabe: z", "z", "aza zzz az za zo zip zap"));
    LessonStep lower = Review("Wiederholung: alle Kleinbuchstaben", 1);
    lower.groupLines = 2;
    lower.wordLines = 6;
    s.push_back(lower);
    LessonStep marks = Letters("Komma und Punkt", ",.", "k,k l.l ,,, ... k, l. kk, ll. ,k .l");
    marks.patterns = {"¦w,", "¦w.", "¦w", "¦w"};
    marks.patternLines = 4;
    marks.newWordLines = 0;
    s.push_back(marks);
    LessonStep right = Letters("Großbuchstaben der rechten Hand: H J K L N M U I O P Y", "HJKLNMUIOPY",
                               "Jj Kk Ll Hh Nn Mm Uu Ii Oo Pp Yy");
    LessonStep left = Letters("Großbuchstaben der linken Hand: Q W E R T A S D F G Z X C V B",
                              "QWERTASDFGZXCVB", "Aa Ss Dd Ff Gg Qq Ww Ee Rr Tt Zz Xx Cc Vv Bb");
    for (LessonStep* capitals : {&right, &left}) {
        capitals->patterns = {"¦c", "¦c", "¦w"};
        capitals->patternLines = 3;
        capitals->newWordLines = 0;
        capitals->wordLines = 0;
        capitals->groupLines = 0;
        capitals->sentenceLines = 3;
    }
    s.push_back(right);
    s.push_back(left);
    s.push_back(Review("Wiederholung: Sätze mit Großbuchstaben", 1));
    s.push_back(Symbols("Apostroph und Anführungszeichen", "'\"", ";'; '' \"\" ;\" it's don't \"a\"",
                        {"it's", "don't", "I'm", "we're", "can't", "you'll", "isn't", "\"¦w\"", "\"¦w\""}));
    s.back().symbolKeys = false;
    s.push_back(Symbols(
        "Fragezeichen, Ausrufezeichen, Bindestrich", "?!-", ";?; a!a ;-; ??? !!! --- ? ! -",
        {"well-known", "part-time", "self-made", "twenty-one", "x-ray", "up-to-date", "¦w?", "¦w!", "¦c?"}));
    s.back().symbolKeys = false;
    s.push_back(Symbols("Doppelpunkt und Schrägstrich", ":/", ";:; ;/; ::: /// : / a/b and/or",
                        {"and/or", "yes/no", "km/h", "either/or", "¦c:", "¦w:"}));
    s.back().symbolKeys = false;
    s.push_back(Review("Wiederholung: Satzzeichen", 1));
    s.push_back(Symbols("Ziffern 4 5 6 7", "4567", "f4f f5f j6j j7j 444 555 666 777 45 67 74",
                        {"¦n", "¦n", "¦n ¦w"}));
    s.push_back(Symbols("Ziffern 3 8 2 9", "3829", "d3d k8k s2s l9l 333 888 222 999 38 29 92",
                        {"¦n", "¦n", "¦n ¦w", "¦n:¦d¦d"}));
    s.push_back(Symbols("Ziffern 1 und 0", "10", "a1a ;0; 111 000 10 01 100 1,000", {"¦n", "¦n ¦w", "¦k"}));
    LessonStep digits = Review("Wiederholung: alle Ziffern", 1, "0123456789");
    digits.symbolKeys = true;
    digits.newWordLines = 0;
    digits.patterns = {"¦n", "¦k", "¦n ¦w"};
    digits.patternLines = 2;
    digits.groupLines = 0;
    digits.wordLines = 1;
    s.push_back(digits);
    s.push_back(Symbols("Zeichen $ % & *", "$%&*", "f$f f%f j&j k*k $$ %% && ** $4 5% & *",
                        {"$¦k", "¦n%", "¦c & ¦c", "*¦w*"}));
    s.push_back(Symbols("Zeichen # @ ^ ( )", "#@^()", "d#d s@s j^j l(l ;); #3 @2 ^6 (9) ()",
                        {"#¦n", "bob@mail.com", "info@shop.com", "¦d^¦d", "(¦w)", "(¦n)"}));
    s.push_back(Symbols("Zeichen = + _", "=+_", ";=; ;+; ;_; === +++ ___ = + _ a_b",
                        {"¦n + ¦n", "¦w_¦w", "¦d+¦d", "x = ¦n"}));
    LessonStep top = Review("Wiederholung: Zeichen der oberen Reihe", 1, "§$%&/()=?!\"'+*#<>°");
    top.symbolKeys = true;
    top.newWordLines = 0;
    top.patterns = {"$¦k", "¦n%", "#¦n", "(¦n)", "¦n + ¦n", "sue@home.com", "¦w_¦w"};
    top.patternLines = 3;
    top.groupLines = 0;
    top.wordLines = 0;
    s.push_back(top);
    s.push_back(Symbols("Klammern [ ] { }", "[]{}", ";[; ;]; ;{; ;}; [] {} [[ ]] {{ }}",
                        {"[¦n]", "{¦w}", "[¦w]", "{¦n, ¦n}"}));
    // The US keyboard file cannot hold the tilde: its Shift field writes the colon as '~'.
    s.push_back(Symbols("Zeichen \\ | < > `", "\\|<>`", ";\\; ;|; ,<, .>. a`a \\ | < > `",
                        {"x < ¦n", "y > ¦n", "¦w|¦w", "`¦w`", "C:\\¦w"}));
    LessonStep all = Review("Wiederholung: alle Zeichen", 1, "[]{}\\|<>`$%&*#@^()=+_");
    all.symbolKeys = true;
    all.newWordLines = 0;
    all.patterns = {"[¦n]", "{¦w}", "x < ¦n", "`¦w`", "$¦k", "(¦n)"};
    all.patternLines = 3;
    all.groupLines = 0;
    all.wordLines = 0;
    s.push_back(all);

    s.push_back(Prose("Text: A Walk in the Park", {"park"}));
    s.push_back(Prose("Text: At the Market", {"market"}));
    s.push_back(Prose("Text: A Letter to a Friend", {"letter"}, 1));
    s.push_back(Prose("Text: How Typewriters Changed Offices", {"typewriter"}));
    s.push_back(Prose("Text: Numbers in Everyday Life", {"numbers"}));
    s.push_back(Prose("Abschlusstext: Learning to Touch Type", {"touchtype"}, 1));
    return plan;
}

CoursePlan KeypadPlan()
{
    CoursePlan plan;
    plan.identity = "NUM_a";
    plan.minLessons = 12;
    plan.decimalSeparator = ',';
    auto& s = plan.steps;
    s.push_back(Keypad("Grundtasten: 4 5 6", "456", "444 555 666", {"¦d¦d¦d", "¦d¦d¦n", "¦n¦n"}));
    s.push_back(Keypad("Grundtasten: Zahlenkolonnen", "", "", {"¦n¦n", "¦d¦d¦n", "¦d¦d¦d"}));
    s.push_back(Keypad("Untere Reihe: 1 2 3", "123", "414 525 636", {"¦d¦d¦d", "¦d¦d¦n", "¦n¦n"}));
    s.push_back(Keypad("Wiederholung: Ziffern 1 bis 6", "", "", {"¦n¦n", "¦d¦d¦n", "¦d¦d¦d"}, 1));
    s.push_back(Keypad("Obere Reihe: 7 8 9", "789", "474 585 696", {"¦d¦d¦d", "¦d¦d¦n", "¦n¦n"}));
    s.push_back(Keypad("Wiederholung: Ziffern 1 bis 9", "", "", {"¦n¦n", "¦d¦d¦n", "¦d¦d¦d"}, 1));
    s.push_back(Keypad("Die Null mit dem Daumen", "0", "404 505 606", {"¦n0", "¦d0¦d", "¦n00"}));
    s.push_back(Keypad("Alle Ziffern: lange Zahlen", "", "", {"¦n¦n", "¦n¦n¦d", "¦n0¦n"}, 1));
    s.push_back(Keypad("Das Dezimalkomma", ",", "4,5 6,0 1,25", {"¦k", "¦n,¦d", "0,¦d¦d"}));
    s.push_back(Keypad("Beträge mit Komma", "", "", {"¦k", "¦n¦d,¦d¦d", "¦n,¦d"}, 1));
    s.push_back(Keypad("Plus und Minus", "+-", "4+5 6-3 12+30", {"¦n+¦n", "¦n-¦n", "¦k+¦k", "¦n+¦n-¦n"}));
    s.push_back(Keypad("Mal und geteilt", "*/", "4*5 6/3 12*3", {"¦n*¦n", "¦n/¦n", "¦k*¦d", "¦n*¦d/¦d"}));
    s.push_back(
        Keypad("Wiederholung: Rechenaufgaben", "", "", {"¦n+¦n", "¦n-¦n", "¦n*¦n", "¦n/¦n", "¦k+¦k-¦k"}, 1));
    s.push_back(Keypad("Zahlenkolonnen mit Beträgen", "", "", {"¦k", "¦n¦d,¦d¦d", "¦n,¦d", "¦n"}));
    s.push_back(Keypad("Lange Rechnungen", "", "", {"¦k+¦k+¦k", "¦n*¦n-¦n", "¦k-¦k/¦d", "¦n+¦n+¦n+¦n"}));
    s.push_back(Keypad("Abschlusstest: Zahlen und Rechnungen", "", "",
                       {"¦k", "¦n¦n", "¦k+¦k", "¦n*¦n", "¦n/¦d", "¦k-¦k"}, 1));
    return plan;
}
