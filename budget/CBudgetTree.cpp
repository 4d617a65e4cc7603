#include "budget/CBudgetTree.h"

#include "budget/CLineClipboard.h"
#include "budget/CRollUp.h"
#include "store/CArticulosSet.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CLineQueries.h"
#include "store/CMedidasSet.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"

namespace {

bool IsChapterCode(const QString& code)
{
    return code.endsWith(u'#');
}

// A copied number that starts with its point reads better with its zero.
QString WithLeadingZero(const QString& text)
{
    return text.startsWith(u'.') ? u'0' + text : text;
}

} // namespace

CBudgetTree::CBudgetTree(CArticulosSet& lines, const QString& strBudget)
    : m_lines(lines)
    , m_strBudget(strBudget)
{
}

CDatabase& CBudgetTree::Database()
{
    if (!m_lines.m_pDatabase)
        throw CDBException(QStringLiteral("the line set has no connection"));
    return *m_lines.m_pDatabase;
}

template <class Operation>
void CBudgetTree::Transact(Operation operation)
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

void CBudgetTree::Requery()
{
    m_lines.FilterBudget(m_strBudget);
    if (m_lines.IsOpen())
        m_lines.Requery();
    else
        m_lines.Open();
}

QString CBudgetTree::AdjustEditedCode(const QString& strBefore, const QString& strEdited)
{
    QString code = strEdited;
    if (strBefore.endsWith(u'#') && !code.contains(u'#'))
        code += u'#';
    else if (!strBefore.endsWith(u'#') && code.contains(u'#'))
        code.remove(u'#');
    return code;
}

CBudgetTree::Line CBudgetTree::NewLine(Kind kind, int nLevel)
{
    Line line;
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

long CBudgetTree::LineCount() const
{
    return m_lines.GetRecordCount();
}

bool CBudgetTree::Position(long nLine)
{
    m_lines.SetAbsolutePosition(nLine);
    return !m_lines.IsBOF() && !m_lines.IsEOF() && !m_lines.IsDeleted();
}

long CBudgetTree::Level(long nLine)
{
    return Position(nLine) ? m_lines.m_NIVEL.toLong() : -1;
}

bool CBudgetTree::IsDecomposed(long nLine)
{
    return Position(nLine) && m_lines.m_DESGLOSE == QStringLiteral("S");
}

long CBudgetTree::BranchEnd(long nLine)
{
    const long level = Level(nLine);
    if (level < 0)
        return nLine;
    const long next = CLineQueries::FirstAfterAtMost(Database(), m_strBudget, nLine, level);
    return next > 0 ? next - 1 : LineCount();
}

long CBudgetTree::InsertLine(long nAfter, const Line& line)
{
    const long number = nAfter + 1;
    Transact([&] {
        CStoreStatements::ShiftLines(Database(), m_strBudget, nAfter, 1);
        m_lines.AddNew();
        m_lines.SetFieldNull(nullptr);
        m_lines.m_CODIGO = m_strBudget;
        m_lines.m_NUMLIN = QString::number(number);
        m_lines.m_ARTICULO = line.articulo;
        m_lines.m_NIVEL = line.nivel;
        m_lines.m_DESGLOSE = line.desglose;
        m_lines.m_NOMBRE = line.nombre;
        m_lines.m_DESCRIPCION = line.descripcion;
        m_lines.m_FACTOR = line.factor;
        m_lines.m_RENDIMIENTO = line.rendimiento;
        m_lines.m_MEDIDA = line.medida;
        m_lines.m_PRECIO = line.precio;
        m_lines.m_TIPO1 = line.tipo1;
        m_lines.m_TIPO2 = line.tipo2;
        m_lines.m_IMPORTE = line.importe;
        m_lines.m_IMAGEN = line.imagen;
        m_lines.Update();
    });
    Requery();
    return number;
}

long CBudgetTree::DeleteBranch(long nLine)
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
        // Every measurement line of the branch goes with it: one left behind
        // would attach itself to whatever line takes its number next.
        CStoreStatements::DeleteMeasurementsOfLines(Database(), m_strBudget, nLine, end);
        CStoreStatements::DeleteLines(Database(), m_strBudget, nLine, end);
        CStoreStatements::ShiftLines(Database(), m_strBudget, end, -count);
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

void CBudgetTree::CopyBranch(long nLine, const std::function<std::optional<int>(long nLine)>& rowState,
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
        copy.code = m_lines.m_CODIGO;
        copy.lineNumber = m_lines.m_NUMLIN;
        copy.article = m_lines.m_ARTICULO;
        copy.relativeLevel = QString::number(nivel - level);
        copy.decomposed = m_lines.m_DESGLOSE;
        copy.name = m_lines.m_NOMBRE;
        copy.description = m_lines.m_DESCRIPCION;
        copy.factor = m_lines.m_FACTOR;
        copy.quantity = WithLeadingZero(m_lines.m_RENDIMIENTO);
        copy.unit = m_lines.m_MEDIDA;
        copy.price = WithLeadingZero(m_lines.m_PRECIO);
        copy.date = m_lines.m_FECHA;
        copy.type1 = m_lines.m_TIPO1;
        copy.type2 = m_lines.m_TIPO2;
        copy.amount = WithLeadingZero(m_lines.m_IMPORTE);
        copy.image = m_lines.m_IMAGEN;
        const std::optional<int> state = rowState ? rowState(n) : std::nullopt;
        copy.visible = state.has_value() ? 1 : 0;
        if (state && copy.decomposed == QStringLiteral("S"))
            copy.expandState = *state == 1 ? 1 : 2;
        clipboard.m_lines.push_back(copy);
    }

    CMedidasSet measures(&Database());
    for (const CopiedLine& copy : clipboard.m_lines) {
        if (copy.decomposed != QStringLiteral("S"))
            continue;
        measures.FilterLine(copy.code, copy.lineNumber, QStringLiteral("CODIGO,NUMLIN,LIN"));
        if (measures.IsOpen())
            measures.Requery();
        else
            measures.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        for (; !measures.IsEOF(); measures.MoveNext()) {
            clipboard.m_measures.push_back({measures.m_CODIGO, measures.m_NUMLIN, measures.m_LIN,
                                            measures.m_CODIGOPADRE, measures.m_CODIGOHIJO, measures.m_POSICION,
                                            measures.m_TIPO, measures.m_NOMBRE, measures.m_LARGO, measures.m_ANCHO,
                                            measures.m_ALTO, measures.m_UNIDADES, measures.m_TOTAL});
        }
    }
}

