#include "output/CCompoundFile.h"

#include "output/LittleEndian.h"

#include <vector>

using namespace LittleEndian;

namespace {

constexpr quint32 kFreeSect = 0xFFFFFFFF;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFatSect = 0xFFFFFFFD;
constexpr quint32 kDifSect = 0xFFFFFFFC;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr int kSectorSize = 512;
constexpr int kMiniSectorSize = 64;
constexpr int kMiniStreamCutoff = 4096;
constexpr int kIdsPerSector = kSectorSize / 4;
constexpr int kHeaderDifatEntries = 109;

qsizetype SectorsFor(qsizetype nBytes, int nSectorSize)
{
    return (nBytes + nSectorSize - 1) / nSectorSize;
}

void PadTo(QByteArray& data, int nMultiple)
{
    const qsizetype rest = data.size() % nMultiple;
    if (rest != 0)
        data.append(QByteArray(nMultiple - rest, '\0'));
}

// Sectors before the allocation table, with the table's chains for them.
struct Body
{
    QByteArray data;
    std::vector<quint32> fat;

    // Appends a chain of sectors holding bytes; returns its first sector.
    quint32 AddChain(QByteArray bytes)
    {
        const qsizetype count = SectorsFor(bytes.size(), kSectorSize);
        if (count == 0)
            return kEndOfChain;
        const auto start = quint32(fat.size());
        for (qsizetype i = 0; i < count; ++i)
            fat.push_back(i + 1 < count ? start + quint32(i) + 1 : kEndOfChain);
        PadTo(bytes, kSectorSize);
        data.append(bytes);
        return start;
    }
};

void PutDirectoryEntry(QByteArray& out, const QString& strName, quint8 nType, quint32 nChild, quint32 nStart,
                       quint32 nSize)
{
    QByteArray entry;
    const QString name = strName.left(31);
    for (const QChar c : name)
        Put16(entry, c.unicode());
    entry.append(QByteArray(64 - entry.size(), '\0'));
    Put16(entry, name.isEmpty() ? 0 : quint16((name.size() + 1) * 2));
    Put8(entry, nType);
    Put8(entry, 1); // black: a tree of one entry is balanced
    Put32(entry, kNoStream);
    Put32(entry, kNoStream);
    Put32(entry, nChild);
    entry.append(QByteArray(16 + 4 + 8 + 8, '\0')); // class id, state bits, times
    Put32(entry, nStart);
    Put32(entry, nSize);
    Put32(entry, 0);
    out.append(entry);
}

QByteArray Header(quint32 nFatSectors, quint32 nDirStart, quint32 nMiniFatStart, quint32 nMiniFatSectors,
                  quint32 nDifatStart, quint32 nDifatSectors, const std::vector<quint32>& fatSectors)
{
    QByteArray header = QByteArray::fromHex("D0CF11E0A1B11AE1");
    header.append(QByteArray(16, '\0'));
    Put16(header, 0x003E);
    Put16(header, 0x0003);
    Put16(header, 0xFFFE);
    Put16(header, 9);
    Put16(header, 6);
    header.append(QByteArray(6, '\0'));
    Put32(header, 0); // directory sectors: always 0 in version 3
    Put32(header, nFatSectors);
    Put32(header, nDirStart);
    Put32(header, 0);
    Put32(header, kMiniStreamCutoff);
    Put32(header, nMiniFatStart);
    Put32(header, nMiniFatSectors);
    Put32(header, nDifatStart);
    Put32(header, nDifatSectors);
    for (int i = 0; i < kHeaderDifatEntries; ++i)
        Put32(header, i < int(fatSectors.size()) ? fatSectors[i] : kFreeSect);
    return header;
}

} // namespace

QByteArray CCompoundFile::Build(const QString& strStreamName, const QByteArray& stream)
{
    Body body;
    quint32 rootStart = kEndOfChain;
    quint32 rootSize = 0;
    quint32 streamStart = 0;
    quint32 miniFatStart = kEndOfChain;
    quint32 miniFatSectors = 0;
    if (stream.size() < kMiniStreamCutoff) {
        QByteArray mini = stream;
        PadTo(mini, kMiniSectorSize);
        const auto miniCount = quint32(mini.size() / kMiniSectorSize);
        rootSize = quint32(mini.size());
        rootStart = body.AddChain(mini);
        QByteArray miniFat;
        for (quint32 i = 0; i < miniCount; ++i)
            Put32(miniFat, i + 1 < miniCount ? i + 1 : kEndOfChain);
        while (miniFat.size() % kSectorSize != 0)
            Put32(miniFat, kFreeSect);
        miniFatSectors = quint32(miniFat.size() / kSectorSize);
        miniFatStart = body.AddChain(miniFat);
        streamStart = miniCount > 0 ? 0 : kEndOfChain;
    } else {
        streamStart = body.AddChain(stream);
    }

    QByteArray directory;
    PutDirectoryEntry(directory, QStringLiteral("Root Entry"), 5, 1, rootStart, rootSize);
    PutDirectoryEntry(directory, strStreamName, 2, kNoStream, streamStart, quint32(stream.size()));
    for (int i = 0; i < 2; ++i)
        PutDirectoryEntry(directory, QString(), 0, kNoStream, 0, 0);
    const quint32 dirStart = body.AddChain(directory);

    // The allocation table covers every sector, its own and those of the
    // table of its sectors beyond the header's 109.
    const auto dataSectors = quint32(body.fat.size());
    quint32 fatCount = 1;
    quint32 difatCount = 0;
    for (;; ++fatCount) {
        difatCount = fatCount > kHeaderDifatEntries
                         ? (fatCount - kHeaderDifatEntries + kIdsPerSector - 2) / (kIdsPerSector - 1)
                         : 0;
        if (dataSectors + fatCount + difatCount <= fatCount * kIdsPerSector)
            break;
    }
    std::vector<quint32> fat = std::move(body.fat);
    std::vector<quint32> fatSectors;
    for (quint32 i = 0; i < fatCount; ++i) {
        fatSectors.push_back(quint32(fat.size()));
        fat.push_back(kFatSect);
    }
    const quint32 difatStart = difatCount > 0 ? quint32(fat.size()) : kEndOfChain;
    for (quint32 i = 0; i < difatCount; ++i)
        fat.push_back(kDifSect);
    fat.resize(size_t(fatCount) * kIdsPerSector, kFreeSect);

    QByteArray file = Header(fatCount, dirStart, miniFatStart, miniFatSectors, difatStart, difatCount, fatSectors);
    file.reserve(file.size() + body.data.size() + qsizetype(fat.size()) * 4 + difatCount * kSectorSize);
    file.append(body.data);
    for (const quint32 entry : fat)
        Put32(file, entry);
    for (quint32 d = 0; d < difatCount; ++d) {
        for (quint32 i = 0; i < kIdsPerSector - 1; ++i) {
            const size_t index = kHeaderDifatEntries + size_t(d) * (kIdsPerSector - 1) + i;
            Put32(file, index < fatSectors.size() ? fatSectors[index] : kFreeSect);
        }
        Put32(file, d + 1 < difatCount ? difatStart + d + 1 : kEndOfChain);
    }
    return file;
}
