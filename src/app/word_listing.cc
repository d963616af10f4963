// Laying out the word list in columns for the console.
#include "app/word_listing.h"

#include <algorithm>

namespace haravoija {
namespace {

constexpr std::size_t kListingWidth = 78;
constexpr std::size_t kColumnGap = 2;

}  // namespace

std::string formatWordListing(const WordList& list) {
  std::size_t longest = 0;
  for (const std::string& word : list.words()) longest = std::max(longest, word.size());
  const std::size_t columnWidth = longest + kColumnGap;

  std::string text = "Annetut sanat:\n";
  std::size_t lineWidth = 0;
  for (const std::string& word : list.words()) {
    lineWidth += columnWidth;
    if (lineWidth > kListingWidth) {
      // A column wider than the line itself also breaks before the first word.
      lineWidth = columnWidth;
      text += '\n';
    }
    text += word;
    text.append(columnWidth - word.size(), ' ');
  }
  text += "\nSanoja annettu yhteens\204 " + std::to_string(list.size()) + ".\n";
  return text;
}

}  // namespace haravoija
