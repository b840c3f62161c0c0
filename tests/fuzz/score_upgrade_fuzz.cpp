// The upgrade of an old score file on any DATA/STAT_SCR.DAT: nothing crashes;
// an upgraded file is exactly the upgraded text of the old one, carries the
// current version, and a second upgrade leaves it alone.

#include "fuzz_support.h"

#include "cli/console_frontend.h"
#include "engine/records/statistics_file.h"

#include <iterator>
#include <ostream>

using namespace vellomir;

namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view old = fuzz::asText(data, size);
    const std::filesystem::path folder = fuzz::scratchFolder() / "data";
    const std::filesystem::path scoreFile = folder / engine::kScoreFileName;
    fuzz::writeFile(scoreFile, old);
    fuzz::writeFile(folder / "DATA/CFG.DAT",
                    "[Preference]\r\nCards_Animate=S\r\nConfirmQuit=S\r\n");

    std::ostream nowhere(nullptr);
    tools::ConsoleFrontend frontend(nowhere);
    engine::readSectionKeysInText(old, "Version", {"Version", "V"}, {"0000", ""});
    if (!engine::upgradeScoreFile(folder, frontend)) {
        fuzz::require(readAll(scoreFile) == old, "a file not upgraded is left as it was");
        return 0;
    }
    const std::string upgraded = readAll(scoreFile);
    fuzz::require(upgraded == engine::upgradedScoreText(old), "the file holds the upgraded text");
    const engine::SectionValues version =
        engine::readSectionKeysInText(upgraded, "Version", {"Version"}, {"0000"});
    fuzz::require(version.values.front() == engine::kScoreFileVersion,
                  "the upgraded file is current");
    fuzz::require(!engine::upgradeScoreFile(folder, frontend),
                  "a current file is not upgraded again");
    fuzz::require(readAll(scoreFile) == upgraded, "a current file is left alone");
    return 0;
}
