// Each direction's names against the way its step goes.
#include "output/direction_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace haravoija {
namespace {

TEST(DirectionNamesTest, EveryNameSaysWhichWayTheStepGoes) {
  for (const Direction direction : kAllDirections) {
    const Step step = directionStep(direction);
    const DirectionNames names = directionNames(direction);
    const std::string north = step.row < 0 ? "N" : step.row > 0 ? "S" : "";
    const std::string east = step.column > 0 ? "E" : step.column < 0 ? "W" : "";
    EXPECT_EQ(names.compass, north + east);
    // Up or down first, then right or left.
    const std::string up = step.row < 0 ? "yl\224s" : step.row > 0 ? "alas" : "";
    const std::string right = step.column > 0 ? "oikealle" : step.column < 0 ? "vasemmalle" : "";
    EXPECT_EQ(names.words, up + (up.empty() || right.empty() ? "" : " ") + right);
    // U+2190 to U+2193 point W N E S, U+2196 to U+2199 NW NE SE SW.
    const std::vector<std::string> turns = step.row == 0 || step.column == 0
                                               ? std::vector<std::string>{"W", "N", "E", "S"}
                                               : std::vector<std::string>{"NW", "NE", "SE", "SW"};
    const auto turn = std::find(turns.begin(), turns.end(), north + east) - turns.begin();
    const char last = static_cast<char>((turns[0] == "W" ? 0x90 : 0x96) + turn);
    EXPECT_EQ(names.arrow, std::string("\342\206") + last) << names.compass;
  }
}

}  // namespace
}  // namespace haravoija
