#include "app/library_seal_check.h"

#include "resources/resource_seal.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

namespace vellomir::app {

namespace {

bool libraryBroken(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return false; // it opened at start-up: gone since, not damaged
    }
    // Read a piece at a time: a mapped or whole copy of the library would
    // add its size to what the program holds while the check runs.
    return resources::checkSealStreamed(file) == resources::SealCheck::Broken;
}

} // namespace

LibrarySealCheck::LibrarySealCheck(QString path, QObject* context, std::function<void()> broken)
    : m_thread([path = std::move(path), context, broken = std::move(broken)] {
          // The context outlives the check (the destructor waits); a call
          // queued to it is dropped if it goes before the call runs.
          if (libraryBroken(path)) {
              QMetaObject::invokeMethod(context, broken, Qt::QueuedConnection);
          }
      }) {}

LibrarySealCheck::~LibrarySealCheck() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

} // namespace vellomir::app
