// End-to-end: the dialogue on the real binary when its input ends anywhere,
// and when every prompt is answered with huge lines, NUL bytes and broken
// UTF-8 before a sensible answer.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "e2e_hostile.h"
#include "test_util.h"

namespace haravoija::testing {
namespace {

using namespace std::string_literals;

const std::string kWordFile = "kissa koira hevonen\nkala lintu kaura\nkettu\n";

struct Step {
  std::string line;
  // Where the line is answered; what the full run must show for it.
  std::string prompt;
};

// One session that passes through every state of the dialogue and every
// word-entry command, ending with the quit choice.
std::vector<Step> longSession() {
  return {
      {"", "title"},
      {"a/b", "title"},
      {"el\204imet", "title"},
      {"", "words"},
      {"A", "words"},
      {"L", "words"},
      {"-", "words"},
      {"n", "words"},
      {"kissa", "words"},
      {"KISSA", "words"},
      {"k", "words"},
      {std::string(80, 'a'), "words"},
      {"3D", "words"},
      {"koira", "words"},
      {"-", "words"},
      {"--", "words"},
      {"-k", "words"},
      {"-KISSA", "words"},
      {"hevonen", "words"},
      {"---", "words"},
      {"#", "words"},
      {"#a/b", "words"},
      {"#el\204imet ja kasvit", "words"},
      {"+x", "words"},
      {"+puuttuu.txt", "words"},
      {"+sanat.txt a b c", "words"},
      {"+sanat.txt 1234567", "words"},
      {"+sanat.txt ab", "words"},
      {"+sanat.txt k 1", "words"},
      {"+sanat.txt 2", "words"},
      {"+sanat.txt", "words"},
      {"+sanat.txt K", "words"},
      {"N", "words"},
      {"a", "words"},
      {"L ", "words"},
      {"l", "words"},
      {"x", "difficulty"},
      {"2", "difficulty"},
      {"3", "size"},
      {"2", "size"},
      {"0", "rows"},
      {"abc", "rows"},
      {"2", "rows"},
      {"2", "columns"},
      {"", "fit warning"},
      {"4", "fill"},
      {"2", "fill"},
      {"abc", "phrase"},
      {"ab cd", "phrase"},
      {"6", "end menu"},
      {"1", "end menu"},
      {"a.b", "save"},
      {"a/b", "save"},
      {"", "save"},
      {"3", "end menu"},
      {"", "fit warning"},
      {"3", "fill"},
      {"2", "end menu"},
      {"1", "difficulty"},
      {"1", "size"},
      {"1", "fill"},
      {"1", "end menu"},
      {"nimi", "save"},
      {"4", "end menu"},
      {"Toinen", "title"},
      {"+Nimi.html", "words"},
      {"+Nimi.html k 1", "words"},
      {"l", "words"},
      {"1", "difficulty"},
      {"1", "size"},
      {"1", "fill"},
      {"5", "end menu"},
  };
}

std::string joined(const std::vector<Step>& steps, std::size_t count) {
  std::string input;
  for (std::size_t i = 0; i < count; ++i) input += steps[i].line + "\n";
  return input;
}

// The whole session does what it is meant to, so its prefixes really stop
// in every state.
TEST(E2eHostileDialogue, LongSessionVisitsEveryState) {
  TempDir dir;
  dir.write("sanat.txt", kWordFile);
  const std::vector<Step> steps = longSession();
  const RunResult run = runBinary({}, joined(steps, steps.size()), dir.path(), guardedRun());
  expectCleanEnd(run, dir.path(), "whole session");
  for (const std::string& shown : {
           "Antamassasi aiheessa on kiellettyj\204 merkkej\204. Anna uusi aihe. \n"s,
           "VIRHE: Anna v\204hint\204\204n yksi sana!\n"s,
           "Kaikki sanat poistettu.\n"s,
           "Otsikoksi muutettu El\204imet ja kasvit.\n"s,
           "VIRHE: Liikaa parametrej\204.\n"s,
           "VIRHE: Parametri ei kelpaa.\n"s,
           "VAROITUS: Seuraavat sanat eiv\204t mahtuneet ristikkoon: \n"s,
           "Antamassasi sanassa / lauseessa oli 3 kirjainta.\n"s,
           "Ruudukko tallennettu tiedostoon el\204imet ja kasvit.html.\n"s,
           "Ruudukko tallennettu tiedostoon nimi.html.\n"s,
           "Yhteens\204 7 sanaa lis\204ttiin.\n"s,
       }) {
    EXPECT_NE(run.out.find(shown), std::string::npos) << shown;
  }
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "El\344imet ja kasvit.html"));
  EXPECT_NE(readFile(dir.path() / "Nimi.html").find("<br>Kettu\r\n"), std::string::npos);
}

