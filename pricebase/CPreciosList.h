#pragma once

#include "budget/CArticulosList.h"

// The lines of one tariff of a price base, as an editable tree: the budget
// grid's operations on table PRECIOS. A price base has no measurement lines
// and no totals, and keeps one unit, description and price per concept
// wherever it occurs (the editing service carries an edit to every
// occurrence). Rows carry the tariff in a column of their own.
class CPreciosList : public CArticulosList
{
    Q_OBJECT

public:
    enum Column { Tarifa = 16, Precios = 17, ColumnCount = 18 };

    explicit CPreciosList(QWidget* parent = nullptr);

    void GetCellColors(int nRow, int nCol) override;
    int GetCellFontWeight(int nRow, int nCol) override;

protected:
    std::vector<ColumnSpec> Columns() const override;
    QStringList RowTexts(const CLineRecord& line) const override;
    bool ShowsLineOnToggle() const override { return true; }
    // A concept goes under a collapsed line without listing the line's
    // other children, however many a price base holds there.
    bool OpensBranchToInsert(CLineTree::Kind kind) const override { return kind != CLineTree::Kind::Concept; }
};
