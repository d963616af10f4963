// The word listing of word entry's N command.
#ifndef HARAVOIJA_APP_WORD_LISTING_H_
#define HARAVOIJA_APP_WORD_LISTING_H_

#include <string>

#include "words/word_list.h"

namespace haravoija {

// The whole listing, each line ending in '\n': the heading, the words in
// columns of the longest word's length plus two (as many as fit in 78
// characters, trailing blanks kept), and the count line.
std::string formatWordListing(const WordList& list);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_WORD_LISTING_H_
