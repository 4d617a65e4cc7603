#include "budget/CBudgetRow.h"

#include "store/CLineRecord.h"
#include "store/NumberText.h"

QStringList CBudgetRow::Texts(const CLineRecord& line)
{
    QStringList cells(ColumnCount);
    cells[Codigo] = line.articulo;
    cells[Nivel] = line.nivel;
    cells[Desglose] = line.desglose;
    cells[Nombre] = line.nombre;
    cells[Factor] = FormatLocaleNumber(line.factor, 5);
    cells[Fecha] = line.fecha.Format();
    cells[Tipo1] = line.tipo1;
    cells[Tipo2] = line.tipo2;
    cells[Imagen] = line.imagen;
    cells[Presupuesto] = line.codigo;
    cells[NumLin] = line.numlin;
    if (line.IsChapter()) {
        cells[Importe] = FormatLocaleNumber(line.importe, 2);
    } else {
        cells[Medida] = line.medida;
        cells[Precio] = FormatLocaleNumber(line.precio, 5);
        cells[Rendimiento] = FormatLocaleNumber(line.rendimiento, 5);
        cells[Importe] = FormatLocaleNumber(line.importe, 5);
    }
    return cells;
}

QString CBudgetRow::Title(int nColumn)
{
    static const char* const titles[ColumnCount] = {
        "Código", "Nivel", "Desglose", "Unidad", "Descripción", "Descripción larga", "Precio",  "Factor",
        "Cantidad", "Fecha", "Tipo 1", "Tipo 2", "Subtotal", "Imagen", "Código", "NumLin",
    };
    return nColumn >= 0 && nColumn < ColumnCount ? QString::fromUtf8(titles[nColumn]) : QString();
}

int CBudgetRow::ColumnNamed(const QString& strName)
{
    bool number = false;
    const int column = strName.toInt(&number);
    if (number)
        return column >= 0 && column < ColumnCount ? column : -1;
    // The first of two columns with one title is the one shown.
    for (int col = 0; col < ColumnCount; ++col) {
        if (Title(col).compare(strName.trimmed(), Qt::CaseInsensitive) == 0)
            return col;
    }
    return -1;
}
