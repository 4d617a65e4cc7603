#pragma once

#include "store/CDateValue.h"

#include <QString>

class CLineSet;

// One line of a budget or a tariff, every column in store text: the one
// place where a line's columns are read from a set and written to one.
struct CLineRecord {
    QString articulo;
    QString codigo;
    QString descripcion;
    QString desglose;
    QString factor;
    CDateValue fecha;
    QString imagen;
    QString importe;
    QString medida;
    QString nivel;
    QString nombre;
    QString numlin;
    QString precio;
    QString rendimiento;
    QString tarifa; // empty for a budget line
    QString tipo1;
    QString tipo2;

    // The line the set stands on.
    static CLineRecord From(const CLineSet& set);
    // Writes every column into the set's record being added or edited.
    void StoreInto(CLineSet& set) const;

    long Number() const { return numlin.toLong(); }
    long Level() const { return nivel.toLong(); }
    // Chapters and folders are decomposed; a chapter's code ends in "#", the root's in "##".
    bool IsDecomposed() const { return desglose == QStringLiteral("S"); }
    bool IsChapter() const { return IsChapterCode(articulo); }
    bool IsFolder() const { return IsDecomposed() && !IsChapter(); }

    static bool IsChapterCode(const QString& strCode) { return strCode.endsWith(u'#'); }
    static bool IsRootCode(const QString& strCode) { return strCode.endsWith(QStringLiteral("##")); }

    bool operator==(const CLineRecord&) const = default;
};
