#pragma once

#include "ui/advanced_form.h"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

namespace vellomir::ui {

/// A plain list of the catalogue's games to pick one from: the game number
/// and name of each entry of the game list, in catalogue order.
class GameListDialog : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
public:
    GameListDialog(QWidget* parent, const std::vector<std::string>& gameList, int currentGame);

    /// The number of the game picked, or -1 when none is.
    int chosenGame() const;
    /// Picks a game by number (the tests use it); false when it is not listed.
    bool choose(int gameNumber);
    QListWidget* list() const { return m_list; }

private:
    QListWidget* m_list = nullptr;
};

} // namespace vellomir::ui
