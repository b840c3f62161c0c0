#pragma once

#include "ui/advanced_form.h"

#include <QDialog>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vellomir::resources {
class ResourceLibrary;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::ui {

class MessageBoxes;

/// The game chooser "Open a game": a tree that lists every game of the
/// catalogue alphabetically under one group node, a description of the
/// selected game (ratings, redeals, decks) read from the catalogue without
/// loading the game, its preview picture, and Rules, OK and Cancel. OK
/// stores the choice in the preferences and sets the chosen flag; the main
/// window then opens the game. Made once at start-up and shown again and
/// again; the tree keeps its nodes between showings.
class TfrmOpenGame : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
public:
    /// Codes of the tree nodes (a game node's code is its game number).
    static constexpr int kAllGamesCode = -30;
    static constexpr int kNewGamesCode = -2080;
    static constexpr int kPlaceholderCode = -1;
    static constexpr int kPreviewWidth = 300;
    static constexpr int kPreviewHeight = 185;

    TfrmOpenGame(QWidget* parent, table::ProgramState& state,
                 const resources::ResourceLibrary& library, MessageBoxes& boxes);
    ~TfrmOpenGame() override;

    /// What Rules does for a game: the main window's rules help.
    void setRulesHandler(std::function<void(int gameNumber)> handler) {
        m_showRules = std::move(handler);
    }
    /// Runs each time the dialog closes, however it closes.
    void setClosedHandler(std::function<void()> handler) { m_closed = std::move(handler); }

    /// Set only when the dialog was closed with OK; the caller clears it.
    bool chosen() const { return m_chosen; }
    void clearChosen() { m_chosen = false; }
    /// The game chosen with OK and its name (the node's text).
    int chosenGame() const { return m_chosenGame; }
    const QString& chosenName() const { return m_chosenName; }

    /// Selects the node of a game, filling its group first; false when no
    /// group lists it.
    bool selectGame(int gameNumber);
    /// OK and Rules, as their buttons do.
    void confirmChoice();
    void showRulesOfSelection();

    QTreeWidget* tree() const { return m_trvGames; }
    /// What the preview box shows now.
    const QImage& previewPicture() const { return m_preview; }
    /// The dialog's game list: name, type code, game number, new-game mark.
    const std::vector<std::string>& gameList() const { return m_gameList; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void buildWindow();
    void buildDescription(QWidget* area);
    void loadIcons();
    QIcon icon(const QString& name) const;
    QPixmap libraryPicture(const QString& name) const;
    QTreeWidgetItem* addGroup(const QString& text, int code);
    void fill(QTreeWidgetItem* group, int requestedGame);
    void selectionChanged();
    void describe();
    void showNoGame();
    void drawPreview();
    int selectedGame() const;

    table::ProgramState& m_state;
    const resources::ResourceLibrary& m_library;
    MessageBoxes& m_boxes;
    std::function<void(int)> m_showRules;
    std::function<void()> m_closed;

    std::vector<std::string> m_gameList;
    QHash<QString, QIcon> m_icons;
    QImage m_previewBackground;
    QImage m_preview;
    // The group opened at the first showing (negative), 0 once done.
    int m_rememberedGroup = 0;
    bool m_firstShowing = true;
    bool m_chosen = false;
    int m_chosenGame = -1;
    QString m_chosenName;

    QLabel* m_pnlLblSelectagame = nullptr;
    QTreeWidget* m_trvGames = nullptr;
    QFrame* m_pnlGameInfo = nullptr;
    QLabel* m_imgProduct = nullptr;
    QFrame* m_pnlDescGame = nullptr;
    QLabel* m_imgGame = nullptr;
    QLabel* m_lblGameName = nullptr;
    QLabel* m_lblDiffRules = nullptr;
    QLabel* m_imgDifficult = nullptr;
    QLabel* m_lblDiffWin = nullptr;
    QLabel* m_imgWinning = nullptr;
    QLabel* m_lblSkill = nullptr;
    QLabel* m_imgSkill = nullptr;
    QLabel* m_lblGameTime = nullptr;
    QLabel* m_imgGameTime = nullptr;
    QLabel* m_lblRedeal = nullptr;
    QLabel* m_lblDecks = nullptr;
    QCheckBox* m_chkPreview = nullptr;
    QPushButton* m_btnRules = nullptr;
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnCancel = nullptr;
};

} // namespace vellomir::ui
