#include "ui/won_game_message.h"

#include "engine/records/game_clock.h"
#include "ui/message_boxes.h"
#include "ui/translations.h"

#include <QCoreApplication>
#include <QStringList>

namespace vellomir::ui {
namespace {

const QString kTitle = QStringLiteral("Vellomir");

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The message's texts, translated in a context of their own.
struct WonGameTexts {
    Q_DECLARE_TR_FUNCTIONS(WonGameTexts)
};

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

    QString text =
        WonGameTexts::tr("You won %1!\r\rTime: %2\rScore: %3\rMoves: %4\r\r")
            .arg(gameNameText(fromStd(won.name)), fromStd(engine::formatElapsed(won.elapsedMs)))
            .arg(won.score)
            .arg(won.moves);
    if (old.won == 0) {
        return text + WonGameTexts::tr("Your first win of this game.");
    }
    QStringList bests;
    if (after.bestTimeSeconds != old.bestTimeSeconds) {
        bests << WonGameTexts::tr("time");
    }
    if (after.bestScore != old.bestScore) {
        bests << WonGameTexts::tr("score");
    }
    if (after.fewestMoves != old.fewestMoves) {
        bests << WonGameTexts::tr("fewest moves");
    }
    if (bests.isEmpty()) {
        return text + WonGameTexts::tr("No new best this time.");
    }
    return text + WonGameTexts::tr("A new best: %1.").arg(bests.join(WonGameTexts::tr(", ")));
}

std::optional<engine::GameStatistics> statisticsBeforeWin(const engine::GameResult& won,
                                                          const std::filesystem::path& dataFolder) {
    // Read without setting a damaged file aside: recording the win reports it.
    const engine::StatisticsLoad load = engine::loadStatistics(dataFolder, false);
    const auto found = load.book.find(won.game);
    if (found == load.book.end()) {
        return std::nullopt;
    }
    return found->second;
}

void announceWonGame(QWidget* parent, MessageBoxes& boxes, const engine::GameResult& won,
                     const engine::GameStatistics* before) {
    if (won.game < 0) {
        return;
    }
    boxes.information(parent, kTitle, wonGameText(won, before));
}

} // namespace vellomir::ui
