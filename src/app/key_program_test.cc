// Tests of the answer-key command on an in-memory disk: pages done and
// pages refused in one run, options, messages and exit statuses.
#include "app/key_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"
#include "output/document.h"
#include "puzzle/grid.h"

namespace haravoija {
namespace {

using testing::FakeConsole;
using testing::FakeFileSystem;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

// A page of a 2 x 3 grid titled "El\204imet" (CP850) with KISSA nowhere.
std::string goodPage() {
  Grid grid;
  grid.rows = {"KOI", "\216TI"};
  grid.placedWords = {"koi", "\204t", "kissa"};
  return puzzleDocument(grid, "El\204imet");
}

struct KeyRun {
  explicit KeyRun(Charset charset = Charset::kPassthrough) : out("", charset), err("", charset) {
    files.files["a.html"] = goodPage();
    files.files["b.HTM"] = goodPage();
    // Cut in the middle of the word list.
    files.files["rikki.html"] = goodPage().substr(0, goodPage().find("<br>Koi") + 5);
    files.files["sanat.txt"] = "kissa koira\n";
    files.files["solu.html"] = replaced(goodPage(), "<b>K</b>", "<b>KK</b>");
  }
  int operator()(std::vector<std::string> args) {
    args.insert(args.begin(), "haravoija-ratkaisu");
    KeyEnvironment env{out.console(), err.console(), files};
    return runKeyProgram(args, env);
  }
  FakeConsole out;
  FakeConsole err;
  FakeFileSystem files;
};

const std::string kKey =
    "Ratkaisu: El\204imet\n"
    "Ruudukko 2 x 3, 3 sanaa\n"
    "\n"
    "K O I\n"
    "\216 T .\n"
    "\n"
    "Sanat (rivi, sarake, suunta):\n"
    "  Kissa  ei l\224ytynyt\n"
    "  Koi    1, 1 oikealle\n"
    "  \216t     2, 1 oikealle\n"
    "\n";

TEST(KeyProgramTest, DoesEveryGoodPageAndReportsEachBadOne) {
  KeyRun run;
  EXPECT_EQ(run({"a.html", "puuttuu.html", "rikki.html", "solu.html", "sanat.txt", "b.HTM"}),
            kKeyPageFailed);
  EXPECT_EQ(run.err.output(),
            "haravoija-ratkaisu: puuttuu.html: tiedostoa ei voi avata\n"
            "haravoija-ratkaisu: rikki.html: sivu loppuu kesken\n"
            "haravoija-ratkaisu: solu.html: sivun kirjainruudukko on vioittunut\n"
            "haravoija-ratkaisu: sanat.txt: tiedosto ei ole Haravoijan tallentama "
            "ristikkosivu\n");
  EXPECT_EQ(run.out.output(), kKey + "Ratkaisusivu tallennettu tiedostoon a-ratkaisu.html.\n\n" +
                                  kKey + "Ratkaisusivu tallennettu tiedostoon b-ratkaisu.html.\n");
  EXPECT_EQ(run.files.saveRequests,
            (std::vector<std::string>{"a-ratkaisu.html", "b-ratkaisu.html"}));
  EXPECT_TRUE(run.files.files["a-ratkaisu.html"].starts_with("<!DOCTYPE html>"));

  KeyRun good;
  EXPECT_EQ(good({"a.html"}), kKeyDone);
  EXPECT_EQ(good.err.output(), "");
}

TEST(KeyProgramTest, CommandLinesItCannotUnderstandGetStatusTwoAndNothingIsDone) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "anna ainakin yksi ristikkosivu"},
      {{"--json"}, "anna ainakin yksi ristikkosivu"},
      {{"-x", "a.html"}, "tuntematon valitsin -x"},
      {{"a.html", "--jsn"}, "tuntematon valitsin --jsn"},
      {{"a.html", "-o"}, "valitsin -o tarvitsee tiedostonimen"},
      {{"-o", "", "a.html"}, "valitsin -o tarvitsee tiedostonimen"},
      {{"-o", "k.html", "a.html", "b.HTM"}, "valitsin -o sopii vain yhden ristikkosivun kanssa"},
      {{"--json", "-o", "-", "a.html"}, "valitsimet --json ja -o - eiv\204t sovi yhteen"},
  };
  for (const auto& [args, problem] : cases) {
    KeyRun run;
    EXPECT_EQ(run(args), kKeyUsageError) << problem;
    EXPECT_EQ(run.err.output(),
              "haravoija-ratkaisu: " + problem + "\nOhje: haravoija-ratkaisu --help\n");
    EXPECT_EQ(run.out.output(), "");
    EXPECT_TRUE(run.files.saveRequests.empty()) << problem;
  }
  for (const char* help : {"-h", "--help"}) {
    KeyRun run;
    EXPECT_EQ(run({"a.html", help}), kKeyDone);
    EXPECT_EQ(run.out.output(), keyHelpText());
    EXPECT_TRUE(run.files.saveRequests.empty());
  }
}