long CBudgetTree::PastePoint(long nLine, bool bInto)
{
    if (bInto || !IsDecomposed(nLine))
        return nLine;
    return BranchEnd(nLine);
}

long CBudgetTree::PasteBranch(long nLine, bool bInto, CLineClipboard& clipboard)
{
    if (clipboard.IsEmpty() || Level(nLine) < 0)
        return -1;
    const long level = Level(nLine) + (bInto ? 1 : 0);
    const long after = PastePoint(nLine, bInto);
    const long count = long(clipboard.m_lines.size());
    Transact([&] {
        CStoreStatements::ShiftLines(Database(), m_strBudget, after, count);
        long number = after;
        for (const CopiedLine& copy : clipboard.m_lines) {
            m_lines.AddNew();
            m_lines.SetFieldNull(nullptr);
            m_lines.m_CODIGO = m_strBudget;
            m_lines.m_NUMLIN = QString::number(++number);
            m_lines.m_ARTICULO = copy.article;
            m_lines.m_NIVEL = QString::number(copy.relativeLevel.toLong() + level);
            m_lines.m_DESGLOSE = copy.decomposed;
            m_lines.m_NOMBRE = copy.name;
            m_lines.m_DESCRIPCION = copy.description;
            m_lines.m_FACTOR = copy.factor;
            m_lines.m_RENDIMIENTO = copy.quantity;
            m_lines.m_MEDIDA = copy.unit;
            m_lines.m_PRECIO = copy.price;
            m_lines.m_FECHA = copy.date;
            m_lines.m_TIPO1 = copy.type1;
            m_lines.m_TIPO2 = copy.type2;
            m_lines.m_IMPORTE = copy.amount;
            m_lines.m_IMAGEN = copy.image;
            m_lines.Update();
        }
        Requery();
        number = after;
        for (const CopiedLine& copy : clipboard.m_lines) {
            ++number;
            if (copy.decomposed == QStringLiteral("S"))
                AddCopiedMeasures(clipboard, copy.lineNumber, number);
        }
    });
    clipboard.Clear();
    return after;
}

