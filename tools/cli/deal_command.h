#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// `deal GAME [DEALNUMBER] [--area WxH] [--layout]`: opens the game with the
/// real set-up on a drawing area of 1024 x 768 (or WxH) and prints the dealt
/// table. Without a deal number a new one is drawn. Returns the exit status:
/// 1 for a game that is not in the catalogue, 2 for a usage error.
int runDealCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                   std::ostream& out, std::ostream& err);

/// Reads a drawing area "WxH" with both sides from 100 to 10000 pixels.
bool parseArea(const std::string& text, int& width, int& height);

} // namespace vellomir::tools