TEST(KeyProgramTest, OutputOptionsNameTheFileOrUseStandardOutput) {
  KeyRun named;
  EXPECT_EQ(named({"-o", "avain.html", "a.html"}), kKeyDone);
  EXPECT_EQ(named.files.saveRequests, std::vector<std::string>{"avain.html"});
  EXPECT_TRUE(named.out.output().ends_with("tiedostoon avain.html.\n"));

  KeyRun piped;
  EXPECT_EQ(piped({"a.html", "-o", "-"}), kKeyDone);
  EXPECT_TRUE(piped.files.saveRequests.empty());
  EXPECT_TRUE(piped.out.output().starts_with("<!DOCTYPE html>\n")) << piped.out.output();
  EXPECT_TRUE(piped.out.output().ends_with("</html>\n"));

  KeyRun same;
  EXPECT_EQ(same({"-o", "a.html", "a.html"}), kKeyPageFailed);
  EXPECT_EQ(same.err.output(),
            "haravoija-ratkaisu: a.html: ratkaisusivu korvaisi ristikkosivun; anna toinen nimi "
            "valitsimella -o\n");

  KeyRun refused;
  refused.files.unopenable.insert("a-ratkaisu.html");
  EXPECT_EQ(refused({"a.html", "b.HTM"}), kKeyPageFailed);
  EXPECT_EQ(refused.err.output(),
            "haravoija-ratkaisu: a.html: ratkaisusivua ei voitu tallentaa tiedostoon "
            "a-ratkaisu.html\n");
  EXPECT_EQ(refused.out.output(), kKey + "Ratkaisusivu tallennettu tiedostoon b-ratkaisu.html.\n");
}

TEST(KeyProgramTest, JsonIsOneObjectForOnePageAndAnArrayForSeveral) {
  KeyRun one;
  EXPECT_EQ(one({"--json", "a.html"}), kKeyDone);
  const std::string object = one.out.output();
  EXPECT_TRUE(object.starts_with("{\"title\":\"El\303\244imet\",\"rows\":2,")) << object;
  EXPECT_TRUE(object.ends_with("}\n"));
  EXPECT_EQ(one.files.saveRequests, std::vector<std::string>{"a-ratkaisu.html"});

  KeyRun several;
  EXPECT_EQ(several({"a.html", "rikki.html", "b.HTM", "--json"}), kKeyPageFailed);
  EXPECT_EQ(several.out.output(), "[\n" + object.substr(0, object.size() - 1) + ",\n" +
                                      object.substr(0, object.size() - 1) + "\n]\n");

  KeyRun none;
  EXPECT_EQ(none({"--json", "rikki.html", "puuttuu.html"}), kKeyPageFailed);
  EXPECT_EQ(none.out.output(), "[\n]\n");
}

TEST(KeyProgramTest, AUtf8TerminalSeesItsOwnLettersInNamesAndKeys) {
  KeyRun run(Charset::kUtf8);
  // The name as a UTF-8 terminal passes it, and as it is on disk.
  run.files.files["\303\244.html"] = goodPage();
  EXPECT_EQ(run({"\303\244.html", "\303\266.html"}), kKeyPageFailed);
  EXPECT_EQ(run.err.output(), "haravoija-ratkaisu: \303\266.html: tiedostoa ei voi avata\n");
  EXPECT_EQ(run.files.saveRequests, std::vector<std::string>{"\303\244-ratkaisu.html"});
  EXPECT_TRUE(run.out.output().starts_with("Ratkaisu: El\303\244imet\n"));
  EXPECT_TRUE(run.out.output().ends_with("tiedostoon \303\244-ratkaisu.html.\n"));

  // JSON is UTF-8 already and goes out as it is, not converted again.
  KeyRun json(Charset::kUtf8);
  EXPECT_EQ(json({"--json", "a.html"}), kKeyDone);
  EXPECT_TRUE(json.out.output().starts_with("{\"title\":\"El\303\244imet\",")) << json.out.output();
}

}  // namespace
}  // namespace haravoija
