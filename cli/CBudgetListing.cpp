#include "cli/CBudgetListing.h"

#include "store/CLineRecord.h"
#include "store/CLineSet.h"

#include <algorithm>
#include "store/CPresupuestosSet.h"

QString CBudgetListing::Escaped(const QString& strText)
{
    QString text;
    text.reserve(strText.size());
    for (const QChar c : strText) {
        switch (c.unicode()) {
        case u'\\': text += QStringLiteral("\\\\"); break;
        case u'\t': text += QStringLiteral("\\t"); break;
        case u'\n': text += QStringLiteral("\\n"); break;
        case u'\r': text += QStringLiteral("\\r"); break;
        default: text += c;
        }
    }
    return text;
}

void CBudgetListing::WriteLine(QTextStream& out, const CLineRecord& line, long nDepth)
{
    out << Escaped(line.numlin) << '\t' << Escaped(line.nivel) << '\t' << QString(qsizetype(nDepth) * 2, u' ')
        << Escaped(line.articulo) << '\t' << Escaped(line.medida) << '\t' << Escaped(line.nombre) << '\t'
        << Escaped(line.precio) << '\t' << Escaped(line.rendimiento) << '\t' << Escaped(line.importe) << '\n';
}

void CBudgetListing::WriteLines(QTextStream& out, CLineSet& lines)
{
    long depth = -1;
    for (; !lines.IsEOF(); lines.MoveNext()) {
        depth = std::clamp(lines.m_NIVEL.toLong(), 0L, depth + 1);
        WriteLine(out, CLineRecord::From(lines), depth);
    }
}

void CBudgetListing::WriteTotals(QTextStream& out, CDatabase& db, const QString& strBudget)
{
    CPresupuestosSet header(&db);
    header.FilterBudget(strBudget);
    header.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    const std::pair<const char*, const QString*> totals[] = {
        {"GGEN", &header.m_GGEN},       {"BIND", &header.m_BIND},       {"IVA", &header.m_IVA},
        {"IMPGGEN", &header.m_IMPGGEN}, {"IMPBIND", &header.m_IMPBIND}, {"BASE", &header.m_BASE},
        {"IMPIVA", &header.m_IMPIVA},   {"TOTAL", &header.m_TOTAL},
    };
    for (const auto& [name, value] : totals)
        out << name << '\t' << *value << '\n';
}
