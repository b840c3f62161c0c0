#include "resources/resource_seal.h"

#include <QCryptographicHash>

#include <algorithm>

namespace vellomir::resources {
namespace {

constexpr char kUnsealedDigit = '0';

// The digest of every byte of the file but the seal's own digest.
QByteArray digestAround(QByteArrayView file, qsizetype digestOffset) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(file.first(digestOffset));
    hash.addData(file.sliced(digestOffset + kSealDigestLength));
    return hash.result().toHex();
}

} // namespace

QByteArray unsealedEntry() {
    return kSealMarker.toByteArray() + QByteArray(kSealDigestLength, kUnsealedDigit);
}

std::optional<qsizetype> sealDigestOffset(QByteArrayView file) {
    const qsizetype first = file.indexOf(kSealMarker);
    if (first < 0 || file.indexOf(kSealMarker, first + 1) >= 0) {
        return std::nullopt;
    }
    const qsizetype offset = first + kSealMarker.size();
    if (offset + kSealDigestLength > file.size()) {
        return std::nullopt;
    }
    return offset;
}

bool sealFile(QByteArray& file) {
    const std::optional<qsizetype> offset = sealDigestOffset(file);
    if (!offset) {
        return false;
    }
    const QByteArray digest = digestAround(file, *offset);
    file.replace(*offset, kSealDigestLength, digest);
    return true;
}

SealCheck checkSeal(QByteArrayView file) {
    const std::optional<qsizetype> offset = sealDigestOffset(file);
    if (!offset) {
        return SealCheck::Unsealed;
    }
    const QByteArrayView stored = file.sliced(*offset, kSealDigestLength);
    return stored == digestAround(file, *offset) ? SealCheck::Sound : SealCheck::Broken;
}

namespace {

/// Reads `file` from its start in pieces of `chunk` bytes; `take` gets each
/// piece with the `keep` bytes before it (so that a marker across two pieces
/// is seen) and where the piece starts in the file. False when a read fails
/// before the end.
template <typename Take>
bool readInPieces(QIODevice& file, qsizetype chunk, qsizetype keep, Take take) {
    if (!file.seek(0)) {
        return false;
    }
    QByteArray window;
    qsizetype windowStart = 0;
    QByteArray piece(chunk, Qt::Uninitialized);
    while (true) {
        const qint64 got = file.read(piece.data(), chunk);
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return file.atEnd();
        }
        window.append(piece.constData(), static_cast<qsizetype>(got));
        take(QByteArrayView(window), windowStart);
        const qsizetype kept = std::min(keep, window.size());
        windowStart += window.size() - kept;
        window.remove(0, window.size() - kept);
    }
}

} // namespace

SealCheck checkSealStreamed(QIODevice& file, qsizetype chunk) {
    chunk = std::max<qsizetype>(chunk, 1);
    // First pass: the one marker, and whether its digest is all in the file.
    const qsizetype keep = kSealMarker.size() - 1;
    qsizetype markers = 0;
    qsizetype first = -1;
    qsizetype seenUpTo = 0; // a marker is counted once, in the window that first holds it whole
    qsizetype total = 0;
    const bool read = readInPieces(file, chunk, keep, [&](QByteArrayView window, qsizetype start) {
        for (qsizetype at = window.indexOf(kSealMarker); at >= 0;
             at = window.indexOf(kSealMarker, at + 1)) {
            if (start + at < seenUpTo) {
                continue;
            }
            ++markers;
            if (first < 0) {
                first = start + at;
            }
            seenUpTo = start + at + 1;
        }
        total = start + window.size();
    });
    if (!read) {
        return SealCheck::Broken;
    }
    if (markers != 1 || first + kSealMarker.size() + kSealDigestLength > total) {
        return SealCheck::Unsealed;
    }
    // Second pass: the digest of every byte but the stored digest.
    const qsizetype digestAt = first + kSealMarker.size();
    const qsizetype digestEnd = digestAt + kSealDigestLength;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray stored;
    qsizetype hashedUpTo = 0;
    const bool reread = readInPieces(file, chunk, 0, [&](QByteArrayView window, qsizetype start) {
        const qsizetype end = start + window.size();
        // Bytes [start, end): hash those outside the digest, keep those inside.
        const auto bytes = [&](qsizetype from, qsizetype to) {
            return window.sliced(from - start, to - from);
        };
        const qsizetype beforeEnd = std::min(end, digestAt);
        if (start < beforeEnd) {
            hash.addData(bytes(start, beforeEnd));
        }
        const qsizetype inFrom = std::max(start, digestAt);
        const qsizetype inTo = std::min(end, digestEnd);
        if (inFrom < inTo) {
            stored.append(bytes(inFrom, inTo));
        }
        const qsizetype afterFrom = std::max(start, digestEnd);
        if (afterFrom < end) {
            hash.addData(bytes(afterFrom, end));
        }
        hashedUpTo = end;
    });
    if (!reread || hashedUpTo != total) {
        return SealCheck::Broken;
    }
    return stored == hash.result().toHex() ? SealCheck::Sound : SealCheck::Broken;
}

} // namespace vellomir::resources
