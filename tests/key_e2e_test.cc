// The answer-key command end to end: the real binary on saved pages and files it cannot use.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <ranges>
#include <string>
#include <vector>

#include "output/document.h"
#include "puzzle/grid.h"
#include "test_util.h"

namespace haravoija::testing {
namespace {

const RunOptions kKeyCommand{.binary = HARAVOIJA_KEY_BINARY};

TEST(E2eKey, WritesTheKeyBesideThePageAndReportsEachPageItCannotDo) {
  TempDir dir;
  std::filesystem::copy_file(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/elaimet-ristikko.html",
                             dir.path() / "elaimet-ristikko.html");
  // Words of 2-79 A's lie 4.6 million times in 150 x 150 A's: more than a key can show.
  Grid all{std::vector(150, std::string(150, 'A')), {}, ""};
  for (std::size_t length = 2; length <= 79; ++length) all.placedWords.emplace_back(length, 'a');
  dir.write("a.html", puzzleDocument(all, "A"));
  const RunResult run =
      runBinary({"puuttuu.html", "elaimet-ristikko.html", "a.html"}, "", dir.path(), kKeyCommand);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.err,
            "haravoija-ratkaisu: puuttuu.html: tiedostoa ei voi avata\n"
            "haravoija-ratkaisu: a.html: sanat l\224ytyv\204t ruudukosta liian monta kertaa\n");
  EXPECT_TRUE(run.out.starts_with("Ratkaisu: El\204imet\nRuudukko 12 x 12, 30 sanaa\n")) << run.out;
  EXPECT_TRUE(run.out.ends_with("tallennettu tiedostoon elaimet-ristikko-ratkaisu.html.\n"));
  // Every one of the 30 words once, and one of them twice.
  EXPECT_EQ(occurrences(readFile(dir.path() / "elaimet-ristikko-ratkaisu.html"), "<line class="),
            31U);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "a-ratkaisu.html"));
}

// A swear word that the fill spelled is named on the console, the key page and in the JSON, for
// the teacher to make another puzzle; the same word listed by the teacher is not.
TEST(E2eKey, NamesTheSwearWordsThatTheGridSpellsByChance) {
  TempDir dir;
  const std::vector<std::string> rows = {"KALAXXXX", "XPERKELE", "XXXXXXXX", "XXXXXXXX"};
  dir.write("a.html", puzzleDocument({rows, {"kala"}, ""}, "A"));
  dir.write("b.html", puzzleDocument({rows, {"kala", "perkele"}, ""}, "B"));
  const RunResult text = runBinary({"a.html", "b.html"}, "", dir.path(), kKeyCommand);
  const std::string named =
      "Ruudukkoon sattumalta syntyneet rumat sanat (rivi, sarake, suunta):\n"
      "  PERKELE  2, 2 oikealle\n"
      "Tee tarvittaessa uusi ristikko ennen tulostamista.\n";
  EXPECT_EQ(occurrences(text.out, named), 1U) << text.out;
  EXPECT_LT(text.out.find(named), text.out.find("Ratkaisu: B"));
  EXPECT_EQ(occurrences(readFile(dir.path() / "a-ratkaisu.html"),
                        "<p class=\"huom\">Ruudukkoon on sattumalta syntynyt rumia sanoja: "
                        "PERKELE (2, 2 \342\206\222). Tee tarvittaessa uusi ristikko ennen "
                        "tulostamista.</p>"),
            1U);
  EXPECT_EQ(occurrences(readFile(dir.path() / "b-ratkaisu.html"), "rumia"), 0U);
  const RunResult json = runBinary({"--json", "a.html", "b.html"}, "", dir.path(), kKeyCommand);
  EXPECT_EQ(occurrences(json.out,
                        "\"chance\":[{\"word\":\"PERKELE\",\"occurrences\":[{\"row\":2,"
                        "\"column\":2,\"direction\":\"E\",\"endRow\":2,"
                        "\"endColumn\":8}]}]}"),
            1U);
  EXPECT_EQ(occurrences(json.out, "\"chance\":[]}"), 1U);
}

