// The word-entry loop, its listing and its import command, as transcripts of what the user sees.
#include "app/word_entry.h"

#include <gtest/gtest.h>

#include "app/word_import.h"
#include "app/word_listing.h"
#include "fakes.h"

namespace haravoija {
namespace {

const std::string kHelp =
    "-------------------------------------------------------------------------------\n"
    " > L             // Lopettaa sanojen kyselemisen.\n"
    " > N             // N\204ytt\204\204 annetut sanat.\n"
    " > /POISTU       // Poistuu ohjelmasta v\204litt\224masti.\n"
    " > A             // N\204ytt\204\204 n\204m\204 aputekstit.\n"
    " > kissa         // Lis\204\204 ristikkoon sanan kissa.\n"
    " > -kissa        // Poistaa ristikosta sanan kissa.\n"
    " > -             // Poistaa viimeisimm\204n lis\204tyn sanan.\n"
    " > ---           // Poistaa listasta kaikki sanat.\n"
    " > #Jee          // Muuttaa otsikoksi Jee\n"
    " > +kunnat.txt   // Lis\204\204 kaikki tiedoston kunnat.txt sanat ristikkoon.\n"
    " > +sanat.txt a  // Lis\204\204 kaikki tiedostosta sanat.txt loytyv\204t a-kirjaimella\n"
    "                 // alkavat sanat ristikkoon\n"
    " > +nimet.txt 30 // Kone arpoo 30 sanaa nimet.txt -tiedostosta ja lis\204\204\n"
    "                 // ne ristikkoon\n"
    " > +nimet.txt a 5// Voit my\224s yhdist\204\204 komentoja n\204in\n"
    " > +oma.html     // Voit lis\204t\204 sanoja my\224s vanhoista ristikoista.\n"
    "-------------------------------------------------------------------------------\n";

const std::string kIntro =
    "Anna nyt ristikkoon haluamasi sanat. Voit k\204ytt\204\204 seuraavia komentoja:\n" + kHelp +
    "\nAnna ensimm\204inen sana / tiedosto.\n";

const std::string kReading = "Odota, luetaan tiedostoa... \n";
const std::string kBadName =
    "VIRHE: Anna kunnollinen tiedostonimi.\nTiedostonimen p\204\204te tulee olla .txt tai .html.\n";
const std::string kUnreadable = "VIRHE: Tiedostosta ei voitu lukea.\n";

struct Session {
  WordEntryOutcome outcome = WordEntryOutcome::kFinished;
  std::string output;  // without the opening text
  WordList list;
  std::string title = "Vanha";
};

Session run(const std::string& input, Session session = {}) {
  testing::FakeEnvironment fake(input);
  fake.files.files = {{"sanat.txt", "uusi toinen kolmas\n"}};
  session.outcome = runWordEntry(session.list, session.title, fake.env);
  session.output = fake.output();
  EXPECT_EQ(session.output.rfind(kIntro, 0), 0u);
  session.output.erase(0, kIntro.size());
  return session;
}

// Single-letter commands and words, removals, titles, the quit command in mixed case.
TEST(WordEntryTest, CommandsAndWords) {
  const Session s =
      run("\nl\naa\nA\nk\nN\nL \n/poistu \n" + std::string(80, 'x') + "\naA\nn\n---\n" +
          "-\n---\n-kissa\nkissa\nkoira\n-\nkoira\n-Koira\n-hevonen\n--\n----\n-k\n-KISSA\n"
          "hevonen\n---\n-\n#\n#a/b\n#kissat\n#\204l\204imet ja kasvit\n#x\"y\n/Poistu\nkoira\n");
  EXPECT_EQ(s.outcome, WordEntryOutcome::kQuit);
  EXPECT_TRUE(s.list.empty());
  EXPECT_EQ(s.title, "\216l\204imet ja kasvit");
  const std::string none = "> VIRHE: Yht\204\204n sanaa ei ole annettu!\n";
  const std::string forbidden = "> VIRHE: Sy\224tteess\204 kiellettyj\204 merkkej\204!\n";
  const std::string titleRefused =
      "> VIRHE: Antamassasi aiheessa on kiellettyj\204 merkkej\204. Anna uusi aihe. \n";
  EXPECT_EQ(s.output,
            "> > VIRHE: Anna v\204hint\204\204n yksi sana!\n"
            "> Sana lis\204tty. Sanoja annettu yhteens\204 1. Anna seuraava sana.\n"
            "> Voit k\204ytt\204\204 seuraavia komentoja:\n" +
                kHelp +
                "> VIRHE: Sanassa on oltava v\204hint\204\204n kaksi kirjainta!\n"
                "> Annetut sanat:\naa  \nSanoja annettu yhteens\204 1.\n" +
                forbidden + forbidden +
                "> VIRHE: Sanan pituus on oltava alle 80 merkki\204.\n"
                "> VIRHE: Olet antanut jo kyseisen sanan.\n"
                "> Annetut sanat:\naa  \nSanoja annettu yhteens\204 1.\n"
                "> Kaikki sanat poistettu.\n" +
                none + none + none +
                "> Sana lis\204tty. Sanoja annettu yhteens\204 1. Anna seuraava sana.\n"
                "> Sana lis\204tty. Sanoja annettu yhteens\204 2. Anna seuraava sana.\n"
                "> Sana koira poistettu.\n"
                "> Sana lis\204tty. Sanoja annettu yhteens\204 2. Anna seuraava sana.\n"
                "> Sana Koira poistettu.\n"
                "> VIRHE: Sanaa hevonen ei voitu poistaa.\n" +
                forbidden + forbidden +
                "> VIRHE: Sanaa k ei voitu poistaa.\n"
                "> Sana KISSA poistettu.\n"
                "> Sana lis\204tty. Sanoja annettu yhteens\204 1. Anna seuraava sana.\n"
                "> Kaikki sanat poistettu.\n" +
                none + "> VIRHE: Otsikko liian lyhyt.\n" + titleRefused +
                "> Otsikoksi muutettu Kissat.\n"
                "> Otsikoksi muutettu \216l\204imet ja kasvit.\n" +
                titleRefused + "> Kiitos ohjelman k\204yt\224st\204!\n");
  const Session empty = run("");
  EXPECT_EQ(empty.outcome, WordEntryOutcome::kFinished);
  EXPECT_EQ(empty.output, "> ");
}

// A full list refuses typed words and notes the cap in an import.
TEST(WordEntryTest, FullListRefusesNewWords) {
  Session full;
  for (int i = 0; i < 10000; ++i) {
    full.list.add(
        std::string{'s', char('a' + i / 676), char('a' + i / 26 % 26), char('a' + i % 26)});
  }
  const Session s = run("saaa\nuusi\n-\nuusi\n-\n+sanat.txt\n", std::move(full));
  EXPECT_EQ(s.output,
            "> VIRHE: Olet antanut jo kyseisen sanan.\n"
            "> VIRHE: Sanaa ei voitu lis\204t\204. Sanojen maksimim\204\204r\204 on 10000.\n"
            "> Sana soup poistettu.\n"  // the last: 9999 is o, u, p in base 26
            "> Sana lis\204tty. Sanoja annettu yhteens\204 10000. Anna seuraava sana.\n"
            "> Sana uusi poistettu.\n> " +
                kReading +
                "Sana uusi lis\204tty.\nYhteens\204 1 sanaa lis\204ttiin.\n"
                "Huom: Sanojen maksimim\204\204r\204 (10000) saavutettiin.\n> ");
}

TEST(WordListingTest, ColumnsOfTheLongestWordPlusTwo) {
  const std::string x76(76, 'x'), x77(77, 'x');
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, ""},
      // Columns of 9: eight fit in 78 characters, the ninth starts a new line.
      {{"a", "b", "c", "d", "e", "f", "g", "h", "iiiiiii"},
       "a        b        c        d        e        f        g        h        \niiiiiii  "},
      // Columns of 78 still fit; columns of 79 put every word on a line of its own.
      {{x76, "ab"}, x76 + "  \nab" + std::string(76, ' ')},
      {{x77, "ab"}, "\n" + x77 + "  \nab" + std::string(77, ' ')},
  };
  for (const auto& [words, lines] : cases) {
    WordList list;
    for (const std::string& word : words) list.add(word);
    EXPECT_EQ(formatWordListing(list), "Annetut sanat:\n" + lines +
                                           "\nSanoja annettu yhteens\204 " +
                                           std::to_string(words.size()) + ".\n");
  }
}

