// Tests of console line reading and writing, of the row and column prompts,
// and of typed-line input: piped input is unaffected by line editing, and the
// libedit reader hands the Console the same lines as the plain reader.
#include "app/console.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/line_editor.h"
#include "app/number_answer.h"
#include "app/program.h"
#include "fakes.h"
#include "test_util.h"

namespace haravoija {
namespace {

using testing::FakeConsole;
using namespace std::string_view_literals;

// Without a known character set bytes pass unchanged both ways; at a UTF-8
// terminal they are converted at the boundary only.
TEST(ConsoleTest, ReadsLinesReportsTheEndAndConvertsAtTheBoundary) {
  FakeConsole fake("\204ka\r\ntoka\n\nviimeinen");
  Console& console = fake;
  EXPECT_EQ(console.ask(), "\204ka");
  EXPECT_EQ(console.readLine(), "toka");
  EXPECT_EQ(console.ask(), "");
  EXPECT_EQ(console.ask(), "viimeinen");
  EXPECT_EQ(console.ask(), std::nullopt);
  console.lines("\nyksi\n\nk\204ksi\n");
  console.lines("kolme");
  console.lines("");
  EXPECT_EQ(fake.output(), "> > > > \nyksi\n\nk\204ksi\nkolme\n");
  FakeConsole utf8("\303\244iti\n\342\202\254\n", Charset::kUtf8);
  utf8.console().line("K\204vely \231");
  utf8.console().write("x");
  utf8.console().emptyLine();
  EXPECT_EQ(utf8.console().ask(), "\204iti");
  EXPECT_EQ(utf8.console().ask(), "?");
  EXPECT_EQ(utf8.output(), "K\303\244vely \303\226\nx\n> > ");
  EXPECT_EQ(utf8.console().toProgramText("sanat\303\266.txt"), "sanat\224.txt");
}

// What the program writes reaches the terminal at once, before it waits for a line.
TEST(ConsoleTest, EveryWriteIsFlushed) {
  testing::TempDir dir;
  std::istringstream in;
  std::ofstream out(dir.path() / "out");
  Console console(in, out, Charset::kPassthrough);
  console.line("yksi");
  EXPECT_EQ(testing::readFile(dir.path() / "out"), "yksi\n");
  console.write("> ");
  EXPECT_EQ(testing::readFile(dir.path() / "out"), "yksi\n> ");
}

TEST(GridSideTest, SignedDecimalsInRangeOnlyAskedUntilValid) {
  EXPECT_EQ(parseGridSide("1"), 1);
  EXPECT_EQ(parseGridSide("1000"), 1000);
  for (const std::string_view line : {"+7", "  7", "\t+7", "007", "00000000000000000000000007"}) {
    EXPECT_EQ(parseGridSide(line), 7) << line;
  }
  // Beyond any integer type, or 2^32 + 1: refused, not wrapped round into range.
  const std::string_view refused[] = {
      "",   "1001", "0",    "-5",    "-0",         "12 ",         "1e2",
      "7.", "+",    "-",    " ",     "+-7",        "- 7",         "7 7",
      "x7", "0x10", "\267", "7\0"sv, "4294967297", "-4294967295", "123456789012345678901234"};
  for (const std::string_view line : refused) {
    EXPECT_EQ(parseGridSide(line), std::nullopt) << '"' << line << '"';
  }
  // The prompt repeats, with two lines a refusal, until a valid line.
  const std::string refusal =
      "VIRHE: Sy\224te ei ole kelvollinen. Anna vaakarivien m\204\204r\204 uudelleen.\n"
      "Vaakarivien lukum\204\204r\204 tulee olla kokonaisluku v\204lilt\204 1 - 1000.\n> ";
  FakeConsole rows("1001\n\n12 \n+7\n0\n");
  EXPECT_EQ(askGridSide(GridSide::kRows, rows), 7);
  EXPECT_EQ(rows.output(),
            "Anna sanaristikon vaakarivien lukum\204\204r\204. \n> " + refusal + refusal + refusal);
  FakeConsole columns("0");
  EXPECT_EQ(askGridSide(GridSide::kColumns, columns), std::nullopt);
  EXPECT_EQ(columns.output(),
            "Anna pystyrivien lukum\204\204r\204. \n"
            "> VIRHE: Sy\224te ei ole kelvollinen. Anna pystyrivien m\204\204r\204 uudelleen.\n"
            "Pystyrivien lukum\204\204r\204 tulee olla kokonaisluku v\204lilt\204 1 - 1000.\n> ");
}

// Piped input never gets the line editor: the binary writes exactly what the
// program writes on a console over string streams.
TEST(LineEditorTest, PipedInputBehavesAsWithoutEditor) {
  testing::TempDir dir;
  const std::string input = "El\303\244imet\r\nkissa\n\nn\nL \n/POISTU\nkoira\n";
  const testing::RunResult plain = testing::runBinary({}, input, dir.path());
  testing::FakeEnvironment c850(input);
  EXPECT_EQ(runProgram({"haravoija"}, c850.env), 0);
  EXPECT_EQ(plain.out, c850.output());
}

#ifdef HARAVOIJA_HAVE_LIBEDIT

// A temporary file holding `bytes`, to be read from its start.
std::unique_ptr<std::FILE, int (*)(std::FILE*)> tempFile(const std::string& bytes) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
  std::fwrite(bytes.data(), 1, bytes.size(), file.get());
  std::rewind(file.get());
  return file;
}

// At a UTF-8 locale the editor hands over the lines the plain reader would, and
// remembers the non-empty ones, a line repeated at once only once.
TEST(LineEditorTest, ConsoleGetsTheSameLinesAsFromTheStream) {
  struct OldLocale {
    std::string name = std::setlocale(LC_CTYPE, nullptr);
    ~OldLocale() { std::setlocale(LC_CTYPE, name.c_str()); }
  } old;
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
  // Line ends are LF only: read from a file rather than a terminal, libedit
  // takes a CR for a line end of its own.
  const std::string input =
      "El\303\244imet ja "
      "\303\205land\n\n#h\303\266p\303\266t\n\377L\303x\303\303y\342\202\nkoira\nkoira\n"
      "-kissa\nviimeinen";
  auto in = tempFile(input), out = tempFile("");
  std::shared_ptr<LineEditor> editor = LineEditor::open(in.get(), out.get());
  ASSERT_NE(editor, nullptr);

  FakeConsole edited("", Charset::kUtf8);
  std::vector<std::string> prompts;
  edited.console().setLineReader([&](std::string_view prompt) {
    prompts.emplace_back(prompt);
    return editor->readLine(prompt);
  });
  FakeConsole streamed(input, Charset::kUtf8);
  EXPECT_EQ(edited.console().ask(), streamed.console().ask());
  // Bytes that are no characters become "?" both ways, none is dropped.
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(edited.console().readLine(), streamed.console().readLine());
  }
  EXPECT_EQ(edited.console().ask(), std::nullopt);
  EXPECT_EQ(prompts, (std::vector<std::string>{"> ", "", "", "", "", "", "", "", "> "}));
  // The editor draws the prompt itself; the Console writes nothing of its own.
  EXPECT_EQ(edited.output(), "");
  // The end of input stays the end.
  EXPECT_EQ(editor->readLine("> "), std::nullopt);
  EXPECT_EQ(editor->rememberedLines(),
            (std::vector<std::string>{"El\303\244imet ja \303\205land", "#h\303\266p\303\266t",
                                      "?L?x??y??", "koira", "-kissa", "viimeinen"}));
}

#endif  // HARAVOIJA_HAVE_LIBEDIT

}  // namespace
}  // namespace haravoija
