// SHA-256 of a byte string, for digests the playable page checks in the
// browser with the same function.
#ifndef HARAVOIJA_TEXT_SHA256_H_
#define HARAVOIJA_TEXT_SHA256_H_

#include <string>
#include <string_view>

namespace haravoija {

// The digest of the bytes as 64 lower-case hexadecimal digits.
std::string sha256Hex(std::string_view bytes);

}  // namespace haravoija

#endif  // HARAVOIJA_TEXT_SHA256_H_
