#include "catalogue_compiler/catalogue_writer.h"

#include "catalogue/catalogue_format.h"
#include "catalogue/parameter_names.h"
#include "settings/number_text.h"

#include <algorithm>

namespace vellomir::tools {
namespace {

using namespace catalogue;

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string gameListLine(const GameSource& game) {
    std::string line =
        settings::formatNumber(game.group, 3) + " " + settings::formatNumber(game.number, 3);
    line += game.availability;
    line += ' ';
    line += game.chooserMark;
    line += padded(game.name, kNameWidth);
    return scramble(line);
}

std::string parameterLine(int index, const std::vector<const GameSource*>& columns) {
    // Characters 5-16 are not read; they carry the cell's name for whoever
    // looks at the file.
    std::string line = settings::formatNumber(index, static_cast<int>(kIndexWidth));
    line += scramble(padded(cellLabel(index), kFirstValueOffset - kIndexWidth));
    const std::string separator = scramble(" ");
    for (const GameSource* game : columns) {
        line += scramble(
            padded(std::to_string(game->column[static_cast<std::size_t>(index)]), kValueWidth));
        line += separator;
    }
    return line;
}

} // namespace

std::string writeCatalogue(std::vector<GameSource> games) {
    std::stable_sort(games.begin(), games.end(),
                     [](const GameSource& a, const GameSource& b) { return a.number < b.number; });
    std::string text =
        "; Vellomir game catalogue, compiled from data/games by vellomir-catalogue-compiler.\n";
    text += std::string(kGameListHeader) + "\n";
    std::vector<const GameSource*> columns;
    for (const GameSource& game : games) {
        text += gameListLine(game) + "\n";
        if (game.availability == kAvailableMark) {
            columns.push_back(&game);
        }
    }
    text += std::string(kParameterHeader) + "\n";
    for (int index = 1; index < GameParameters::kCells; ++index) {
        text += parameterLine(index, columns) + "\n";
    }
    return text;
}

} // namespace vellomir::tools
