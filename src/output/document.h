// The printable HTML puzzle document (ISO 8859-1, CR LF line ends).
#ifndef HARAVOIJA_OUTPUT_DOCUMENT_H_
#define HARAVOIJA_OUTPUT_DOCUMENT_H_

#include <string>
#include <string_view>
#include <vector>

#include "env/file_system.h"
#include "puzzle/grid.h"
#include "text/charset.h"

namespace haravoija {

// The document's word order: the unstable selection sort in which a word
// precedes another when, at the first position below both lengths where
// their bytes differ after toUpperLetter, its byte is the smaller
// (unsigned); a prefix precedes nothing.
void sortDocumentWords(std::vector<std::string>& words);

// The complete document bytes for the grid and title (CP850). The title and
// the hidden phrase have & < > written as character references.
// REQUIRES: the placed words keep the word rules (they are listed as they
// are), and the hidden phrase holds no line end.
std::string puzzleDocument(const Grid& grid, std::string_view title);

// Saves puzzleDocument under the stem plus ".html", the name on disk made
// from the CP850 stem as the console's character set says (diskFileName).
// False when it could not be saved (a NUL in the stem included); the file
// system then keeps an earlier file of that name as it was.
[[nodiscard]] bool writePuzzleDocument(FileSystem& files, const Grid& grid, std::string_view stem,
                                       std::string_view title, Charset consoleCharset);

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_DOCUMENT_H_