// A saved page of `rows` with each row's line padded by `padding` spaces.
std::string pageOf(std::vector<std::string> rows, std::vector<std::string> words,
                   std::size_t padding = 0) {
  std::string page = puzzleDocument({std::move(rows), std::move(words), ""}, "Iso");
  for (std::size_t at = 0; padding > 0 && (at = page.find("</tr>", at)) != std::string::npos;
       at += padding + 5) {
    page.insert(at, padding, ' ');
  }
  return page;
}

std::vector<std::string> randomRows(std::size_t side, std::mt19937& random) {
  std::vector<std::string> rows(side, std::string(side, 'A'));
  for (char& c : rows | std::views::join) c = static_cast<char>('A' + random() % 20);
  return rows;
}

// Pages made to exhaust the machine: every command stays under 256 MB at its peak and writes at
// most 128 MB, refusing with a Finnish line where the output would be larger. A test of its own,
// so that the pages are on disk and out of the test's memory (shared at the fork) before the runs.
TEST(E2eKey, HostilePagesInBoundedMemoryAndOutput) {
  TempDir dir;
  std::vector<std::pair<std::string, std::string>> pages;  // name, the key's error or ""
  auto add = [&](std::string name, const std::string& page, std::string keyError) {
    dir.write(std::to_string(pages.size()) + ".html", page);
    pages.emplace_back(std::move(name), std::move(keyError));
  };
  std::mt19937 random(2026);
  // 176 x 176 A's and the words of 2-39 A's: 4 million places, a key page of over 200 MB.
  std::vector<std::string> words;
  for (std::size_t length = 2; length <= 39; ++length) words.emplace_back(length, 'a');
  add("one letter, many short words", pageOf(std::vector(176, std::string(176, 'A')), words),
      "ratkaisusivu olisi liian suuri (yli 128 megatavua)");
  // 1000 x 1000 in stripes of A and B: each of two words a million times, a key page of 70 MB.
  std::vector<std::string> stripes(1000, std::string(1000, 'A'));
  for (std::size_t r = 0; r < stripes.size(); r += 2) stripes[r] = std::string(1000, 'B');
  add("the largest grid, a word on every cell", pageOf(stripes, {"Aa", "Bb"}), "");
  // Just under 64 MB: random letters, their rows padded, and 400,000 words of 8 letters.
  words.clear();
  for (std::size_t i = 0; i < (kSlowBuild ? 20'000 : 400'000); ++i) {
    words.push_back(randomRows(8, random)[0]);
  }
  const std::size_t unpadded = pageOf(randomRows(1000, random), words).size();
  add("a page at the size limit",
      pageOf(randomRows(1000, random), words, ((64 << 20) - unpadded) / 1010), "");
  EXPECT_GT(std::filesystem::file_size(dir.path() / "2.html"), std::size_t{63} << 20);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const std::string name = std::to_string(i) + ".html";
    for (const std::vector<std::string>& args :
         {std::vector{std::string(HARAVOIJA_KEY_BINARY), name},
          {HARAVOIJA_KEY_BINARY, "--json", "-o", "key.html", name},
          {HARAVOIJA_PLAY_BINARY, "-o", "-", name}}) {
      SCOPED_TRACE(pages[i].first + ": " + args[1]);
      const std::string error = args[0] == HARAVOIJA_KEY_BINARY ? pages[i].second : "";
      const RunResult run = runBinary({args.begin() + 1, args.end()}, "", dir.path(),
                                      {.timeout = std::chrono::minutes(5), .binary = args[0]});
      EXPECT_EQ(run.exitStatus, error.empty() ? 0 : 1);
      EXPECT_EQ(run.err, error.empty() ? "" : "haravoija-ratkaisu: " + name + ": " + error + "\n");
      EXPECT_LE(run.out.size(), std::size_t{128} << 20);
      for (const auto& made : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_LE(made.file_size(), std::size_t{128} << 20) << made.path();
      }
#ifndef __SANITIZE_ADDRESS__  // whose shadow memory alone is beyond the bound
      EXPECT_LT(run.maxRssKb, 256 * 1024);
#endif
    }
  }
}

}  // namespace
}  // namespace haravoija::testing
