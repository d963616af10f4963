// The play command on an in-memory disk: where pages go, messages, statuses.
#include "app/play_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"
#include "output/document.h"
#include "puzzle/grid.h"

namespace haravoija {
namespace {

struct Outcome {
  int status = 0;
  std::string out = "";
  std::string err = "";
  std::vector<std::string> saves = {};
};

TEST(PlayProgramTest, WritesAPageBesideEachOrWhereToldAndReportsTheRest) {
  const std::string puzzle = puzzleDocument(Grid{{"KISSA"}, {"kissa"}, ""}, "Kissa");
  const auto run = [&](std::vector<std::string> args, std::string* written = nullptr) {
    testing::FakeConsole out;
    testing::FakeConsole err;
    testing::FakeFileSystem disk;
    disk.files = {{"a.html", puzzle}, {"B.Htm", puzzle}, {"c.txt", "kissa\n"}};
    args.insert(args.begin(), "haravoija-peli");
    PageCommandEnvironment env{out.console(), err.console(), disk};
    const int status = runPlayProgram(args, env);
    if (written != nullptr) *written = disk.files["a-peli.html"];
    return Outcome{status, out.output(), err.output(), disk.saveRequests};
  };
  const auto saved = [](const std::string& name) {
    return "Pelisivu tallennettu tiedostoon " + name + ".\n";
  };
  const std::string usage = "Ohje: haravoija-peli --help\n";
  // Statuses as the manual page states them: 0 done, 1 a page failed, 2 a
  // command line not understood.
  const std::vector<std::pair<std::vector<std::string>, Outcome>> cases = {
      {{"a.html", "c.txt", "B.Htm"},
       {1,
        saved("a-peli.html") + saved("B-peli.html"),
        "haravoija-peli: c.txt: tiedosto ei ole Haravoijan tallentama ristikkosivu\n",
        {"a-peli.html", "B-peli.html"}}},
      {{"-o", "peli.html", "a.html"}, {0, saved("peli.html"), "", {"peli.html"}}},
      {{"a.html", "-o", "a.html"},
       {1, "",
        "haravoija-peli: a.html: pelisivu korvaisi ristikkosivun; anna toinen nimi valitsimella "
        "-o\n"}},
      {{"--json", "a.html"}, {2, "", "haravoija-peli: tuntematon valitsin --json\n" + usage}},
      {{}, {2, "", "haravoija-peli: anna ainakin yksi ristikkosivu\n" + usage}},
      {{"-h"}, {0, playHelpText()}},
      {{"--version", "a.html"}, {0, "haravoija-peli 1.2\n"}},
  };
  for (const auto& [args, expected] : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const Outcome outcome = run(args);
    EXPECT_EQ(outcome.status, expected.status);
    EXPECT_EQ(outcome.out, expected.out);
    EXPECT_EQ(outcome.err, expected.err);
    EXPECT_EQ(outcome.saves, expected.saves);
  }
  EXPECT_EQ(playHelpText(),
            "K\204ytt\224: haravoija-peli [-o TIEDOSTO] RISTIKKO.html [...]\n\n"
            "Tekee Haravoijalla tallennetusta ristikkosivusta pelisivun\n"
            "RISTIKKO-peli.html sivun viereen. Pelisivulla ristikko ratkaistaan\n"
            "selaimessa: sana merkit\204\204n vet\204m\204ll\204 sen ensimm\204isest\204\n"
            "kirjaimesta viimeiseen hiirell\204, sormella tai kyn\204ll\204, tai\n"
            "n\204pp\204imist\224ll\204. Sivu toimii ilman verkkoyhteytt\204.\n\n"
            "  -o TIEDOSTO  pelisivun nimi (vain yhden ristikkosivun kanssa);\n"
            "               -o - kirjoittaa sivun vakiotulosteeseen\n"
            "  -h, --help   t\204m\204 ohje\n"
            "  --version    ohjelman versio\n\n"
            "Paluuarvo on 0, kun kaikki sivut onnistuivat, 1, jos jokin sivu\n"
            "ep\204onnistui, ja 2, jos komentorivi\204 ei ymm\204rretty.\n");
  // The page itself, saved or on standard output.
  std::string written;
  run({"a.html"}, &written);
  EXPECT_TRUE(written.starts_with("<!DOCTYPE html>\n")) << written;
  EXPECT_NE(written.find("<li data-word=\"Kissa\">"), std::string::npos);
  const Outcome piped = run({"-o", "-", "a.html"});
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, written);
  EXPECT_TRUE(piped.saves.empty());
}

}  // namespace
}  // namespace haravoija
