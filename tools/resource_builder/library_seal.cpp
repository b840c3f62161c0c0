#include "library_seal.h"

#include "resources/resource_seal.h"

#include <QFile>
#include <QSaveFile>

namespace vellomir::tools {

QString sealLibrary(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        return QStringLiteral("cannot read %1").arg(path);
    }
    QByteArray bytes = in.readAll();
    in.close();
    if (!resources::sealFile(bytes)) {
        return QStringLiteral("%1 holds no seal to write").arg(path);
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        return QStringLiteral("cannot write %1").arg(path);
    }
    return {};
}

} // namespace vellomir::tools
