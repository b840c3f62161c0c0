#include "resources/audio_module.h"

#include <QLibrary>

#include <gtest/gtest.h>

namespace vellomir::resources {
namespace {

const QString kBinDir = QStringLiteral(VELLOMIR_BIN_DIR);

// The built module is where the program looks for it, and makes an audio
// output through the function the program resolves.
TEST(AudioModule, TheBuiltModuleMakesAnAudioOutputBesideTheProgram) {
    const QStringList candidates = audioModuleCandidates(kBinDir);
    ASSERT_FALSE(candidates.isEmpty());
    QLibrary module(candidates.front());
    ASSERT_TRUE(module.load()) << module.errorString().toStdString();
    using Factory = AudioBackend* (*)();
    const auto make = reinterpret_cast<Factory>(module.resolve(kAudioModuleFactory));
    ASSERT_NE(make, nullptr);
    const std::unique_ptr<AudioBackend> audio(make());
    ASSERT_NE(audio, nullptr);
    EXPECT_FALSE(audio->isPlaying());
}

// An installation keeps the module in lib/vellomir beside the programs'
// folder (bin, or games in the Debian package).
TEST(AudioModule, AnInstalledProgramLooksInLibVellomir) {
    const QStringList candidates = audioModuleCandidates(QStringLiteral("/usr/games"));
    ASSERT_EQ(candidates.size(), 2);
    EXPECT_EQ(candidates[1], QStringLiteral("/usr/games/../lib/vellomir/vellomir_sound"));
}

} // namespace
} // namespace vellomir::resources
