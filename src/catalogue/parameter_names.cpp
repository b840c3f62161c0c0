#include "catalogue/parameter_names.h"

#include "catalogue/game_parameters.h"

namespace vellomir::catalogue {
namespace {

// Every name covers cells inside the table, indexes ascend, and no two names
// share a cell: checked when the program is compiled.
constexpr bool namesAreOrderedAndDisjoint() {
    int nextFree = 1;
    for (const ParameterName& entry : kParameterNames) {
        if (entry.index < nextFree || entry.lastIndex() >= GameParameters::kCells) {
            return false;
        }
        if (entry.minValue > entry.maxValue) {
            return false;
        }
        nextFree = entry.lastIndex() + 1;
    }
    return true;
}
static_assert(namesAreOrderedAndDisjoint());

} // namespace

const ParameterName* findParameter(std::string_view name) {
    for (const ParameterName& entry : kParameterNames) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

const ParameterName* parameterAt(int index) {
    for (const ParameterName& entry : kParameterNames) {
        if (index >= entry.index && index <= entry.lastIndex()) {
            return &entry;
        }
    }
    return nullptr;
}

std::string cellLabel(int index) {
    const ParameterName* entry = parameterAt(index);
    if (entry == nullptr) {
        return "#" + std::to_string(index);
    }
    std::string label(entry->name);
    if (entry->shape != ParameterShape::Single) {
        label += std::to_string(index - entry->index + 1);
    }
    return label;
}

} // namespace vellomir::catalogue
