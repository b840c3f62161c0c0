#include "engine/selection_state.h"

#include "catalogue/parameter_index.h"
#include "table/program_state.h"

namespace vellomir::engine {

bool foundationOneIsSelection(const table::ProgramState& state) {
    namespace param = catalogue::param;
    const int type = state.params[param::GameType];
    return state.params[param::SelectionGame] != 0 || type == 3 || type == 4;
}

} // namespace vellomir::engine
