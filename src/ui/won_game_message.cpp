#include "ui/won_game_message.h"

#include "engine/game_clock.h"
#include "engine/play_engine.h"
#include "engine/play_history.h"
#include "settings/settings_record.h"
#include "table/program_state.h"
#include "ui/message_boxes.h"

#include <QStringList>
#include <QTime>

namespace vellomir::ui {
namespace {

const QString kTitle = QStringLiteral("Vellomir");

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QString wonGameText(const engine::GameResult& won, const engine::GameStatistics* before) {
    // The figures as they stand once this win counts: where one changed,
    // the win beat it.
    engine::StatisticsBook book;
    if (before) {
        book[won.game] = *before;
    }
    engine::addResult(book, won);
    const engine::GameStatistics& after = book[won.game];
    const engine::GameStatistics old = before ? *before : engine::GameStatistics{};

    QString text = QStringLiteral("You won %1!\r\rTime: %2\rScore: %3\rMoves: %4\r\r")
                       .arg(fromStd(won.name), fromStd(engine::formatElapsed(won.elapsedMs)))
                       .arg(won.score)
                       .arg(won.moves);
    if (old.won == 0) {
        return text + QStringLiteral("Your first win of this game.");
    }
    QStringList bests;
    if (after.bestTimeSeconds != old.bestTimeSeconds) {
        bests << QStringLiteral("time");
    }
    if (after.bestScore != old.bestScore) {
        bests << QStringLiteral("score");
    }
    if (after.fewestMoves != old.fewestMoves) {
        bests << QStringLiteral("fewest moves");
    }
    if (bests.isEmpty()) {
        return text + QStringLiteral("No new best this time.");
    }
    return text + QStringLiteral("A new best: %1.").arg(bests.join(QStringLiteral(", ")));
}

void announceWonGame(QWidget* parent, MessageBoxes& boxes, const engine::PlayEngine& engine,
                     const std::filesystem::path& dataFolder) {
    const table::ProgramState& state = engine.state();
    engine::GameResult won;
    won.game = state.settings.readInt(settings::field::Game, -1);
    won.name = state.settings.read(settings::field::GameName);
    won.won = true;
    won.elapsedMs = engine::gameElapsedMs(state, QTime::currentTime().msecsSinceStartOfDay());
    // The winning move is still under way: it counts, as in the statistics.
    won.moves = engine.moves() + (engine.history().actionUnderWay() ? 1 : 0);
    won.score = state.settings.readInt(settings::field::Score, 0);
    if (won.game < 0) {
        return;
    }
    // Read without setting a damaged file aside: the win is counted, and
    // any damage reported, when the next game starts.
    const engine::StatisticsLoad load = engine::loadStatistics(dataFolder, false);
    const auto found = load.book.find(won.game);
    boxes.information(parent, kTitle,
                      wonGameText(won, found != load.book.end() ? &found->second : nullptr));
}

} // namespace vellomir::ui
