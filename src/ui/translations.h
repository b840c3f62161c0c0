#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

namespace vellomir::ui {

/// A language the program's texts are translated into.
struct ShippedLanguage {
    /// The language code of the catalogue file ("it" for vellomir_it.qm).
    const char* code;
    /// The language's name in that language, as the choice shows it.
    const char* ownName;
};

/// The translations that ship with the program; English, the language of
/// the source texts, is not among them.
std::span<const ShippedLanguage> shippedLanguages();

/// The code of the language the program shows: `choice` (the preference
/// Interface_Language) when it is "en" or a shipped language, else the first of
/// the desktop's languages (most wanted first, "de_AT" or "de-AT" counting as
/// "de") that is English or shipped, else "en".
QString chosenLanguage(const QString& choice, const QStringList& desktopLanguages);

/// Installs the program's translation for `language` from `folder` and Qt's
/// own (the buttons of message boxes), replacing those installed before;
/// nothing for English. False when the program's translation could not be
/// loaded (the texts then stay English).
bool installTranslations(const QString& language, const QString& folder);

/// The folder of the translation catalogues in a program directory.
QString translationsFolder(const QString& programDirectory);

/// A text the Qt-free core hands to the screen, translated where it is shown
/// (the core marks it with VELLOMIR_TEXT("Core", ...)). A text that is not
/// found whole is translated line by line, so that a message the core put
/// together from fixed lines is still translated.
QString coreText(std::string_view text);

/// A game's name from the catalogue, translated.
QString gameNameText(const QString& name);

} // namespace vellomir::ui
