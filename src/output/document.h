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

// The complete document bytes for the grid and title (CP850). The title and
// the hidden phrase have & < > written as character references.
std::string puzzleDocument(const Grid& grid, std::string_view title);

// Writes puzzleDocument under the stem plus ".html" (named on disk as the
// console's character set says) and prints the outcome. The document is
// complete on disk or not written at all: on any failure, a NUL in the stem
// included, an earlier file of that name stays as it was. New files get the
// rights 0664 less the umask.
void writePuzzleDocument(const Grid& grid, std::string_view stem, std::string_view title,
                         Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_DOCUMENT_H_
