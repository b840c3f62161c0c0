#include "resources/audio_module.h"

#include <QLibrary>

namespace vellomir::resources {
namespace {

using Factory = AudioBackend* (*)();

} // namespace

QStringList audioModuleCandidates(const QString& executableDirectory) {
    const QString name = QString::fromLatin1(kAudioModuleName);
    return {executableDirectory + QLatin1Char('/') + name,
            executableDirectory + QStringLiteral("/../lib/vellomir/") + name};
}

std::unique_ptr<AudioBackend> loadAudioModule(const QString& executableDirectory) {
    // Looked for once: a program without the module stays silent without
    // asking the system again at every sound.
    static const Factory factory = [&executableDirectory]() -> Factory {
        for (const QString& candidate : audioModuleCandidates(executableDirectory)) {
            QLibrary module(candidate);
            if (module.load()) {
                if (auto make = reinterpret_cast<Factory>(module.resolve(kAudioModuleFactory))) {
                    return make; // the module stays loaded for the rest of the run
                }
                module.unload();
            }
        }
        return nullptr;
    }();
    return std::unique_ptr<AudioBackend>(factory ? factory() : nullptr);
}

} // namespace vellomir::resources
