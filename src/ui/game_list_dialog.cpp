#include "ui/game_list_dialog.h"

#include "table/main_game.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellomir::ui {

GameListDialog::GameListDialog(QWidget* parent, const std::vector<std::string>& gameList,
                               int currentGame)
    : C_TAdvancedForm<QDialog>(parent) {
    setObjectName(QStringLiteral("dlgGameList"));
    setWindowTitle(QStringLiteral("Open a game"));
    resize(360, 420);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstGames"));
    for (const std::string& entry : gameList) {
        const int number = table::gameListNumber(entry);
        auto* item =
            new QListWidgetItem(QString::fromStdString(table::gameListName(entry)), m_list);
        item->setData(Qt::UserRole, number);
    }
    choose(currentGame);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

int GameListDialog::chosenGame() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

bool GameListDialog::choose(int gameNumber) {
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(Qt::UserRole).toInt() == gameNumber) {
            m_list->setCurrentRow(row);
            m_list->scrollToItem(m_list->item(row));
            return true;
        }
    }
    return false;
}

} // namespace vellomir::ui
