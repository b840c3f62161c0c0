#include "settings/settings_record.h"

#include "settings/number_text.h"

namespace vellomir::settings {
namespace {

constexpr std::size_t kSegmentLength = 250;

struct Location {
    int segment; // -1 when outside the record
    int index;   // 1-based character index inside the segment (0 at 250 and 500)
};

Location locate(int position) {
    if (position < 250) {
        return {0, position};
    }
    if (position < 500) {
        return {1, position - 250};
    }
    if (position < 1000) {
        return {2, position - 500};
    }
    return {-1, 0};
}

// Characters from 1-based index `from` to the end; an index below 1 counts as 1.
std::string tailFrom(const std::string& text, long from) {
    const long start = from < 1 ? 0 : from - 1;
    if (start >= static_cast<long>(text.size())) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(start));
}

} // namespace

SettingsRecord::SettingsRecord(std::string_view programDirectory) {
    m_segments.fill(std::string(kSegmentLength, ' '));
    write(field::ProgramDirectory, programDirectory);
    write(field::PreferencesFile, kPreferencesFileName);
}

void SettingsRecord::write(int position, int width, std::string_view value) {
    const Location loc = locate(position);
    if (loc.segment < 0 || width < 0) {
        return;
    }
    const std::size_t firstNonBlank = value.find_first_not_of(' ');
    value =
        firstNonBlank == std::string_view::npos ? std::string_view{} : value.substr(firstNonBlank);
    std::string fitted(value.substr(0, static_cast<std::size_t>(width)));
    fitted.resize(static_cast<std::size_t>(width), ' ');

    std::string& segment = m_segments[static_cast<std::size_t>(loc.segment)];
    // Characters 1 .. i-1, the value, then the characters from i + w on. At
    // index 0 the head is empty and the tail starts at character w, which is
    // what makes a write at 250 or 500 an insertion.
    std::string head = loc.index > 1
                           ? segment.substr(0, std::min<std::size_t>(loc.index - 1, segment.size()))
                           : std::string{};
    // A write past the end of the segment lengthens it; the gap is blank.
    if (loc.index > 1 && head.size() < static_cast<std::size_t>(loc.index - 1)) {
        head.resize(static_cast<std::size_t>(loc.index - 1), ' ');
    }
    const std::string tail = tailFrom(segment, static_cast<long>(loc.index) + width);
    segment = head + fitted + tail;
}

void SettingsRecord::readInto(int position, int width, std::string& out) const {
    const Location loc = locate(position);
    if (loc.segment < 0) {
        return;
    }
    const std::string& segment = m_segments[static_cast<std::size_t>(loc.segment)];
    const std::size_t start = loc.index < 1 ? 0 : static_cast<std::size_t>(loc.index - 1);
    std::string value = start < segment.size() && width > 0
                            ? segment.substr(start, static_cast<std::size_t>(width))
                            : std::string{};
    const std::size_t lastNonBlank = value.find_last_not_of(' ');
    value.erase(lastNonBlank == std::string::npos ? 0 : lastNonBlank + 1);
    out = std::move(value);
}

std::string SettingsRecord::read(int position, int width) const {
    std::string value;
    readInto(position, width, value);
    return value;
}

int SettingsRecord::readInt(SettingsField f, int fallback) const {
    return toIntOr(read(f), fallback);
}

void SettingsRecord::writeInt(SettingsField f, long long value) {
    write(f, std::to_string(value));
}

void SettingsRecord::writePadded(SettingsField f, long long value) {
    write(f, formatNumber(value, f.width));
}

} // namespace vellomir::settings
