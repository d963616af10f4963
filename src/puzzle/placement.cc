// The three draws that start every placement scan.
#include "puzzle/placement.h"

namespace haravoija {

ScanStart drawScanStart(int rowCount, int columnCount, RandomSource& random) {
  ScanStart start;
  start.rowOffset = random.draw() * rowCount / kRandomMax;
  start.columnOffset = random.draw() * columnCount / kRandomMax;
  start.directionOffset = random.draw() * 8 / kRandomMax;
  return start;
}

}  // namespace haravoija
