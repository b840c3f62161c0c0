#include "resources/sound_service.h"

#include "fake_audio_backend.h"
#include "resources/resource_library.h"
#include "resources/sound_effect_backend.h"
#include "test_resource_file.h"

#include <gtest/gtest.h>

#include <memory>

namespace vellomir::resources {
namespace {

using seam::SoundMode;
using testing::FakeAudioBackend;
using testing::TestResourceFile;

class SoundServiceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_file = std::make_unique<TestResourceFile>();
        for (const char* name : {"Splash", "New", "Stock", "Shuffle", "Red_no_a"}) {
            s_file->addWave(QString::fromLatin1(name), 60);
        }
        QString error;
        s_path = s_file->build(&error);
        ASSERT_FALSE(s_path.isEmpty()) << error.toStdString();
    }
    static void TearDownTestSuite() { s_file.reset(); }

    void SetUp() override {
        ASSERT_TRUE(library.open(s_path));
        settings.write(settings::field::SoundsEnabled, "Y");
    }

    static std::unique_ptr<TestResourceFile> s_file;
    static QString s_path;

    settings::SettingsRecord settings;
    ResourceLibrary library;
    FakeAudioBackend backend;
    SoundService sounds{settings, library, backend};
};

std::unique_ptr<TestResourceFile> SoundServiceTest::s_file;
QString SoundServiceTest::s_path;

TEST_F(SoundServiceTest, MasterSwitchOffSilencesEverySoundAndStopToo) {
    backend.start(QStringLiteral("Shuffle"), true);
    backend.log.clear();
    for (const char* off : {"N", "", "y"}) {
        settings.write(settings::field::SoundsEnabled, off);
        sounds.play("Stock", true, SoundMode::AtOnce);
        sounds.play("New", true, SoundMode::Wait);
        sounds.play("Shuffle", true, SoundMode::Looped);
        sounds.play("NoSuchSound", true, SoundMode::AtOnce);
        sounds.stop();
    }
    EXPECT_TRUE(backend.log.isEmpty()) << backend.log.join(", ").toStdString();
    EXPECT_EQ(backend.playing, QStringLiteral("Shuffle"));
}

TEST_F(SoundServiceTest, EachSoundNeedsItsOwnSwitch) {
    sounds.play("Stock", false, SoundMode::AtOnce);
    sounds.play("Shuffle", false, SoundMode::Looped);
    sounds.play("New", false, SoundMode::Wait);
    EXPECT_TRUE(backend.log.isEmpty());

    sounds.play("Stock", true, SoundMode::AtOnce);
    EXPECT_EQ(backend.log, QStringList{QStringLiteral("start Stock once")});
}

TEST_F(SoundServiceTest, ANewSoundCutsTheOnePlaying) {
    sounds.play("Shuffle", true, SoundMode::Looped);
    sounds.play("Stock", true, SoundMode::AtOnce);
    EXPECT_EQ(backend.log, (QStringList{QStringLiteral("start Shuffle looped"),
                                        QStringLiteral("start Stock once")}));
    EXPECT_EQ(backend.playing, QStringLiteral("Stock"));
    EXPECT_FALSE(backend.looped);
}

TEST_F(SoundServiceTest, WaitReturnsOnlyWhenTheSoundHasEnded) {
    backend.lengthsMs[QStringLiteral("New")] = 30;
    sounds.play("New", true, SoundMode::Wait);
    EXPECT_EQ(backend.log,
              (QStringList{QStringLiteral("start New once"), QStringLiteral("ended New")}));
    EXPECT_FALSE(backend.isPlaying());
    EXPECT_GE(backend.idledMs, 30);
}

TEST_F(SoundServiceTest, AtOnceAndLoopedDoNotWait) {
    sounds.play("Stock", true, SoundMode::AtOnce);
    EXPECT_TRUE(backend.isPlaying());
    sounds.play("Shuffle", true, SoundMode::Looped);
    EXPECT_TRUE(backend.isPlaying());
    EXPECT_EQ(backend.idledMs, 0);
}

TEST_F(SoundServiceTest, WaitGivesUpWhenTheEndIsNeverReported) {
    backend.neverEnds = true;
    sounds.setWaitGraceMs(40);
    sounds.play("Red_no_a", true, SoundMode::Wait);
    // It waited at least the sound's own 60 ms, then returned.
    EXPECT_GE(backend.idledMs, 60);
    EXPECT_EQ(backend.log, QStringList{QStringLiteral("start Red_no_a once")});
}

TEST_F(SoundServiceTest, LoopedPlaysUntilStopped) {
    sounds.play("Shuffle", true, SoundMode::Looped);
    ASSERT_TRUE(backend.looped);
    backend.idle(200);
    EXPECT_TRUE(backend.isPlaying());
    sounds.stop();
    EXPECT_FALSE(backend.isPlaying());
    EXPECT_EQ(backend.log.last(), QStringLiteral("stop"));
}

TEST_F(SoundServiceTest, AMissingNameStopsTheCurrentSound) {
    sounds.play("Shuffle", true, SoundMode::Looped);
    sounds.play("Won", true, SoundMode::AtOnce); // not in this library
    EXPECT_EQ(backend.log,
              (QStringList{QStringLiteral("start Shuffle looped"), QStringLiteral("stop")}));
    EXPECT_FALSE(backend.isPlaying());

    sounds.play("Shuffle", true, SoundMode::Looped);
    sounds.play("Won", false, SoundMode::AtOnce); // its switch off: nothing at all
    EXPECT_TRUE(backend.isPlaying());
}

TEST_F(SoundServiceTest, StopAsksForANameTheLibraryNeverHolds) {
    EXPECT_FALSE(library.hasWave(QString::fromLatin1(SoundService::kStopName.data())));
    sounds.play("Stock", true, SoundMode::AtOnce);
    sounds.stop();
    EXPECT_EQ(backend.log,
              (QStringList{QStringLiteral("start Stock once"), QStringLiteral("stop")}));
}

TEST_F(SoundServiceTest, SplashSoundFollowsBothPreferenceFlags) {
    settings.write(settings::field::SoundsEnabled, "");
    playSplashSound(settings, sounds, true, true);
    EXPECT_EQ(settings.read(settings::field::SoundsEnabled), "Y");
    EXPECT_EQ(backend.log, QStringList{QStringLiteral("start Splash once")});

    backend.log.clear();
    playSplashSound(settings, sounds, true, false);
    EXPECT_EQ(settings.read(settings::field::SoundsEnabled), "Y");
    playSplashSound(settings, sounds, false, true);
    EXPECT_EQ(settings.read(settings::field::SoundsEnabled), "N");
    EXPECT_TRUE(backend.log.isEmpty());
}

// The real channel on whatever this machine has: with no audio output (as
// on a build server) every mode must return, the wait one included.
TEST_F(SoundServiceTest, RealBackendNeverHangsOrFails) {
    SoundEffectBackend real;
    SoundService service(settings, library, real);
    service.setWaitGraceMs(500);
    service.play("Shuffle", true, SoundMode::Looped);
    service.play("New", true, SoundMode::Wait);
    EXPECT_FALSE(real.isPlaying());
    service.play("NoSuchSound", true, SoundMode::AtOnce);
    service.play("Stock", true, SoundMode::AtOnce);
    service.stop();
    EXPECT_FALSE(real.isPlaying());
}

} // namespace
} // namespace vellomir::resources
