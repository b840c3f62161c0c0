#include "resources/resource_seal.h"

#include <QFile>

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

TEST(ResourceSeal, TheBuiltLibraryIsSealed) {
    QFile file(QStringLiteral(VELLOMIR_BIN_DIR "/KAR.RGF"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(checkSeal(file.readAll()), SealCheck::Sound);
}

} // namespace
} // namespace vellomir::resources
