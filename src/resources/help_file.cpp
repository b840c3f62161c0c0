#include "resources/help_file.h"

#include <QFile>
#include <QFileInfo>
#include <QResource>

namespace vellomir::resources {
namespace {

const QString kFolder = QStringLiteral(":/help/");
const QString kContents = QStringLiteral("contents.html");
const QString kIndex = QStringLiteral("index.html");

QString topicFileName(int context) {
    return QString::number(context) + QStringLiteral(".html");
}

} // namespace

HelpFile::~HelpFile() {
    close();
}

std::optional<int> HelpFile::rulesContext(int gameNumber) {
    if (gameNumber < 0 || gameNumber >= kFirstCustomisedGame) {
        return std::nullopt;
    }
    return gameNumber + kRulesContextBase;
}

bool HelpFile::open(const QString& path) {
    close();
    if (!QFileInfo(path).isFile() || !QResource::registerResource(path)) {
        return false;
    }
    // Another resource file (KAR.RGF, say) registers just as well; only the
    // contents page tells a help file.
    if (!QFile::exists(kFolder + kContents)) {
        QResource::unregisterResource(path);
        return false;
    }
    m_path = path;
    return true;
}

void HelpFile::close() {
    if (!m_path.isEmpty()) {
        QResource::unregisterResource(m_path);
        m_path.clear();
    }
}

QUrl HelpFile::contentsUrl() const {
    return pageUrl(kContents);
}

QUrl HelpFile::indexUrl() const {
    return pageUrl(kIndex);
}

QUrl HelpFile::topicUrl(int context) const {
    return context > 0 ? pageUrl(topicFileName(context)) : QUrl();
}

QString HelpFile::contentsHtml() const {
    return pageHtml(kContents);
}

QString HelpFile::topicHtml(int context) const {
    return context > 0 ? pageHtml(topicFileName(context)) : QString();
}

QUrl HelpFile::pageUrl(const QString& fileName) const {
    if (!isOpen() || !QFile::exists(kFolder + fileName)) {
        return {};
    }
    return QUrl(QStringLiteral("qrc:/help/") + fileName);
}

QString HelpFile::pageHtml(const QString& fileName) const {
    if (!isOpen()) {
        return {};
    }
    QFile file(kFolder + fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace vellomir::resources
