#include "ui/customize_trees.h"

#include <QtGlobal>

namespace vellomir::ui {
namespace {

// The names are kept in English; the dialog shows them translated.
ChoiceNode group(const char* text, std::vector<ChoiceNode> children) {
    return {QString::fromLatin1(text), 0, std::move(children)};
}

ChoiceNode entry(const char* text, int number) {
    return {QString::fromLatin1(text), number, {}};
}

} // namespace

const std::vector<ChoiceNode>& cardBackTree() {
    static const std::vector<ChoiceNode> tree{
        group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Animals"),
              {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Tropical fish"), 19)}),
        group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Children"),
              {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Snowman"), 3)}),
        group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Classics"),
              {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Classic blue"), 7)}),
        // The back shows water lilies on a pond.
        group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Famous pictures"),
              {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Claude Monet"), 1)}),
        group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Flowers"),
              {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Roses"), 14)}),
        group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Geometric"),
              {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Plaiting 1"), 11),
               entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Plaiting 2"), 6)}),
        group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Nature"),
              {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Lake"), 20)}),
    };
    return tree;
}

const std::vector<ChoiceNode>& backgroundTree() {
    // Colour numbers hold blue in the high byte: 0x00BBGGRR.
    static const std::vector<ChoiceNode> tree{
        group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Colors"),
              {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Blue"), 16711680),
               entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Green"), 32768),
               entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Navy"), 8388608),
               entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Olive"), 32896),
               entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Teal"), 8421376),
               entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "White"), 16777215)}),
        group(
            QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Over 256 colors"),
            {group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Metal"),
                   {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Metal gold"), 287)}),
             group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Nature"),
                   {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Meadow"), 324)}),
             group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Tissue"),
                   {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Moquette 1"), 296)}),
             group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Walls"),
                   {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Brick wall 1"), 304)}),
             group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Wood"),
                   {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Parquet"), 311)})}),
        group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Under 256 colors"),
              {group(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Geometricals"),
                     {entry(QT_TRANSLATE_NOOP("vellomir::ui::CustomizeTrees", "Moquette"), 102)})}),
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
