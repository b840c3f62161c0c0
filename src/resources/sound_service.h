#pragma once

#include "seam/frontend.h"
#include "settings/settings_record.h"

#include <QString>

#include <string_view>

namespace vellomir::resources {

class AudioBackend;
class ResourceLibrary;

/// The program's sounds: plays the WAVE resources of the library by name on
/// one channel, each gated by the master switch (settings field
/// SoundsEnabled) and the caller's own switch.
///
/// A sound the library does not have stops the one playing; stop() is
/// exactly that, asking for a name the library never holds, so it too does
/// nothing while the master switch is off.
class SoundService {
public:
    /// The name stop() asks for; the library must not contain it.
    static constexpr std::string_view kStopName = "_tmp_stop_";
    /// How much longer than the sound itself a wait lasts at most, for an
    /// audio system that never reports the end (or takes a while to start).
    static constexpr int kDefaultWaitGraceMs = 1500;

    SoundService(const settings::SettingsRecord& settings, const ResourceLibrary& library,
                 AudioBackend& backend);

    /// Plays the sound `name` when `switchOn` and the master switch allow it.
    /// At once and looped return at once; wait returns when the sound has ended.
    void play(std::string_view name, bool switchOn, seam::SoundMode mode);
    /// Stops the sound playing (obeys the master switch).
    void stop();

    void setWaitGraceMs(int milliseconds) { m_waitGraceMs = milliseconds; }

private:
    void waitForEnd(const QString& name);

    const settings::SettingsRecord& m_settings;
    const ResourceLibrary& m_library;
    AudioBackend& m_backend;
    int m_waitGraceMs = kDefaultWaitGraceMs;
};

/// The start-up sound, played as the splash window shows and before the
/// settings record is filled from the preferences. `soundsEnabled` and
/// `soundsSplash` are the preferences' "Sounds_Enabled" and "Sounds_Splash"
/// read straight from the file (default "Y"); the master switch is stored in
/// the record first, so the sound obeys it like every other.
void playSplashSound(settings::SettingsRecord& settings, SoundService& sounds, bool soundsEnabled,
                     bool soundsSplash);

} // namespace vellomir::resources
