// The settings record under any sequence of writes and reads, at any
// position and width: nothing crashes, a read is never wider than asked, and
// a write inside a segment reads back as stored (leading blanks dropped, cut
// to the width, trailing blanks not read).

#include "fuzz_support.h"

#include "settings/settings_record.h"

#include <string>

using namespace vellomir;

namespace {

constexpr int kSegmentLength = 250;
// Widths beyond the record's size only make the fuzzer's memory grow.
constexpr int kWidestWrite = 1200;

// True when the field lies inside one segment and starts on a character of it.
bool insideOneSegment(int position, int width) {
    if (position < 1 || position >= 1000 || width < 1) {
        return false;
    }
    const int first = position % kSegmentLength; // 0 at 250 and 500, where writes insert
    return first >= 1 && first + width - 1 < kSegmentLength;
}

std::string stored(std::string_view value, int width) {
    const size_t firstNonBlank = value.find_first_not_of(' ');
    std::string kept(firstNonBlank == std::string_view::npos ? std::string_view{}
                                                             : value.substr(firstNonBlank));
    kept = kept.substr(0, static_cast<size_t>(width));
    const size_t lastNonBlank = kept.find_last_not_of(' ');
    kept.erase(lastNonBlank == std::string::npos ? 0 : lastNonBlank + 1);
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputBytes input(data, size);
    settings::SettingsRecord record("/usr/share/vellomir/");
    for (int step = 0; step < 64 && !input.empty(); ++step) {
        const int operation = input.byte() % 4;
        const int position = input.below(1100) - 20;
        const int width = input.below(kWidestWrite + 10) - 5;
        if (operation == 0) {
            const std::string read = record.read(position, width);
            fuzz::require(static_cast<int>(read.size()) <= std::max(width, 0),
                          "a read is no wider than asked");
            continue;
        }
        if (operation == 1) {
            const long long number = static_cast<long long>(input.below(1 << 16)) - (1 << 15);
            record.writeInt({position, std::min(width, 20)}, number);
            record.readInt({position, width}, -1);
            continue;
        }
        std::string value;
        const int length = input.byte() % 40;
        for (int i = 0; i < length; ++i) {
            value += static_cast<char>(input.byte());
        }
        const int w = std::min(width, kWidestWrite);
        record.write(position, w, value);
        if (insideOneSegment(position, w)) {
            fuzz::require(record.read(position, w) == stored(value, w), "a write reads back");
        }
    }
    record.programDirectory();
    return 0;
}
