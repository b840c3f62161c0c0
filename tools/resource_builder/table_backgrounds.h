#pragma once

#include <QImage>

namespace vellomir::tools {

class ResourceSet;

// The table pictures by number, as the customise dialog lists them:
//   102 "Moquette", 287 "Metal gold", 296 "Moquette 1", 304 "Brick wall 1",
//   311 "Parquet", 324 "Meadow". All are below 500, so the table tiles them:
//   each is drawn to repeat without a seam.
inline constexpr int kBackgroundNumbers[] = {102, 287, 296, 304, 311, 324};

QImage drawTableBackground(int number);

// Adds "B" + NNN for every table picture.
void addTableBackgrounds(ResourceSet& resources);

} // namespace vellomir::tools
