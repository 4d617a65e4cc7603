#include "output/CXlsWriter.h"

#include "output/CCompoundFile.h"
#include "output/CSheet.h"
#include "output/LittleEndian.h"

#include <QHash>
#include <QString>
#include <algorithm>
#include <vector>

using namespace LittleEndian;

namespace {

// Record types.
enum : quint16 {
    kEof = 0x000A,
    kDateMode = 0x0022,
    kFont = 0x0031,
    kContinue = 0x003C,
    kWindow1 = 0x003D,
    kCodePage = 0x0042,
    kColInfo = 0x007D,
    kBoundSheet = 0x0085,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kExtSst = 0x00FF,
    kDimensions = 0x0200,
    kNumber = 0x0203,
    kWindow2 = 0x023E,
    kStyle = 0x0293,
    kBof = 0x0809,
    kFormat = 0x041E,
};

constexpr int kMaxRecordData = 8224;
// Cell formats: the 15 style formats every workbook has, then ours.
constexpr quint16 kXfGeneral = 15;
constexpr quint16 kXfHeader = 16;
constexpr quint16 kXfDecimals2 = 17;
constexpr quint16 kXfDecimals5 = 18;
constexpr quint16 kFormatDecimals2 = 4; // built in: "#,##0.00"
constexpr quint16 kFormatDecimals5 = 164;
constexpr quint16 kFontBold = 5; // font 4 does not exist in this format

void PutRecord(QByteArray& out, quint16 nType, const QByteArray& data)
{
    Put16(out, nType);
    Put16(out, quint16(data.size()));
    out.append(data);
}

bool NeedsWideChars(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
}

void PutChars(QByteArray& out, QStringView text, bool bWide)
{
    for (const QChar c : text) {
        if (bWide)
            Put16(out, c.unicode());
        else
            Put8(out, quint8(c.unicode()));
    }
}

// A string with a 16-bit length (XLUnicodeString).
void PutString16(QByteArray& out, const QString& text)
{
    const bool wide = NeedsWideChars(text);
    Put16(out, quint16(text.size()));
    Put8(out, wide ? 1 : 0);
    PutChars(out, text, wide);
}

// A string with an 8-bit length (ShortXLUnicodeString).
void PutString8(QByteArray& out, const QString& text)
{
    const bool wide = NeedsWideChars(text);
    Put8(out, quint8(text.size()));
    Put8(out, wide ? 1 : 0);
    PutChars(out, text, wide);
}

QByteArray Bof(quint16 nKind)
{
    QByteArray data;
    Put16(data, 0x0600);
    Put16(data, nKind);
    Put16(data, 0x0DBB);
    Put16(data, 0x07CC);
    Put32(data, 0);
    Put32(data, 0x06);
    return data;
}

QByteArray Font(bool bBold)
{
    QByteArray data;
    Put16(data, 200); // 10 points
    Put16(data, 0);
    Put16(data, 0x7FFF);
    Put16(data, bBold ? 700 : 400);
    Put16(data, 0);
    Put8(data, 0);
    Put8(data, 2); // swiss
    Put8(data, 0);
    Put8(data, 0);
    PutString8(data, QStringLiteral("Arial"));
    return data;
}

QByteArray Xf(quint16 nFont, quint16 nFormat, bool bStyle)
{
    QByteArray data;
    Put16(data, nFont);
    Put16(data, nFormat);
    Put16(data, bStyle ? 0xFFF5 : 0x0001); // locked; a style has no parent
    Put8(data, 0x20);                      // bottom-aligned
    Put8(data, 0);
    Put8(data, 0);
    // Which attributes differ from the parent style: for a style, which do not apply.
    quint8 used = 0;
    if (bStyle)
        used = nFont == 0 && nFormat == 0 ? 0x00 : 0xF4;
    else
        used = (nFormat != 0 ? 0x04 : 0) | (nFont != 0 ? 0x08 : 0);
    Put8(data, used);
    Put32(data, 0);
    Put32(data, 0);
    Put16(data, 0x20C0); // automatic pattern colours
    return data;
}

void PutGlobals(QByteArray& out, const QString& strSheetName, qsizetype& nSheetOffsetPos)
{
    PutRecord(out, kBof, Bof(0x0005));
    QByteArray codePage;
    Put16(codePage, 1200); // texts are Unicode
    PutRecord(out, kCodePage, codePage);
    QByteArray window;
    for (const quint16 value : {0x0000, 0x0000, 0x4000, 0x2000, 0x0038, 0x0000, 0x0000, 0x0001, 0x0258})
        Put16(window, value);
    PutRecord(out, kWindow1, window);
    QByteArray dateMode;
    Put16(dateMode, 0);
    PutRecord(out, kDateMode, dateMode);
    for (int i = 0; i < 4; ++i)
        PutRecord(out, kFont, Font(false));
    PutRecord(out, kFont, Font(true));
    QByteArray format;
    Put16(format, kFormatDecimals5);
    PutString16(format, QStringLiteral("#,##0.00000"));
    PutRecord(out, kFormat, format);
    for (int i = 0; i < 15; ++i)
        PutRecord(out, kXf, Xf(0, 0, true));
    PutRecord(out, kXf, Xf(0, 0, false));
    PutRecord(out, kXf, Xf(kFontBold, 0, false));
    PutRecord(out, kXf, Xf(0, kFormatDecimals2, false));
    PutRecord(out, kXf, Xf(0, kFormatDecimals5, false));
    QByteArray style;
    Put16(style, 0x8000); // the built-in style Normal, on format 0
    Put8(style, 0);
    Put8(style, 0xFF);
    PutRecord(out, kStyle, style);

    QByteArray sheet;
    nSheetOffsetPos = out.size() + 4;
    Put32(sheet, 0); // the sheet's position, set once it is known
    Put8(sheet, 0);
    Put8(sheet, 0);
    PutString8(sheet, strSheetName.left(31));
    PutRecord(out, kBoundSheet, sheet);
}

// The shared string table, cut into continuation records where it outgrows
// one record. A string's length and flags never part from its first
// character; a string cut in two repeats its flags at the start of the
// continuation.
class CSstBuilder
{
public:
    CSstBuilder(QByteArray& out, quint32 nTotal, quint32 nUnique, qsizetype nBucket)
        : m_out(out)
        , m_nBucket(nBucket)
    {
        Put32(m_data, nTotal);
        Put32(m_data, nUnique);
        m_type = kSst;
    }

