#include "game_previews.h"

#include "resource_set.h"

#include "catalogue/catalogue_reader.h"
#include "cli/console_frontend.h"
#include "engine/play/play_engine.h"
#include "render/card_images.h"
#include "render/table_background.h"
#include "render/table_renderer.h"
#include "resources/resource_library.h"
#include "settings/settings_record.h"
#include "table/card_metrics.h"
#include "table/card_position.h"
#include "table/catalogue_loading.h"
#include "table/main_game.h"
#include "table/program_state.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace vellomir::tools {

namespace {

// Tables tried, as multiples of the preview's size. Big cards (71 x 96) on
// 3.2 times the preview come out about 22 x 30 pixels, small enough for the
// wide games and still showing their faces; games with many or long piles
// take the next size that holds them.
constexpr double kScales[] = {3.2, 3.6, 4.0, 4.6, 5.4};

// The chooser lays a preview on a fade of this green over the preview's size.
const QColor kChooserCloth(0, 128, 0);

// Whether every card of every placed pile lies inside `area`.
bool tableFits(const table::ProgramState& state, QSize area) {
    using table::PileKind;
    const int w = state.cardSize.width;
    const int h = state.cardSize.height;
    const auto inside = [&](table::CardPoint p) {
        return p.x >= 0 && p.y >= 0 && p.x + w <= area.width() && p.y + h <= area.height();
    };
    const std::pair<PileKind, int> kinds[] = {{PileKind::Stock, table::kStockPiles},
                                              {PileKind::Foundation, table::kMaxFoundations},
                                              {PileKind::Tableau, table::kMaxTableaus},
                                              {PileKind::Reserve, table::kMaxReserves}};
    for (const auto& [kind, count] : kinds) {
        for (int i = 0; i < count; ++i) {
            const table::PileRef pile{kind, i};
            if (!table::isPlaced(state, pile)) {
                continue;
            }
            if (!inside(table::pilePosition(state, pile))) {
                return false;
            }
            const int cards = static_cast<int>(state.piles.pile(pile).size() / 3);
            for (int c = 0; c < cards; ++c) {
                if (!inside(table::cardPosition(state, pile, c))) {
                    return false;
                }
            }
        }
    }
    return true;
}

// The table as it lies on no cloth: from the same table drawn on a black and
// on a white cloth, each pixel's coverage is how little it changed, and its
// colour on black is its colour times that coverage. Marks of empty piles
// that let the cloth through come out partly covering.
QImage matteTable(const QImage& onBlack, const QImage& onWhite) {
    QImage matte(onBlack.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < matte.height(); ++y) {
        const auto* black = reinterpret_cast<const QRgb*>(onBlack.constScanLine(y));
        const auto* white = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(matte.scanLine(y));
        for (int x = 0; x < matte.width(); ++x) {
            const int through =
                ((qRed(white[x]) - qRed(black[x])) + (qGreen(white[x]) - qGreen(black[x])) +
                 (qBlue(white[x]) - qBlue(black[x]))) /
                3;
            const int a = std::clamp(255 - through, 0, 255);
            to[x] = qRgba(std::min(qRed(black[x]), a), std::min(qGreen(black[x]), a),
                          std::min(qBlue(black[x]), a), a);
        }
    }
    return matte;
}

// The matted table scaled down smoothly to the preview's size and laid on
// the chooser's cloth; pixels the table does not cover at all take the key
// colour, which the chooser makes see-through.
QImage shrinkTable(const QImage& matte) {
    const QImage small = matte.scaled(kPreviewSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage cloth(kPreviewSize, QImage::Format_RGB32);
    render::fillFade(cloth, kChooserCloth, QRect(0, 0, cloth.width() + 1, cloth.height() + 1));
    QImage plain(kPreviewSize, QImage::Format_RGB32);
    for (int y = 0; y < plain.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(small.constScanLine(y));
        const auto* under = reinterpret_cast<const QRgb*>(cloth.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(plain.scanLine(y));
        for (int x = 0; x < plain.width(); ++x) {
            const int a = qAlpha(from[x]);
            if (a < 4) {
                to[x] = kPreviewKey;
                continue;
            }
            const auto over = [a](int premultiplied, int below) {
                return std::min(255, premultiplied + (255 - a) * below / 255);
            };
            to[x] =
                qRgb(over(qRed(from[x]), qRed(under[x])), over(qGreen(from[x]), qGreen(under[x])),
                     over(qBlue(from[x]), qBlue(under[x])));
        }
    }
    return plain;
}

// The cloth of a preview drawing: a plain colour without fade, stored as
// 0x00BBGGRR.
void setCloth(settings::SettingsRecord& s, QRgb colour) {
    const unsigned stored = (static_cast<unsigned>(qBlue(colour)) << 16) |
                            (static_cast<unsigned>(qGreen(colour)) << 8) |
                            static_cast<unsigned>(qRed(colour));
    s.write(settings::field::BackgroundFixedCol, std::to_string(stored));
    s.write(settings::field::BackgroundCol, std::to_string(stored));
}

// The settings of a preview: big cards of set 001 with the blue back, shadows
// on (the layout leaves room for them beside the stock), no hand-laid
// tableaus, and a plain cloth without fade.
void prepareSettings(settings::SettingsRecord& s) {
    s.write(settings::field::CardSize, "B");
    s.write(settings::field::Card, "001");
    s.write(settings::field::BackCard, "011");
    s.write(settings::field::CardsShadowed, "Y");
    s.write(settings::field::PilesTT, "N");
    s.write(settings::field::BackgroundDef, "N");
    s.write(settings::field::CustomBackgroundPresent, "N");
    s.write(settings::field::BackgroundBmp, "0");
    s.write(settings::field::FadeBackground, "N");
    s.write(settings::field::DealAnimation, "N");
    s.write(settings::field::ScoringScheme, "01");
    s.write(settings::field::DealNumber, "0000000000001");
}

} // namespace

// The frontend of a preview deal: the preview picture is the table tried,
// messages are kept out of sight, and a change of card size rebuilds the
// pictures.
class PreviewFrontend : public ConsoleFrontend {
public:
    PreviewFrontend(std::ostream& messages, GamePreviewPainter& painter, table::ProgramState& state,
                    QSize area)
        : ConsoleFrontend(messages), m_painter(painter), m_state(state), m_area(area) {}

    int previewPictureWidth() const override { return m_area.width(); }
    int previewPictureHeight() const override { return m_area.height(); }
    void cardSizeChanged(int width, int height) override {
        if (!m_painter.m_imagesLoaded || m_painter.m_images->cardSize() != QSize(width, height)) {
            m_painter.m_images->setCardSize(m_state);
            m_painter.m_imagesLoaded = true;
        }
    }

private:
    GamePreviewPainter& m_painter;
    table::ProgramState& m_state;
    QSize m_area;
};

GamePreviewPainter::GamePreviewPainter(const resources::ResourceLibrary& library)
    : m_library(library), m_images(std::make_unique<render::CardImages>(library)) {}

GamePreviewPainter::~GamePreviewPainter() = default;

QImage GamePreviewPainter::draw(const std::string& programDirectory, int game, QString& error) {
    m_lastEnlarged = false;
    m_lastFitted = false;
    for (const double scale : kScales) {
        const QSize area(static_cast<int>(std::lround(kPreviewSize.width() * scale)),
                         static_cast<int>(std::lround(kPreviewSize.height() * scale)));
        table::ProgramState state(programDirectory);
        prepareSettings(state.settings);
        state.shadowOffset = table::shadowOffsetFor(state.settings);
        state.mainGame.setCell(table::cell::PreviewFlag, 1);
        std::ostringstream messages;
        PreviewFrontend frontend(messages, *this, state, area);
        table::applyCardSize(state, frontend);

        engine::PlayEngine engine(state, frontend);
        if (!engine.loadGameList()) {
            error = QStringLiteral("cannot read the catalogue: %1")
                        .arg(QString::fromStdString(messages.str()));
            return {};
        }
        if (state.mainGame.gameListIndex(game) < 0) {
            error = QStringLiteral("game %1 is not in the catalogue").arg(game);
            return {};
        }
        if (!engine.openGame(game, engine::DealNumberMode::Keep, false)) {
            error = QStringLiteral("game %1 could not be dealt: %2")
                        .arg(game)
                        .arg(QString::fromStdString(messages.str()));
            return {};
        }

        m_lastFitted = tableFits(state, area);
        if (!m_lastFitted && scale != kScales[std::size(kScales) - 1]) {
            m_lastEnlarged = true;
            continue;
        }
        // A game that ends by itself right after the deal (the end test of
        // some families) still shows the table it dealt.
        state.flags.set(table::Flag::GameInPlay);
        QImage drawn[2];
        for (int i = 0; i < 2; ++i) {
            setCloth(state.settings, i == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            render::TableRenderer renderer(state, *m_images, m_library);
            renderer.setManyColours(true);
            renderer.resizeBuffers(area + QSize(30, 30));
            renderer.setWindowSize(area);
            renderer.drawTable(false);
            drawn[i] = renderer.windowImage().convertToFormat(QImage::Format_RGB32);
        }
        return shrinkTable(matteTable(drawn[0], drawn[1]));
    }
    return {};
}

QString addGamePreviews(ResourceSet& resources, const resources::ResourceLibrary& library,
                        const QString& catalogueFile, PreviewReport& report) {
    const QFileInfo file(catalogueFile);
    if (!file.exists()) {
        return QStringLiteral("catalogue %1 does not exist").arg(catalogueFile);
    }
    const std::string programDirectory = file.absolutePath().toStdString() + "/";
    table::ProgramState listing(programDirectory);
    try {
        table::loadGameList(listing);
    } catch (const catalogue::CatalogueError& e) {
        return QString::fromStdString(e.what());
    }

    resources.setSection(QStringLiteral("Game previews"));
    GamePreviewPainter painter(library);
    for (const std::string& entry : listing.mainGame.gameList()) {
        const int game = table::gameListNumber(entry);
        QString error;
        const QImage preview = painter.draw(programDirectory, game, error);
        if (preview.isNull()) {
            return error;
        }
        resources.addBitmap(QStringLiteral("GAME%1").arg(game, 4, 10, QLatin1Char('0')), preview);
        ++report.games;
        if (painter.lastEnlarged()) {
            ++report.enlarged;
            report.enlargedGames +=
                (report.enlargedGames.isEmpty() ? QString() : QStringLiteral(" ")) +
                QString::number(game);
        }
        if (!painter.lastFitted()) {
            report.overflowing +=
                (report.overflowing.isEmpty() ? QString() : QStringLiteral(", ")) +
                QString::number(game);
        }
    }
    return {};
}

} // namespace vellomir::tools
