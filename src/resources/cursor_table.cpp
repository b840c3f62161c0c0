#include "resources/cursor_table.h"

#include "resources/resource_library.h"

#include <algorithm>

namespace vellomir::resources {

void CursorTable::setLibrary(const ResourceLibrary& library) {
    m_library = &library;
    m_cursors.clear();
}

std::optional<QCursor> CursorTable::registered(int number) const {
    if (const auto read = m_cursors.find(number); read != m_cursors.end()) {
        return read->second;
    }
    const auto entry = std::ranges::find(kEntries, number, &Entry::number);
    if (entry == kEntries.end() || !m_library) {
        return std::nullopt;
    }
    std::optional<QCursor> cursor;
    const QString name = QString::fromLatin1(entry->name);
    if (m_library->hasCursor(name)) {
        cursor = m_library->loadCursor(name);
    }
    m_cursors.emplace(number, cursor);
    return cursor;
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
