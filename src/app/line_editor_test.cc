// Tests of typed-line input: piped input is unaffected by line editing, and
// the libedit reader hands the Console the same lines as the plain reader.
#include "app/line_editor.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "fakes.h"
#include "test_util.h"

namespace haravoija {
namespace {

using testing::FakeConsole;

// The binary with piped standard input (which never gets the line editor,
// whether or not the build has one) writes exactly what the program writes
// on a console over string streams.
TEST(LineEditorTest, PipedInputBehavesAsWithoutEditor) {
  testing::TempDir dir;
  const std::string input = "El\303\244imet\r\nkissa\n\nn\nL \n/POISTU\nkoira\n";
  const testing::RunResult plain = testing::runBinary({}, input, dir.path());
  testing::FakeEnvironment c850(input);
  EXPECT_EQ(runProgram({"haravoija"}, c850.env), 0);
  EXPECT_EQ(plain.exitStatus, 0);
  EXPECT_EQ(plain.out, c850.output());
  EXPECT_EQ(plain.err, "");
}

#ifdef HARAVOIJA_HAVE_LIBEDIT

// A temporary file holding `bytes`, to be read from its start.
std::unique_ptr<std::FILE, int (*)(std::FILE*)> tempFile(const std::string& bytes) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
  std::fwrite(bytes.data(), 1, bytes.size(), file.get());
  std::rewind(file.get());
  return file;
}

// At a UTF-8 locale, as on a Finnish desktop, the editor hands the Console
// the lines the plain reader would, and remembers the non-empty ones, a line
// repeated at once only once.
TEST(LineEditorTest, ConsoleGetsTheSameLinesAsFromTheStream) {
  struct OldLocale {
    std::string name = std::setlocale(LC_CTYPE, nullptr);
    ~OldLocale() { std::setlocale(LC_CTYPE, name.c_str()); }
  } old;
  ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
  // Line ends are LF only: read from a file rather than a terminal, libedit
  // takes a CR for a line end of its own.
  const std::string input =
      "El\303\244imet ja \303\205land\n\n#h\303\266p\303\266t\n\377L\303x\342\202\nkoira\nkoira\n"
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
  EXPECT_EQ(edited.console().ask(), "El\204imet ja \217land");
  EXPECT_EQ(streamed.console().ask(), "El\204imet ja \217land");
  // Bytes that are no characters become "?" both ways, none is dropped.
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(edited.console().readLine(), streamed.console().readLine());
  }
  EXPECT_EQ(edited.console().ask(), std::nullopt);
  EXPECT_EQ(streamed.console().ask(), std::nullopt);
  EXPECT_EQ(prompts, (std::vector<std::string>{"> ", "", "", "", "", "", "", "", "> "}));
  // The editor draws the prompt itself; the Console writes nothing of its own.
  EXPECT_EQ(edited.output(), "");
  // The end of input stays the end.
  EXPECT_EQ(editor->readLine("> "), std::nullopt);
  EXPECT_EQ(editor->rememberedLines(),
            (std::vector<std::string>{"El\303\244imet ja \303\205land", "#h\303\266p\303\266t",
                                      "?L?x??", "koira", "-kissa", "viimeinen"}));
}

#endif  // HARAVOIJA_HAVE_LIBEDIT

}  // namespace
}  // namespace haravoija
