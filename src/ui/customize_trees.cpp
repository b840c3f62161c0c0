#include "ui/customize_trees.h"

namespace vellomir::ui {
namespace {

ChoiceNode group(const char* text, std::vector<ChoiceNode> children) {
    return {QString::fromLatin1(text), 0, std::move(children)};
}

ChoiceNode entry(const char* text, int number) {
    return {QString::fromLatin1(text), number, {}};
}

} // namespace

const std::vector<ChoiceNode>& cardBackTree() {
    static const std::vector<ChoiceNode> tree{
        group("Animals", {entry("Tropical fish", 19)}),
        group("Children", {entry("Snowman", 3)}),
        group("Classics", {entry("Classic blue", 7)}),
        // The back shows water lilies on a pond.
        group("Famous pictures", {entry("Claude Monet", 1)}),
        group("Flowers", {entry("Roses", 14)}),
        group("Geometric", {entry("Plaiting 1", 11), entry("Plaiting 2", 6)}),
        group("Nature", {entry("Lake", 20)}),
    };
    return tree;
}

const std::vector<ChoiceNode>& backgroundTree() {
    // Colour numbers hold blue in the high byte: 0x00BBGGRR.
    static const std::vector<ChoiceNode> tree{
        group("Colors", {entry("Blue", 16711680), entry("Green", 32768), entry("Navy", 8388608),
                         entry("Olive", 32896), entry("Teal", 8421376), entry("White", 16777215)}),
        group("Over 256 colors",
              {group("Metal", {entry("Metal gold", 287)}), group("Nature", {entry("Meadow", 324)}),
               group("Tissue", {entry("Moquette 1", 296)}),
               group("Walls", {entry("Brick wall 1", 304)}),
               group("Wood", {entry("Parquet", 311)})}),
        group("Under 256 colors", {group("Geometricals", {entry("Moquette", 102)})}),
    };
    return tree;
}

BackgroundKind backgroundKindOf(int number) {
    if (number == 1) {
        return BackgroundKind::ColourField;
    }
    if (number >= 2 && number <= 1000) {
        return BackgroundKind::Picture;
    }
    if (number > 1000) {
        return BackgroundKind::FixedColour;
    }
    return BackgroundKind::Default;
}

BackgroundSettings backgroundSettingsFor(int number, long long colourField) {
    switch (backgroundKindOf(number)) {
    case BackgroundKind::Default:
        return {"0", colourField, 0, true};
    case BackgroundKind::ColourField:
        return {"0", colourField, 0, false};
    case BackgroundKind::Picture:
        return {std::to_string(number), 0, 0, false};
    case BackgroundKind::FixedColour:
        break;
    }
    return {"0", 0, number, false};
}

} // namespace vellomir::ui
