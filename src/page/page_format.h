// The saved puzzle page's format: the markers and fixed lines that the page
// writer puts on it and the page readers look for, and the user's text on
// the page with & < > as character references, both ways.
#ifndef HARAVOIJA_PAGE_PAGE_FORMAT_H_
#define HARAVOIJA_PAGE_PAGE_FORMAT_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace haravoija {

// Limits past which a page cannot come from the program, for its readers.
// The largest pages it makes, 1000 x 1000 letters with thousands of words,
// take about 35 megabytes, and their words well under 2 megabytes: the
// words' letters and every byte of a page read back are a few times that
// at most, and a million words a few times more than any real list.
inline constexpr std::size_t kLargestPageBytes = std::size_t{64} << 20;
inline constexpr std::size_t kMostPageWords = 1'000'000;
inline constexpr std::size_t kMostPageWordBytes = std::size_t{4} << 20;

// Page bytes are ISO 8859-1 (document code); the texts marked CP850 are
// converted by whoever writes them. Pages end their lines in CR LF; older
// pages in LF alone, which the readers take too.
inline constexpr std::string_view kPageLineEnd = "\r\n";

// Each on a line of its own: the grid table follows the grid marker, and the
// word list lies between the words marker and the end marker.
inline constexpr std::string_view kGridMarker = "<!--Ristikko-->";
inline constexpr std::string_view kWordsMarker = "<!--Sanat-->";
inline constexpr std::string_view kEndMarker = "<!--Loppu-->";
// Opens each line of the word list that holds a word.
inline constexpr std::string_view kWordLead = "<br>";

inline constexpr std::string_view kTitleStart = "<title>";
inline constexpr std::string_view kTitleEnd = "</title>";

// A grid row is a line that opens with kRowStart, continued on further
// lines until one ends with kRowEnd. Each cell holds its one letter (a space
// when empty) between kLetterStart and kLetterEnd; kTableEnd alone on a line
// closes the grid.
inline constexpr std::string_view kRowStart = "<tr>";
inline constexpr std::string_view kRowEnd = "</tr>";
inline constexpr std::string_view kCellStart = "<td align = \"center\">";
inline constexpr std::string_view kCellEnd = "</td>";
inline constexpr std::string_view kLetterStart = "<b>";
inline constexpr std::string_view kLetterEnd = "</b>";
inline constexpr std::string_view kTableEnd = "</table>";

// The reader's sign that a page is the program's own: part of the first
// line of the information comment.
inline constexpr std::string_view kSignature = "Haravoija -ohjelmalla";
// Opens the line of the information comment that holds the hidden phrase.
inline constexpr std::string_view kPhraseLead =
    "J\344ljelle j\344\344vist\344 kirjaimista muodostuu: ";

// The lines under the word list where the solver writes (CP850).
inline constexpr std::string_view kPhraseQuestionLine =
    "Mit\204 j\204ljelle j\204\204vist\204 kirjaimista muodostuu? _____________________________";
inline constexpr std::string_view kSolverLine = "Ristikon ratkaisi ____________________________";

// True for the lines that open or close the word list's paragraphs and
// columns: they carry no words, whatever follows on them.
constexpr bool isWordListFrameLine(std::string_view line) {
  return line.starts_with("<p") || line.starts_with("</");
}

enum class Quotes { kKept, kEscaped };

// The markup characters & < > as character references, and " too when
// asked. Every other byte as it is, so any ASCII-based code (document code,
// UTF-8) goes through.
std::string escapeMarkup(std::string_view text, Quotes quotes = Quotes::kKept);
// The reference for one byte as escapeMarkup writes it; empty when the
// byte stands for itself.
std::string_view markupReference(char c, Quotes quotes);
// The references &amp; &lt; &gt; read back; anything else as it is (older
// pages wrote the characters themselves).
std::string unescapeMarkup(std::string_view text);

// CP850 text as the page shows it: document code, markup escaped.
std::string toPageText(std::string_view cp850);
// Page text back to CP850.
std::string fromPageText(std::string_view pageText);

// The line without the spaces and tabs around it.
std::string_view trimmedPageLine(std::string_view line);

// The signature line and the information comment, each line ending in
// kPageLineEnd: the grid's size, the number of words and, when `phrase`
// (CP850, as the page shows it) is not empty, the phrase. The user's text
// cannot end the comment.
// REQUIRES: the phrase holds no line end.
std::string informationComment(int rows, int columns, std::size_t words, std::string_view phrase);

// True for the signature line: a comment that holds kSignature.
// REQUIRES (both): a line of the page without its line end, CR included.
bool isSignatureLine(std::string_view line);
// The phrase (CP850) when the line is the information comment's phrase line.
std::optional<std::string> phraseOfLine(std::string_view line);

}  // namespace haravoija

#endif  // HARAVOIJA_PAGE_PAGE_FORMAT_H_
