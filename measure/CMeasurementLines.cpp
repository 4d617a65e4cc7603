#include "measure/CMeasurementLines.h"

#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CMedidasSet.h"
#include "store/CTransaction.h"
#include "store/NumberText.h"

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

double CMeasurementLines::Sum()
{
    double sum = 0.0;
    for (m_set.MoveFirst(); !m_set.IsEOF(); m_set.MoveNext())
        sum += StoreAtof(m_set.m_TOTAL);
    return sum;
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
    m_set.AddNew();
    m_set.SetFieldNull(nullptr);
    m_set.m_CODIGO = strBudget;
    m_set.m_CODIGOPADRE = strParentCode;
    m_set.m_CODIGOHIJO = strLineCode;
    m_set.m_NUMLIN = strLine;
    m_set.m_LIN = QString::number(nExisting + 1);
    m_set.m_LARGO = values.largo;
    m_set.m_ANCHO = values.ancho;
    m_set.m_ALTO = values.alto;
    m_set.m_UNIDADES = values.unidades;
    m_set.m_TOTAL = values.total;
    m_set.m_NOMBRE = values.nombre;
    m_set.m_TIPO = bFormula ? QStringLiteral("3") : QString();
    m_set.Update();
    m_set.Requery();
}

double CMeasurementLines::FactorTotal(const QString& strUnits, const QString& strLength, const QString& strWidth,
                                      const QString& strHeight)
{
    return StoreAtof(NormalizeNumberText(strUnits)) * StoreAtof(NormalizeNumberText(strLength))
        * StoreAtof(NormalizeNumberText(strWidth)) * StoreAtof(NormalizeNumberText(strHeight));
}

QString CMeasurementLines::SubstituteLetters(const QString& strFormula, const QString& strUnits,
                                             const QString& strLength, const QString& strWidth,
                                             const QString& strHeight)
{
    QString formula = strFormula;
    formula.replace(u'a', NormalizeNumberText(strUnits));
    formula.replace(u'b', NormalizeNumberText(strLength));
    formula.replace(u'c', NormalizeNumberText(strWidth));
    formula.replace(u'd', NormalizeNumberText(strHeight));
    formula.replace(u'p', QStringLiteral("3.1415926535897932"));
    return formula;
}
