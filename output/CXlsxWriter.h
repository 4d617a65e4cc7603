#pragma once

#include <QString>

struct CSheet;

// A workbook of one worksheet in the Office Open XML format (.xlsx), written
// with libxlsxwriter, with the same cells and number formats as the .xls.
class CXlsxWriter
{
public:
    static constexpr int kMaxRows = 1048576;

    // Writes the file at strPath; false with the reason in strError.
    static bool Write(const CSheet& sheet, const QString& strPath, QString& strError);
};
