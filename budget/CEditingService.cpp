#include "budget/CEditingService.h"

#include "budget/CBudgetRow.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CLineSet.h"
#include "store/CMedidasSet.h"
#include "store/CPresupuestosSet.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"

namespace {

// Longest texts the grid's editors take, by column.
constexpr int kCodeLimit = 19;
constexpr int kUnitLimit = 8;
constexpr int kNameLimit = 255;
constexpr int kDescriptionLimit = 40000;
constexpr int kCommentLimit = 255;

// Price and quantity as the grid shows them, with five decimals: what is
// stored is what is shown, and the amount is their product.
void SetAmount(CLineRecord& line, const QString& strPrice, const QString& strQuantity)
{
    line.precio = strPrice.isEmpty() ? QStringLiteral("0.0") : RoundNumberText(strPrice, 5);
    line.rendimiento = strQuantity.isEmpty() ? QStringLiteral("0.0") : RoundNumberText(strQuantity, 5);
    line.importe = StoreFormat(StoreAtof(line.precio) * StoreAtof(line.rendimiento), 5);
}

// Store text of a number: digits with at most one decimal point, and a
// leading minus sign (a measurement may take something away).
bool IsStoreNumber(const QString& strText)
{
    qsizetype i = strText.startsWith(u'-') ? 1 : 0;
    bool digit = false;
    bool point = false;
    for (; i < strText.size(); ++i) {
        const QChar c = strText[i];
        if (c >= u'0' && c <= u'9')
            digit = true;
        else if (c == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

} // namespace

CEditRefused::CEditRefused(const QString& strMessage)
    : std::runtime_error(strMessage.toStdString())
    , m_strMessage(strMessage)
{
}

CEditingService::CEditingService(CLineSet& lines, const CLineTable& table, CPresupuestosSet* pHeader)
    : m_tree(lines, table)
    , m_pHeader(pHeader)
{
}

CEditingService::~CEditingService() = default;

template <class Operation>
CChangeSet CEditingService::Run(bool bAmounts, Operation operation)
{
    CChangeSet changes;
    m_tree.ClearChanged();
    try {
        CTransaction transaction(m_tree.Database());
        operation(changes);
        for (const long line : m_tree.ChangedLines()) {
            if (const std::optional<CLineRecord> record = m_tree.Line(line))
                changes.m_lines[line] = *record;
        }
        if (bAmounts && !Table().IsTariff())
            StoreTotals(changes);
        transaction.Commit();
    } catch (...) {
        // The store is back as it was: so must the sets be.
        try {
            m_tree.Requery();
            if (m_pHeader && m_pHeader->IsOpen())
                m_pHeader->Requery();
        } catch (const CDBException&) {
        }
        throw;
    }
    return changes;
}

CPresupuestosSet& CEditingService::Header()
{
    if (!m_pHeader) {
        m_pOwnHeader = std::make_unique<CPresupuestosSet>(&m_tree.Database());
        m_pHeader = m_pOwnHeader.get();
    }
    // Read afresh: the percentages may have been changed by another set.
    CPresupuestosSet& header = *m_pHeader;
    header.FilterBudget(Table().Code());
    if (header.IsOpen())
        header.Requery();
    else
        header.Open();
    return header;
}

void CEditingService::StoreTotals(CChangeSet& changes)
{
    changes.m_strRootAmount = m_tree.RootAmount();
    changes.m_totals = CBudgetTotals::Update(Header(), changes.m_strRootAmount);
}

CLineRecord CEditingService::RequireLine(long nLine)
{
    const std::optional<CLineRecord> line = nLine >= 1 ? m_tree.Line(nLine) : std::nullopt;
    if (!line)
        throw CEditRefused(tr("No existe la línea %1").arg(nLine));
    return *line;
}

void CEditingService::RequireNotRoot(long nLine)
{
    RequireLine(nLine);
    if (nLine == 1)
        throw CEditRefused(tr("La línea raíz no se puede borrar ni mover"));
}

void CEditingService::RequireFolder(const CLineRecord& line)
{
    if (!Table().HasMeasurements() || !line.IsFolder())
        throw CEditRefused(tr("Solo las partidas tienen mediciones: la línea %1 no es una partida").arg(line.numlin));
}

bool CEditingService::HasMeasurements(long nLine)
{
    return Table().HasMeasurements() && CStoreStatements::HasMeasurements(m_tree.Database(), Table().Code(), nLine);
}

std::optional<QString> CEditingService::NumberText(const QString& strTyped)
{
    QString text = strTyped.trimmed();
    if (text.isEmpty())
        return text;
    bool digit = false;
    for (const QChar c : text) {
        if (c.isDigit())
            digit = true;
        else if (c != u',' && c != u'.')
            return std::nullopt;
    }
    const qsizetype commas = text.count(u',');
    if (!digit || commas > 1)
        return std::nullopt;
    // With a decimal comma the points group digits; without one a single
    // point is the decimal mark, as the cell editor turns it into a comma.
    if (commas == 1 || text.count(u'.') > 1)
        text.remove(u'.');
    text.replace(u',', u'.');
    return text;
}

std::optional<QString> CEditingService::WhyNotEditable(long nLine, int nColumn)
{
    const CLineRecord line = RequireLine(nLine);
    switch (nColumn) {
    case CBudgetRow::Codigo:
    case CBudgetRow::Medida:
    case CBudgetRow::Nombre:
    case CBudgetRow::Descripcion:
    case CBudgetRow::Precio:
    case CBudgetRow::Factor:
    case CBudgetRow::Rendimiento:
        break;
    default:
        return tr("La columna %1 no se puede editar").arg(nColumn);
    }
    if (!line.IsDecomposed())
        return std::nullopt;
    if (nColumn == CBudgetRow::Codigo && CLineRecord::IsRootCode(line.articulo))
        return tr("El código de la línea raíz no se puede editar");
    if (nColumn == CBudgetRow::Precio)
        return tr("El precio de un capítulo o de una partida es la suma de sus líneas");
    if (nColumn == CBudgetRow::Medida || nColumn == CBudgetRow::Factor || nColumn == CBudgetRow::Rendimiento) {
        if (line.IsChapter())
            return tr("Un capítulo no tiene unidad, factor ni cantidad");
        if (HasMeasurements(nLine))
            return tr("La cantidad de esta partida sale de sus mediciones");
    }
    return std::nullopt;
}

CLineRecord CEditingService::EditedLine(const CLineRecord& stored, int nColumn, const QString& strText)
{
    const auto limit = [&](int nLimit) {
        if (strText.size() > nLimit)
            throw CEditRefused(tr("El texto tiene más de %1 caracteres").arg(nLimit));
    };
    CLineRecord line = stored;
    switch (nColumn) {
    case CBudgetRow::Codigo:
        limit(kCodeLimit);
        line.articulo = CLineTree::AdjustEditedCode(stored.articulo, strText);
        break;
    case CBudgetRow::Medida:
        limit(kUnitLimit);
        line.medida = strText;
        break;
    case CBudgetRow::Nombre:
        limit(kNameLimit);
        line.nombre = strText;
        break;
    case CBudgetRow::Descripcion:
        limit(kDescriptionLimit);
        if (strText.contains(u'|'))
            throw CEditRefused(tr("La descripción no puede contener «|»"));
        line.descripcion = strText;
        break;
    default: {
        const std::optional<QString> number = NumberText(strText);
        if (!number)
            throw CEditRefused(tr("«%1» no es un número").arg(strText));
        if (nColumn == CBudgetRow::Factor)
            line.factor = number->isEmpty() ? QStringLiteral("0.0") : *number;
        SetAmount(line, nColumn == CBudgetRow::Precio ? *number : stored.precio,
                  nColumn == CBudgetRow::Rendimiento ? *number : stored.rendimiento);
        break;
    }
    }
    return line;
}

CChangeSet CEditingService::EditCell(long nLine, int nColumn, const QString& strText)
{
    if (const std::optional<QString> why = WhyNotEditable(nLine, nColumn))
        throw CEditRefused(*why);
    const CLineRecord edited = EditedLine(RequireLine(nLine), nColumn, strText);
    // A price base keeps one unit, description and price per concept.
    const bool carry = Table().IsTariff()
        && (nColumn == CBudgetRow::Medida || nColumn == CBudgetRow::Nombre || nColumn == CBudgetRow::Descripcion
            || nColumn == CBudgetRow::Precio);
    // A budget's long description is stored as it is typed, alone.
    const bool alone = !Table().IsTariff() && nColumn == CBudgetRow::Descripcion;
    return Run(!alone, [&](CChangeSet&) {
        m_tree.SaveLine(nLine, edited);
        if (carry)
            m_tree.CarryToOccurrences(nLine);
        else if (!alone)
            m_tree.RollUpTotals(nLine);
    });
}

CChangeSet CEditingService::InsertLine(long nSelected, CLineTree::Kind kind)
{
    const CLineRecord selected = RequireLine(nSelected);
    const long level = selected.Level() + (selected.IsDecomposed() ? 1 : 0);
    return Run(false, [&](CChangeSet& changes) {
        const long number = m_tree.InsertLine(nSelected, CLineTree::NewLine(kind, level));
        changes.m_nAddedFirst = number;
        changes.m_nAddedCount = 1;
        if (const std::optional<CLineRecord> line = m_tree.Line(number))
            changes.m_lines[number] = *line;
    });
}

CChangeSet CEditingService::DeleteLine(long nLine)
{
    RequireNotRoot(nLine);
    return Run(true, [&](CChangeSet& changes) {
        changes.m_nRemovedFirst = nLine;
        changes.m_nRemovedCount = m_tree.DeleteBranch(nLine);
    });
}

void CEditingService::CopyBranch(long nLine, CLineClipboard& clipboard, const RowState& rowState)
{
    RequireLine(nLine);
    m_tree.CopyBranch(nLine, rowState, clipboard);
}

CChangeSet CEditingService::PasteBranch(long nLine, bool bInto, CLineClipboard& clipboard)
{
    const CLineRecord target = RequireLine(nLine);
    if (clipboard.IsEmpty())
        return {};
    if (bInto && !target.IsDecomposed())
        throw CEditRefused(tr("La línea %1 no es un capítulo ni una partida").arg(nLine));
    if (!bInto && nLine == 1)
        throw CEditRefused(tr("Nada puede seguir a la línea raíz: se pega dentro de ella"));
    return Run(true, [&](CChangeSet& changes) {
        changes.m_placed = clipboard.m_lines;
        const long after = m_tree.PasteBranch(nLine, bInto, clipboard);
        changes.m_nAddedFirst = after + 1;
        changes.m_nAddedCount = long(changes.m_placed.size());
        m_tree.RollUpTotals(after + 1);
    });
}

CChangeSet CEditingService::MoveBranch(long nLine, long nTarget, bool bInto, CLineClipboard& clipboard,
                                       const RowState& rowState)
{
    RequireNotRoot(nLine);
    const CLineRecord target = RequireLine(nTarget);
    if (nTarget >= nLine && nTarget <= m_tree.BranchEnd(nLine))
        throw CEditRefused(tr("Una rama no se puede mover dentro de sí misma"));
    if (bInto && !target.IsDecomposed())
        throw CEditRefused(tr("La línea %1 no es un capítulo ni una partida").arg(nTarget));
    if (!bInto && nTarget == 1)
        throw CEditRefused(tr("Nada puede seguir a la línea raíz: se pega dentro de ella"));
    return Run(true, [&](CChangeSet& changes) {
        m_tree.CopyBranch(nLine, rowState, clipboard);
        changes.m_placed = clipboard.m_lines;
        const long count = m_tree.DeleteBranch(nLine);
        changes.m_nRemovedFirst = nLine;
        changes.m_nRemovedCount = count;
        const long after = m_tree.PasteBranch(nTarget > nLine ? nTarget - count : nTarget, bInto, clipboard);
        changes.m_nAddedFirst = after + 1;
        changes.m_nAddedCount = count;
        m_tree.RollUpTotals(after + 1);
    });
}

CChangeSet CEditingService::Renumber()
{
    return Run(false, [&](CChangeSet& changes) {
        m_tree.Renumber();
        changes.m_bAllLines = true;
    });
}

CChangeSet CEditingService::ApplyCustomIncrease(double dOld, double dNew)
{
    return Run(true, [&](CChangeSet& changes) {
        m_tree.ApplyCustomIncrease(dOld, dNew);
        changes.m_bAllLines = true;
        CPresupuestosSet& header = Header();
        if (header.IsEOF())
            return;
        header.Edit();
        header.m_CPER = StoreFormat(dNew, 2);
        header.Update();
    });
}

CChangeSet CEditingService::UpdateTotals()
{
    return Run(true, [](CChangeSet&) {});
}

void CEditingService::SetMeasuredQuantity(long nLine, CChangeSet& changes)
{
    CMedidasSet set(&m_tree.Database());
    CMeasurementLines lines(set);
    lines.Load(Table().Code(), QString::number(nLine));
    changes.m_nMeasuredLine = nLine;
    changes.m_measures = lines.Records();
    changes.m_strMeasureSum = StoreFormat(CMeasurementLines::SumOf(changes.m_measures), 5);
    // A folder without measurement lines counts once.
    const QString quantity = changes.m_measures.empty() ? QStringLiteral("1") : changes.m_strMeasureSum;
    CLineRecord line = RequireLine(nLine);
    SetAmount(line, line.precio, quantity);
    m_tree.SaveLine(nLine, line);
    m_tree.RollUpTotals(nLine);
}

CChangeSet CEditingService::AddMeasurement(long nLine, const CMeasurementLines::Values& values, bool bFormula)
{
    const CLineRecord line = RequireLine(nLine);
    RequireFolder(line);
    if (values.nombre.size() > kCommentLimit)
        throw CEditRefused(tr("El texto tiene más de %1 caracteres").arg(kCommentLimit));
    for (const QString* factor : {&values.unidades, &values.largo, &values.ancho, &values.alto, &values.total}) {
        if (!factor->isEmpty() && !IsStoreNumber(*factor))
            throw CEditRefused(tr("«%1» no es un número").arg(*factor));
    }
    CMeasurementLines::Values stored = values;
    int position = 0;
    const std::optional<QString> total = CMeasurementLines::ComputeTotal(values, bFormula, &position);
    if (!total)
        throw CEditRefused(tr("Error en fórmula: posición %1").arg(position));
    if (stored.total.isEmpty())
        stored.total = *total;
    return Run(true, [&](CChangeSet& changes) {
        CMedidasSet set(&m_tree.Database());
        CMeasurementLines lines(set);
        lines.Load(Table().Code(), line.numlin);
        lines.Append(Table().Code(), line.numlin, line.articulo, m_tree.ParentCode(nLine), lines.Count(), stored,
                     bFormula);
        SetMeasuredQuantity(nLine, changes);
    });
}

CChangeSet CEditingService::EditMeasurement(long nLine, long nLin, int nColumn, const QString& strText)
{
    const CLineRecord line = RequireLine(nLine);
    RequireFolder(line);
    CMedidasSet set(&m_tree.Database());
    CMeasurementLines lines(set);
    lines.Load(Table().Code(), line.numlin);
    const std::optional<CMeasureRecord> measure = lines.Record(nLin);
    if (!measure)
        throw CEditRefused(tr("No existe la línea de medición %1").arg(nLin));
    CMeasurementLines::Values values{measure->nombre, measure->unidades, measure->largo,
                                     measure->ancho,  measure->alto,     measure->total};
    if (nColumn == CMeasurementLines::Comentario) {
        if (strText.size() > kCommentLimit)
            throw CEditRefused(tr("El texto tiene más de %1 caracteres").arg(kCommentLimit));
        values.nombre = strText;
    } else if (nColumn >= CMeasurementLines::Unidades && nColumn <= CMeasurementLines::Total) {
        const std::optional<QString> number = NumberText(strText);
        if (!number)
            throw CEditRefused(tr("«%1» no es un número").arg(strText));
        QString* const fields[] = {&values.unidades, &values.largo, &values.ancho, &values.alto, &values.total};
        *fields[nColumn - CMeasurementLines::Unidades] = number->isEmpty() ? *number : RoundNumberText(*number, 5);
    } else {
        throw CEditRefused(tr("La columna %1 no se puede editar").arg(nColumn));
    }
    int position = 0;
    const std::optional<QString> total = CMeasurementLines::ComputeTotal(values, measure->IsFormula(), &position);
    if (!total)
        throw CEditRefused(tr("Error en fórmula: posición %1").arg(position));
    values.total = *total;
    return Run(true, [&](CChangeSet& changes) {
        lines.Save(nLin, values);
        SetMeasuredQuantity(nLine, changes);
    });
}

CChangeSet CEditingService::DeleteMeasurement(long nLine, long nLin)
{
    const CLineRecord line = RequireLine(nLine);
    RequireFolder(line);
    CMedidasSet set(&m_tree.Database());
    CMeasurementLines lines(set);
    lines.Load(Table().Code(), line.numlin);
    if (!lines.Record(nLin))
        throw CEditRefused(tr("No existe la línea de medición %1").arg(nLin));
    return Run(true, [&](CChangeSet& changes) {
        lines.Delete(nLin);
        SetMeasuredQuantity(nLine, changes);
    });
}
