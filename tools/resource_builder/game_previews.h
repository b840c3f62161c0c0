#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <string>

namespace vellomir::render {
class CardImages;
}
namespace vellomir::resources {
class ResourceLibrary;
}

namespace vellomir::tools {

class ResourceSet;

// The chooser's preview pictures are 300 x 185, the size of its preview box.
inline constexpr QSize kPreviewSize(300, 185);

// A preview's top-left pixel colour is see-through in the chooser; this one
// is in no card picture, so only the cloth around the cards takes it.
inline constexpr unsigned kPreviewKey = 0xffff00ffu;

// Draws the preview picture of a game: the game is dealt by the play engine
// with the deal number 0000000000001, laid out with the preview flag set and
// drawn by the table renderer with the big cards of `library`, on a table of
// the preview's shape that grows until every card lies on it; the picture is
// then scaled down smoothly. The cloth around the cards is kPreviewKey; what
// lets the cloth through (the cards' edges, the marks of empty piles) is laid
// on the fade the chooser draws beneath the picture.
class GamePreviewPainter {
public:
    explicit GamePreviewPainter(const resources::ResourceLibrary& library);
    ~GamePreviewPainter();

    // The preview of game `game` of the catalogue in `programDirectory` (the
    // folder of GAMES.DAT, ending with "/"). A null image, with the reason in
    // `error`, when the game cannot be dealt.
    QImage draw(const std::string& programDirectory, int game, QString& error);

    // Whether the last game drawn needed a larger table than the first one
    // tried, and whether it fitted the largest one at all.
    bool lastEnlarged() const { return m_lastEnlarged; }
    bool lastFitted() const { return m_lastFitted; }

private:
    const resources::ResourceLibrary& m_library;
    std::unique_ptr<render::CardImages> m_images;
    bool m_imagesLoaded = false;
    bool m_lastEnlarged = false;
    bool m_lastFitted = true;

    friend class PreviewFrontend;
};

// What drawing the previews came to, for the builder's report.
struct PreviewReport {
    int games = 0;
    int enlarged = 0;
    // The games that needed a larger table than the first one tried.
    QString enlargedGames;
    // Games whose table did not fit even the largest table tried.
    QString overflowing;
};

// Adds "GAME" + the game number in four digits for every game of the
// catalogue `catalogueFile`, drawn from the pictures of `library`. Returns an
// empty string on success, else what failed.
QString addGamePreviews(ResourceSet& resources, const resources::ResourceLibrary& library,
                        const QString& catalogueFile, PreviewReport& report);

} // namespace vellomir::tools
