#include "pricebase/CTarifasList.h"

namespace {

const QColor kBackground(106, 181, 181);

} // namespace

CTarifasList::CTarifasList(QWidget* parent)
    : CEditList(parent)
{
    SetMultipleSelection(true);
    SetRowDragEnabled(false);
    SetSortEnabled(false);
    SetBkColor(kBackground);
}

void CTarifasList::SetupColumns()
{
    static constexpr ColumnSpec kColumns[ColumnCount] = {
        {QT_TRANSLATE_NOOP("CEditList", "Código"), 120, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Tarifa"), 120, ColumnInfo::Left, ColumnInfo::Text, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Imagenes"), 300, ColumnInfo::Left, ColumnInfo::Text, 0, 1},
        {QT_TRANSLATE_NOOP("CEditList", "Fecha"), 0, ColumnInfo::Center, ColumnInfo::Date, 0, 0},
        {QT_TRANSLATE_NOOP("CEditList", "Reg."), 0, ColumnInfo::Right, ColumnInfo::Number, 0, 0},
    };
    ApplyColumns(kColumns, ColumnCount);
    SetEditEnabled(true);
}

void CTarifasList::OnItemClick(int nRow, int, int)
{
    if (nRow >= 0 && nRow < GetItemCount() && m_onTariffChosen)
        m_onTariffChosen(nRow);
}

void CTarifasList::BeginCellEdit(int nRow, int nCol)
{
    // No cell is edited in place: the image folder is chosen in a dialog.
    if (nRow < 0 || nRow >= GetItemCount() || nCol != Imagenes)
        return;
    if (m_onImageFolder)
        m_onImageFolder(nRow);
}
