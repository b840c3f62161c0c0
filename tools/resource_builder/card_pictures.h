#pragma once

namespace vellomir::tools {

class ResourceSet;

// The card pictures of the resource library, drawn in the three sizes B, M
// and L with the run-time card art:
//   "C" + size + set + suit letter   face sheets (sets "001" and "003")
//   "JOKER_" + size                  the joker
//   "D" + size + NNN                 the backs; medium cards shrink "DB" + NNN
//   "W" + size + suffix              the empty-pile marks
//   "SHADOW_" / "3D_BORDER_" + size + 1 or 2   the shadow and border pieces
void addCardFaces(ResourceSet& resources);
void addCardBacks(ResourceSet& resources);
void addPileMarks(ResourceSet& resources);
void addPieces(ResourceSet& resources);

} // namespace vellomir::tools
