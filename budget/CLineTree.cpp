#include "budget/CLineTree.h"

#include "budget/CLineClipboard.h"
#include "budget/CRollUp.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CLineQueries.h"
#include "store/CLineSet.h"
#include "store/CMedidasSet.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"

#include <algorithm>

namespace {

// A copied number that starts with its point reads better with its zero.
QString WithLeadingZero(const QString& text)
{
    return text.startsWith(u'.') ? u'0' + text : text;
}

} // namespace

CLineTree::CLineTree(CLineSet& lines, const CLineTable& table)
    : m_lines(lines)
    , m_table(table)
    , m_rule(table.IsTariff() ? RollUpRule::PriceBase : RollUpRule::Budget)
{
}

CDatabase& CLineTree::Database()
{
    if (!m_lines.m_pDatabase)
        throw CDBException(QStringLiteral("the line set has no connection"));
    return *m_lines.m_pDatabase;
}

template <class Operation>
void CLineTree::Transact(Operation operation)
{
    try {
        CTransaction transaction(Database());
        operation();
        transaction.Commit();
    } catch (const CDBException&) {
        // The store is back as it was; the set must not show what was undone.
        try {
            Requery();
        } catch (const CDBException&) {
        }
        throw;
    }
}

void CLineTree::Requery()
{
    m_lines.FilterTree(m_table);
    if (m_lines.IsOpen())
        m_lines.Requery();
    else
        m_lines.Open();
}

QString CLineTree::AdjustEditedCode(const QString& strBefore, const QString& strEdited)
{
    QString code = strEdited;
    code.remove(u'#');
    // A "#" inside a chapter's code would make it a folder, and a second one
    // at its end the root.
    if (CLineRecord::IsChapterCode(strBefore))
        code += u'#';
    return code;
}

CLineRecord CLineTree::NewLine(Kind kind, long nLevel)
{
    CLineRecord line;
    line.nivel = QString::number(nLevel);
    if (kind == Kind::Concept) {
        // A concept's numbers come from its cells' grid literals.
        line.articulo = QStringLiteral("Nuevo");
        line.desglose = QStringLiteral("N");
        line.precio = line.importe = QStringLiteral("0.00000");
        line.factor = line.rendimiento = QStringLiteral("1.00000");
        return line;
    }
    line.articulo = kind == Kind::Chapter ? QStringLiteral("Nuevo capitulo#") : QStringLiteral("Nueva carpeta");
    line.desglose = QStringLiteral("S");
    line.precio = line.importe = QStringLiteral("0.0");
    line.factor = line.rendimiento = QStringLiteral("1.0");
    return line;
}

CLineRecord CLineTree::NewRoot(const QString& strBudget)
{
    CLineRecord root = NewLine(Kind::Chapter, 0);
    root.codigo = strBudget;
    root.numlin = QStringLiteral("1");
    root.articulo = strBudget + QStringLiteral("##");
    return root;
}

long CLineTree::LineCount() const
{
    return m_lines.GetRecordCount();
}

bool CLineTree::Position(long nLine)
{
    m_lines.SetAbsolutePosition(nLine);
    return !m_lines.IsBOF() && !m_lines.IsEOF() && !m_lines.IsDeleted();
}

std::optional<CLineRecord> CLineTree::Line(long nLine)
{
    if (!Position(nLine))
        return std::nullopt;
    return CLineRecord::From(m_lines);
}

long CLineTree::Level(long nLine)
{
    return Position(nLine) ? m_lines.m_NIVEL.toLong() : -1;
}

bool CLineTree::IsDecomposed(long nLine)
{
    return Position(nLine) && m_lines.m_DESGLOSE == QStringLiteral("S");
}

long CLineTree::BranchEnd(long nLine)
{
    const long level = Level(nLine);
    if (level < 0)
        return nLine;
    const long next = CLineQueries::FirstAfterAtMost(Database(), m_table, nLine, level);
    return next > 0 ? next - 1 : LineCount();
}

QString CLineTree::RootAmount()
{
    return Position(1) ? m_lines.m_IMPORTE : QString();
}

void CLineTree::AddLine(const CLineRecord& line)
{
    m_lines.AddNew();
    m_lines.SetFieldNull(nullptr);
    CLineRecord stored = line;
    stored.codigo = m_table.Code();
    stored.tarifa = m_table.TariffName();
    stored.StoreInto(m_lines);
    m_lines.Update();
}

