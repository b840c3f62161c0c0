#pragma once

#include <QImage>

namespace vellomir::tools {

class ResourceSet;

// One picture of everything the builder drew, section by section on the
// default table green, for looking over the art. Background tiles are shown
// two by two so that seams would show; cursors with their hot spot marked.
QImage drawContactSheet(const ResourceSet& resources);

} // namespace vellomir::tools
