#pragma once

#include "engine/records/game_statistics.h"
#include "ui/advanced_form.h"

#include <QDialog>
#include <QString>

#include <filesystem>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vellomir::ui {

class MessageBoxes;

/// The statistics of the player file: the current game's figures and a
/// table of every game played, with a reset for the current game or all
/// games after a confirmation. The file is read afresh when the dialog
/// opens; a damaged one is kept aside with a message.
class TfrmStatistics : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
public:
    TfrmStatistics(QWidget* parent, std::filesystem::path dataFolder, int currentGame,
                   const QString& currentName, MessageBoxes& boxes);

    /// Reads the file and shows it (the constructor does it once; after a
    /// reset the dialog shows it again).
    void reload();
    void resetCurrentGame();
    void resetAllGames();

    /// The current game's figure of a label ("Played", "Won share"...), as
    /// shown.
    QString figure(const QString& label) const;

private:
    void show(const engine::StatisticsBook& book);
    void save(const engine::StatisticsBook& book);

    std::filesystem::path m_dataFolder;
    int m_currentGame;
    QString m_currentName;
    MessageBoxes& m_boxes;
    QLabel* m_title = nullptr;
    QTableWidget* m_figures = nullptr;
    QTableWidget* m_games = nullptr;
    QPushButton* m_resetGame = nullptr;
    QPushButton* m_resetAll = nullptr;
};

} // namespace vellomir::ui
