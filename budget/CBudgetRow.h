#pragma once

#include <QString>
#include <QStringList>

struct CLineRecord;

// The sixteen cells of a budget grid row, in display text, and the column
// numbers every operation finds a row's data by.
class CBudgetRow
{
public:
    enum Column {
        Codigo = 0,      // ARTICULO, the row's text
        Nivel = 1,
        Desglose = 2,
        Medida = 3,
        Nombre = 4,
        Descripcion = 5,
        Precio = 6,
        Factor = 7,
        Rendimiento = 8,
        Fecha = 9,
        Tipo1 = 10,
        Tipo2 = 11,
        Importe = 12,
        Imagen = 13,
        Presupuesto = 14, // CODIGO of the budget
        NumLin = 15,
        ColumnCount = 16
    };

    // The cells of a line. A chapter (the root included) shows no unit,
    // price or quantity, and its amount in cents. The long description is
    // not kept in the row: the box beside the grid reads it for the line
    // selected, and a grid of a large budget would hold it for every line.
    static QStringList Texts(const CLineRecord& line);
    // A column's title in the grid (Spanish), and the column a title or a
    // number names; -1 when none does.
    static QString Title(int nColumn);
    static int ColumnNamed(const QString& strName);
    static bool IsChapter(const QString& strCode) { return strCode.endsWith(u'#'); }
    static bool IsRoot(const QString& strCode) { return strCode.endsWith(QStringLiteral("##")); }
};
