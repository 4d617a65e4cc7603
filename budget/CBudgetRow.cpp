#include "budget/CBudgetRow.h"

#include "store/CArticulosSet.h"
#include "store/NumberText.h"

QStringList CBudgetRow::Texts(const CArticulosSet& set)
{
    QStringList cells(ColumnCount);
    cells[Codigo] = set.m_ARTICULO;
    cells[Nivel] = set.m_NIVEL;
    cells[Desglose] = set.m_DESGLOSE;
    cells[Nombre] = set.m_NOMBRE;
    cells[Descripcion] = set.m_DESCRIPCION;
    cells[Factor] = FormatLocaleNumber(set.m_FACTOR, 5);
    cells[Fecha] = set.m_FECHA.Format();
    cells[Tipo1] = set.m_TIPO1;
    cells[Tipo2] = set.m_TIPO2;
    cells[Imagen] = set.m_IMAGEN;
    cells[Presupuesto] = set.m_CODIGO;
    cells[NumLin] = set.m_NUMLIN;
    if (IsChapter(set.m_ARTICULO)) {
        cells[Importe] = FormatLocaleNumber(set.m_IMPORTE, 2);
    } else {
        cells[Medida] = set.m_MEDIDA;
        cells[Precio] = FormatLocaleNumber(set.m_PRECIO, 5);
        cells[Rendimiento] = FormatLocaleNumber(set.m_RENDIMIENTO, 5);
        cells[Importe] = FormatLocaleNumber(set.m_IMPORTE, 5);
    }
    return cells;
}
