// Fuzz target: any puzzle the program can make, written as a document and
// imported back, yields exactly its placed words, and no title, phrase or
// cell closes a comment or opens markup on the page.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_set>

#include "../tests/document_round_trip.h"
#include "puzzle/fill.h"
#include "puzzle/grid.h"
#include "text/letters.h"

namespace {

// Every byte the letter test accepts: A-Z a-z and the six Finnish letters.
std::string letterAlphabet() {
  std::string letters;
  for (int c = 0; c < 256; ++c) {
    if (haravoija::isLetter(static_cast<unsigned char>(c))) letters += static_cast<char>(c);
  }
  return letters;
}

// A line as the console reads it: any bytes but the line end.
std::string consoleLine(FuzzedDataProvider& input, std::size_t most) {
  std::string line = input.ConsumeRandomLengthString(most);
  std::erase(line, '\n');
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string kLetters = letterAlphabet();
  FuzzedDataProvider input(data, size);

  const int rows = input.ConsumeIntegralInRange(1, 40);
  const int columns = input.ConsumeIntegralInRange(1, 40);
  haravoija::Grid grid = haravoija::create(rows, columns);

  // Words as the word list holds them: letters only, 2-79 bytes, no two
  // with the same key. Their letters go into the grid upper-cased.
  const int wordCount = input.ConsumeIntegralInRange(0, 70);
  std::unordered_set<std::string> keys;
  for (int i = 0; i < wordCount && input.remaining_bytes() > 0; ++i) {
    const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(haravoija::kMinWordLength,
                                                                         haravoija::kMaxWordLength);
    std::string word;
    for (std::size_t j = 0; j < length; ++j) {
      word += kLetters[input.ConsumeIntegralInRange<std::size_t>(0, kLetters.size() - 1)];
    }
    if (!keys.insert(haravoija::toUpperText(word)).second) continue;
    const int row = input.ConsumeIntegralInRange(0, rows - 1);
    const int column = input.ConsumeIntegralInRange(0, columns - 1);
    grid.setCell(row, column, haravoija::toUpperLetter(static_cast<unsigned char>(word[0])));
    grid.placedWords.push_back(word);
  }

  // A title from the dialogue passes the name test; the batch run's is the
  // command-line argument, which can hold anything but a NUL.
  std::string title = input.ConsumeRandomLengthString(200);
  if (input.ConsumeBool()) {
    std::erase(title, '\n');
    if (!haravoija::checkTitle(title)) title = "Otsikko";
  } else {
    std::erase(title, '\0');
  }

  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
      haravoija::fillRandom(grid);
      break;
    case 1:
      haravoija::fillWithPhrase(grid, consoleLine(input, 300));
      break;
    default:
      break;  // cells left empty
  }

  if (const std::string fault = haravoija::testing::documentRoundTripFault(grid, title);
      !fault.empty()) {
    std::fprintf(stderr, "document round trip: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
