#include "table/undo_lists.h"

#include "table/card.h"

#include <algorithm>

namespace vellomir::table {

namespace {

void dropLast(std::vector<std::string>& list, int lines) {
    const auto n = std::min(list.size(), static_cast<std::size_t>(lines));
    list.resize(list.size() - n);
}

} // namespace

void UndoLists::clear() {
    stock.clear();
    foundations.clear();
    tableaus.clear();
    reserves.clear();
}

void UndoLists::dropNewest() {
    dropLast(stock, kSnapshotStockLines);
    dropLast(foundations, kSnapshotFoundationLines);
    dropLast(tableaus, kSnapshotTableauLines);
    dropLast(reserves, kSnapshotReserveLines);
}

void UndoHistory::push(std::string_view item) {
    m_text += item;
    m_text += ',';
}

void UndoHistory::removeNewest() {
    if (m_text.empty()) {
        return;
    }
    // The newest item ends with the last comma and starts after the comma
    // in front of it; with no comma in front the history becomes empty.
    const std::string_view body(m_text.data(), m_text.size() - 1);
    const auto front = body.rfind(',');
    m_text.resize(front == std::string_view::npos ? 0 : front + 1);
}

std::string UndoHistory::newest() const {
    if (m_text.empty()) {
        return {};
    }
    const std::string body = m_text.substr(0, m_text.size() - 1);
    const auto front = body.rfind(',');
    return front == std::string::npos ? body : body.substr(front + 1);
}

void UndoHistory::markNewest(int code) {
    removeNewest();
    push(cardText(code));
}

int UndoHistory::count(int code) const {
    const std::string wanted = cardText(code);
    int found = 0;
    std::size_t start = 0;
    while (start < m_text.size()) {
        std::size_t end = m_text.find(',', start);
        if (end == std::string::npos) {
            end = m_text.size();
        }
        for (std::size_t i = start; i + 3 <= end; i += 3) {
            if (m_text.compare(i, 3, wanted) == 0) {
                ++found;
            }
        }
        start = end + 1;
    }
    return found;
}

int UndoHistory::itemCount() const {
    return static_cast<int>(std::count(m_text.begin(), m_text.end(), ','));
}

} // namespace vellomir::table
