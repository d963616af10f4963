// The playable page's script and style sheet, kept in the tree as
// play_page.js and play_page.css and compiled in from there by the build.
#ifndef HARAVOIJA_OUTPUT_PLAY_ASSETS_H_
#define HARAVOIJA_OUTPUT_PLAY_ASSETS_H_

#include <string_view>

namespace haravoija {

// The bytes of play_page.js (UTF-8). The build refuses a script that holds
// "</script", which would end the element it is put in.
std::string_view playScript();
// The bytes of play_page.css (UTF-8), likewise without "</style".
std::string_view playStyle();

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_PLAY_ASSETS_H_
