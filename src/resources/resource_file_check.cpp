#include "resources/resource_file_check.h"

#include <QCoreApplication>
#include <QtEndian>

#include <optional>
#include <vector>

namespace vellomir::resources {
namespace {

constexpr char kMagic[] = "qres";
constexpr qsizetype kHeaderSize = 20;      // magic, version, three offsets
constexpr qsizetype kFlagsFieldSize = 4;   // version 3 adds the feature flags
constexpr qsizetype kNodeSizeV1 = 14;      // name, flags, two 4-byte fields
constexpr qsizetype kModifiedTimeSize = 8; // version 2 adds the modification time
constexpr qsizetype kNameHeaderSize = 6;   // length in UTF-16 units, hash
constexpr quint16 kCompressedZlib = 0x01;
constexpr quint16 kDirectory = 0x02;
constexpr quint16 kCompressedZstd = 0x04;
constexpr quint16 kKnownFlags = kCompressedZlib | kDirectory | kCompressedZstd;
constexpr int kLowestVersion = 1;
constexpr int kHighestVersion = 3;
// Far more than any library holds; a damaged count must not make the walk long.
constexpr qsizetype kMostNodes = 1'000'000;

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool has(qint64 offset, qint64 length) const {
        return offset >= 0 && length >= 0 && offset <= m_bytes.size() &&
               length <= m_bytes.size() - offset;
    }
    quint32 u32(qint64 offset) const {
        return qFromBigEndian<quint32>(m_bytes.constData() + offset);
    }
    quint16 u16(qint64 offset) const {
        return qFromBigEndian<quint16>(m_bytes.constData() + offset);
    }
    quint8 byte(qint64 offset) const { return static_cast<quint8>(m_bytes[offset]); }
    QByteArray slice(qint64 offset, qint64 length) const { return m_bytes.mid(offset, length); }

private:
    const QByteArray& m_bytes;
};

// A zstd frame as rcc writes it (one frame, RFC 8878), checked without
// unpacking it: its header, every block header, and that the blocks end
// exactly where the entry does. The size it declares must be one its blocks
// can give, for Qt sets that much memory aside before it unpacks.
class ZstdFrameCheck {
public:
    ZstdFrameCheck(const Reader& file, qint64 offset, qint64 length)
        : m_file(file), m_at(offset), m_end(offset + length) {}

    bool sound() {
        constexpr quint32 kMagic = 0xFD2FB528;
        constexpr int kReservedBit = 0x08;
        constexpr int kChecksumBit = 0x04;
        constexpr int kSingleSegmentBit = 0x20;
        constexpr int kDictionaryBytes[] = {0, 1, 2, 4};
        constexpr int kContentSizeBytes[] = {0, 2, 4, 8};
        if (!take(5) || le(m_at - 5, 4) != kMagic) {
            return false;
        }
        const int descriptor = static_cast<int>(le(m_at - 1, 1));
        if ((descriptor & kReservedBit) != 0) {
            return false;
        }
        const bool singleSegment = (descriptor & kSingleSegmentBit) != 0;
        const int sizeFlag = descriptor >> 6;
        const int sizeBytes = sizeFlag == 0 && singleSegment ? 1 : kContentSizeBytes[sizeFlag];
        if (!take((singleSegment ? 0 : 1) + kDictionaryBytes[descriptor & 3])) {
            return false;
        }
        if (!take(sizeBytes)) {
            return false;
        }
        std::optional<quint64> contentSize;
        if (sizeBytes > 0) {
            contentSize = le(m_at - sizeBytes, sizeBytes) + (sizeBytes == 2 ? 256 : 0);
        }
        quint64 plain = 0;      // bytes the raw and repeated blocks give
        quint64 compressed = 0; // compressed blocks, each at most kMaxBlock bytes unpacked
        for (bool last = false; !last;) {
            if (!take(3)) {
                return false;
            }
            const quint32 header = static_cast<quint32>(le(m_at - 3, 3));
            last = (header & 1) != 0;
            const int type = static_cast<int>((header >> 1) & 3);
            const qint64 size = header >> 3;
            if (size > kMaxBlock) {
                return false;
            }
            switch (type) {
            case kRawBlock:
                plain += static_cast<quint64>(size);
                if (!take(size)) {
                    return false;
                }
                break;
            case kRepeatBlock:
                plain += static_cast<quint64>(size);
                if (!take(1)) {
                    return false;
                }
                break;
            case kCompressedBlock:
                ++compressed;
                if (size == 0 || !take(size)) {
                    return false;
                }
                break;
            default:
                return false; // the reserved block type
            }
        }
        if ((descriptor & kChecksumBit) != 0 && !take(4)) {
            return false;
        }
        if (m_at != m_end) {
            return false;
        }
        return !contentSize ||
               (*contentSize >= plain && *contentSize <= plain + compressed * kMaxBlock);
    }

private:
    static constexpr qint64 kMaxBlock = 128 * 1024;
    static constexpr int kRawBlock = 0;
    static constexpr int kRepeatBlock = 1;
    static constexpr int kCompressedBlock = 2;