// Without an error the output is that of the import of `words`; every draw is the highest.
TEST(ImportCommandMessagesTest, ChecksInOrderThenTheImport) {
  const struct {
    std::string line, error;
    std::vector<std::string> words;
  } cases[] = {
      {"+sanat.TXT", kBadName, {}},
      {"+vanha.htm", kBadName, {}},
      // The file is opened before the parameters are looked at.
      {"+puuttuu.txt a b c", kUnreadable, {}},
      {"+ sanat.txt", kUnreadable, {}},
      {"+kansio.txt", kUnreadable, {}},
      {"+sanat.txt a 5 x", "VIRHE: Liikaa parametrej\204.\n", {}},
      {"+sanat.txt 1234567", "VIRHE: Parametri ei kelpaa.\n", {}},
      {"+sanat.txt 5 5", "VIRHE: Parametri ei kelpaa.\n", {}},
      // Letters are refused only once the file has been read.
      {"+sanat.txt ab", kReading + "VIRHE: Parametri ei kelpaa.\n", {}},
      {"+sanat.txt k", "", {"kissa", "Kala"}},
      {"+sanat.txt x", "", {}},
      // One of kissa, Kala and auto: the top draw swaps the first with the last.
      {"+sanat.txt 1", "", {"auto"}},
      // The name is looked up with the Finnish letters in ISO 8859-1.
      {"+el\204imet.txt", "", {"hevonen"}},
      // A page's words come from its word list only.
      {"+vanha.html", "", {"Lintu"}},
      {"+vanha.txt.html", "", {"lintu", "sanat"}},
  };
  for (const auto& c : cases) {
    testing::FakeEnvironment fake;
    fake.files.files = {{"sanat.txt", "kissa koira Kala auto\n"},
                        {"el\344imet.txt", "hevonen\n"},
                        {"vanha.html", "lintu <!--Sanat-->\n<br>Lintu\n<!--Loppu-->\n"},
                        {"vanha.txt.html", "lintu <!--Sanat-->\n<p>x\nsanat\n"},
                        {"kansio.txt", ""}};
    fake.files.unopenable = {"kansio.txt"};
    fake.random = testing::ScriptedRandom({32767});
    WordList list;
    list.add("koira");
    runImportCommand(c.line, list, fake.env);
    std::string expected = c.error;
    if (expected.empty()) {
      expected = kReading;
      for (const std::string& word : c.words) expected += "Sana " + word + " lis\204tty.\n";
      expected += "Yhteens\204 " + std::to_string(c.words.size()) + " sanaa lis\204ttiin.\n";
    }
    EXPECT_EQ(fake.output(), expected) << c.line;
    std::vector<std::string> all = {"koira"};
    all.insert(all.end(), c.words.begin(), c.words.end());
    EXPECT_EQ(list.words(), all) << c.line;
  }
}

}  // namespace
}  // namespace haravoija
