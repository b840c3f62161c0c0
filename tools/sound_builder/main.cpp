// vellomir-sound-builder OUTDIR [--report]
//
// Synthesises every sound of the resource library and writes it to OUTDIR as
// NAME.wav (16-bit PCM mono, 44100 Hz). With --report it also prints the
// duration, levels and loop join of each sound.

#include "sound_builder/sound_analysis.h"
#include "sound_builder/sound_recipes.h"
#include "sound_builder/wave_file.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    using namespace vellomir::tools;
    std::filesystem::path outDir;
    bool report = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--report") {
            report = true;
        } else if (outDir.empty() && !argument.starts_with("-")) {
            outDir = argument;
        } else {
            outDir.clear();
            break;
        }
    }
    if (outDir.empty()) {
        std::cerr << "usage: vellomir-sound-builder OUTDIR [--report]\n";
        return 2;
    }
    std::error_code failure;
    std::filesystem::create_directories(outDir, failure);
    if (failure) {
        std::cerr << "vellomir-sound-builder: cannot create " << outDir.string() << ": "
                  << failure.message() << '\n';
        return 1;
    }

    for (const SoundRecipe& recipe : soundRecipes()) {
        const PcmSound sound = toPcm(renderSound(recipe));
        std::string error;
        const std::filesystem::path path = outDir / (std::string(recipe.name) + ".wav");
        if (!writeFileAtomically(path, encodeWave(sound), error)) {
            std::cerr << "vellomir-sound-builder: " << error << '\n';
            return 1;
        }
        if (report) {
            const SoundFigures figures = analyseSound(sound);
            std::cout << describeFigures(recipe.name, figures);
            if (recipe.looped) {
                std::cout << (loopsSmoothly(figures) ? "  loop ok" : "  LOOP CLICKS");
            }
            std::cout << '\n';
        }
    }
    return 0;
}
