#include "ui/statistics_form.h"

#include "engine/records/game_clock.h"
#include "ui/message_boxes.h"
#include "ui/translations.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vellomir::ui {

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 520;

QTableWidgetItem* cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    if (number) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TfrmStatistics::TfrmStatistics(QWidget* parent, std::filesystem::path dataFolder, int currentGame,
                               const QString& currentName, MessageBoxes& boxes)
    : C_TAdvancedForm<QDialog>(parent), m_dataFolder(std::move(dataFolder)),
      m_currentGame(currentGame), m_currentName(currentName), m_boxes(boxes) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Statistics"));
    resize(kWidth, kHeight);
    auto* layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lblStatisticsGame"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_figures = new QTableWidget(this);
    m_figures->setObjectName(QStringLiteral("tblCurrentGame"));
    m_figures->setColumnCount(2);
    m_figures->horizontalHeader()->hide();
    m_figures->verticalHeader()->hide();
    m_figures->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_games = new QTableWidget(this);
    m_games->setObjectName(QStringLiteral("tblAllGames"));
    m_games->setColumnCount(6);
    m_games->setHorizontalHeaderLabels(
        {tr("Game"), tr("Played"), tr("Won"), tr("Lost"), tr("Won share"), tr("Best time")});
    m_games->verticalHeader()->hide();
    // The figures take the room they need, the names the rest: a whole name
    // shows in a wider window, and always in its tip.
    m_games->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_games->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_games->setSelectionMode(QAbstractItemView::NoSelection);

    auto* buttons = new QHBoxLayout;
    m_resetGame = new QPushButton(tr("Reset this &game"), this);
    m_resetGame->setObjectName(QStringLiteral("btnResetGame"));
    m_resetAll = new QPushButton(tr("Reset &all"), this);
    m_resetAll->setObjectName(QStringLiteral("btnResetAll"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setDefault(true);
    buttons->addWidget(m_resetGame);
    buttons->addWidget(m_resetAll);
    buttons->addStretch();
    buttons->addWidget(close);
    connect(m_resetGame, &QPushButton::clicked, this, [this] { resetCurrentGame(); });
    connect(m_resetAll, &QPushButton::clicked, this, [this] { resetAllGames(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    layout->addWidget(m_title);
    layout->addWidget(m_figures, 3);
    layout->addWidget(new QLabel(tr("All games played:"), this));
    layout->addWidget(m_games, 2);
    layout->addLayout(buttons);
    reload();
}

void TfrmStatistics::reload() {
    const engine::StatisticsLoad load = engine::loadStatistics(m_dataFolder, true);
    if (!load.ok) {
        m_boxes.information(this, tr("Statistics"), fromStd(load.message));
    }
    show(load.book);
}

void TfrmStatistics::show(const engine::StatisticsBook& book) {
    m_title->setText(m_currentName.isEmpty() ? tr("No game on the table")
                                             : gameNameText(m_currentName));
    const auto found = book.find(m_currentGame);
    const engine::GameStatistics current =
        found != book.end() ? found->second : engine::GameStatistics{};
    const auto figures = engine::statisticsFigures(current);
    m_figures->setRowCount(static_cast<int>(figures.size()));
    for (int row = 0; row < static_cast<int>(figures.size()); ++row) {
        m_figures->setItem(row, 0, cell(coreText(figures[row].first), false));
        m_figures->setItem(row, 1, cell(coreText(figures[row].second), true));
    }
    m_games->setRowCount(static_cast<int>(book.size()));
    int row = 0;
    for (const auto& [number, game] : book) {
        const QString name =
            game.name.empty() ? QString::number(number) : gameNameText(fromStd(game.name));
        m_games->setItem(row, 0, cell(name, false));
        m_games->item(row, 0)->setToolTip(name);
        m_games->setItem(row, 1, cell(QString::number(game.played), true));
        m_games->setItem(row, 2, cell(QString::number(game.won), true));
        m_games->setItem(row, 3, cell(QString::number(game.lost), true));
        m_games->setItem(row, 4,
                         cell(QString::number(game.percentWon()) + QStringLiteral("%"), true));
        m_games->setItem(row, 5,
                         cell(game.bestTimeSeconds
                                  ? fromStd(engine::formatElapsed(*game.bestTimeSeconds * 1000))
                                  : QStringLiteral("-"),
                              true));
        ++row;
    }
    m_resetGame->setEnabled(found != book.end());
    m_resetAll->setEnabled(!book.empty());
}

QString TfrmStatistics::figure(const QString& label) const {
    for (int row = 0; row < m_figures->rowCount(); ++row) {
        if (m_figures->item(row, 0)->text() == label) {
            return m_figures->item(row, 1)->text();
        }
    }
    return {};
}

void TfrmStatistics::save(const engine::StatisticsBook& book) {
    if (const settings::WriteResult written = engine::saveStatistics(m_dataFolder, book);
        !written) {
        m_boxes.information(this, tr("Statistics"), fromStd(written.message));
    }
    reload();
}

void TfrmStatistics::resetCurrentGame() {
    if (!m_boxes.confirm(this, tr("Statistics"),
                         tr("Reset the statistics of %1?").arg(gameNameText(m_currentName)))) {
        return;
    }
    engine::StatisticsLoad load = engine::loadStatistics(m_dataFolder, true);
    load.book.erase(m_currentGame);
    save(load.book);
}

void TfrmStatistics::resetAllGames() {
    if (!m_boxes.confirm(this, tr("Statistics"), tr("Reset the statistics of every game?"))) {
        return;
    }
    save({});
}

} // namespace vellomir::ui
