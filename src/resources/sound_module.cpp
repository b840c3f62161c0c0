// The sound module: the program loads it when the first sound plays (see
// resources/audio_module.h), so Qt Multimedia and the system's sound
// libraries stay out of its start-up.
#include "resources/audio_module.h"
#include "resources/sound_effect_backend.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT vellomir::resources::AudioBackend* vellomir_make_audio_backend() {
    return new vellomir::resources::SoundEffectBackend();
}
