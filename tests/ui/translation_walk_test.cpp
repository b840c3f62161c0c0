// Every text a player sees goes through Qt's translation: under a
// pseudo-translation that marks each translated text, a walk through every
// menu and dialog finds no text without the mark. The same walk at a 12-point
// desktop font finds no text cut, and the shipped catalogues are complete.

#include "engine/actions/end_of_game.h"
#include "startup/preferences_load.h"
#include "table_window.h"
#include "ui/font_fit.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

const QString kOpen = QStringLiteral("\u27e6");

// Marks every text it is asked for, whatever its context: Qt's own texts
// included.
class PseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        if (!source || !*source) {
            return {};
        }
        return kOpen + QString::fromUtf8(source) + QStringLiteral("\u27e7");
    }
    bool isEmpty() const override { return false; }
};

// Texts that are right untranslated: the program's name, and each language
// of the language choice named in itself.
bool meantUntranslated(const QString& text) {
    static const QStringList kNames = {QStringLiteral("Vellomir"), QStringLiteral("English"),
                                       QStringLiteral("Italiano"), QStringLiteral("Deutsch"),
                                       QStringLiteral("Français"), QStringLiteral("Español")};
    return kNames.contains(text);
}

// Numbers, times and marks need no translation; every other text must carry
// the pseudo-translation's mark.
void checkText(const QString& where, const QString& text, QStringList& untranslated) {
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]{2,}"));
    if (text.contains(kOpen) || !text.contains(letters) || meantUntranslated(text)) {
        return;
    }
    untranslated << where + QStringLiteral(": \"") + text + QLatin1Char('"');
}

void collectTexts(QWidget& window, QStringList& untranslated) {
    const QString name = window.objectName();
    checkText(name + QStringLiteral(" title"), window.windowTitle(), untranslated);
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isHidden()) {
            continue;
        }
        const QString where = name + QLatin1Char('/') + widget->objectName();
        if (!widget->toolTip().isEmpty()) {
            checkText(where + QStringLiteral(" tip"), widget->toolTip(), untranslated);
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            checkText(where, label->text(), untranslated);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            checkText(where, button->text(), untranslated);
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            checkText(where, box->title(), untranslated);
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                checkText(where, tabs->tabText(i), untranslated);
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                checkText(where, combo->itemText(i), untranslated);
            }
        } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
            // The items shown: those of open groups.
            std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
                checkText(where, item->text(0), untranslated);
                for (int i = 0; item->isExpanded() && i < item->childCount(); ++i) {
                    walk(item->child(i));
                }
            };
            for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                walk(tree->topLevelItem(i));
            }
        } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int column = 0; column < table->columnCount(); ++column) {
                if (const QTableWidgetItem* header = table->horizontalHeaderItem(column)) {
                    checkText(where, header->text(), untranslated);
                }
                for (int row = 0; row < table->rowCount(); ++row) {
                    if (const QTableWidgetItem* cell = table->item(row, column)) {
                        checkText(where, cell->text(), untranslated);
                    }
                }
            }
        }
    }
}

// Starts the program on a Klondike deal and opens, one by one, every menu
// and every dialog the menus reach, handing each shown dialog to `visit`.
void walkEveryMenuAndDialog(const std::function<void(QWidget&)>& visit) {
    ProgramDirectory directory;
    testing::writeReturningKlondikePlayer(directory);
    directory.write("DATA/Stat_e00.dat", "");
    RecordingBoxes boxes;
    boxes.onDialog = [&](QDialog& dialog) {
        dialog.show();
        QCoreApplication::processEvents();
        visit(dialog);
        dialog.hide();
        return QDialog::Rejected;
    };
    auto program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program->start());
    ASSERT_TRUE(testing::processEventsUntil([&] {
        return !program->state().flags.test(Flag::FirstActivationPending) &&
               program->state().flags.test(Flag::GameInPlay);
    }));
    TfrmMain* window = program->mainWindow();
    window->setStatusBarChoice(true, false);
    QCoreApplication::processEvents();
    visit(*window);

    window->showAbout();
    window->showCustomize();
    window->chooseDealNumber();
    window->showStatistics();
    window->openGame();
    // The questions and messages of the core, through the frontend.
    program->frontend().confirm(engine::kQuitGameQuestion);
    program->frontend().showAdvice("Test_Advice", startup::kAdvice256ColorsText);
    for (const RecordingBoxes::Box& box : boxes.boxes) {
        QLabel shown(box.title + QLatin1Char(' ') + box.text);
        shown.setObjectName(box.kind);
        QWidget holder;
        holder.setObjectName(QStringLiteral("box"));
        shown.setParent(&holder);
        visit(holder);
        shown.setParent(nullptr);
    }
}

