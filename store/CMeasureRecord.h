#pragma once

#include <QString>

class CMedidasSet;

// One measurement line, every column as stored text: the one place where a
// measurement line's columns are read from a set and written to one.
struct CMeasureRecord {
    QString codigo;
    QString numlin;
    QString lin;
    QString codigoPadre;
    QString codigoHijo;
    QString posicion;
    QString tipo; // "3" on a formula line
    QString nombre; // the comment, or a formula line's formula
    QString largo;
    QString ancho;
    QString alto;
    QString unidades;
    QString total;

    static CMeasureRecord From(const CMedidasSet& set);
    // Writes every column into the set's record being added or edited.
    void StoreInto(CMedidasSet& set) const;

    bool IsFormula() const { return tipo == QStringLiteral("3"); }

    bool operator==(const CMeasureRecord&) const = default;
};
