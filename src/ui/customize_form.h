#pragma once

#include "ui/advanced_form.h"
#include "ui/customize_trees.h"

#include <QDialog>
#include <QImage>
#include <QSize>

#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vellomir::settings {
enum class Pref;
}
namespace vellomir::resources {
class ResourceLibrary;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::ui {

class MessageBoxes;
class TfrmHelp;

/// What the customise dialog changes on the main window.
struct CustomizeHooks {
    /// The tool bar buttons' flat look (not written to the preferences again).
    std::function<void(bool flat)> setToolBarFlat;
    /// The time and score panels shown or hidden (not written again).
    std::function<void(bool visible)> showTime;
    std::function<void(bool visible)> showScore;
    /// The main window's own cursor becomes the default arrow.
    std::function<void()> resetCursor;
    /// The hourglass cursor on or off.
    std::function<void(bool busy)> setBusy;
    /// Lets the main window repaint once the dialog is hidden.
    std::function<void()> repaintMain;
    /// Rebuilds the card images for the card size and set, lays the piles
    /// out again and redraws the whole table.
    std::function<void()> redrawTable;
};

/// What the dialog needs to know of the screen for its samples.
struct CustomizeScreen {
    /// More than 256 colours: the fade can be shown.
    bool manyColours = true;
    QSize size{1024, 768};
    /// The bottom edge of the large tool bar: a picture drawn whole covers
    /// the screen below it.
    int largeToolBarBottom = 53;
};

/// The customise dialog: the card back, the table background and its fade,
/// the time and score panels, the quit confirmation and the sounds. It shows
/// samples of the back on the chosen background, writes the choices to the
/// settings record and the preferences file on OK, and puts back what it
/// found when cancelled. Closing it, either way, rebuilds the card images and
/// redraws the table.
class TfrmCustomize_Quorvane : public C_TAdvancedForm<QDialog> {
    Q_OBJECT
public:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 301;
    static constexpr int kHelpContext = 1019;

    TfrmCustomize_Quorvane(QWidget* parent, table::ProgramState& state,
                           const resources::ResourceLibrary* library, MessageBoxes& boxes,
                           CustomizeHooks hooks, CustomizeScreen screen, QString helpFile);
    ~TfrmCustomize_Quorvane() override;

    /// Runs the closing step with `result` unless it already ran (a dialog
    /// that was never shown modally still closes properly).
    void finish(int result);
    bool closed() const { return m_closed; }

    /// The samples as shown: the background sample (its own size, before any
    /// stretching) and the Decks page's background with the back on it.
    const QImage& backgroundSample() const { return m_backgroundSample; }
    QImage decksSample() const;

    /// Selects a node of a tree by its text (tests and keyboard-free use).
    bool selectBack(const QString& text);
    bool selectBackground(const QString& text);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Remembered {
        std::string cardSize, cardSet, fade, back, picture, colour, fixedColour, useDefault,
            pilesTT;
    };

    void buildPages();
    void buildButtons();
    void fillTree(QTreeWidget* tree, const std::vector<ChoiceNode>& nodes);
    void prepare();
    void remember();
    void restore();

    void backgroundChanged();
    void backChanged();
    void fadeToggled();
    void pageChanged();
    void showHelp();
    void accepted();
    void storeBackgroundChoice();

    QImage swatch(long long colourValue) const;
    void paintBackgroundSample(int number);
    void showBackgroundSample();
    void copySampleToDecks();
    void loadBackSample(int number);
    long long colourField() const;

    table::ProgramState& m_state;
    const resources::ResourceLibrary* m_library;
    MessageBoxes& m_boxes;
    CustomizeHooks m_hooks;
    CustomizeScreen m_screen;
    QString m_helpFile;
    TfrmHelp* m_help = nullptr;

    QTabWidget* m_pages = nullptr;
    QCheckBox* m_chkShowTime = nullptr;
    QCheckBox* m_chkShowScore = nullptr;
    QCheckBox* m_chkConfirmQuitGame = nullptr;
    QComboBox* m_cmbCardSize = nullptr;
    QComboBox* m_cmbLanguage = nullptr;
    QTreeWidget* m_trvCardBack = nullptr;
    QLabel* m_imgSfondoEsempio2 = nullptr;
    QLabel* m_imgDorsoEsempio = nullptr;
    QLabel* m_lblDecks = nullptr;
    QTreeWidget* m_trvBackGround = nullptr;
    QLabel* m_imgSfondoEsempio = nullptr;
    QLabel* m_lblBackGround = nullptr;
    QCheckBox* m_chkFadeBackground = nullptr;
    QCheckBox* m_chkSoundsEnabled = nullptr;
    QCheckBox* m_chkTBLargeIcons = nullptr;
    QCheckBox* m_chkTBFlatBtn = nullptr;
    QCheckBox* m_chkConfirmOnExit = nullptr;
    QCheckBox* m_chkWinningAnimation = nullptr;

    Remembered m_remembered;
    long long m_colourField = 0;
    QImage m_backgroundSample;
    QImage m_decksBackground;
    QImage m_backSample;
    bool m_cancelled = true;
    bool m_closed = false;
};

} // namespace vellomir::ui