    void Add(const QString& text)
    {
        const bool wide = NeedsWideChars(text);
        const int charSize = wide ? 2 : 1;
        // Header and at least one character (or the empty string) together.
        if (m_data.size() + 3 + (text.isEmpty() ? 0 : charSize) > kMaxRecordData)
            Flush(kContinue);
        if (m_nCount % m_nBucket == 0)
            m_buckets.push_back({quint32(m_out.size() + 4 + m_data.size()), quint16(4 + m_data.size())});
        ++m_nCount;
        Put16(m_data, quint16(text.size()));
        Put8(m_data, wide ? 1 : 0);
        qsizetype done = 0;
        while (done < text.size()) {
            const qsizetype room = (kMaxRecordData - m_data.size()) / charSize;
            if (room <= 0) {
                Flush(kContinue);
                Put8(m_data, wide ? 1 : 0);
                continue;
            }
            const qsizetype count = std::min(room, text.size() - done);
            PutChars(m_data, QStringView(text).mid(done, count), wide);
            done += count;
        }
    }

    void Finish()
    {
        if (m_type == kSst || !m_data.isEmpty())
            Flush(kContinue);
        QByteArray ext;
        Put16(ext, quint16(m_nBucket));
        for (const auto& [position, offset] : m_buckets) {
            Put32(ext, position);
            Put16(ext, offset);
            Put16(ext, 0);
        }
        PutRecord(m_out, kExtSst, ext);
    }

private:
    void Flush(quint16 nNextType)
    {
        PutRecord(m_out, m_type, m_data);
        m_data.clear();
        m_type = nNextType;
    }

