#include "resources/resource_seal.h"

#include <QCryptographicHash>

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

} // namespace vellomir::resources
