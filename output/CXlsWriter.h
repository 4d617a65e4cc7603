#pragma once

#include <QByteArray>

struct CSheet;

// A workbook of one worksheet in the Excel 97 format (BIFF8), written by the
// program itself. Texts go to the shared string table, numbers are numeric
// cells with the number format of their style, empty cells are not written.
class CXlsWriter
{
public:
    // The rows a worksheet of this format can hold.
    static constexpr int kMaxRows = 65536;
    static constexpr int kMaxColumns = 256;

    // The workbook stream; the sheet must fit in kMaxRows and kMaxColumns.
    static QByteArray Workbook(const CSheet& sheet);
    // The whole file: the workbook stream in its compound file.
    static QByteArray File(const CSheet& sheet);
};
