// Tests of the page format: the user's text and the information comment as the page writer
// writes them and the readers read them back.
#include "page/page_format.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "test_util.h"

namespace haravoija {
namespace {

TEST(PageFormatTest, TextGoesOntoThePageAsTextAndComesBack) {
  // CP850 text and its page text (ISO 8859-1, markup escaped).
  const std::pair<std::string, std::string> cases[] = {
      {"Tom & J\204rry <b>", "Tom &amp; J\344rry &lt;b&gt;"},
      {"\"x\" --> &amp; \216\231\206", "\"x\" --&gt; &amp;amp; \304\326\345"}};
  for (const auto& [text, page] : cases) {
    EXPECT_EQ(toPageText(text), page);
    EXPECT_EQ(fromPageText(page), text);
  }
  EXPECT_EQ(escapeMarkup("a\"<&>", Quotes::kEscaped), "a&quot;&lt;&amp;&gt;");
  // Older pages wrote the characters as they are; no other reference is read.
  EXPECT_EQ(fromPageText("A<b -->x & &am &quot;&lt"), "A<b -->x & &am &quot;&lt");
  EXPECT_EQ(trimmedPageLine(" \t<!--Sanat--> \t"), kWordsMarker);
}

// Its bytes are checked with the whole page, in output/.
TEST(PageFormatTest, TheInformationCommentReadsBack) {
  // Its spaces its own, and the words of the signature.
  const std::string phrase = "Ab  c & <d> --> \204 Haravoija -ohjelmalla ";
  const std::string comment = informationComment(12, 3, 7, phrase);
  // Which lines sign the page and give the phrase, read without their line ends.
  std::string signs, phrases;
  for (std::string line : testing::split(comment.substr(0, comment.size() - 2), '\n')) {
    line.pop_back();
    signs += isSignatureLine(line) ? '1' : '0';
    phrases += phraseOfLine(line).value_or("-") == phrase ? '1' : '0';
  }
  EXPECT_EQ(signs + " " + phrases, "100000 000010");
}

}  // namespace
}  // namespace haravoija
