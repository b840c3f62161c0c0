#pragma once

#include "resources/audio_backend.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace vellomir::resources {

/// The file name, without its suffix, of the sound module: the audio
/// output (SoundEffectBackend with Qt Multimedia and the system's sound
/// libraries) is loaded from it when the first sound plays, so that none of
/// those libraries is loaded while the program starts.
inline constexpr const char* kAudioModuleName = "vellomir_sound";
/// The function of the module that makes its audio output; declared
/// extern "C" there with this signature: AudioBackend* ().
inline constexpr const char* kAudioModuleFactory = "vellomir_make_audio_backend";

/// Where the module is looked for: beside the executable (the build tree),
/// then in lib/vellomir beside the executable's folder (an installation).
QStringList audioModuleCandidates(const QString& executableDirectory);

/// Loads the sound module (once; it stays loaded) and makes an audio output
/// with it. Null when there is no module or it cannot be loaded: the
/// program then plays no sound, which is never an error.
std::unique_ptr<AudioBackend> loadAudioModule(const QString& executableDirectory);

} // namespace vellomir::resources
