// Tests of console line reading and writing.
#include "app/console.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace haravoija {
namespace {

using testing::FakeConsole;

// Without a known character set bytes pass unchanged both ways.
TEST(ConsoleTest, ReadsLinesReportsTheEndAndEndsEveryWrittenLineOnce) {
  FakeConsole fake("\204ka\r\ntoka\n\nviimeinen");
  Console& console = fake;
  EXPECT_EQ(console.ask(), "\204ka");
  EXPECT_EQ(console.readLine(), "toka");
  EXPECT_EQ(console.ask(), "");
  EXPECT_EQ(console.ask(), "viimeinen");
  EXPECT_EQ(console.ask(), std::nullopt);
  EXPECT_EQ(console.readLine(), std::nullopt);
  console.lines("\nyksi\n\nk\204ksi\n");
  console.lines("kolme");
  console.lines("");
  EXPECT_EQ(fake.output(), "> > > > \nyksi\n\nk\204ksi\nkolme\n");
}

TEST(ConsoleTest, ConvertsAtTheBoundaryOnly) {
  FakeConsole utf8("\303\244iti\n\342\202\254\n", Charset::kUtf8);
  Console& console = utf8;
  console.line("K\204vely \231");
  console.write("x");
  console.emptyLine();
  EXPECT_EQ(console.ask(), "\204iti");
  EXPECT_EQ(console.ask(), "?");
  EXPECT_EQ(utf8.output(), "K\303\244vely \303\226\nx\n> > ");
  EXPECT_EQ(utf8.console().toProgramText("sanat\303\266.txt"), "sanat\224.txt");
}

TEST(ConsoleTest, LineReaderReplacesTheStream) {
  FakeConsole fake("ignored\n", Charset::kUtf8);
  Console& console = fake;
  std::string seenPrompt = "unset";
  int calls = 0;
  console.setLineReader([&](std::string_view prompt) -> std::optional<std::string> {
    seenPrompt = std::string(prompt);
    if (++calls > 1) return std::nullopt;
    return std::string("\303\266\r");
  });
  EXPECT_EQ(console.ask(), "\224");
  EXPECT_EQ(seenPrompt, "> ");
  EXPECT_EQ(console.readLine(), std::nullopt);
  EXPECT_EQ(seenPrompt, "");
  EXPECT_EQ(fake.output(), "");  // the reader shows its own prompt
}

}  // namespace
}  // namespace haravoija
