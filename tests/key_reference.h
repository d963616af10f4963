// The word search of the answer key written out plainly: every cell, every
// direction, letter by letter. The yardstick for the program's automaton.
#ifndef HARAVOIJA_TESTS_KEY_REFERENCE_H_
#define HARAVOIJA_TESTS_KEY_REFERENCE_H_

#include <string>
#include <vector>

#include "key/word_search.h"

namespace haravoija::testing {

// Where `word` lies in the rows, as findWords promises to report it: letter
// case ignored, a space matching nothing, a word that reads the same
// backwards only in the directions E, S, SE and NE, a word of one letter
// only as E; in reading order, then by direction code.
std::vector<Occurrence> plainOccurrences(const std::vector<std::string>& rows,
                                         const std::string& word);

// The cells an occurrence covers, as (row, column) pairs from its start.
std::vector<std::pair<int, int>> cellsOf(const Occurrence& occurrence);

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_KEY_REFERENCE_H_
