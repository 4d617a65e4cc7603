#include "output/CXlsxWriter.h"

#include "output/CSheet.h"

#include <QFile>
#include <xlsxwriter.h>

namespace {

struct Formats
{
    lxw_format* header = nullptr;
    lxw_format* decimals2 = nullptr;
    lxw_format* decimals5 = nullptr;

    lxw_format* Of(CSheetCell::Style style) const
    {
        switch (style) {
        case CSheetCell::Header:
            return header;
        case CSheetCell::Decimals2:
            return decimals2;
        case CSheetCell::Decimals5:
            return decimals5;
        default:
            return nullptr;
        }
    }
};

lxw_error WriteCells(lxw_worksheet* worksheet, const CSheet& sheet, const Formats& formats)
{
    for (size_t col = 0; col < sheet.m_columnWidths.size(); ++col) {
        const auto column = lxw_col_t(col);
        worksheet_set_column(worksheet, column, column, sheet.m_columnWidths[col], nullptr);
    }
    for (size_t r = 0; r < sheet.m_rows.size(); ++r) {
        const auto& row = sheet.m_rows[r];
        for (size_t c = 0; c < row.size(); ++c) {
            const CSheetCell& cell = row[c];
            lxw_error error = LXW_NO_ERROR;
            if (cell.m_kind == CSheetCell::Text) {
                const QByteArray text = cell.m_strText.toUtf8();
                error = worksheet_write_string(worksheet, lxw_row_t(r), lxw_col_t(c), text.constData(),
                                               formats.Of(cell.m_style));
            } else if (cell.m_kind == CSheetCell::Number) {
                error = worksheet_write_number(worksheet, lxw_row_t(r), lxw_col_t(c), cell.m_dValue,
                                               formats.Of(cell.m_style));
            }
            if (error != LXW_NO_ERROR)
                return error;
        }
    }
    return LXW_NO_ERROR;
}

} // namespace

bool CXlsxWriter::Write(const CSheet& sheet, const QString& strPath, QString& strError)
{
    const QByteArray path = QFile::encodeName(strPath);
    lxw_workbook* workbook = workbook_new(path.constData());
    if (!workbook) {
        strError = QStringLiteral("libxlsxwriter");
        return false;
    }
    const QByteArray name = sheet.m_strName.toUtf8();
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, name.constData());
    Formats formats;
    formats.header = workbook_add_format(workbook);
    format_set_bold(formats.header);
    formats.decimals2 = workbook_add_format(workbook);
    format_set_num_format(formats.decimals2, "#,##0.00");
    formats.decimals5 = workbook_add_format(workbook);
    format_set_num_format(formats.decimals5, "#,##0.00000");

    const lxw_error cellError = worksheet ? WriteCells(worksheet, sheet, formats) : LXW_ERROR_SHEETNAME_ALREADY_USED;
    // Closing writes the file and frees the workbook, whatever came before.
    const lxw_error closeError = workbook_close(workbook);
    const lxw_error error = cellError != LXW_NO_ERROR ? cellError : closeError;
    if (error == LXW_NO_ERROR)
        return true;
    strError = QString::fromUtf8(lxw_strerror(error));
    return false;
}
