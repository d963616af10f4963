// The JSON key of a small page, byte for byte as worked out by hand.
#include "output/key_json.h"

#include <gtest/gtest.h>

#include <string>

namespace haravoija {
namespace {

TEST(KeyJsonTest, WritesOneObjectWithRowsAndColumnsCountedFromOne) {
  // K I S A
  // A B B A
  // Ä T A T
  PuzzlePage page;
  page.title = "Sanat & <\204> \"x\"\001";
  page.rows = {"KISA", "ABBA", "\216TA "};
  page.words = {"Abba", "Koira", "Sb", "\216t"};
  page.phrase = "A t";
  EXPECT_EQ(keyJson(page, solvePage(page)),
            "{\"title\":\"Sanat & <\303\244> \\\"x\\\"\\u0001\",\"rows\":3,\"columns\":4,"
            "\"grid\":[\"KISA\",\"ABBA\",\"\303\204TA \"],"
            "\"words\":["
            "{\"word\":\"Abba\",\"occurrences\":[{\"row\":2,\"column\":1,\"direction\":\"E\","
            "\"endRow\":2,\"endColumn\":4}]},"
            "{\"word\":\"Koira\",\"occurrences\":[]},"
            "{\"word\":\"Sb\",\"occurrences\":["
            "{\"row\":1,\"column\":3,\"direction\":\"SW\",\"endRow\":2,\"endColumn\":2},"
            "{\"row\":1,\"column\":3,\"direction\":\"S\",\"endRow\":2,\"endColumn\":3}]},"
            "{\"word\":\"\303\204t\",\"occurrences\":[{\"row\":3,\"column\":1,\"direction\":\"E\","
            "\"endRow\":3,\"endColumn\":2}]}],"
            "\"phrase\":\"A t\",\"phraseMatches\":false}");

  page.phrase.reset();
  const std::string json = keyJson(page, solvePage(page));
  EXPECT_TRUE(json.ends_with(",\"phrase\":null,\"phraseMatches\":null}")) << json;
}

}  // namespace
}  // namespace haravoija
