// The whole dialogue and the batch run on fakes; the fill menu and save prompt as transcripts.
// Input that ends after each line of a session runs on the real binary (tests/e2e_test.cc).
#include "app/dialogue.h"

#include <gtest/gtest.h>

#include "app/batch_run.h"
#include "app/fill_menu.h"
#include "app/save_dialogue.h"
#include "fakes.h"
#include "test_util.h"

namespace haravoija {
namespace {

using testing::occurrences;
using namespace std::string_literals;

const std::string kGoodbye = "Kiitos ohjelman k\204yt\224st\204!\n";
const std::string kDifficultyMenu = "Valitse ristikon vaikeustaso:\n";
const std::string kGenerating = "\nOdota. Luodaan sanaristikko annetuista sanoista...\n";
// Title, two words and the finish command.
const std::string kWords = "Aihe\nkissa\nkoira\nL\n";

struct Outcome {
  std::string output;
  int seeds = 0;
  std::string files;  // the names on disk, one after another
};

Outcome run(const std::string& input) {
  testing::FakeEnvironment fake(input);
  runDialogue(fake.env);
  Outcome result{fake.output(), fake.random.seeds(), ""};
  for (const auto& [name, content] : fake.files.files) result.files += name;
  return result;
}

TEST(DialogueTest, WelcomeAndTitlePrompt) {
  const std::string refused =
      "Antamassasi aiheessa on kiellettyj\204 merkkej\204. Anna uusi aihe. \n> ";
  const std::string expected =
      "\n                       Haravoija v. 1.2 \n\n"
      " Tervetuloa sanaristikkojen laadintaohjelmaan. Ohjelma laatii\n"
      " sanaristikkoja antamistasi sanoista. Lopuksi ohjelma tallentaa\n"
      " valmiin ristikon ja sanat html-dokumentiksi, jonka voi sitten\n"
      " esimerkiksi tulostaa. \n" +
      std::string(79, '-') + "\n\nAnna ristikon aihe. \n> " + refused + refused +
      "\nAnna nyt ristikkoon";
  const Outcome r = run("\na/b\n\204-sanat\n");
  EXPECT_EQ(r.output.substr(0, expected.size()), expected);
  // The generator is seeded once the title is accepted.
  EXPECT_EQ(r.seeds, 1);
  EXPECT_EQ(run("a/b\n").seeds, 0);
  // Input that ends, or a quit, before the settings asks and makes nothing.
  EXPECT_EQ(occurrences(run("Aihe\n").output, kGenerating), 0U);
  EXPECT_EQ(occurrences(run("Aihe\nkissa\n/poistu\n1\n1\n").output, kDifficultyMenu), 0U);
}

// 1 saves; 2 asks the settings again, 3 keeps them (no reseed); 4 starts over, reseeded.
TEST(DialogueTest, EndMenuChoices) {
  const Outcome two = run(kWords + "1\n1\n1\n1\n\n1\nnimi\n2\n2\n2\n5\n6\n1\n5\n");
  EXPECT_EQ(two.files, "Aihe.htmlNimi.html");
  EXPECT_EQ(occurrences(two.output, kDifficultyMenu), 2U);
  EXPECT_EQ(occurrences(two.output, "(ristikon koko: 5x6, ristikossa 2 sanaa)"), 1U);

  const Outcome three = run(kWords + "2\n2\n10\n12\n3\n3\n3\n5\n");
  EXPECT_EQ(occurrences(three.output, kDifficultyMenu), 1U);
  EXPECT_EQ(occurrences(three.output, "(ristikon koko: 10x12, ristikossa 2 sanaa)"), 2U);

  const Outcome four = run(kWords + "1\n1\n1\n4\nUusi\nhevonen\nL\n1\n1\n1\n5\n");
  EXPECT_EQ(occurrences(four.output, "Tervetuloa sanaristikkojen laadintaohjelmaan."), 2U);
  EXPECT_EQ(occurrences(four.output, "ristikossa 1 sanaa)"), 1U);
  EXPECT_EQ(four.seeds, 2);

  // The hidden phrase of one puzzle does not carry over to the next.
  testing::FakeEnvironment phrase("Aihe\nab\nL\n1\n2\n2\n2\n2\ncd\n1\nyksi\n3\n1\n1\nkaksi\n5\n");
  runDialogue(phrase.env);
  EXPECT_NE(phrase.files.files["Yksi.html"].find("muodostuu: Cd\r\n"), std::string::npos);
  EXPECT_EQ(phrase.files.files["Kaksi.html"].find("muodostuu"), std::string::npos);
}

// The menus take only their own digits; the fit warning's pause takes a line.
TEST(DialogueTest, MenusTheFitWarningAndTheChildrensDirections) {
  const std::string out =
      run("Aihe\nkoira\nhevonen\nkissat\nL\n 1\n1\n1.\n2\n2\n2\nmit\204 vain\n3\n6\n5\n").output;
  const std::string settings =
      "3. Anna seuraava sana.\n> \n"
      "Valitse ristikon vaikeustaso:\n"
      "    1. Normaali ristikko (sanat kaikkiin suuntiin)\n"
      "    2. Lasten ristikko (sanat vain oikealle ja alas)\n"
      "> > Valitse seuraavista:\n"
      "    1. Annan koneen luoda sanoista mahdollisimman pienikokoisen ristikon\n"
      "    2. Haluan m\204\204ritell\204 itse ristikon koon\n"
      "> > Anna sanaristikon vaakarivien lukum\204\204r\204. \n"
      "> Anna pystyrivien lukum\204\204r\204. \n> " +
      kGenerating +
      "\nVAROITUS: Seuraavat sanat eiv\204t mahtuneet ristikkoon: \n"
      " hevonen\n kissat\n koira\n\n(paina enter jatkaaksesi)\n\n"
      "\nRuudukkoon j\204i 4 tyhj\204\204 kohtaa. \n";
  EXPECT_NE(out.find(settings), std::string::npos) << out;
  EXPECT_TRUE(
      out.ends_with("> ---\n    \n    \n---\n\n(ristikon koko: 2x2, ristikossa 0 sanaa)\n\n"
                    "Valitse seuraavista:\n   1. Tallenna sanaristikko tiedostoon\n"
                    "   2. Luo uusi ristikko samoilla sanoilla\n"
                    "   3. Luo uusi ristikko samoilla sanoilla ja asetuksilla\n"
                    "   4. Luo kokonaan uusi ristikko alusta alkaen\n   5. Lopeta ohjelma\n> > " +
                    kGoodbye))
      << out;
  EXPECT_EQ(occurrences(run(kWords + "2\n2\n10\n12\n3\n5\n").output, "VAROITUS"), 0U);
  // With every draw 24576 a 1 x 2 grid is scanned leftwards first, which a
  // children's puzzle (difficulty 2) never does.
  for (const auto& [difficulty, row] : {std::pair{"1", "B A \n"}, std::pair{"2", "A B \n"}}) {
    testing::FakeEnvironment fake(std::string("T\nab\nL\n") + difficulty + "\n2\n1\n2\n3\n5\n");
    fake.random = testing::ScriptedRandom({24576});
    runDialogue(fake.env);
    EXPECT_NE(fake.output().find("---\n" + std::string(row) + "---\n"), std::string::npos)
        << difficulty;
  }
}

const std::string kMenu =
    "\nRuudukkoon j\204i 6 tyhj\204\204 kohtaa. \n"
    "Valitse seuraavista:\n"
    "   1. Anna koneen t\204ytt\204\204 ristikon tyhj\204t kohdat\n"
    "      satunnaisilla kirjaimilla. (suositus)\n"
    "   2. Haluan ett\204 j\204ljelle j\204\204vist\204 kirjaimista muodostuu jokin sana.\n"
    "   3. J\204t\204 kohdat tyhjiksi.\n"
    "> ";

const std::string kPhraseQuestion =
    "Anna sana / lause, joka muodostuu j\204ljellej\204\204vist\204 kirjaimista. \n"
    "Sanassa / lauseessa pit\204\204 olla yhteens\204 6 kirjainta.\n> ";

std::string phraseRefused(int letters) {
  return kPhraseQuestion +
         "VIRHE: Sanassa / lauseessa pit\204\204 olla yhteens\204 6 kirjainta.\n" +
         "Antamassasi sanassa / lauseessa oli " + std::to_string(letters) + " kirjainta.\n> ";
}

// Every draw is 0, a letter A; the cells are compared row by row.
TEST(FillMenuTest, AnswersAndThePhraseQuestion) {
  using enum FillMode;
  const struct {
    std::string input;
    FillMode mode;
    std::string output, cells, phrase;  // output after the menu
  } cases[] = {
      {"1\n", kRandomLetters, "", "KAAAAXAAK", ""},
      {" 1\n4\n\n3\n", kLeaveEmpty, "> > > ", "K    X  K", ""},
      {"x\n", kNone, "> ", "K    X  K", ""},
      {"2\nka la\nkala ja\n", kHiddenPhrase, phraseRefused(4), "KKALAXJAK", "kala ja"},
      // Input ends at the question: the last line read fills what it can.
      {"2\nab\n", kHiddenPhrase, phraseRefused(2), "KABAAXAAK", "ab"},
      {"2\n", kHiddenPhrase, kPhraseQuestion, "KAAAAXAAK", ""},
  };
  for (const auto& c : cases) {
    testing::FakeEnvironment fake(c.input);
    fake.random = testing::ScriptedRandom({0});
    Grid grid{{"K  ", "  X", "  K"}, {}, {}};
    EXPECT_EQ(chooseFill(grid, fake.env), c.mode) << c.input;
    EXPECT_EQ(fake.output(), kMenu + c.output) << c.input;
    EXPECT_EQ(grid.rows[0] + grid.rows[1] + grid.rows[2], c.cells) << c.input;
    EXPECT_EQ(grid.hiddenPhrase, c.phrase) << c.input;
  }
}

const std::string kQuestion =
    "\n"
    "Anna tiedostonimi, johon tallennetaan. Huom: \216l\204 anna p\204\204tett\204.\n"
    "Tiedostonimeen lis\204t\204\204n automaattisesti p\204\204te .html.\n"
    "Jos painat vain enteri\204, k\204ytet\204\204n tiedostonimen\204 ristikon otsikkoa.\n"
    "> ";
const std::string kRefused =
    "Antamassasi tiedostonimess\204 on kiellettyj\204 merkkej\204. Anna uusi nimi. \n"
    "Muista antaa tiedostonimi ilman p\204\204tett\204.\n> ";

std::string saved(const std::string& name) {
  return "Ruudukko tallennettu tiedostoon " + name + ".html.\n\n";
}

TEST(SaveDialogueTest, NamesRefusalsAndOutcomes) {
  const struct {
    std::string input, title, output, diskName;  // output after the question
    SaveOutcome outcome = SaveOutcome::kHandedOver;
    bool diskFull = false;
  } cases[] = {
      // An empty answer saves under the title; the message shows small letters.
      {"\n", "El\204imet", saved("el\204imet"), "El\344imet.html"},
      // The title is not tested again: its full stop stays.
      {"\n", "Osa 2.0", saved("osa 2.0"), "Osa 2.0.html"},
      {"a/b\nristikko.html\nris\0ti\n.\n\"x\nristikko\n"s, "Aihe",
       kRefused + kRefused + kRefused + kRefused + kRefused + saved("ristikko"), "Ristikko.html"},
      {"\204t\204n ristikko\n", "Aihe", saved("\204t\204n ristikko"), "\304t\344n ristikko.html"},
      {"a.b\n", "Aihe", kRefused, "", SaveOutcome::kInputEnded},
      {"nimi\n", "Aihe", "Tulosten talletus tiedostoon ei onnistunut!\n\n", "",
       SaveOutcome::kHandedOver, true},
  };
  for (const auto& c : cases) {
    testing::FakeEnvironment fake(c.input);
    if (c.diskFull) fake.files.saveFailsAfter = 0;
    EXPECT_EQ(runSaveDialogue(create(2, 2), c.title, fake.env), c.outcome) << c.input;
    EXPECT_EQ(fake.output(), kQuestion + c.output) << c.input;
    std::string names;
    for (const auto& [name, content] : fake.files.files) names += name;
    EXPECT_EQ(names, c.diskName) << c.input;
  }
  // At a UTF-8 terminal the name on disk is in UTF-8 too.
  testing::FakeEnvironment utf8("\303\244t\303\244\n", Charset::kUtf8);
  EXPECT_EQ(runSaveDialogue(create(2, 2), "Aihe", utf8.env), SaveOutcome::kHandedOver);
  EXPECT_TRUE(utf8.files.files.contains("\303\204t\303\244.html"));
}

TEST(BatchRunTest, NamesWordsAndSaves) {
  const std::string badName =
      "VIRHE: Anna kunnollinen tiedostonimi.\n"
      "Tiedostonimen p\204\204te tulee olla .txt tai .html.\n> ";
  const struct {
    std::string argument, content, output;
    bool saveFails = false;
  } cases[] = {
      {"SANAT.TXT", "kissa\n", badName},
      {"roskaa.txt", "3D x\n",
       "Odota, luetaan tiedostoa... \n"
       "VIRHE: Tiedostossa ei ollut yht\204\204n kelvollista sanaa.\n" +
           kGoodbye},
      {"sanat.txt", "kissa\n", "Tulosten talletus tiedostoon ei onnistunut!\n\n" + kGoodbye, true},
  };
  for (const auto& c : cases) {
    testing::FakeEnvironment fake;
    if (c.saveFails) fake.files.saveFailsAfter = 10;
    testing::StringFile file(c.content);
    runBatch(file, c.argument, fake.env);
    EXPECT_TRUE(fake.output().ends_with(c.output)) << c.argument << "\n" << fake.output();
    EXPECT_TRUE(fake.files.files.empty()) << c.argument;
    EXPECT_EQ(fake.random.seeds(), c.saveFails ? 1 : 0) << c.argument;
  }

  testing::FakeEnvironment fake("", Charset::kUtf8);
  testing::StringFile file("kissa koira\nhevonen\nkissa\n");
  runBatch(file, "./el\303\244imet.txt", fake.env);
  EXPECT_TRUE(fake.output().starts_with(
      "Odota, luetaan tiedostoa... \n"
      "Sana kissa lis\303\244tty.\nSana koira lis\303\244tty.\nSana hevonen lis\303\244tty.\n\n"
      "\nOdota. Luodaan sanaristikko annetuista sanoista...\n"))
      << fake.output();
  EXPECT_TRUE(
      fake.output().ends_with("Ruudukko tallennettu tiedostoon out.html.\n\n"
                              "Kiitos ohjelman k\303\244yt\303\266st\303\244!\n"));
  EXPECT_EQ(fake.random.seeds(), 1);
  // The grid is shown, and saved with every cell filled.
  EXPECT_NE(fake.output().find("ristikossa 3 sanaa)\n"), std::string::npos);
  EXPECT_EQ(fake.files.files["out.html"].find("<b> </b>"), std::string::npos);
  // The title is the argument, in the document's ISO 8859-1.
  EXPECT_NE(fake.files.files["out.html"].find("<title>./el\344imet.txt</title>"),
            std::string::npos);
  // The grid is the dialogue's with the first answers, its words sorted longest first.
  testing::FakeEnvironment asked("T\nkissa\nkoira\nhevonen\nL\n1\n1\n1\n1\nnimi\n5\n");
  runDialogue(asked.env);
  const auto grid = [](const std::string& page) {
    const std::size_t start = page.find("<!--Ristikko-->");
    return page.substr(start, page.find("<!--Sanat-->") - start);
  };
  EXPECT_EQ(grid(fake.files.files["out.html"]), grid(asked.files.files["Nimi.html"]));
}

}  // namespace
}  // namespace haravoija
