// The playable page: the puzzle's content escaped into markup only, every
// cell and word findable, and the phrase present only as its digest.
#include "output/play_page.h"

#include <gtest/gtest.h>

#include <string>

#include "output/play_assets.h"
#include "test_util.h"

namespace haravoija {
namespace {

using testing::occurrences;

TEST(PlayPageTest, EscapesTheWorstAPageCanHoldKeepsThePhraseOutAndSaysItsOwnWords) {
  // A title, cells and a phrase that would end the script or the markup.
  const PuzzlePage page{"Tom & \"Jerry\" <3 </script><b>\216",
                        {"K<&", "\216\"A"},
                        {"K\204", "Aa"},
                        "Hyv\204\204 p\204iv\204\204"};
  const std::string out = playPage(page).value();
  const std::string title = "Tom &amp; &quot;Jerry&quot; &lt;3 &lt;/script&gt;&lt;b&gt;\303\204";
  EXPECT_NE(out.find("<title>" + title + "</title>"), std::string::npos);
  EXPECT_NE(out.find("<h1>" + title + "</h1>"), std::string::npos);
  EXPECT_NE(out.find("<style>\n" + std::string(playStyle()) + "</style>"), std::string::npos);
  EXPECT_TRUE(
      out.ends_with("<script>\n" + std::string(playScript()) + "</script>\n</body>\n</html>\n"));
  EXPECT_EQ(occurrences(out, "</script"), 1u);
  EXPECT_EQ(occurrences(out, "<b>"), 0u);
  EXPECT_NE(out.find("<span data-row=\"1\" data-column=\"2\">&lt;</span>"
                     "<span data-row=\"1\" data-column=\"3\">&amp;</span>\n"
                     "<span data-row=\"2\" data-column=\"1\">\303\204</span>"
                     "<span data-row=\"2\" data-column=\"2\">&quot;</span>"),
            std::string::npos);
  EXPECT_NE(out.find("<li data-word=\"K\303\244\">K\303\244</li>\n<li data-word=\"Aa\">Aa</li>"),
            std::string::npos);
  EXPECT_NE(out.find("data-rows=\"2\" data-columns=\"3\""), std::string::npos);
  // HYVÄÄPÄIVÄÄ in UTF-8, digested elsewhere.
  EXPECT_NE(
      out.find("data-hash=\"78ae7237de42ca8545da2db91100e0ccea4b9557a18a6ce1a0699b7304bf52ca\""),
      std::string::npos);
  EXPECT_EQ(out.find("yv\303\244\303\244"), std::string::npos);
  EXPECT_EQ(out.find("YV\303\204\303\204"), std::string::npos);

  // The page's own words, once each.
  for (const char* text :
       {"<p class=\"ohje\">Merkitse sana vetämällä sen ensimmäisestä kirjaimesta viimeiseen. "
        "Näppäimistöllä nuolet siirtävät kohdistinta, ja Enter tai välilyönti merkitsee sanan "
        "alun ja lopun.</p>\n",
        "title=\"Pienennä\" aria-label=\"Pienennä\">−</button>",
        "title=\"Suurenna\" aria-label=\"Suurenna\">+</button>",
        "<h2>Kaikki sanat löydetty!</h2>\n<p id=\"aika\"></p>\n<p>Yli jääneet kirjaimet: <span",
        "<label for=\"lauseKentta\">Piilolause:</label> <input id=\"lauseKentta\" "
        "autocomplete=\"off\" spellcheck=\"false\"> <button type=\"submit\">Tarkista</button> "
        "<span id=\"lauseTulos\" role=\"status\"></span></form>\n",
        "<button type=\"button\" id=\"alusta\">Aloita alusta</button>"}) {
    EXPECT_EQ(occurrences(out, text), 1u) << text;
  }

  PuzzlePage plain = page;
  plain.phrase.reset();
  EXPECT_EQ(playPage(plain).value().find("data-hash"), std::string::npos);
}

}  // namespace
}  // namespace haravoija