// Wherever the input ends, on a line end or in the middle of a line, the
// program ends as after the quit choice.
TEST(E2eHostileDialogue, EndOfInputAfterEveryPrefix) {
  const std::vector<Step> steps = longSession();
  std::vector<std::string> inputs;
  for (std::size_t count = 0; count < steps.size(); ++count) {
    const std::string before = joined(steps, count);
    inputs.push_back(before);
    const std::string& next = steps[count].line;
    if (next.size() > 1) inputs.push_back(before + next.substr(0, next.size() / 2));
  }
  // The quit command of word entry, cut everywhere too.
  const std::string quitting = "Aihe\nkissa\n/Poistu\n";
  for (std::size_t cut = 0; cut < quitting.size(); ++cut) inputs.push_back(quitting.substr(0, cut));

  for (const std::string& input : inputs) {
    TempDir dir;
    dir.write("sanat.txt", kWordFile);
    const RunResult run = runBinary({}, input, dir.path(), guardedRun());
    expectCleanEnd(run, dir.path(), "input:\n" + input);
    if (::testing::Test::HasFailure()) break;
  }
  RecordProperty("runs", static_cast<int>(inputs.size()));
}

// Standard input that is a folder cannot be read at all: that is the end of
// the input at the first prompt.
TEST(E2eHostileDialogue, StandardInputThatCannotBeRead) {
  TempDir dir;
  RunOptions options = guardedRun();
  options.stdinPath = dir.path();
  const RunResult run = runBinary({}, "", dir.path(), options);
  expectCleanEnd(run, dir.path(), "folder as standard input");
  EXPECT_TRUE(endsWith(run.out, "Anna ristikon aihe. \n> " + kGoodbyeLine));
}

// Lines no person types, before a sensible answer at each prompt: every one
// is refused or taken as the prompt's rules say, and the session still
// reaches its end.
TEST(E2eHostileDialogue, HugeLinesNulBytesAndBrokenUtf8AtEveryPrompt) {
  const std::string huge(4 << 20, 'x');
  const std::vector<std::string> hostile = {
      huge + "/",                        // refused as a title too
      "/" + std::string(1 << 20, '\0'),  // a megabyte of NUL bytes
      "ki\0ss/a"s,
      "\xff\xfe\xc3/",                          // malformed UTF-8
      "\xc3\xa4/\xed\xa0\x80\xf4\x90\x80\x80",  // UTF-8 surrogate and beyond U+10FFFF
      "/\r",
  };
  for (const bool utf8 : {false, true}) {
    // At the fit warning and the phrase prompt any line is an answer; the
    // others refuse all of these lines.
    // Once at each kind of prompt is enough; the lines are megabytes long.
    std::string input;
    std::set<std::string> tried = {"fit warning", "phrase"};
    for (const Step& step : longSession()) {
      if (tried.insert(step.prompt).second) {
        for (const std::string& line : hostile) input += line + "\n";
      }
      std::string line = step.line;
      // A UTF-8 terminal types \204 (a CP850 letter) as two bytes.
      for (std::size_t at; utf8 && (at = line.find('\204')) != std::string::npos;) {
        line.replace(at, 1, "\303\244");
      }
      input += line + "\n";
    }
    const std::string locale = utf8 ? "LC_ALL=C.UTF-8" : "LC_ALL=C";
    TempDir dir;
    dir.write("sanat.txt", kWordFile);
    RunOptions options = guardedRun(std::chrono::seconds(20));
    options.env = {locale};
    const RunResult run = runBinary({}, input, dir.path(), options);
    expectCleanEnd(run, dir.path(), locale, utf8 ? kGoodbyeLineUtf8 : kGoodbyeLine);
    // The session went the whole way: both documents were saved.
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "Nimi.html")) << locale;
    EXPECT_EQ(occurrences(run.out, "Ruudukko tallennettu tiedostoon"), 2U) << locale;
  }

  // Hostile lines that are answers: a huge title is taken as it is, a huge
  // phrase is refused for its length (the 1 x 5 puzzle has no empty cell),
  // and a huge file name fails to save while the dialogue goes on.
  TempDir dir;
  const std::string input = std::string(1 << 20, 't') + "\nkissa\nl\n1\n2\n1\n5\n2\n" + huge +
                            "\n\n1\n" + std::string(1 << 16, 'n') + "\n5\n";
  const RunResult run = runBinary({}, input, dir.path(), guardedRun(std::chrono::seconds(20)));
  expectCleanEnd(run, dir.path(), "huge answers");
  EXPECT_NE(run.out.find("Tulosten talletus tiedostoon ei onnistunut!\n"), std::string::npos);
}

}  // namespace
}  // namespace haravoija::testing
