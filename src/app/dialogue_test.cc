// Tests of the whole dialogue on a scripted console, an in-memory disk and
// a known sequence of draws: where each end-menu choice leads, when the
// generator is seeded, and that the end of input ends the program anywhere.
#include "app/dialogue.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "test_util.h"

namespace haravoija {
namespace {

using testing::occurrences;

const std::string kGoodbye = "Kiitos ohjelman k\204yt\224st\204!\n";
const std::string kDifficultyMenu = "Valitse ristikon vaikeustaso:\n";
const std::string kGenerating = "\nOdota. Luodaan sanaristikko annetuista sanoista...\n";
const std::string kFillMenu = "   3. J\204t\204 kohdat tyhjiksi.\n";
const std::string kEndMenu = "   5. Lopeta ohjelma\n";
// Title, two words and the finish command.
const std::string kWords = "Aihe\nkissa\nkoira\nL\n";

struct Outcome {
  std::string output;
  int seeds = 0;
  std::vector<std::string> files;
};

Outcome run(const std::string& input) {
  testing::FakeEnvironment fake(input);
  runDialogue(fake.env);
  Outcome result{fake.output(), fake.random.seeds(), {}};
  for (const auto& [name, content] : fake.files.files) result.files.push_back(name);
  return result;
}

// The input ends after each line of a session that passes every prompt:
// the title after a refusal, word entry, the menus, the fit warning's pause,
// the phrase, each end-menu choice and the quit command of word entry.
TEST(DialogueTest, EndOfInputAtAnyPromptEndsWithTheGoodbyeLine) {
  const std::string session =
      "a/b\nAihe\nkissa\nkoira\nL\n1\n2\n1\n1\n\n2\nx\n2\n1\n1\n1\n3\n1\n1\n\n4\nUusi\n/poistu\n";
  std::vector<std::string> inputs = {"", kWords + "1\n1\n1\n5\n"};
  for (std::size_t at = 0; (at = session.find('\n', at)) != std::string::npos;) {
    inputs.push_back(session.substr(0, ++at));
  }
  for (const std::string& input : inputs) {
    const std::string out = run(input).output;
    EXPECT_TRUE(out.ends_with(kGoodbye)) << input;
    EXPECT_EQ(occurrences(out, kGoodbye), 1U) << input;
  }
  EXPECT_EQ(occurrences(run("Aihe\n").output, kGenerating), 0U);
  EXPECT_EQ(occurrences(run("Aihe\nkissa\n/poistu\n1\n1\n").output, kDifficultyMenu), 0U);
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
}

// Choice 1 saves, under the title or a name; choice 2 asks the settings
// again, choice 3 keeps them, choice 4 starts over with an empty list and a
// new seed; 2 and 3 draw on without reseeding.
TEST(DialogueTest, EndMenuChoices) {
  const Outcome two = run(kWords + "1\n1\n1\n1\n\n1\nnimi\n2\n2\n2\n5\n6\n1\n5\n");
  EXPECT_EQ(two.files, (std::vector<std::string>{"Aihe.html", "Nimi.html"}));
  EXPECT_EQ(occurrences(two.output, kEndMenu), 4U);
  EXPECT_EQ(occurrences(two.output, "Anna ristikon aihe. \n"), 1U);
  EXPECT_EQ(occurrences(two.output, kDifficultyMenu), 2U);
  EXPECT_EQ(occurrences(two.output, kGenerating), 2U);
  EXPECT_EQ(occurrences(two.output, "(ristikon koko: 5x6, ristikossa 2 sanaa)"), 1U);
  EXPECT_EQ(occurrences(two.output, kFillMenu), 2U);
  EXPECT_EQ(two.seeds, 1);

  const Outcome three = run(kWords + "2\n2\n10\n12\n3\n3\n3\n5\n");
  EXPECT_EQ(occurrences(three.output, kDifficultyMenu), 1U);
  EXPECT_EQ(occurrences(three.output, "(ristikon koko: 10x12, ristikossa 2 sanaa)"), 2U);
  EXPECT_EQ(occurrences(three.output, kFillMenu), 2U);
  EXPECT_EQ(occurrences(three.output, kEndMenu), 2U);
  EXPECT_EQ(three.seeds, 1);

  const Outcome four = run(kWords + "1\n1\n1\n4\nUusi\nhevonen\nL\n1\n1\n1\n5\n");
  EXPECT_EQ(occurrences(four.output, "Tervetuloa sanaristikkojen laadintaohjelmaan."), 2U);
  EXPECT_EQ(occurrences(four.output, "ristikossa 2 sanaa)"), 1U);
  EXPECT_EQ(occurrences(four.output, "ristikossa 1 sanaa)"), 1U);
  EXPECT_EQ(four.seeds, 2);

  // The hidden phrase of one puzzle does not carry over to the next.
  testing::FakeEnvironment phrase("Aihe\nab\nL\n1\n2\n2\n2\n2\ncd\n1\nyksi\n3\n1\n1\nkaksi\n5\n");
  runDialogue(phrase.env);
  EXPECT_NE(phrase.files.files["Yksi.html"].find("muodostuu: Cd\r\n"), std::string::npos);
  EXPECT_EQ(phrase.files.files["Kaksi.html"].find("muodostuu"), std::string::npos);
}

// The difficulty answer decides the directions: in a 1 x 2 grid with every
// draw 24576 the scan tries leftwards first, which a children's puzzle
// never does.
TEST(DialogueTest, ChildrensPuzzleOnlyRightAndDown) {
  for (const auto& [difficulty, row] : {std::pair{"1", "B A \n"}, std::pair{"2", "A B \n"}}) {
    testing::FakeEnvironment fake(std::string("T\nab\nL\n") + difficulty + "\n2\n1\n2\n3\n5\n");
    fake.random = testing::ScriptedRandom({24576});
    runDialogue(fake.env);
    EXPECT_NE(fake.output().find("---\n" + std::string(row) + "---\n"), std::string::npos)
        << difficulty;
  }
}

// The menus take only their own digits; the fit warning's pause takes a line.
TEST(DialogueTest, MenusAndTheFitWarning) {
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
}

}  // namespace
}  // namespace haravoija
