#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <array>
#include <memory>
#include <vector>

namespace vellomir::ui {
namespace {

constexpr std::array<ShippedLanguage, 4> kShipped{{
    {"it", "Italiano"},
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"es", "Español"},
}};

constexpr const char* kSourceLanguage = "en";
const char* const kCoreContext = "Core";
const char* const kGameNamesContext = "GameNames";

bool isOffered(const QString& code) {
    if (code == QLatin1String(kSourceLanguage)) {
        return true;
    }
    for (const ShippedLanguage& language : kShipped) {
        if (code == QLatin1String(language.code)) {
            return true;
        }
    }
    return false;
}

// The translators installed now; replaced as a whole.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

QString translated(const char* context, const QByteArray& text) {
    return QCoreApplication::translate(context, text.constData());
}

// `text` translated whole; else, when it holds numbers, as the marked text
// with "%1", "%2"... in their places ("3 wins" as "%1 wins").
QString translatedWithNumbers(const QByteArray& text) {
    const QString whole = translated(kCoreContext, text);
    const QString english = QString::fromUtf8(text);
    if (whole != english) {
        return whole;
    }
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    QStringList numbers;
    QString pattern;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : digits.globalMatch(english)) {
        numbers << match.captured();
        pattern += english.mid(from, match.capturedStart() - from) +
                   QStringLiteral("%%1").arg(numbers.size());
        from = match.capturedEnd();
    }
    if (numbers.isEmpty()) {
        return english;
    }
    pattern += english.mid(from);
    QString result = translated(kCoreContext, pattern.toUtf8());
    if (result == pattern) {
        return english;
    }
    for (const QString& number : numbers) {
        result = result.arg(number);
    }
    return result;
}

} // namespace

std::span<const ShippedLanguage> shippedLanguages() {
    return kShipped;
}

QString chosenLanguage(const QString& choice, const QStringList& desktopLanguages) {
    if (isOffered(choice)) {
        return choice;
    }
    for (const QString& wanted : desktopLanguages) {
        const QString code =
            wanted.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
        if (isOffered(code)) {
            return code;
        }
    }
    return QString::fromLatin1(kSourceLanguage);
}

QString translationsFolder(const QString& programDirectory) {
    return programDirectory + QStringLiteral("translations");
}

bool installTranslations(const QString& language, const QString& folder) {
    for (const std::unique_ptr<QTranslator>& translator : installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
    installed().clear();
    if (language == QLatin1String(kSourceLanguage)) {
        return true;
    }
    auto own = std::make_unique<QTranslator>();
    const bool loaded = own->load(QStringLiteral("vellomir_") + language, folder);
    if (loaded) {
        QCoreApplication::installTranslator(own.get());
        installed().push_back(std::move(own));
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed().push_back(std::move(qt));
    }
    return loaded;
}

QString coreText(std::string_view text) {
    const QByteArray whole(text.data(), static_cast<qsizetype>(text.size()));
    const QString translatedWhole = translatedWithNumbers(whole);
    if (translatedWhole != QString::fromUtf8(whole) || !whole.contains('\r')) {
        return translatedWhole;
    }
    QStringList lines;
    for (const QByteArray& line : whole.split('\r')) {
        lines << translatedWithNumbers(line);
    }
    return lines.join(QLatin1Char('\r'));
}

QString gameNameText(const QString& name) {
    return translated(kGameNamesContext, name.toUtf8());
}

} // namespace vellomir::ui
