#pragma once

#include <QString>

#include <string>
#include <vector>

namespace vellomir::ui {

// The entries of the customise dialog's two trees. Every node carries a
// number: a group is 0; a card back is its back number ("D" + size + NNN in
// the resource library); a background is read by backgroundKindOf.
struct ChoiceNode {
    QString text;
    int number = 0;
    std::vector<ChoiceNode> children;
};

// The card backs, grouped by theme.
const std::vector<ChoiceNode>& cardBackTree();
// The table backgrounds: plain colours, and pictures grouped by the colours
// the screen needs.
const std::vector<ChoiceNode>& backgroundTree();

// What a background node's number stands for.
enum class BackgroundKind {
    // 0: a group node, the default green table.
    Default,
    // 1: the plain colour of the colour field (Background_Col).
    ColourField,
    // 2-1000: the library picture "B" + the number.
    Picture,
    // Above 1000: a fixed colour whose value is the number itself.
    FixedColour,
};
BackgroundKind backgroundKindOf(int number);

// The four background settings a node's choice stores.
struct BackgroundSettings {
    std::string picture;       // Background_bmp, settings position 43
    long long colour = 0;      // Background_Col, position 28
    long long fixedColour = 0; // Background_Fixed_Col, position 47
    bool useDefault = false;   // Background_Def, position 27
};
// `colourField` is the colour the dialog keeps for "a plain colour" (the
// stored Background_Col, or the button-face colour when that is 0).
BackgroundSettings backgroundSettingsFor(int number, long long colourField);

} // namespace vellomir::ui