    QByteArray& m_out;
    QByteArray m_data;
    quint16 m_type;
    qsizetype m_nBucket;
    qsizetype m_nCount = 0;
    std::vector<std::pair<quint32, quint16>> m_buckets;
};

quint16 XfOf(CSheetCell::Style style)
{
    switch (style) {
    case CSheetCell::Header:
        return kXfHeader;
    case CSheetCell::Decimals2:
        return kXfDecimals2;
    case CSheetCell::Decimals5:
        return kXfDecimals5;
    default:
        return kXfGeneral;
    }
}

// Every text of the sheet once, in order of first use, and each text cell's index.
struct StringTable
{
    QStringList unique;
    std::vector<quint32> cellIndexes;
    quint32 total = 0;
};

StringTable CollectStrings(const CSheet& sheet)
{
    StringTable table;
    QHash<QString, quint32> indexes;
    for (const auto& row : sheet.m_rows) {
        for (const CSheetCell& cell : row) {
            if (cell.m_kind != CSheetCell::Text)
                continue;
            auto it = indexes.constFind(cell.m_strText);
            if (it == indexes.cend()) {
                it = indexes.insert(cell.m_strText, quint32(table.unique.size()));
                table.unique << cell.m_strText;
            }
            table.cellIndexes.push_back(*it);
            ++table.total;
        }
    }
    return table;
}

void PutSheet(QByteArray& out, const CSheet& sheet, const StringTable& strings)
{
    PutRecord(out, kBof, Bof(0x0010));
    const int columns = sheet.ColumnCount();
    QByteArray dimensions;
    Put32(dimensions, 0);
    Put32(dimensions, quint32(sheet.m_rows.size()));
    Put16(dimensions, 0);
    Put16(dimensions, quint16(columns));
    Put16(dimensions, 0);
    PutRecord(out, kDimensions, dimensions);
    for (size_t col = 0; col < sheet.m_columnWidths.size(); ++col) {
        QByteArray info;
        Put16(info, quint16(col));
        Put16(info, quint16(col));
        Put16(info, quint16(std::clamp(sheet.m_columnWidths[col], 1, 255) * 256));
        Put16(info, kXfGeneral);
        Put16(info, 0);
        Put16(info, 0);
        PutRecord(out, kColInfo, info);
    }
    QByteArray window;
    Put16(window, 0x06B6); // grid, headings, zeros, selected and shown
    Put16(window, 0);
    Put16(window, 0);
    Put32(window, 0x40);
    Put16(window, 0);
    Put16(window, 0);
    Put32(window, 0);
    PutRecord(out, kWindow2, window);

    size_t text = 0;
    for (size_t r = 0; r < sheet.m_rows.size(); ++r) {
        const auto& row = sheet.m_rows[r];
        for (size_t c = 0; c < row.size(); ++c) {
            const CSheetCell& cell = row[c];
            if (cell.m_kind == CSheetCell::Empty)
                continue;
            QByteArray data;
            Put16(data, quint16(r));
            Put16(data, quint16(c));
            Put16(data, XfOf(cell.m_style));
            if (cell.m_kind == CSheetCell::Text) {
                Put32(data, strings.cellIndexes[text++]);
                PutRecord(out, kLabelSst, data);
            } else {
                PutDouble(data, cell.m_dValue);
                PutRecord(out, kNumber, data);
            }
        }
    }
    PutRecord(out, kEof, {});
}

} // namespace

QByteArray CXlsWriter::Workbook(const CSheet& sheet)
{
    const StringTable strings = CollectStrings(sheet);
    QByteArray out;
    qsizetype sheetOffsetPos = 0;
    PutGlobals(out, sheet.m_strName, sheetOffsetPos);
    // Readers look strings up through buckets; there are at most 128 of them.
    const qsizetype bucket = std::max<qsizetype>(8, (strings.unique.size() + 127) / 128);
    CSstBuilder sst(out, strings.total, quint32(strings.unique.size()), bucket);
    for (const QString& text : strings.unique)
        sst.Add(text);
    sst.Finish();
    PutRecord(out, kEof, {});
    Set32(out, sheetOffsetPos, quint32(out.size()));
    PutSheet(out, sheet, strings);
    return out;
}

QByteArray CXlsWriter::File(const CSheet& sheet)
{
    return CCompoundFile::Build(QStringLiteral("Workbook"), Workbook(sheet));
}
