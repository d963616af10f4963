// Opening files by name, shared by every part of the program that reads one.
#ifndef HARAVOIJA_TEXT_FILES_H_
#define HARAVOIJA_TEXT_FILES_H_

#include <fstream>
#include <string>

namespace haravoija {

// Opens the file with these bytes as its name for reading. False when it
// cannot be opened or is a directory.
[[nodiscard]] bool openForReading(std::ifstream& stream, const std::string& diskName);

}  // namespace haravoija

#endif  // HARAVOIJA_TEXT_FILES_H_