    // Steps over `count` bytes of the frame; false past its end.
    bool take(qint64 count) {
        if (count > m_end - m_at) {
            return false;
        }
        m_at += count;
        return true;
    }
    // A little-endian number of `bytes` bytes.
    quint64 le(qint64 offset, int bytes) const {
        quint64 value = 0;
        for (int i = bytes - 1; i >= 0; --i) {
            value = (value << 8) | m_file.byte(offset + i);
        }
        return value;
    }

    const Reader& m_file;
    qint64 m_at;
    qint64 m_end;
};

QString checkEntries(const QByteArray& bytes, std::vector<ResourceEntry>& entries) {
    const Reader file(bytes);
    if (!file.has(0, kHeaderSize) || !bytes.startsWith(kMagic)) {
        return QCoreApplication::translate("vellomir::resources::ResourceLibrary",
                                           "it is not a resource file");
    }
    const int version = static_cast<int>(file.u32(4));
    if (version < kLowestVersion || version > kHighestVersion) {
        return QCoreApplication::translate("vellomir::resources::ResourceLibrary",
                                           "its format version %1 is unknown")
            .arg(version);
    }
    const qint64 tree = file.u32(8);
    const qint64 data = file.u32(12);
    const qint64 names = file.u32(16);
    const qsizetype header = kHeaderSize + (version >= 3 ? kFlagsFieldSize : 0);
    const qsizetype nodeSize = kNodeSizeV1 + (version >= 2 ? kModifiedTimeSize : 0);
    if (!file.has(0, header) || !file.has(tree, nodeSize) || !file.has(data, 0) ||
        !file.has(names, 0)) {
        return QCoreApplication::translate("vellomir::resources::ResourceLibrary",
                                           "it is cut short (its header points past its end)");
    }
    const qsizetype nodeCount = (bytes.size() - tree) / nodeSize;

    // Every node is reached once, from the root (node 0), through its parent.
    std::vector<bool> reached(static_cast<std::size_t>(std::min(nodeCount, kMostNodes)), false);
    std::vector<qint64> pending{0};
    reached[0] = true;
    while (!pending.empty()) {
        const qint64 node = pending.back();
        pending.pop_back();
        const qint64 at = tree + node * nodeSize;
        const qint64 nameOffset = file.u32(at);
        const quint16 flags = file.u16(at + 4);
        if ((flags & ~kKnownFlags) != 0 ||
            (flags & kCompressedZlib && flags & (kCompressedZstd | kDirectory)) ||
            (flags & kCompressedZstd && flags & kDirectory)) {
            return QStringLiteral("entry %1 is of an unknown kind").arg(node);
        }
        if (node != 0) {
            if (!file.has(names + nameOffset, kNameHeaderSize) ||
                !file.has(names + nameOffset + kNameHeaderSize,
                          2 * qint64(file.u16(names + nameOffset)))) {
                return QCoreApplication::translate("vellomir::resources::ResourceLibrary",
                                                   "the name of entry %1 lies outside the file")
                    .arg(node);
            }
        }
        if (flags & kDirectory) {
            const qint64 children = file.u32(at + 6);
            const qint64 first = file.u32(at + 10);
            if (first < 1 || children > qint64(reached.size()) - first) {
                return QCoreApplication::translate("vellomir::resources::ResourceLibrary",
                                                   "folder entry %1 lists entries outside the file")
                    .arg(node);
            }
            for (qint64 child = first; child < first + children; ++child) {
                if (reached[static_cast<std::size_t>(child)]) {
                    return QCoreApplication::translate("vellomir::resources::ResourceLibrary",
                                                       "entry %1 is listed twice")
                        .arg(child);
                }
                reached[static_cast<std::size_t>(child)] = true;
                pending.push_back(child);
            }
            continue;
        }
        const qint64 offset = data + qint64(file.u32(at + 10));
        if (!file.has(offset, 4) || !file.has(offset + 4, file.u32(offset))) {
            return QCoreApplication::translate("vellomir::resources::ResourceLibrary",
                                               "the data of entry %1 lies outside the file")
                .arg(node);
        }
        const qint64 length = file.u32(offset);
        ResourceEntry entry{offset + 4, length, ResourceEntry::Packing::Stored};
        if (flags & kCompressedZlib) {
            entry.packing = ResourceEntry::Packing::Zlib;
            const QByteArray packed = file.slice(offset + 4, length);
            if (packed.size() < 4 ||
                qUncompress(packed).size() != qsizetype(file.u32(offset + 4))) {
                return QCoreApplication::translate("vellomir::resources::ResourceLibrary",
                                                   "the data of entry %1 is damaged")
                    .arg(node);
            }
        } else if (flags & kCompressedZstd) {
            entry.packing = ResourceEntry::Packing::Zstd;
            if (!ZstdFrameCheck(file, offset + 4, length).sound()) {
                return QStringLiteral("the data of entry %1 is damaged").arg(node);
            }
        }
        entries.push_back(entry);
    }
    return {};
}

} // namespace

QString resourceFileProblem(const QByteArray& bytes) {
    return inspectResourceFile(bytes).problem;
}

ResourceFileReport inspectResourceFile(const QByteArray& bytes) {
    ResourceFileReport report;
    report.problem = checkEntries(bytes, report.entries);
    return report;
}

} // namespace vellomir::resources
