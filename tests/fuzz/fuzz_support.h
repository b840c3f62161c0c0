#pragma once

// Helpers shared by the fuzz targets: a scratch folder for the readers that
// take a path, and a check that stops the run with a message libFuzzer keeps.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vellomir::fuzz {

/// A folder of this process, made on first use and removed when the process
/// ends: in /dev/shm where there is one, since the atomic writes flush every
/// file to the disk and a disk would slow the fuzzing a hundredfold.
inline const std::filesystem::path& scratchFolder() {
    struct Folder {
        std::filesystem::path path;
        Folder() {
            std::error_code error;
            const std::filesystem::path memory("/dev/shm");
            const bool inMemory =
                std::filesystem::is_directory(memory, error) && ::access(memory.c_str(), W_OK) == 0;
            path = (inMemory ? memory : std::filesystem::temp_directory_path()) /
                   ("vellomir_fuzz_" + std::to_string(::getpid()));
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder;
    return folder.path;
}

/// Writes the bytes into the file, making its folder first.
inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string_view asText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

/// Ends the run as a crash when a property does not hold.
inline void require(bool holds, std::string_view what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(what.size()), what.data());
        std::abort();
    }
}

/// Reads small numbers off the front of the input, then hands out the rest.
class InputBytes {
public:
    InputBytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_position >= m_size; }
    /// The next byte, 0 once the input is used up.
    uint8_t byte() { return m_position < m_size ? m_data[m_position++] : 0; }
    /// A number in [0, bound) from the next two bytes.
    int below(int bound) {
        const int value = byte() << 8 | byte();
        return bound > 0 ? value % bound : 0;
    }
    /// Everything not read yet.
    std::string_view rest() {
        const std::string_view text(reinterpret_cast<const char*>(m_data) + m_position,
                                    m_size - m_position);
        m_position = m_size;
        return text;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_position = 0;
};

} // namespace vellomir::fuzz
