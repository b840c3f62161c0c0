#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

#include <optional>

namespace vellomir::resources {

// The resource library carries a seal: one entry, stored unpacked, that holds
// a marker and the digest of every other byte of the file. The check of the
// file's structure (resource_file_check.h) finds a damaged offset; the seal
// finds a changed byte anywhere, inside a picture or a sound as well.

/// What the seal entry starts with; its digest follows in hexadecimal.
inline constexpr QByteArrayView kSealMarker = "VELLOMIR-RESOURCE-SEAL:";
/// The digest's length in hexadecimal digits (SHA-256).
inline constexpr qsizetype kSealDigestLength = 64;

/// The seal entry as the resource builder writes it, before it is sealed.
QByteArray unsealedEntry();

/// Where the digest of the seal lies in `file`: right after the one marker.
/// None when the file holds no marker, or more than one.
std::optional<qsizetype> sealDigestOffset(QByteArrayView file);

/// Writes the digest of `file` into its seal. False when it has no seal.
bool sealFile(QByteArray& file);

enum class SealCheck {
    Sound,    ///< the digest matches every byte
    Unsealed, ///< no seal: a library made without one
    Broken,   ///< a byte of the file changed since it was sealed
};

/// Checks the file against its seal.
SealCheck checkSeal(QByteArrayView file);

/// The bytes a streamed check reads at a time.
inline constexpr qsizetype kSealReadChunk = 256 * 1024;

/// The same check as `checkSeal`, reading the open, seekable `file` from its
/// start `chunk` bytes at a time: the library is checked while the program
/// runs, and a whole copy of it would double what the program holds. A file
/// that cannot be read to its end is Broken.
SealCheck checkSealStreamed(QIODevice& file, qsizetype chunk = kSealReadChunk);

} // namespace vellomir::resources
