// Tests of typed-line input: piped input is unaffected by line editing, and
// the libedit reader hands the Console the same lines as the plain reader.
#include "app/line_editor.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "fakes.h"
#include "test_util.h"

namespace haravoija {
namespace {

using testing::FakeConsole;
using testing::runBinary;
using testing::RunResult;
using testing::TempDir;

// The binary with piped standard input (which never gets the line editor,
// whether or not the build has one) writes exactly what the program writes
// on a console over string streams.
TEST(LineEditorTest, PipedInputBehavesAsWithoutEditor) {
  TempDir dir;
  const std::string input = "El\303\244imet\r\nkissa\n\nn\nL \n/POISTU\nkoira\n";
  const RunResult plain = runBinary({}, input, dir.path());
  testing::FakeEnvironment c850(input);
  EXPECT_EQ(runProgram({"haravoija"}, c850.env), 0);
  EXPECT_EQ(plain.exitStatus, 0);
  EXPECT_EQ(plain.out, c850.output());
  EXPECT_EQ(plain.err, "");
}

#ifdef HARAVOIJA_HAVE_LIBEDIT

// A file standing in for the input: libedit reads it as plain lines.
class EditorInput {
 public:
  explicit EditorInput(const std::string& bytes) : in_(std::tmpfile()), out_(std::tmpfile()) {
    std::fwrite(bytes.data(), 1, bytes.size(), in_);
    std::fflush(in_);
    std::rewind(in_);
  }
  ~EditorInput() {
    std::fclose(in_);
    std::fclose(out_);
  }
  EditorInput(const EditorInput&) = delete;
  EditorInput& operator=(const EditorInput&) = delete;
  std::FILE* in() const { return in_; }
  std::FILE* out() const { return out_; }

 private:
  std::FILE* in_;
  std::FILE* out_;
};

// Runs the test body at a UTF-8 locale, as on a Finnish desktop, and puts the
// old locale back afterwards.
class Utf8Locale {
 public:
  Utf8Locale() : old_(std::setlocale(LC_CTYPE, nullptr)) {
    active_ = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
  }
  ~Utf8Locale() { std::setlocale(LC_CTYPE, old_.c_str()); }
  bool active() const { return active_; }

 private:
  std::string old_;
  bool active_ = false;
};

TEST(LineEditorTest, ReadsLinesAndRemembersTheNonEmptyOnes) {
  EditorInput input("kissa\n\nkoira\nkoira\n-kissa\nviimeinen");
  auto editor = LineEditor::open(input.in(), input.out());
  ASSERT_NE(editor, nullptr);
  std::vector<std::string> lines;
  while (auto line = editor->readLine("> ")) lines.push_back(*line);
  EXPECT_EQ(lines,
            (std::vector<std::string>{"kissa", "", "koira", "koira", "-kissa", "viimeinen"}));
  // The end of input stays the end.
  EXPECT_EQ(editor->readLine("> "), std::nullopt);
  EXPECT_EQ(editor->rememberedLines(),
            (std::vector<std::string>{"kissa", "koira", "-kissa", "viimeinen"}));
}

TEST(LineEditorTest, ConsoleGetsTheSameLinesAsFromTheStream) {
  Utf8Locale locale;
  ASSERT_TRUE(locale.active());
  // Line ends are LF only: read from a file rather than a terminal, libedit
  // takes a CR for a line end of its own.
  const std::string input =
      "El\303\244imet ja \303\205land\n\n#h\303\266p\303\266t\n\377L\303x\342\202\n";
  EditorInput file(input);
  auto opened = LineEditor::open(file.in(), file.out());
  ASSERT_NE(opened, nullptr);
  std::shared_ptr<LineEditor> editor = std::move(opened);

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
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(edited.console().readLine(), streamed.console().readLine());
  }
  EXPECT_EQ(edited.console().ask(), std::nullopt);
  EXPECT_EQ(streamed.console().ask(), std::nullopt);
  EXPECT_EQ(prompts, (std::vector<std::string>{"> ", "", "", "", "", "> "}));
  // The editor draws the prompt itself; the Console writes nothing of its own.
  EXPECT_EQ(edited.output(), "");
}

#endif  // HARAVOIJA_HAVE_LIBEDIT

}  // namespace
}  // namespace haravoija
