// Fuzz target: any bytes read as a saved page, then written as the playable
// page. The page is UTF-8, and the page's text is escaped wherever it lands:
// it adds no < > or " to what a page of the same shape and plain letters has.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "checks.h"
#include "fakes.h"
#include "key/puzzle_page.h"
#include "output/play_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace haravoija;
  testing::StringFile file(std::string(reinterpret_cast<const char*>(data), size));
  const PageReading reading = readPuzzlePage(file);
  if (reading.error != PageError::kNone) return 0;
  const PuzzlePage& page = reading.page;
  PuzzlePage plain{"T", {}, std::vector<std::string>(page.words.size(), "Aa"), {}};
  plain.rows.assign(page.rows.size(), std::string(page.rows[0].size(), 'A'));
  if (page.phrase) plain.phrase = "A";
  const std::optional<std::string> made = playPage(page);
  fuzzing::check(made.has_value(), "a page read makes a playable page");
  const std::string& played = *made;
  const std::string reference = playPage(plain).value();
  fuzzing::check(fuzzing::isUtf8(played), "the page in UTF-8");
  for (const char c : {'<', '>', '"'}) {
    fuzzing::check(std::ranges::count(played, c) == std::ranges::count(reference, c),
                   "the page's text escaped");
  }
  return 0;
}
