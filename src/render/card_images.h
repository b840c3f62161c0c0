#pragma once

#include "render/card_art/card_outline.h"
#include "table/program_state.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace vellomir::resources {
class ResourceLibrary;
}

namespace vellomir::render {

// The image store the table is drawn from: 53 faces (hearts, diamonds,
// clubs, spades, each ace to king, then the joker), the current back, the
// empty-pile marks, the shadow and border pieces, the scratch card image and
// the table buffer. Everything is cut and scaled here, once per
// rebuild; drawing only copies.
class CardImages {
public:
    static constexpr int kFaceCount = 53;
    static constexpr int kJokerFace = 52;
    // The mark "021" is not kept: it is loaded each time it is drawn.
    static constexpr int kKeptMarks = 22;

    explicit CardImages(const resources::ResourceLibrary& library);

    // Reads the size letter (settings position 128): "B" 71 x 96, "M" 59 x 80,
    // "L" 25 x 32; any other letter keeps the size in force. Sets the card
    // size in the program state, rebuilds every image and copies face 0 into
    // the scratch card image. "F", cards fitted to the window, takes the
    // width the layout chose (the program state's card size) and draws the
    // pictures with the card art; they are kept while the size stays.
    void setCardSize(table::ProgramState& state);
    // Reloads marks, back, pieces and faces from the library for the current
    // size and the card set of settings position 24. Fitted cards are drawn
    // afresh, each picture when it is first needed.
    void rebuildImages(const table::ProgramState& state);
    // Reloads only the back (settings position 21). On medium cards every back
    // but "011" is the large back shrunk to 59 x 80.
    void loadBack(const table::ProgramState& state);

    // Device pixels to each card pixel (1 by default). Above 1 every picture,
    // those of the fixed sizes too, is drawn with the card art at that ratio
    // (the library's pictures have one pixel each); a change draws them again
    // when first needed, after rebuildImages() for the pieces.
    void setPixelRatio(int ratio);
    int pixelRatio() const { return m_pixelRatio; }
    bool fitted() const { return m_letter == 'F'; }
    // Whether the pictures are drawn with the card art rather than taken from
    // the library: fitted cards, and every size at a ratio above 1.
    bool drawsPictures() const { return m_letter == 'F' || m_pixelRatio != 1; }
    // How many fitted pictures were drawn since the size was set: pictures
    // are drawn once each, when first asked for.
    int fittedPicturesDrawn() const { return m_drawn; }

    // The face image index of a card number: 1-52 and 53-104 (the second
    // pack) give 0-51, 105 and above the joker (52); 0 or less gives -1.
    static int faceIndexOf(int cardNumber);
    // The face of a card number, or null when the number has no face.
    const QImage* faceOf(int cardNumber) const;
    const QImage& face(int index) const;
    const QImage& back() const;
    // An empty-pile mark by its suffix ("004", "_WASTE", ...); an empty image
    // for a suffix that is not kept. "021" is loaded afresh.
    const QImage& mark(const QString& suffix);
    // The shadow pieces (1 right of the card, 2 below it) with white made
    // see-through, and the border pieces (1 vertical, 2 horizontal) with pure
    // blue made see-through.
    const QImage& shadowPiece(int which) const { return m_shadows[which == 2 ? 1 : 0]; }
    // The soft shadow of carried cards `height` pixels high, at every size:
    // the same strips as the shadow pieces, with alpha. Kept per height.
    const QImage& softShadowPiece(int which, int height);
    const QImage& borderPiece(int which) const { return m_borders[which == 2 ? 1 : 0]; }
    QImage& scratchCard() { return m_scratch; }
    QImage& tableBuffer() { return m_tableBuffer; }

    char sizeLetter() const { return m_letter; }
    QSize cardSize() const { return {m_width, m_height}; }
    QRect cardRect() const { return {0, 0, m_width, m_height}; }

    // The suffixes of the kept marks, in the order they are loaded.
    static const std::array<const char*, kKeptMarks>& keptMarkSuffixes();

private:
    QImage load(const QString& name) const;
    // The card art's size for the size in force.
    art::CardSize artSize() const;
    void drawPieces();
    const QImage& drawnFace(int index) const;
    // A face of the library's pictures of the size in force, cut from its
    // suit's sheet when first asked for.
    const QImage& loadedFace(int index) const;

    const resources::ResourceLibrary& m_library;
    char m_letter = 'B';
    int m_width = 71;
    int m_height = 96;
    mutable std::array<QImage, kFaceCount> m_faces;
    mutable QImage m_back;
    std::array<QImage, kKeptMarks + 2> m_marks;
    std::array<QImage, 2> m_shadows;
    std::array<QImage, 2> m_borders;
    QImage m_scratch;
    // The library's card set in use ("001").
    QString m_cardSet;
    // Fitted cards: the card set and back they are drawn with, and which
    // faces and marks are drawn (or, at the library's sizes, loaded) yet.
    int m_pixelRatio = 1;
    bool m_boldSet = false;
    int m_backNumber = 11;
    mutable std::array<bool, kFaceCount> m_faceDrawn{};
    std::array<bool, kKeptMarks + 2> m_markDrawn{};
    mutable bool m_backDrawn = false;
    mutable int m_drawn = 0;
    // Soft shadows by height, for the current card width.
    std::vector<std::pair<int, std::array<QImage, 2>>> m_softShadows;
    QImage m_tableBuffer;
};

} // namespace vellomir::render
