#include "resources/resource_seal.h"

#include <QBuffer>
#include <QFile>

#include <vector>

#include <gtest/gtest.h>

namespace vellomir::resources {
namespace {

QByteArray sealedSample() {
    QByteArray file = QByteArray("head") + unsealedEntry() + QByteArray(300, 'p');
    EXPECT_TRUE(sealFile(file));
    return file;
}

TEST(ResourceSeal, AnyChangedByteBreaksTheSeal) {
    const QByteArray sealed = sealedSample();
    EXPECT_EQ(checkSeal(sealed), SealCheck::Sound);
    // Before the seal, inside the digest and after it.
    for (qsizetype at = 0; at < sealed.size(); ++at) {
        QByteArray changed = sealed;
        changed[at] = static_cast<char>(changed[at] ^ 0x01);
        const SealCheck check = checkSeal(changed);
        // A change inside the marker leaves no seal to check against.
        const bool inMarker = at >= 4 && at < 4 + kSealMarker.size();
        EXPECT_EQ(check, inMarker ? SealCheck::Unsealed : SealCheck::Broken) << at;
    }
    EXPECT_EQ(checkSeal(sealed.left(sealed.size() - 1)), SealCheck::Broken);
}

TEST(ResourceSeal, AFileWithoutOneSealIsUnsealed) {
    EXPECT_EQ(checkSeal(QByteArray(500, 'x')), SealCheck::Unsealed);
    QByteArray twice = sealedSample() + unsealedEntry();
    EXPECT_EQ(checkSeal(twice), SealCheck::Unsealed);
    EXPECT_FALSE(sealFile(twice));
    // A marker cut off before its digest.
    QByteArray cut = QByteArray("head") + kSealMarker.toByteArray() + "12ab";
    EXPECT_EQ(checkSeal(cut), SealCheck::Unsealed);
    EXPECT_FALSE(sealFile(cut));
    // Not sealed yet: the placeholder is no digest of the file.
    EXPECT_EQ(checkSeal(unsealedEntry() + "data"), SealCheck::Broken);
}

SealCheck streamed(const QByteArray& bytes, qsizetype chunk) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return checkSealStreamed(buffer, chunk);
}

TEST(ResourceSeal, TheStreamedCheckAgreesWhereverThePiecesBreak) {
    const QByteArray sealed = sealedSample();
    QByteArray twice = sealed + unsealedEntry();
    // Two markers that overlap a piece's edge, and one cut before its digest.
    QByteArray cut = QByteArray("head") + kSealMarker.toByteArray() + "12ab";
    QByteArray changedDigest = sealed;
    changedDigest[4 + kSealMarker.size() + 3] = 'z';
    QByteArray changedTail = sealed;
    changedTail[changedTail.size() - 1] = 'q';
    const std::vector<QByteArray> files{
        sealed, twice, cut, QByteArray(), changedDigest, changedTail, unsealedEntry() + "data"};
    for (const QByteArray& file : files) {
        for (const qsizetype chunk : {1, 2, 7, 22, 23, 24, 64, 65, 300, 4096}) {
            EXPECT_EQ(streamed(file, chunk), checkSeal(file))
                << "chunk " << chunk << ", file of " << file.size() << " bytes";
        }
    }
}

TEST(ResourceSeal, TheBuiltLibraryIsSealed) {
    QFile file(QStringLiteral(VELLOMIR_BIN_DIR "/KAR.RGF"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(checkSealStreamed(file), SealCheck::Sound);
    ASSERT_TRUE(file.seek(0));
    EXPECT_EQ(checkSeal(file.readAll()), SealCheck::Sound);
}

} // namespace
} // namespace vellomir::resources
