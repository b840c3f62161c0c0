#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace vellomir::testing {

/// A fresh folder under the system's temporary folder, removed with its
/// contents when the object goes. path() ends with "/".
class TempDir {
public:
    TempDir() {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("vellomir-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return m_path.string() + "/"; }

    /// Writes `text` to the file `name` inside the folder and returns its path.
    std::string write(const std::string& name, const std::string& text) const {
        const std::string file = path() + name;
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }

private:
    std::filesystem::path m_path;
};

} // namespace vellomir::testing
