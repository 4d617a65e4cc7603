#include "pricebase/CPreciosList.h"

#include "budget/CBudgetRow.h"
#include "store/CLineRecord.h"

namespace {

const QColor kBackground(255, 196, 136);

} // namespace

CPreciosList::CPreciosList(QWidget* parent)
    : CArticulosList(parent)
{
    SetBkColor(kBackground);
}

std::vector<ColumnSpec> CPreciosList::Columns() const
{
    std::vector<ColumnSpec> columns = CArticulosList::Columns();
    columns[CBudgetRow::Precio].nWidth = 110;
    columns[CBudgetRow::Importe].nWidth = 110;
    columns.push_back({QT_TRANSLATE_NOOP("CEditList", "Tarifa"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0});
    columns.push_back({QT_TRANSLATE_NOOP("CEditList", "Precios"), 0, ColumnInfo::Left, ColumnInfo::Text, 0, 0});
    return columns;
}

QStringList CPreciosList::RowTexts(const CLineRecord& line) const
{
    QStringList cells = CBudgetRow::Texts(line);
    cells << line.tarifa << QString();
    return cells;
}

void CPreciosList::GetCellColors(int nRow, int nCol)
{
    const bool price = nCol == CBudgetRow::Precio && IsDecomposed(nRow);
    SetCellColors(price ? QColor(0, 0, 255) : QColor(0, 0, 0), kBackground);
}

int CPreciosList::GetCellFontWeight(int nRow, int nCol)
{
    // Chapters and items with a breakdown alike.
    return nCol == CBudgetRow::Importe && IsDecomposed(nRow) ? 700 : 400;
}