long CLineTree::InsertLine(long nAfter, const CLineRecord& line)
{
    const long number = nAfter + 1;
    Transact([&] {
        CStoreStatements::ShiftLines(Database(), m_table, nAfter, 1);
        CLineRecord added = line;
        added.numlin = QString::number(number);
        AddLine(added);
        std::set<long> changed;
        for (const long n : m_changed)
            changed.insert(n > nAfter ? n + 1 : n);
        m_changed = std::move(changed);
    });
    Requery();
    return number;
}

long CLineTree::DeleteBranch(long nLine)
{
    if (nLine <= 1 || nLine > LineCount())
        return 0;
    long count = 0;
    Transact([&] {
        Position(nLine);
        m_lines.Edit();
        m_lines.m_RENDIMIENTO = QStringLiteral("0.0");
        m_lines.m_IMPORTE = QStringLiteral("0.0");
        m_lines.Update();
        RollUpTotals(nLine);

        const long end = BranchEnd(nLine);
        count = end - nLine + 1;
        CStoreStatements::DeleteLines(Database(), m_table, nLine, end);
        CStoreStatements::ShiftLines(Database(), m_table, end, -count);
        std::set<long> changed;
        for (const long line : m_changed) {
            if (line < nLine)
                changed.insert(line);
            else if (line > end)
                changed.insert(line - count);
        }
        m_changed = std::move(changed);
    });
    Requery();
    return count;
}

void CLineTree::CopyBranch(long nLine, const std::function<std::optional<int>(long nLine)>& rowState,
                           CLineClipboard& clipboard)
{
    clipboard.Clear();
    const long level = Level(nLine);
    if (level < 0)
        return;
    for (long n = nLine; n <= LineCount(); ++n) {
        Position(n);
        const long nivel = m_lines.m_NIVEL.toLong();
        if (n != nLine && nivel <= level)
            break;
        CopiedLine copy;
        copy.line = CLineRecord::From(m_lines);
        copy.line.rendimiento = WithLeadingZero(copy.line.rendimiento);
        copy.line.precio = WithLeadingZero(copy.line.precio);
        copy.line.importe = WithLeadingZero(copy.line.importe);
        copy.relativeLevel = nivel - level;
        const std::optional<int> state = rowState ? rowState(n) : std::nullopt;
        copy.visible = state.has_value() ? 1 : 0;
        if (state && copy.line.IsDecomposed())
            copy.expandState = *state == 1 ? 1 : 2;
        clipboard.m_lines.push_back(copy);
    }
    if (!m_table.HasMeasurements())
        return;

    CMedidasSet measures(&Database());
    for (const CopiedLine& copy : clipboard.m_lines) {
        if (!copy.line.IsDecomposed())
            continue;
        measures.FilterLine(copy.line.codigo, copy.line.numlin, QStringLiteral("CODIGO,NUMLIN,LIN"));
        if (measures.IsOpen())
            measures.Requery();
        else
            measures.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        for (; !measures.IsEOF(); measures.MoveNext()) {
            clipboard.m_measures.push_back(CMeasureRecord::From(measures));
        }
    }
}

bool CLineTree::AcceptsPaste(long nLine, const CLineClipboard& clipboard)
{
    if (clipboard.IsEmpty() || Level(nLine) < 0)
        return false;
    if (!clipboard.m_lines.front().line.IsChapter())
        return true;
    // Walking back from the target over lines no deeper than it: a folder
    // met on the way holds the target.
    const long level = Level(nLine);
    for (long line = nLine; line >= 1; --line) {
        Position(line);
        const long lineLevel = m_lines.m_NIVEL.toLong();
        if (lineLevel > level || lineLevel <= 0)
            break;
        if (m_lines.m_DESGLOSE == QStringLiteral("S") && !CLineRecord::IsChapterCode(m_lines.m_ARTICULO))
            return false;
    }
    return true;
}

long CLineTree::PastePoint(long nLine, bool bInto)
{
    if (bInto || !IsDecomposed(nLine))
        return nLine;
    return BranchEnd(nLine);
}

