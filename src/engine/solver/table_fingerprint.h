#pragma once

#include <cstdint>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// A 64-bit hash of everything that decides how a game can go on from here:
/// every pile string (the selection of the pairing games included, since it
/// lies in foundation 1), every card's face, the passes used when passes
/// are limited, the move phase of the games that treat their first move
/// apart, the miss count, the deal counter as far as
/// the engine reads it (its parity and its value modulo 13), the flags
/// that gate the next press and the Autoplay tick. Two positions with the same fingerprint play
/// the same from here on; the pointer's drag state, the clock and the
/// layout are left out.
std::uint64_t tableFingerprint(const table::ProgramState& state);

} // namespace vellomir::engine
