#include "output/CBudgetSheet.h"

#include "store/CArticulosSet.h"

QStringList CBudgetSheet::ColumnNames()
{
    return {tr("CODIGO"), tr("DESCRIPCION"), tr("CANTIDAD"), tr("UNIDAD"), tr("PRECIO"), tr("IMPORTE")};
}

CSheet CBudgetSheet::Build(CDatabase& db, const QString& strBudget)
{
    CSheet sheet;
    sheet.m_strName = SheetName();
    sheet.m_columnWidths = {20, 60, 14, 8, 14, 16};
    std::vector<CSheetCell> header;
    for (const QString& name : ColumnNames())
        header.push_back(CSheetCell::MakeText(name, CSheetCell::Header));
    sheet.m_rows.push_back(std::move(header));

    CArticulosSet lines(&db);
    lines.FilterBudget(strBudget);
    lines.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    for (; !lines.IsEOF(); lines.MoveNext()) {
        std::vector<CSheetCell> row(6);
        row[0] = CSheetCell::MakeText(lines.m_ARTICULO);
        if (lines.m_ARTICULO.endsWith(u'#')) {
            row[1] = CSheetCell::MakeText(lines.m_NOMBRE);
            row[5] = CSheetCell::FromStoreNumber(lines.m_IMPORTE, CSheetCell::Decimals2);
        } else {
            // The short name stands in for a missing long description, as in the report.
            row[1] = CSheetCell::MakeText(lines.m_DESCRIPCION.isEmpty() ? lines.m_NOMBRE : lines.m_DESCRIPCION);
            row[2] = CSheetCell::FromStoreNumber(lines.m_RENDIMIENTO, CSheetCell::Decimals5);
            row[3] = CSheetCell::MakeText(lines.m_MEDIDA);
            row[4] = CSheetCell::FromStoreNumber(lines.m_PRECIO, CSheetCell::Decimals5);
            row[5] = CSheetCell::FromStoreNumber(lines.m_IMPORTE, CSheetCell::Decimals5);
        }
        sheet.m_rows.push_back(std::move(row));
    }
    return sheet;
}
