// Reading the words out of a plain word file or a saved puzzle page.
#ifndef HARAVOIJA_WORDS_WORD_FILE_READER_H_
#define HARAVOIJA_WORDS_WORD_FILE_READER_H_

#include <string>
#include <vector>

#include "env/file_system.h"
#include "words/word_list.h"

namespace haravoija {

enum class WordFileMode { kPlain, kHtml };

// Reads the whole file and returns the new words it holds, in file order:
// letters only, kMinWordLength to kMaxWordLength bytes, not in `list` and not
// read before. The Finnish letters may come as ISO 8859-1, CP850 or UTF-8
// bytes and are returned as CP850. In HTML mode only the words between the
// page's word-list markers count. A read error ends the reading; the words of the lines read whole
// before it stay. In HTML mode the reading ends as at the end of the file once the page is larger
// than a saved page can be, or holds as many words or letters in them (page/page_format.h), so
// that memory stays bounded whatever the file holds.
std::vector<std::string> readWordFile(InputFile& file, WordFileMode mode, const WordList& list);

}  // namespace haravoija

#endif  // HARAVOIJA_WORDS_WORD_FILE_READER_H_
