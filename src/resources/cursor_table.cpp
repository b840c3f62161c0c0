#include "resources/cursor_table.h"

#include "resources/resource_library.h"

namespace vellomir::resources {

void CursorTable::load(const ResourceLibrary& library) {
    m_cursors.clear();
    for (const Entry& entry : kEntries) {
        const QString name = QString::fromLatin1(entry.name);
        if (library.hasCursor(name)) {
            m_cursors[entry.number] = library.loadCursor(name);
        }
    }
}

std::optional<QCursor> CursorTable::registered(int number) const {
    const auto found = m_cursors.find(number);
    if (found == m_cursors.end()) {
        return std::nullopt;
    }
    return found->second;
}

int CursorTable::screenNumber(int chosen, bool dragging) {
    if (chosen == kSystemArrow) {
        return kSystemArrow;
    }
    return dragging ? chosen + 10 : chosen;
}

QCursor CursorTable::shape(int number) const {
    if (number != kSystemArrow) {
        if (const auto cursor = registered(number)) {
            return *cursor;
        }
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace vellomir::resources
