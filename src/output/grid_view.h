// The finished grid as the console shows it.
#ifndef HARAVOIJA_OUTPUT_GRID_VIEW_H_
#define HARAVOIJA_OUTPUT_GRID_VIEW_H_

#include <string>

#include "puzzle/grid.h"

namespace haravoija {

// The console view of the grid as CP850 lines, each ending in "\n".
std::string gridView(const Grid& grid);

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_GRID_VIEW_H_
