#include "resources/resource_file_check.h"

#include <QtEndian>

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
    QByteArray slice(qint64 offset, qint64 length) const { return m_bytes.mid(offset, length); }

private:
    const QByteArray& m_bytes;
};

} // namespace

QString resourceFileProblem(const QByteArray& bytes) {
    const Reader file(bytes);
    if (!file.has(0, kHeaderSize) || !bytes.startsWith(kMagic)) {
        return QStringLiteral("it is not a resource file");
    }
    const int version = static_cast<int>(file.u32(4));
    if (version < kLowestVersion || version > kHighestVersion) {
        return QStringLiteral("its format version %1 is unknown").arg(version);
    }
    const qint64 tree = file.u32(8);
    const qint64 data = file.u32(12);
    const qint64 names = file.u32(16);
    const qsizetype header = kHeaderSize + (version >= 3 ? kFlagsFieldSize : 0);
    const qsizetype nodeSize = kNodeSizeV1 + (version >= 2 ? kModifiedTimeSize : 0);
    if (!file.has(0, header) || !file.has(tree, nodeSize) || !file.has(data, 0) ||
        !file.has(names, 0)) {
        return QStringLiteral("it is cut short (its header points past its end)");
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
        if (node != 0) {
            if (!file.has(names + nameOffset, kNameHeaderSize) ||
                !file.has(names + nameOffset + kNameHeaderSize,
                          2 * qint64(file.u16(names + nameOffset)))) {
                return QStringLiteral("the name of entry %1 lies outside the file").arg(node);
            }
        }
        if (flags & kDirectory) {
            const qint64 children = file.u32(at + 6);
            const qint64 first = file.u32(at + 10);
            if (first < 1 || children > qint64(reached.size()) - first) {
                return QStringLiteral("folder entry %1 lists entries outside the file").arg(node);
            }
            for (qint64 child = first; child < first + children; ++child) {
                if (reached[static_cast<std::size_t>(child)]) {
                    return QStringLiteral("entry %1 is listed twice").arg(child);
                }
                reached[static_cast<std::size_t>(child)] = true;
                pending.push_back(child);
            }
            continue;
        }
        const qint64 offset = data + qint64(file.u32(at + 10));
        if (!file.has(offset, 4) || !file.has(offset + 4, file.u32(offset))) {
            return QStringLiteral("the data of entry %1 lies outside the file").arg(node);
        }
        if (flags & kCompressedZlib) {
            const QByteArray packed = file.slice(offset + 4, file.u32(offset));
            if (packed.size() < 4 ||
                qUncompress(packed).size() != qsizetype(file.u32(offset + 4))) {
                return QStringLiteral("the data of entry %1 is damaged").arg(node);
            }
        }
    }
    return {};
}

} // namespace vellomir::resources
