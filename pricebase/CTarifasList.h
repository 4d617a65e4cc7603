#pragma once

#include "grid/CEditList.h"

#include <functional>

// The tariffs of every price base in the price-base window, one row each:
// code, tariff, image folder, date and row number. A click (or Up and Down)
// chooses the tariff whose lines the window shows; a double click on the
// image folder asks for the folder instead of opening an editor.
class CTarifasList : public CEditList
{
    Q_OBJECT

public:
    enum Column { Codigo = 0, Tarifa = 1, Imagenes = 2, Fecha = 3, Reg = 4, ColumnCount = 5 };

    explicit CTarifasList(QWidget* parent = nullptr);

    void SetupColumns();

    void OnItemClick(int nRow, int nCol, int nOnStateIcon) override;
    void BeginCellEdit(int nRow, int nCol) override;

    // What the window does with a chosen row and with a double click on
    // the image folder of one.
    std::function<void(int nRow)> m_onTariffChosen;
    std::function<void(int nRow)> m_onImageFolder;
};
