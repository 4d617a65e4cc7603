#pragma once

#include "store/CDateValue.h"

#include <QString>
#include <vector>

// One copied line, in line order. Numbers are store text.
struct CopiedLine {
    QString code;
    QString lineNumber;
    QString tariff;
    QString article;
    QString relativeLevel;
    QString decomposed;
    QString name;
    QString description;
    QString factor;
    QString quantity;
    QString unit;
    QString price;
    CDateValue date;
    QString type1;
    QString type2;
    QString amount;
    QString image;
    int visible = 0;
    int expandState = 0;
};

// One copied measurement line: the MEDIDAS columns as text.
struct CopiedMeasure {
    QString codigo;
    QString numlin;
    QString lin;
    QString codigoPadre;
    QString codigoHijo;
    QString posicion;
    QString tipo;
    QString nombre;
    QString largo;
    QString ancho;
    QString alto;
    QString unidades;
    QString total;
};

// The copied branch, held by the view so that it outlives one operation and
// is shared by the budget grid and the price-base grid. A copy pastes once.
class CLineClipboard
{
public:
    std::vector<CopiedLine> m_lines;
    std::vector<CopiedMeasure> m_measures;

    bool IsEmpty() const { return m_lines.empty(); }
    void Clear()
    {
        m_lines.clear();
        m_measures.clear();
    }
};