void CBudgetTree::AddCopiedMeasures(const CLineClipboard& clipboard, const QString& strSourceLine, long nLine)
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
        measures.AddNew();
        measures.SetFieldNull(nullptr);
        measures.m_CODIGO = m_strBudget;
        measures.m_NUMLIN = QString::number(nLine);
        measures.m_LIN = measure.lin;
        measures.m_POSICION = measure.posicion;
        measures.m_TIPO = measure.tipo;
        measures.m_NOMBRE = measure.nombre;
        measures.m_CODIGOPADRE = parent;
        measures.m_CODIGOHIJO = child;
        measures.m_LARGO = measure.largo;
        measures.m_ANCHO = measure.ancho;
        measures.m_ALTO = measure.alto;
        measures.m_UNIDADES = measure.unidades;
        measures.m_TOTAL = measure.total;
        measures.Update();
    }
}

void CBudgetTree::SaveLine(long nLine, const Line& line, const QString& strCodeBefore, bool bCodeEdited)
{
    Transact([&] {
        if (!Position(nLine))
            throw CDBException(QStringLiteral("No current record."));
        const bool chapter = IsChapterCode(line.articulo);
        m_lines.Edit();
        m_lines.m_CODIGO = m_strBudget;
        m_lines.m_NUMLIN = QString::number(nLine);
        m_lines.m_ARTICULO = line.articulo;
        m_lines.m_NIVEL = line.nivel;
        m_lines.m_DESGLOSE = line.desglose;
        m_lines.m_NOMBRE = line.nombre;
        m_lines.m_DESCRIPCION = line.descripcion;
        const QString emptyNumber = chapter ? QStringLiteral("1.0") : QStringLiteral("0.0");
        m_lines.m_FACTOR = line.factor.isEmpty() ? emptyNumber : line.factor;
        m_lines.m_RENDIMIENTO = line.rendimiento.isEmpty() ? emptyNumber : line.rendimiento;
        m_lines.m_MEDIDA = line.medida;
        // A chapter shows no price: its stored price (the sum of its
        // children) stays, instead of becoming zero at every edit of the row.
        if (!line.precio.isEmpty())
            m_lines.m_PRECIO = line.precio;
        else if (!chapter)
            m_lines.m_PRECIO = QStringLiteral("0.0");
        m_lines.m_TIPO1 = line.tipo1;
        m_lines.m_TIPO2 = line.tipo2;
        m_lines.m_IMPORTE = line.importe;
        m_lines.m_IMAGEN = line.imagen;
        m_lines.Update();
        m_changed.insert(nLine);
        if (bCodeEdited) {
            CStoreStatements::RenameMeasurementChild(Database(), line.articulo, m_strBudget, nLine);
            CStoreStatements::RenameMeasurementParent(Database(), line.articulo, m_strBudget, strCodeBefore);
        }
    });
}

void CBudgetTree::RollUpTotals(long nLine)
{
    Transact([&] {
        long line = nLine;
        while (line > 1 && line <= LineCount())
            line = RollUpOnce(line);
    });
}

long CBudgetTree::RollUpOnce(long nLine)
{
    // The line's siblings span from its parent's first child to the next
    // line of a lower level.
    const long level = Level(nLine);
    const long parent = CLineQueries::LastBefore(Database(), m_strBudget, nLine, level);
    const long next = CLineQueries::FirstAfterAtMost(Database(), m_strBudget, nLine, level - 1);
    const long first = parent + 1;
    const long last = next > 0 ? next - 1 : LineCount();
    const std::vector<CLineQueries::Sibling> lines = CLineQueries::LinesAtLevel(Database(), m_strBudget, level, first, last);

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
    m_lines.Edit();
    m_lines.m_PRECIO = parentPrice;
    m_lines.m_IMPORTE = CRollUp::Amount(m_lines.m_RENDIMIENTO, parentPrice);
    m_lines.Update();
    m_changed.insert(parent);
    return parent;
}

void CBudgetTree::Renumber()
{
    Transact([&] { CStoreStatements::RenumberLines(Database(), m_strBudget); });
    Requery();
}

QString CBudgetTree::ParentCode(long nLine)
{
    if (!Position(nLine))
        return {};
    if (nLine == 1)
        return m_lines.m_ARTICULO;
    // Without an earlier line of lower level the walk back ends on the first line.
    const long parent = CLineQueries::LastBefore(Database(), m_strBudget, nLine, m_lines.m_NIVEL.toLong());
    Position(parent > 0 ? parent : 1);
    const QString code = m_lines.m_ARTICULO;
    Position(nLine);
    return code;
}

void CBudgetTree::ApplyCustomIncrease(double dOld, double dNew)
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
            m_lines.m_IMPORTE = StoreFormat(amount, IsChapterCode(m_lines.m_ARTICULO) ? 2 : 5);
            m_lines.Update();
        }
    });
    Requery();
}
