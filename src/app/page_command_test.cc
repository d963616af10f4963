// The key and play programs on their shared page loop and an in-memory disk: bytes, messages.
#include "app/key_program.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "app/play_program.h"
#include "fakes.h"
#include "output/document.h"
#include "puzzle/grid.h"
#include "text/charset.h"

namespace haravoija {
namespace {

// SB lies twice from the S, Koira nowhere; A and T are left over.
std::string page(const std::string& phrase) {
  return puzzleDocument(
      Grid{{"KISA", "ABBA", "\216TAT"}, {"abba", "kisa", "koira", "sb", "\204t"}, phrase},
      "Sanat & <\204>");
}

std::string saved(const std::string& file) {
  return "\nRatkaisusivu tallennettu tiedostoon " + file + ".\n";
}

std::string error(const std::string& text) { return "haravoija-ratkaisu: " + text + "\n"; }

const std::string kKey =
    "Ratkaisu: Sanat & <\204>\nRuudukko 3 x 4, 5 sanaa\n\nK I S A\nA B B A\n\216 T . .\n\n"
    "Sanat (rivi, sarake, suunta):\n  Abba   2, 1 oikealle\n  Kisa   1, 1 oikealle\n"
    "  Koira  ei l\224ytynyt\n  Sb     1, 3 alas vasemmalle; 1, 3 alas (2 kertaa)\n"
    "  \216t     3, 1 oikealle\n";
const std::string kSpelt =
    "\nPiilolause: A t\nJ\204ljelle j\204\204v\204t kirjaimet muodostavat piilolauseen.\n";
const std::string kNotSpelt =
    "\nPiilolause: T a\nJ\204ljelle j\204\204v\204t kirjaimet eiv\204t muodosta piilolausetta.\n";
const std::string kJson =
    R"({"title":"Sanat & <ä>","rows":3,"columns":4,"grid":["KISA","ABBA","ÄTAT"],)"
    R"("words":[{"word":"Abba","occurrences":[{"row":2,"column":1,"direction":"E","endRow":2,)"
    R"("endColumn":4}]},{"word":"Kisa","occurrences":[{"row":1,"column":1,"direction":"E",)"
    R"("endRow":1,"endColumn":4}]},{"word":"Koira","occurrences":[]},{"word":"Sb",)"
    R"("occurrences":[{"row":1,"column":3,"direction":"SW","endRow":2,"endColumn":2},{"row":1,)"
    R"("column":3,"direction":"S","endRow":2,"endColumn":3}]},{"word":"Ät",)"
    R"("occurrences":[{"row":3,"column":1,"direction":"E","endRow":3,"endColumn":2}]}],)";
const std::string kJsonA = kJson + R"("phrase":"A t","phraseMatches":true,"chance":[]})";
const std::string kJsonB = kJson + R"("phrase":null,"phraseMatches":null,"chance":[]})";

const std::string kHelp =
    "K\204ytt\224: haravoija-ratkaisu [-o TIEDOSTO] [--json] RISTIKKO.html [...]\n\n"
    "Tekee Haravoijalla tallennetusta ristikkosivusta ratkaisusivun\n"
    "RISTIKKO-ratkaisu.html sivun viereen. Tulostettaessa sivulla 1 on\n"
    "ristikko ja sivulla 2 ratkaisu: sanat merkittyin\204, kunkin sanan\n"
    "alkukohta ja suunta sek\204 piilolause. Ratkaisu n\204ytet\204\204n my\224s\n"
    "ruudulla.\n\n"
    "  -o TIEDOSTO  ratkaisusivun nimi (vain yhden ristikkosivun kanssa);\n"
    "               -o - kirjoittaa sivun vakiotulosteeseen\n"
    "  --json       ratkaisu JSON-muodossa vakiotulosteeseen ruudulla\n"
    "               n\204ytett\204v\204n ratkaisun sijaan\n"
    "  -h, --help   t\204m\204 ohje\n"
    "  --version    ohjelman versio\n\n"
    "Paluuarvo on 0, kun kaikki sivut onnistuivat, 1, jos jokin sivu\n"
    "ep\204onnistui, ja 2, jos komentorivi\204 ei ymm\204rretty.\n";

struct Outcome {
  int status = 0;
  std::string out = "";
  std::string err = "";
  std::vector<std::string> saves = {};
  std::map<std::string, std::string> files = {};  // the disk afterwards
};

// The page command `program` on pages whose leftovers spell the phrase (a), none (b), not (c).
Outcome runPage(std::vector<std::string> args, std::map<std::string, std::string> files = {},
                Charset charset = Charset::kPassthrough, PageProgram program = runKeyProgram) {
  testing::FakeConsole out("", charset);
  testing::FakeConsole err("", charset);
  testing::FakeFileSystem disk;
  disk.files = std::move(files);
  disk.files.insert({{"a.html", page("A t")},
                     {"b.HTM", page("")},
                     {"c.html", page("T a")},
                     {"lukittu.html", page("")}});
  disk.unopenable.insert("lukittu-ratkaisu.html");
  args.insert(args.begin(), "haravoija-ratkaisu");
  PageCommandEnvironment env{out.console(), err.console(), disk};
  const int status = program(args, env);
  return {status, out.output(), err.output(), disk.saveRequests, disk.files};
}

using Cases = std::vector<std::pair<std::vector<std::string>, Outcome>>;

void expectOutcomes(const Cases& cases, PageProgram program) {
  for (const auto& [args, expected] : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const Outcome outcome = runPage(args, {{"c.txt", "kissa\n"}}, Charset::kPassthrough, program);
    EXPECT_EQ(outcome.status, expected.status);
    EXPECT_EQ(outcome.out, expected.out);
    EXPECT_EQ(outcome.err, expected.err);
    EXPECT_EQ(outcome.saves, expected.saves);
  }
}

TEST(KeyProgramTest, ShowsEachKeyOrItsJsonAndSavesItsPageOrRefusesTheCommandLine) {
  const std::string missing = error("puuttuu.html: tiedostoa ei voi avata");
  // With -o - the page saved goes to standard output instead.
  const std::string keyPage = runPage({"a.html"}).files["a-ratkaisu.html"];
  EXPECT_TRUE(keyPage.starts_with("<!DOCTYPE html>\n")) << keyPage;
  // A command line it cannot understand gets status 2, and nothing is done.
  const auto usage = [](const std::string& problem) {
    return error(problem) + "Ohje: haravoija-ratkaisu --help\n";
  };
  const Cases cases = {
      {{"a.html", "b.HTM", "c.html"},
       {0,
        kKey + kSpelt + saved("a-ratkaisu.html") + "\n" + kKey + saved("b-ratkaisu.html") + "\n" +
            kKey + kNotSpelt + saved("c-ratkaisu.html"),
        "",
        {"a-ratkaisu.html", "b-ratkaisu.html", "c-ratkaisu.html"}}},
      {{"-o", "avain.html", "b.HTM"}, {0, kKey + saved("avain.html"), "", {"avain.html"}}},
      {{"b.HTM", "-oavain.html"}, {0, kKey + saved("avain.html"), "", {"avain.html"}}},
      {{"a.html", "-o", "-"}, {0, keyPage}},
      {{"-o", "a.html", "a.html"},
       {1, "",
        error("a.html: ratkaisusivu korvaisi ristikkosivun; anna toinen nimi valitsimella -o")}},
      {{"lukittu.html", "b.HTM"},
       {1,
        kKey + saved("b-ratkaisu.html"),
        error("lukittu.html: ratkaisusivua ei voitu tallentaa tiedostoon lukittu-ratkaisu.html"),
        {"lukittu-ratkaisu.html", "b-ratkaisu.html"}}},
      {{"--json", "a.html"}, {0, kJsonA + "\n", "", {"a-ratkaisu.html"}}},
      {{"a.html", "puuttuu.html", "b.HTM", "--json"},
       {1,
        "[\n" + kJsonA + ",\n" + kJsonB + "\n]\n",
        missing,
        {"a-ratkaisu.html", "b-ratkaisu.html"}}},
      {{"--json", "puuttuu.html", "puuttuu.html"}, {1, "[\n]\n", missing + missing}},
      {{"a.html", "-h"}, {0, kHelp}},
      {{"--help"}, {0, kHelp}},
      {{"--version", "puuttuu.html"}, {0, "haravoija-ratkaisu 1.2\n"}},
      {{}, {2, "", usage("anna ainakin yksi ristikkosivu")}},
      {{"-x", "a.html"}, {2, "", usage("tuntematon valitsin -x")}},
      {{"a.html", "-o"}, {2, "", usage("valitsin -o tarvitsee tiedostonimen")}},
      {{"-o", "", "a.html"}, {2, "", usage("valitsin -o tarvitsee tiedostonimen")}},
      {{"-o", "k.html", "a.html", "b.HTM"},
       {2, "", usage("valitsin -o sopii vain yhden ristikkosivun kanssa")}},
      {{"--json", "-o", "-", "a.html"},
       {2, "", usage("valitsimet --json ja -o - eiv\204t sovi yhteen")}},
  };
  expectOutcomes(cases, runKeyProgram);
}

TEST(KeyProgramTest, AUtf8TerminalSeesItsOwnLettersInNamesAndKeys) {
  // Names stay as the terminal passes them; the JSON is not converted again.
  const Outcome key =
      runPage({"\303\244.html", "\303\266.html"}, {{"\303\244.html", page("A t")}}, Charset::kUtf8);
  EXPECT_EQ(key.out, fromCp850(kKey + kSpelt + saved("\204-ratkaisu.html"), Charset::kUtf8));
  EXPECT_EQ(key.err, error("\303\266.html: tiedostoa ei voi avata"));
  EXPECT_EQ(key.saves, std::vector<std::string>{"\303\244-ratkaisu.html"});
  EXPECT_EQ(runPage({"--json", "a.html"}, {}, Charset::kUtf8).out, kJsonA + "\n");
}

TEST(KeyProgramTest, EachPageThatIsNoWholeSavedPageGetsItsErrorAndStatusOne) {
  const std::string good = page("A t");
  const auto upTo = [&](const std::string& marker) { return good.substr(0, good.find(marker)); };
  const auto replaced = [&](const std::string& from, const std::string& to) {
    return std::string(good).replace(good.find(from), from.size(), to);
  };
  const std::string rows = upTo("</table>\r\n</td>").substr(good.find("<tr><td align"));
  const auto square = [](int height, int width) {
    return puzzleDocument(Grid{std::vector(height, std::string(width, 'A')), {"AA"}, ""}, "t");
  };
  const std::string damaged = "sivun kirjainruudukko on vioittunut";
  const std::string tooLarge =
      "sivu on suurempi kuin Haravoijan ristikkosivut (ruudukko enint\204\204n 1000 x 1000)";
  const std::vector<std::array<std::string, 3>> pages = {
      {"sanat.txt", "kissa koira\n", "tiedosto ei ole Haravoijan tallentama ristikkosivu"},
      {"alku.html", upTo("<!--Ristikko-->"), "sivulla ei ole kirjainruudukkoa"},
      {"rivit.html", replaced(rows, ""), "sivulla ei ole kirjainruudukkoa"},
      {"ruudukko.html", upTo("\r\n</table>"), "sivu loppuu kesken"},
      {"lista.html", upTo("<br>Koira"), "sivu loppuu kesken"},
      {"sana.html", upTo("<br>Koira") + "<br>Ko", "sivu loppuu kesken"},
      {"solu.html", replaced("<td align = \"center\"><b>K</b></td>", ""),
       "ruudukon rivit ovat eri pituisia"},
      {"kaksi.html", replaced("<b>K</b>", "<b>KK</b>"), damaged},
      {"tyhja.html", replaced(rows, "<tr></tr>\r\n"), damaged},
      {"auki.html", replaced("</tr>\r\n</table>", "\r\n</table>"), damaged},
      {"teksti.html", replaced("</tr>\r\n<tr>", "</tr>\r\nhei\r\n<tr>"), damaged},
      {"avaus.html", replaced("</tr>\r\n<tr>", "</tr>\r\n<tr"), damaged},
      {"sanaton.html", upTo("<!--Sanat-->"), "sivulla ei ole sanoja"},
      {"poistetut.html", upTo("<br>Abba") + good.substr(good.find("</font></p>")),
       "sivulla ei ole sanoja"},
      {"tagi.html", replaced("<br>Koira", "Koira"), "sivun sanalista on vioittunut"},
      {"pitka.html", replaced("<br>Koira", "<br>" + std::string(80, 'a')), tooLarge},
      {"levea.html", square(1, 1001), tooLarge},
      {"korkea.html", square(1001, 1), tooLarge},
  };
  std::map<std::string, std::string> files;
  std::vector<std::string> args = {"a.html"};
  std::string errors;
  for (const auto& [name, content, problem] : pages) {
    files[name] = content;
    args.push_back(name);
    errors += error(name + ": " + problem);
  }
  const Outcome outcome = runPage(args, files);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, errors);
  EXPECT_EQ(outcome.saves, std::vector<std::string>{"a-ratkaisu.html"});
}

TEST(PlayProgramTest, WritesAPageBesideEachOrWhereToldAndReportsTheRest) {
  // With -o - the page saved goes to standard output instead.
  const std::string playPage =
      runPage({"a.html"}, {}, Charset::kPassthrough, runPlayProgram).files["a-peli.html"];
  EXPECT_NE(playPage.find("<li data-word=\"Abba\">"), std::string::npos) << playPage;
  const auto playSaved = [](const std::string& name) {
    return "Pelisivu tallennettu tiedostoon " + name + ".\n";
  };
  const std::string usage = "Ohje: haravoija-peli --help\n";
  const Cases cases = {
      {{"a.html", "c.txt", "b.HTM"},
       {1,
        playSaved("a-peli.html") + playSaved("b-peli.html"),
        "haravoija-peli: c.txt: tiedosto ei ole Haravoijan tallentama ristikkosivu\n",
        {"a-peli.html", "b-peli.html"}}},
      {{"-o", "-", "a.html"}, {0, playPage}},
      {{"a.html", "-o", "a.html"},
       {1, "",
        "haravoija-peli: a.html: pelisivu korvaisi ristikkosivun; anna toinen nimi valitsimella "
        "-o\n"}},
      {{"--json", "a.html"}, {2, "", "haravoija-peli: tuntematon valitsin --json\n" + usage}},
      {{"-h"}, {0, playHelpText()}},
      {{"--version", "a.html"}, {0, "haravoija-peli 1.2\n"}},
  };
  expectOutcomes(cases, runPlayProgram);
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
}

}  // namespace
}  // namespace haravoija