long CLineTree::PasteBranch(long nLine, bool bInto, CLineClipboard& clipboard)
{
    if (clipboard.IsEmpty() || Level(nLine) < 0)
        return -1;
    const long level = Level(nLine) + (bInto ? 1 : 0);
    const long after = PastePoint(nLine, bInto);
    const long count = long(clipboard.m_lines.size());
    // A tariff's chapters carry no totals; in a budget every one does.
    const bool settle = m_rule == RollUpRule::Budget && !clipboard.m_lines.front().line.tarifa.isEmpty();
    Transact([&] {
        CStoreStatements::ShiftLines(Database(), m_table, after, count);
        long number = after;
        for (const CopiedLine& copy : clipboard.m_lines) {
            CLineRecord line = copy.line;
            line.numlin = QString::number(++number);
            line.nivel = QString::number(copy.relativeLevel + level);
            AddLine(line);
        }
        Requery();
        if (settle)
            SettleBranch(after + 1, after + count);
        if (!m_table.HasMeasurements())
            return;
        number = after;
        for (const CopiedLine& copy : clipboard.m_lines) {
            ++number;
            if (copy.line.IsDecomposed())
                AddCopiedMeasures(clipboard, copy.line.numlin, number);
        }
    });
    std::set<long> changed;
    for (const long n : m_changed)
        changed.insert(n > after ? n + count : n);
    m_changed = std::move(changed);
    clipboard.Clear();
    return after;
}

void CLineTree::SettleBranch(long nFirst, long nLast)
{
    // Backwards, so that every line's children are settled before it.
    for (long line = nLast; line >= nFirst; --line) {
        if (IsDecomposed(line) && line < LineCount() && Level(line + 1) == Level(line) + 1)
            RollUpOnce(line + 1);
    }
}

void CLineTree::AddCopiedMeasures(const CLineClipboard& clipboard, const QString& strSourceLine, long nLine)
{
    // The pasted folder may stand under another parent now: its measurement
    // lines name their line and parent as they are here, so that an export
    // writes them where an import will find them again.
    QString parent;
    QString child;
    bool keysKnown = false;
    CMedidasSet measures(&Database());
    measures.FilterNone();
    for (const CopiedMeasure& measure : clipboard.m_measures) {
        if (measure.numlin != strSourceLine)
            continue;
        if (!keysKnown) {
            child = Position(nLine) ? m_lines.m_ARTICULO : QString();
            parent = ParentCode(nLine);
            keysKnown = true;
            if (!measures.IsOpen())
                measures.Open();
        }
        CMeasureRecord pasted = measure;
        pasted.codigo = m_table.Code();
        pasted.numlin = QString::number(nLine);
        pasted.codigoPadre = parent;
        pasted.codigoHijo = child;
        measures.AddNew();
        measures.SetFieldNull(nullptr);
        pasted.StoreInto(measures);
        measures.Update();
    }
}

void CLineTree::SaveLine(long nLine, const CLineRecord& line)
{
    Transact([&] {
        if (!Position(nLine))
            throw CDBException(QStringLiteral("No current record."));
        const QString before = m_lines.m_ARTICULO;
        m_lines.Edit();
        CLineRecord stored = line;
        stored.codigo = m_table.Code();
        stored.tarifa = m_table.TariffName();
        stored.numlin = QString::number(nLine);
        stored.StoreInto(m_lines);
        m_lines.Update();
        m_changed.insert(nLine);
        if (m_table.HasMeasurements() && line.articulo != before) {
            CStoreStatements::RenameMeasurementChild(Database(), line.articulo, m_table.Code(), nLine);
            CStoreStatements::RenameMeasurementParent(Database(), line.articulo, m_table.Code(), before);
        }
    });
}

void CLineTree::RollUpTotals(long nLine)
{
    Transact([&] {
        long line = nLine;
        while (line > 1 && line <= LineCount()) {
            if (m_rule == RollUpRule::PriceBase && Position(line) && CLineRecord::IsChapterCode(m_lines.m_ARTICULO))
                break;
            line = RollUpOnce(line);
        }
    });
}

long CLineTree::RollUpOnce(long nLine)
{
    // The line's siblings span from its parent's first child to the next
    // line of a lower level.
    const long level = Level(nLine);
    const long parent = CLineQueries::LastBefore(Database(), m_table, nLine, level);
    const long next = CLineQueries::FirstAfterAtMost(Database(), m_table, nLine, level - 1);
    const long first = parent + 1;
    const long last = next > 0 ? next - 1 : LineCount();
    const std::vector<CLineQueries::Sibling> lines = CLineQueries::LinesAtLevel(Database(), m_table, level, first, last);

    std::vector<CRollUp::Sibling> siblings;
    siblings.reserve(lines.size());
    for (const CLineQueries::Sibling& line : lines)
        siblings.push_back({line.articulo, line.rendimiento, line.precio, line.importe});
    const QString parentPrice = CRollUp::RollSiblings(siblings);
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (!siblings[i].bChanged)
            continue;
        Position(lines[i].numlin);
        m_lines.Edit();
        m_lines.m_PRECIO = siblings[i].price;
        m_lines.m_IMPORTE = siblings[i].amount;
        m_lines.Update();
        m_changed.insert(lines[i].numlin);
    }

    if (parent < 1 || !Position(parent))
        return 0;
    if (m_rule == RollUpRule::PriceBase && CLineRecord::IsChapterCode(m_lines.m_ARTICULO))
        return parent;
    m_lines.Edit();
    m_lines.m_PRECIO = parentPrice;
    m_lines.m_IMPORTE = CRollUp::Amount(m_lines.m_RENDIMIENTO, parentPrice);
    m_lines.Update();
    m_changed.insert(parent);
    return parent;
}

