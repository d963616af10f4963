// Tests of the page format: the user's text and the information comment
// written as the page writer writes them and read back as the readers do.
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
      {"\"x\" --> &amp; \216\231\206", "\"x\" --&gt; &amp;amp; \304\326\345"},
      {"", ""},
  };
  for (const auto& [text, page] : cases) {
    EXPECT_EQ(toPageText(text), page);
    EXPECT_EQ(fromPageText(page), text);
  }
  EXPECT_EQ(escapeMarkup("a\"<&>", Quotes::kEscaped), "a&quot;&lt;&amp;&gt;");
  // Older pages wrote the characters as they are; no other reference is read.
  EXPECT_EQ(fromPageText("A<b -->x & &am &quot;&lt"), "A<b -->x & &am &quot;&lt");
  EXPECT_EQ(trimmedPageLine(" \t<!--Sanat--> \t"), kWordsMarker);
}

TEST(PageFormatTest, TheInformationCommentReadsBackAndOnlyItsLastLineClosesIt) {
  const std::string head =
      "<!-- T\344m\344 tiedosto on laadittu Haravoija -ohjelmalla -->\r\n"
      "<!-- Tietoja ristikosta: \r\n         Ristikon koko: 12x3\r\n"
      "         Ristikossa yhteens\344 7 sanaa.";
  EXPECT_EQ(informationComment(12, 3, 7, ""), head + " -->\r\n");
  // Spaces inside and after the phrase are its own.
  const std::string phrase = "Ab  c & <d> --> \204 ";
  const std::string comment = informationComment(12, 3, 7, phrase);
  EXPECT_EQ(comment, head +
                         "\r\n         J\344ljelle j\344\344vist\344 kirjaimista muodostuu: "
                         "Ab  c &amp; &lt;d&gt; --&gt; \344 \r\n -->\r\n");
  EXPECT_EQ(testing::occurrences(comment, "-->"), 2U);
  // Which line signs the page, and which gives the phrase.
  std::string signs, phrases;
  for (const std::string& line : testing::split(comment.substr(0, comment.size() - 2), '\n')) {
    const std::string_view bare = std::string_view(line).substr(0, line.size() - 1);
    signs += isSignatureLine(bare) ? '1' : '0';
    const std::optional<std::string> read = phraseOfLine(bare);
    phrases += read ? '1' : '0';
    EXPECT_EQ(read.value_or(phrase), phrase);
  }
  EXPECT_EQ(signs, "100000");
  EXPECT_EQ(phrases, "000010");
  EXPECT_EQ(phraseOfLine("<!-- J\344ljelle j\344\344vist\344 kirjaimista muodostuu: x"),
            std::nullopt);
}

TEST(PageFormatTest, FrameLinesOfTheWordList) {
  std::string frames;
  for (const char* line : {"<p>", "</font></p>", "<pkissa", "<br>Kissa", "<", "p", "", " <p"}) {
    frames += isWordListFrameLine(line) ? '1' : '0';
  }
  EXPECT_EQ(frames, "11100000");
}

}  // namespace
}  // namespace haravoija
