#include "resources/wave_format.h"

#include "resources/resource_library.h"
#include "resources/sound_effect_backend.h"

#include "sound_builder/sound_analysis.h"
#include "sound_builder/sound_recipes.h"
#include "sound_builder/wave_file.h"
#include "test_resource_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace vellomir::resources {
namespace {

// Every sound the program asks for, with the longest it may last for its use.
struct Expected {
    const char* name;
    double maxSeconds;
    bool looped;
};
constexpr double kCard = 0.6; // card noises: well under a second
constexpr Expected kSounds[] = {
    {"Splash", 3.0, false},     {"About", 3.0, false},     {"New", 1.0, false},
    {"Won", 5.0, false},        {"card_up", kCard, false}, {"card_down", kCard, false},
    {"Face_up", kCard, false},  {"Stock", kCard, false},   {"Foundation", kCard, false},
    {"Autoplay", kCard, false}, {"Tableau", kCard, false}, {"Eddy", kCard, false},
    {"Pairing", 1.0, false},    {"Shuffle", 2.0, true},    {"Redeal", 2.0, true},
    {"Red_no_a", 1.0, false},
};

QByteArray readBuilt(const char* name) {
    QFile file(QStringLiteral(VELLOMIR_SOUNDS_DIR "/%1.wav").arg(QString::fromLatin1(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

tools::PcmSound decode(const QByteArray& bytes) {
    std::string error;
    const auto sound =
        tools::decodeWave(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), error);
    return sound ? *sound : tools::PcmSound{};
}

TEST(BuiltSounds, TheFolderHoldsExactlyTheSoundsOfTheTable) {
    QStringList expected;
    for (const Expected& sound : kSounds) {
        expected << QString::fromLatin1(sound.name) + QStringLiteral(".wav");
    }
    QStringList found = QDir(QStringLiteral(VELLOMIR_SOUNDS_DIR)).entryList(QDir::Files);
    expected.sort();
    found.sort();
    EXPECT_EQ(found, expected);
}

TEST(BuiltSounds, EachIsShortAudible16BitPcmWithoutFullScaleSamples) {
    for (const Expected& expected : kSounds) {
        SCOPED_TRACE(expected.name);
        const QByteArray bytes = readBuilt(expected.name);
        const std::optional<WaveFormat> format = readWaveFormat(bytes);
        ASSERT_TRUE(format);
        EXPECT_EQ(format->formatTag, 1);
        EXPECT_EQ(format->channels, 1);
        EXPECT_EQ(format->bitsPerSample, 16);
        EXPECT_TRUE(format->sampleRate == 22050 || format->sampleRate == 44100);
        EXPECT_GT(format->durationMs(), 50);
        EXPECT_LE(format->durationMs(), expected.maxSeconds * 1000);

        const tools::PcmSound sound = decode(bytes);
        ASSERT_EQ(qint64(sound.samples.size()) * 2, format->dataBytes);
        int peak = 0;
        for (const std::int16_t sample : sound.samples) {
            peak = std::max(peak, std::abs(int(sample)));
        }
        EXPECT_LT(peak, 32767);
        EXPECT_GT(peak, 32767 / 4) << "barely audible";
    }
}

TEST(BuiltSounds, OneShotsStartAndEndInSilenceAndLoopsJoinWithoutAClick) {
    for (const Expected& expected : kSounds) {
        SCOPED_TRACE(expected.name);
        const tools::SoundFigures figures = tools::analyseSound(decode(readBuilt(expected.name)));
        if (expected.looped) {
            EXPECT_TRUE(tools::loopsSmoothly(figures))
                << tools::describeFigures(expected.name, figures);
        } else {
            EXPECT_LT(std::abs(figures.firstSample), 0.002);
            EXPECT_LT(std::abs(figures.lastSample), 0.002);
        }
        EXPECT_LT(std::abs(figures.dcOffset), 0.005);
    }
}

// Qt's own sound loader must accept every sound where the program finds it
// in the library, whether or not this machine can play it.
TEST(BuiltSounds, QtLoadsEachFromTheLibrary) {
    testing::TestResourceFile file;
    for (const Expected& expected : kSounds) {
        file.add(QStringLiteral("wave"), QString::fromLatin1(expected.name),
                 readBuilt(expected.name));
    }
    QString error;
    const QString path = file.build(&error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    ResourceLibrary library;
    ASSERT_TRUE(library.open(path));
    for (const Expected& expected : kSounds) {
        QSoundEffect effect;
        effect.setSource(SoundEffectBackend::sourceFor(QString::fromLatin1(expected.name)));
        QElapsedTimer clock;
        clock.start();
        while (effect.status() == QSoundEffect::Loading && clock.elapsed() < 10000) {
            QCoreApplication::processEvents();
            QThread::msleep(2);
        }
        EXPECT_EQ(effect.status(), QSoundEffect::Ready) << expected.name;
    }
}

TEST(BuiltSounds, SynthesisIsRepeatable) {
    for (const tools::SoundRecipe& recipe : tools::soundRecipes()) {
        if (recipe.name == "Shuffle" || recipe.name == "Won") {
            EXPECT_EQ(tools::renderSound(recipe), tools::renderSound(recipe)) << recipe.name;
        }
    }
}

TEST(BuiltSounds, AJumpAtTheLoopJoinIsCaught) {
    // Whole periods of a sine loop cleanly; a step at the end does not.
    tools::PcmSound sound;
    for (int i = 0; i < 4400; ++i) {
        sound.samples.push_back(
            std::int16_t(std::lround(3000.0 * std::sin(i * 2.0 * 3.14159265358979 / 100.0))));
    }
    EXPECT_TRUE(tools::loopsSmoothly(tools::analyseSound(sound)));
    sound.samples.back() = 20000;
    EXPECT_FALSE(tools::loopsSmoothly(tools::analyseSound(sound)));
}

TEST(WaveFormat, ReadsTheHeaderPastOtherChunksAndRejectsBrokenFiles) {
    QByteArray wave = testing::TestResourceFile::silentWave(100, 22050);
    const std::optional<WaveFormat> plain = readWaveFormat(wave);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->sampleRate, 22050);
    EXPECT_EQ(plain->durationMs(), 100);

    // An odd-sized chunk between format and data is skipped with its pad byte.
    QByteArray withList = wave.left(36) + QByteArray("LIST\x03\0\0\0abc\0", 12) + wave.mid(36);
    const std::optional<WaveFormat> listed = readWaveFormat(withList);
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->dataBytes, plain->dataBytes);

    EXPECT_FALSE(readWaveFormat(QByteArray()));
    EXPECT_FALSE(readWaveFormat(QByteArray("RIFF\0\0\0\0WAVX", 12)));
    EXPECT_FALSE(readWaveFormat(wave.left(wave.size() - 10))) << "data chunk runs past the end";
    EXPECT_FALSE(readWaveFormat(wave.left(36))) << "no data chunk";
}

} // namespace
} // namespace vellomir::resources
