#pragma once

#include "../resources/fake_audio_backend.h"
#include "app/startup.h"
#include "recording_boxes.h"
#include "settings/ini_file.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <filesystem>
#include <fstream>
#include <memory>

namespace vellomir::testing {

/// A program directory of its own for each test: the built GAMES.DAT and
/// KAR.RGF copied in, the rest (DATA/CFG.DAT, the marker) written there by
/// the program.
class ProgramDirectory {
public:
    explicit ProgramDirectory(bool withCatalogue = true, bool withLibrary = true) {
        namespace fs = std::filesystem;
        const fs::path bin(VELLOMIR_BIN_DIR);
        if (withCatalogue) {
            fs::copy_file(bin / "GAMES.DAT", m_folder.path() / "GAMES.DAT");
        }
        if (withLibrary) {
            fs::create_symlink(bin / "KAR.RGF", m_folder.path() / "KAR.RGF");
            fs::create_symlink(bin / "marbleon.hlp", m_folder.path() / "marbleon.hlp");
        }
    }

    std::string path() const { return m_folder.path().string() + "/"; }
    QString qpath() const { return QString::fromStdString(path()); }
    std::string preferencesPath() const { return path() + "DATA/CFG.DAT"; }
    settings::IniFile preferences() const { return settings::IniFile(preferencesPath()); }

    void write(const std::string& name, const std::string& text) const {
        std::filesystem::create_directories(std::filesystem::path(path() + name).parent_path());
        std::ofstream(path() + name, std::ios::binary) << text;
    }

private:
    TempFolder m_folder;
};

/// Options for a program run in a test: recorded boxes, silent audio, no splash.
inline app::StartupOptions testOptions(const ProgramDirectory& directory, RecordingBoxes& boxes) {
    app::StartupOptions options;
    options.programDirectory = directory.qpath();
    options.boxes = &boxes;
    options.audio = [] { return std::make_unique<FakeAudioBackend>(); };
    options.showSplash = false;
    return options;
}

/// Lets the event loop run until `done` holds or a second has passed.
template <class Predicate> bool processEventsUntil(Predicate done, int timeoutMs = 2000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

} // namespace vellomir::testing
