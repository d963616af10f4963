// The printable HTML puzzle document (ISO 8859-1, CR LF line ends).
#ifndef HARAVOIJA_OUTPUT_DOCUMENT_H_
#define HARAVOIJA_OUTPUT_DOCUMENT_H_

#include <string>
#include <string_view>
#include <vector>

#include "puzzle/grid.h"
#include "text/console.h"

namespace haravoija {

// True when `a` comes before `b` in the document's word list (byte by byte,
// upper-cased, unsigned; a prefix precedes nothing).
bool wordPrecedes(std::string_view a, std::string_view b);

// The document's word order: the unstable selection sort by wordPrecedes.
void sortDocumentWords(std::vector<std::string>& words);

// The complete document bytes for the grid and title.
std::string puzzleDocument(const Grid& grid, std::string_view title);

// Writes puzzleDocument under the stem plus ".html" and prints the outcome.
void writePuzzleDocument(const Grid& grid, std::string_view stem, std::string_view title,
                         Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_DOCUMENT_H_