void CLineTree::CarryToOccurrences(long nLine)
{
    Transact([&] {
        const std::optional<CLineRecord> kept = Line(nLine);
        if (!kept)
            return;
        const double price = StoreAtof(kept->precio);
        for (const long line : CLineQueries::LinesWithCode(Database(), m_table, kept->articulo)) {
            Position(line);
            const QString amount = m_lines.m_IMPORTE;
            m_lines.Edit();
            m_lines.m_MEDIDA = kept->medida;
            m_lines.m_NOMBRE = kept->nombre;
            m_lines.m_DESCRIPCION = kept->descripcion;
            if (kept->IsChapter()) {
                m_lines.m_PRECIO = m_lines.m_RENDIMIENTO = m_lines.m_IMPORTE = QStringLiteral("0.0");
            } else {
                m_lines.m_PRECIO = StoreFormat(price, 5);
                m_lines.m_IMPORTE = StoreFormat(StoreAtof(m_lines.m_RENDIMIENTO) * price, 5);
            }
            const bool amountChanged = m_lines.m_IMPORTE != amount;
            m_lines.Update();
            m_changed.insert(line);
            // The edited line was saved before: its amount may have changed
            // already. Elsewhere an unchanged amount (a new description, a
            // unit) leaves the parents as they are, and typing stays quick.
            if (line == nLine || amountChanged)
                RollUpTotals(line);
        }
    });
}

void CLineTree::Renumber()
{
    Transact([&] { CStoreStatements::RenumberLines(Database(), m_table); });
    Requery();
}

QString CLineTree::ParentCode(long nLine)
{
    if (!Position(nLine))
        return {};
    if (nLine == 1)
        return m_lines.m_ARTICULO;
    // Without an earlier line of lower level the walk back ends on the first line.
    const long parent = CLineQueries::LastBefore(Database(), m_table, nLine, m_lines.m_NIVEL.toLong());
    Position(parent > 0 ? parent : 1);
    const QString code = m_lines.m_ARTICULO;
    Position(nLine);
    return code;
}

std::vector<long> CLineTree::Ancestors(long nLine)
{
    std::vector<long> ancestors;
    for (long level = Level(nLine), line = nLine; level > 0 && line > 1;) {
        line = CLineQueries::LastBefore(Database(), m_table, line, level);
        if (line < 1)
            break;
        ancestors.push_back(line);
        level = Level(line);
    }
    std::reverse(ancestors.begin(), ancestors.end());
    return ancestors;
}

long CLineTree::FindText(long nAfter, const QString& strText)
{
    return strText.isEmpty() ? 0 : CLineQueries::FirstWithText(Database(), m_table, nAfter, strText);
}

void CLineTree::ApplyCustomIncrease(double dOld, double dNew)
{
    if (dOld == dNew)
        return;
    Transact([&] {
        for (long n = 1; n <= LineCount(); ++n) {
            Position(n);
            m_lines.Edit();
            const double quantity = StoreAtof(m_lines.m_RENDIMIENTO);
            double amount = StoreAtof(m_lines.m_IMPORTE);
            if (dOld != 0.0) {
                m_lines.m_PRECIO = StoreFormat(StoreAtof(m_lines.m_PRECIO) / ((dOld + 100.0) * 0.01), 5);
                amount = StoreAtof(m_lines.m_PRECIO) * quantity;
            }
            if (dNew != 0.0) {
                const double price = StoreAtof(m_lines.m_PRECIO);
                m_lines.m_PRECIO = StoreFormat(price + price * dNew * 0.01, 5);
                amount = StoreAtof(m_lines.m_PRECIO) * quantity;
            }
            m_lines.m_IMPORTE = StoreFormat(amount, CLineRecord::IsChapterCode(m_lines.m_ARTICULO) ? 2 : 5);
            m_lines.Update();
            m_changed.insert(n);
        }
    });
    Requery();
}
