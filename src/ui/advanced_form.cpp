#include "ui/advanced_form.h"

#include <QApplication>
#include <QFontDatabase>

namespace vellomir::ui {
namespace {

std::optional<bool>& tahomaAnswer() {
    static std::optional<bool> answer;
    return answer;
}

} // namespace

bool tahomaInstalled() {
    std::optional<bool>& answer = tahomaAnswer();
    if (!answer) {
        answer = false;
        for (const QString& family : QFontDatabase::families()) {
            if (family.compare(QStringLiteral("Tahoma"), Qt::CaseInsensitive) == 0) {
                answer = true;
                break;
            }
        }
    }
    return *answer;
}

void setTahomaInstalledForTesting(std::optional<bool> installed) {
    tahomaAnswer() = installed;
}

QFont formFont(bool tahomaPresent, const QFont& platformDefault) {
    if (!tahomaPresent) {
        return platformDefault;
    }
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    return font;
}

void applyFormFont(QWidget& window) {
    window.setFont(formFont(tahomaInstalled(), QApplication::font()));
}

} // namespace vellomir::ui
