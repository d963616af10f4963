// Writes the puzzle page of a grid given on standard input, for the browser
// check's samples. Input, CP850 lines: the title, the hidden phrase (empty
// for none), the row count, the rows, then the placed words one a line.
// The page goes to standard output.
#include <charconv>
#include <iostream>
#include <string>

#include "output/document.h"

int main() {
  std::string title;
  std::string phrase;
  std::string count;
  if (!std::getline(std::cin, title) || !std::getline(std::cin, phrase) ||
      !std::getline(std::cin, count)) {
    std::cerr << "page_writer: title, phrase and row count expected\n";
    return 1;
  }
  int rows = 0;
  if (std::from_chars(count.data(), count.data() + count.size(), rows).ec != std::errc() ||
      rows < 1) {
    std::cerr << "page_writer: bad row count\n";
    return 1;
  }
  haravoija::Grid grid;
  grid.hiddenPhrase = phrase;
  for (std::string line; grid.rowCount() < rows && std::getline(std::cin, line);) {
    grid.rows.push_back(line);
  }
  for (std::string word; std::getline(std::cin, word);) grid.placedWords.push_back(word);
  std::cout << haravoija::puzzleDocument(grid, title);
  return std::cout.good() ? 0 : 1;
}
