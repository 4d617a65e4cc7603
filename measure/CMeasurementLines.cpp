#include "measure/CMeasurementLines.h"

#include "measure/FormulaParser.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CMedidasSet.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"

namespace {

// The x every measurement formula is evaluated with.
constexpr double kFormulaX = 0.0123;

} // namespace

CMeasurementLines::CMeasurementLines(CMedidasSet& set)
    : m_set(set)
{
}

void CMeasurementLines::Load(const QString& strBudget, const QString& strLine)
{
    m_set.FilterLine(strBudget, strLine, QStringLiteral("CODIGO,NUMLIN,LIN"));
    if (m_set.IsOpen())
        m_set.Requery();
    else
        m_set.Open();
}

long CMeasurementLines::Count() const
{
    return m_set.GetRecordCount();
}

std::vector<CMeasureRecord> CMeasurementLines::Records()
{
    std::vector<CMeasureRecord> records;
    if (m_set.GetRecordCount() == 0)
        return records;
    for (m_set.MoveFirst(); !m_set.IsEOF(); m_set.MoveNext())
        records.push_back(CMeasureRecord::From(m_set));
    return records;
}

std::optional<CMeasureRecord> CMeasurementLines::Record(long nLin)
{
    if (nLin < 1 || nLin > Count())
        return std::nullopt;
    m_set.SetAbsolutePosition(nLin);
    if (m_set.IsBOF() || m_set.IsEOF() || m_set.IsDeleted())
        return std::nullopt;
    return CMeasureRecord::From(m_set);
}

double CMeasurementLines::Sum()
{
    return SumOf(Records());
}

void CMeasurementLines::Save(long nLin, const Values& values)
{
    m_set.SetAbsolutePosition(nLin);
    if (m_set.IsBOF() || m_set.IsEOF())
        throw CDBException(QStringLiteral("No current record."));
    m_set.Edit();
    m_set.m_NOMBRE = values.nombre;
    m_set.m_UNIDADES = values.unidades;
    m_set.m_LARGO = values.largo;
    m_set.m_ANCHO = values.ancho;
    m_set.m_ALTO = values.alto;
    m_set.m_TOTAL = values.total;
    m_set.Update();
}

void CMeasurementLines::Delete(long nLin)
{
    CTransaction transaction(*m_set.m_pDatabase);
    try {
        m_set.SetAbsolutePosition(nLin);
        if (m_set.IsBOF() || m_set.IsEOF())
            return;
        m_set.Delete();
        m_set.Requery();
        for (; !m_set.IsEOF(); m_set.MoveNext()) {
            const long lin = m_set.m_LIN.toLong();
            if (lin > nLin) {
                m_set.Edit();
                m_set.m_LIN = QString::number(lin - 1);
                m_set.Update();
            }
        }
        transaction.Commit();
    } catch (const CDBException&) {
        m_set.Requery();
        throw;
    }
    m_set.Requery();
}

void CMeasurementLines::Append(const QString& strBudget, const QString& strLine, const QString& strLineCode,
                               const QString& strParentCode, long nExisting, const Values& values, bool bFormula)
{
    CMeasureRecord line;
    line.codigo = strBudget;
    line.numlin = strLine;
    line.lin = QString::number(nExisting + 1);
    line.codigoPadre = strParentCode;
    line.codigoHijo = strLineCode;
    line.tipo = bFormula ? QStringLiteral("3") : QString();
    line.nombre = values.nombre;
    line.largo = values.largo;
    line.ancho = values.ancho;
    line.alto = values.alto;
    line.unidades = values.unidades;
    line.total = values.total;
    m_set.AddNew();
    m_set.SetFieldNull(nullptr);
    line.StoreInto(m_set);
    m_set.Update();
    m_set.Requery();
}

double CMeasurementLines::SumOf(const std::vector<CMeasureRecord>& lines)
{
    double sum = 0.0;
    for (const CMeasureRecord& line : lines)
        sum += StoreAtof(line.total);
    return sum;
}

QString CMeasurementLines::SubstituteLetters(const QString& strFormula, const QString& strUnits,
                                             const QString& strLength, const QString& strWidth,
                                             const QString& strHeight)
{
    return Substitute(strFormula, NormalizeNumberText(strUnits), NormalizeNumberText(strLength),
                      NormalizeNumberText(strWidth), NormalizeNumberText(strHeight));
}

QString CMeasurementLines::Substitute(const QString& strFormula, const QString& strUnits, const QString& strLength,
                                      const QString& strWidth, const QString& strHeight)
{
    QString formula = strFormula;
    formula.replace(u'a', strUnits);
    formula.replace(u'b', strLength);
    formula.replace(u'c', strWidth);
    formula.replace(u'd', strHeight);
    formula.replace(u'p', QStringLiteral("3.1415926535897932"));
    return formula;
}

std::optional<QString> CMeasurementLines::ComputeTotal(const Values& values, bool bFormula, int* pErrorPosition)
{
    if (!bFormula) {
        const double total = StoreAtof(values.unidades) * StoreAtof(values.largo) * StoreAtof(values.ancho)
            * StoreAtof(values.alto);
        return StoreFormat(total, 5);
    }
    const QString formula = Substitute(values.nombre, values.unidades, values.largo, values.ancho, values.alto);
    FormulaParser parser;
    int position = 0;
    QString message;
    const double value = parser.Evaluate(formula, kFormulaX, position, message, true);
    if (position != 0) {
        if (pErrorPosition)
            *pErrorPosition = FormulaErrorPosition(values.nombre, position);
        return std::nullopt;
    }
    if (!message.isEmpty())
        return values.total;
    // Shown with five decimals from six, as the window has always shown it.
    return RoundNumberText(StoreFormat(value, 6), 5);
}

int CMeasurementLines::FormulaErrorPosition(const QString& strFormula, int nFallback)
{
    // The factors become one-character numbers and the separators the
    // evaluator would convert are converted in place, so that every
    // character keeps its position.
    QString probe = strFormula;
    for (QChar& ch : probe) {
        switch (ch.unicode()) {
        case u'a':
        case u'b':
        case u'c':
        case u'd':
        case u'p':
            ch = u'1';
            break;
        case u',':
            ch = u'.';
            break;
        case u'[':
        case u'{':
            ch = u'(';
            break;
        case u']':
        case u'}':
            ch = u')';
            break;
        default:
            break;
        }
    }
    FormulaParser parser;
    int position = 0;
    QString message;
    parser.Evaluate(probe, kFormulaX, position, message, false);
    return position > 0 ? position : nFallback;
}
