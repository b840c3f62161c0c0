#include "engine/records/selection_state.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "table/program_state.h"

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

bool foundationOneIsSelection(const table::ProgramState& state) {
    namespace param = catalogue::param;
    const GameType type = gameTypeOf(state.params);
    return state.params[param::SelectionGame] != 0 || type == GameType::FourteenOut ||
           type == GameType::Pyramid;
}

} // namespace vellomir::engine
