// File opening that refuses what cannot be read as a word file.
#include "text/files.h"

#include <sys/stat.h>

namespace haravoija {

bool openForReading(std::ifstream& stream, const std::string& diskName) {
  if (diskName.empty() || diskName.find('\0') != std::string::npos) return false;
  struct stat info {};
  if (::stat(diskName.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  stream.open(diskName, std::ios::in | std::ios::binary);
  return stream.is_open();
}

}  // namespace haravoija
