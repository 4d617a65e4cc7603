#include "output/CPrintData.h"

#include "store/CArticulosSet.h"
#include "store/CMedidasSet.h"
#include "store/CParametrosSet.h"
#include "store/CPresupuestosSet.h"

namespace {

// Texts typed on Windows or read from BC3 files break lines with "\r\n".
QString PlainBreaks(const QString& strText)
{
    if (!strText.contains(u'\r'))
        return strText;
    QString text = strText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

bool CPrintData::Load(CDatabase& db, const QString& strBudget, int nLevelLimit, bool bMeasurements)
{
    CPresupuestosSet header(&db);
    header.FilterBudget(strBudget);
    header.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    if (header.IsEOF())
        return false;
    m_header.Load(header);
    m_header.m_strObs = PlainBreaks(m_header.m_strObs);
    m_header.m_strFp = PlainBreaks(m_header.m_strFp);
    header.Close();

    LoadCompany(db);
    LoadLines(db, strBudget, nLevelLimit);
    m_measures.clear();
    if (bMeasurements)
        LoadMeasures(db, strBudget);
    return true;
}

void CPrintData::LoadCompany(CDatabase& db)
{
    m_company = Company();
    CParametrosSet set(&db);
    set.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    if (set.IsEOF())
        return;
    m_company = {set.m_NOMBRE, set.m_DIRECCION, set.m_POBLACION, set.m_CP,  set.m_PROVINCIA, set.m_TELEFONO,
                 set.m_FAX,    set.m_EMAIL,     set.m_NIF,       set.m_LOGO, PlainBreaks(set.m_REGFAC)};
}

void CPrintData::LoadLines(CDatabase& db, const QString& strBudget, int nLevelLimit)
{
    m_lines.clear();
    m_strRootAmount.clear();
    {
        CArticulosSet root(&db);
        root.FilterBudget(strBudget);
        root.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
        if (!root.IsEOF())
            m_strRootAmount = root.m_IMPORTE;
    }
    CArticulosSet set(&db);
    set.FilterBudgetToLevel(strBudget, nLevelLimit);
    set.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    for (; !set.IsEOF(); set.MoveNext()) {
        Line line;
        line.nNumLin = set.m_NUMLIN.toLong();
        line.nNivel = set.m_NIVEL.toInt();
        line.strArticulo = set.m_ARTICULO;
        line.strDesglose = set.m_DESGLOSE;
        line.strMedida = set.m_MEDIDA;
        line.strNombre = PlainBreaks(set.m_NOMBRE);
        line.strDescripcion = PlainBreaks(set.m_DESCRIPCION);
        line.strPrecio = set.m_PRECIO;
        line.strRendimiento = set.m_RENDIMIENTO;
        line.strImporte = set.m_IMPORTE;
        m_lines.push_back(std::move(line));
    }
}

void CPrintData::LoadMeasures(CDatabase& db, const QString& strBudget)
{
    CMedidasSet set(&db);
    set.FilterBudget(strBudget);
    set.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    for (; !set.IsEOF(); set.MoveNext()) {
        m_measures[set.m_NUMLIN.toLong()].push_back(
            {PlainBreaks(set.m_NOMBRE), set.m_TIPO, set.m_UNIDADES, set.m_LARGO, set.m_ANCHO, set.m_ALTO, set.m_TOTAL});
    }
}

const std::vector<CPrintData::Measure>* CPrintData::MeasuresOf(long nNumLin) const
{
    const auto it = m_measures.constFind(nNumLin);
    return it == m_measures.cend() || it->empty() ? nullptr : &*it;
}