TEST(TranslationWalk, UnderAPseudoTranslationEveryMenuAndDialogShowsOnlyTranslatedTexts) {
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    QStringList untranslated;
    walkEveryMenuAndDialog([&](QWidget& shown) {
        collectTexts(shown, untranslated);
        if (auto* main = qobject_cast<TfrmMain*>(&shown)) {
            for (QAction* title : main->menuBar()->actions()) {
                checkText(QStringLiteral("menu"), title->text(), untranslated);
                for (QAction* command : title->menu()->actions()) {
                    if (command->isVisible() && !command->isSeparator()) {
                        checkText(title->text(), command->text(), untranslated);
                        checkText(title->text() + QStringLiteral(" tip"), command->toolTip(),
                                  untranslated);
                    }
                }
            }
        }
    });
    QCoreApplication::removeTranslator(&pseudo);
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1Char('\n')).toStdString();
}

TEST(TranslationWalk, AtATwelvePointDesktopFontNoDialogCutsItsTexts) {
    const QFont before = QApplication::font();
    QFont large = before;
    large.setPointSize(12);
    QApplication::setFont(large);
    setTahomaInstalledForTesting(false);
    QStringList cut;
    walkEveryMenuAndDialog([&](QWidget& shown) {
        if (qobject_cast<QDialog*>(&shown) && textFitFactor(shown) > 1.0) {
            cut << shown.objectName();
        }
    });
    setTahomaInstalledForTesting(std::nullopt);
    QApplication::setFont(before);
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char(' ')).toStdString();
}

// The placeholders a text carries: %1..%9, "[Program]" and the mnemonic.
QStringList placeholdersOf(const QString& text) {
    static const QRegularExpression marks(QStringLiteral("%[0-9]|\\[Program\\]"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marks.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    if (QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'))) {
        found << QStringLiteral("&");
    }
    return found;
}

TEST(ShippedTranslations, EveryCatalogueIsCompleteAndKeepsEveryPlaceholder) {
    const QDir folder(QStringLiteral(VELLOMIR_TRANSLATIONS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("vellomir_*.ts")});
    EXPECT_EQ(files.size(), static_cast<int>(shippedLanguages().size()));
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (xml.name() == QLatin1String("translation")) {
                const bool unfinished =
                    xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                const QString translation =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements);
                ++messages;
                EXPECT_FALSE(unfinished || translation.isEmpty())
                    << name.toStdString() << ": \"" << source.toStdString() << "\"";
                EXPECT_EQ(placeholdersOf(translation), placeholdersOf(source))
                    << name.toStdString() << ": \"" << source.toStdString() << "\" -> \""
                    << translation.toStdString() << "\"";
            }
        }
        EXPECT_FALSE(xml.hasError())
            << name.toStdString() << ": " << xml.errorString().toStdString() << " at line "
            << xml.lineNumber();
        EXPECT_GT(messages, 300) << name.toStdString();
    }
}

TEST(LanguageChoice, ThePreferenceThenTheDesktopsLanguagesThenEnglish) {
    EXPECT_EQ(chosenLanguage(QStringLiteral("de"), {QStringLiteral("fr_FR")}),
              QStringLiteral("de"));
    EXPECT_EQ(chosenLanguage(QStringLiteral("en"), {QStringLiteral("it")}), QStringLiteral("en"));
    EXPECT_EQ(chosenLanguage(QString(), {QStringLiteral("pt-BR"), QStringLiteral("es-ES")}),
              QStringLiteral("es"));
    EXPECT_EQ(chosenLanguage(QStringLiteral("xx"), {QStringLiteral("it_IT")}),
              QStringLiteral("it"));
    EXPECT_EQ(chosenLanguage(QString(), {QStringLiteral("ja")}), QStringLiteral("en"));
}

TEST(LanguageChoice, AnItalianCatalogueTranslatesTheMenusAndTheCoresTexts) {
    ASSERT_TRUE(installTranslations(QStringLiteral("it"),
                                    QStringLiteral(VELLOMIR_BIN_DIR "/translations")));
    EXPECT_NE(QCoreApplication::translate("vellomir::ui::TfrmMain", "&New game"),
              QStringLiteral("&New game"));
    EXPECT_NE(coreText("Quit this game?"), QStringLiteral("Quit this game?"));
    // A core text with a number is found by the marked text it was made from.
    EXPECT_EQ(coreText("3 wins"),
              QCoreApplication::translate("Core", "%1 wins").arg(QStringLiteral("3")));
    EXPECT_NE(gameNameText(QStringLiteral("Forty Thieves")), QStringLiteral("Forty Thieves"));
    installTranslations(QStringLiteral("en"), QString());
    EXPECT_EQ(coreText("Quit this game?"), QStringLiteral("Quit this game?"));
}

} // namespace
} // namespace vellomir::ui
