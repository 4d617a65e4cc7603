#include "admin/CBudgetAdmin.h"

#include "admin/CBudgetHeader.h"
#include "store/CArticulosSet.h"
#include "store/CDBException.h"
#include "store/CMedidasSet.h"
#include "store/CPresupuestosSet.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"

namespace {

void AddHeader(CDatabase& database, const CBudgetHeader& header)
{
    CPresupuestosSet set(&database);
    set.FilterNone();
    set.Open();
    set.AddNew();
    set.SetFieldNull(nullptr);
    header.StoreNew(set);
    set.Update();
}

} // namespace

std::vector<CBudgetAdmin::Entry> CBudgetAdmin::List(CDatabase& database)
{
    CPresupuestosSet set(&database);
    set.FilterAll();
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    std::vector<Entry> entries;
    for (; !set.IsEOF(); set.MoveNext())
        entries.push_back({set.m_CODIGO, set.m_NOMBRE});
    return entries;
}

bool CBudgetAdmin::Exists(CDatabase& database, const QString& strCode)
{
    CPresupuestosSet set(&database);
    set.FilterBudget(strCode);
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    return !set.IsEOF();
}

void CBudgetAdmin::Create(CDatabase& database, const CBudgetHeader& header)
{
    CTransaction transaction(database);
    AddHeader(database, header);
    CArticulosSet lines(&database);
    lines.FilterNone();
    lines.Open();
    lines.AddNew();
    lines.SetFieldNull(nullptr);
    lines.m_CODIGO = header.m_strCodigo;
    lines.m_NUMLIN = QStringLiteral("1");
    lines.m_ARTICULO = header.m_strCodigo + QStringLiteral("##");
    lines.m_NIVEL = QStringLiteral("0");
    lines.m_DESGLOSE = QStringLiteral("S");
    lines.m_FACTOR = QStringLiteral("1.0");
    lines.m_RENDIMIENTO = QStringLiteral("1.0");
    lines.m_PRECIO = QStringLiteral("0.0");
    lines.m_IMPORTE = QStringLiteral("0.0");
    lines.Update();
    transaction.Commit();
}

void CBudgetAdmin::Copy(CDatabase& database, const QString& strSource, const CBudgetHeader& header)
{
    const QString code = header.m_strCodigo;
    CTransaction transaction(database);
    AddHeader(database, header);

    CArticulosSet source(&database);
    source.FilterBudget(strSource);
    source.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    CArticulosSet lines(&database);
    lines.FilterNone();
    lines.Open();
    for (; !source.IsEOF(); source.MoveNext()) {
        lines.AddNew();
        lines.SetFieldNull(nullptr);
        lines.m_ARTICULO = source.m_ARTICULO.endsWith(QStringLiteral("##")) ? code + QStringLiteral("##") : source.m_ARTICULO;
        lines.m_CODIGO = code;
        lines.m_DESCRIPCION = source.m_DESCRIPCION;
        lines.m_DESGLOSE = source.m_DESGLOSE;
        lines.m_FACTOR = source.m_FACTOR;
        lines.m_FECHA = source.m_FECHA;
        lines.m_IMAGEN = source.m_IMAGEN;
        lines.m_IMPORTE = source.m_IMPORTE;
        lines.m_MEDIDA = source.m_MEDIDA;
        lines.m_NIVEL = source.m_NIVEL;
        lines.m_NOMBRE = source.m_NOMBRE;
        lines.m_NUMLIN = source.m_NUMLIN;
        lines.m_PRECIO = source.m_PRECIO;
        lines.m_RENDIMIENTO = source.m_RENDIMIENTO;
        lines.m_TIPO1 = source.m_TIPO1;
        lines.m_TIPO2 = source.m_TIPO2;
        lines.Update();
    }

    CMedidasSet sourceMeasures(&database);
    sourceMeasures.FilterBudget(strSource);
    sourceMeasures.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    CMedidasSet measures(&database);
    measures.FilterNone();
    measures.Open();
    for (; !sourceMeasures.IsEOF(); sourceMeasures.MoveNext()) {
        measures.AddNew();
        measures.SetFieldNull(nullptr);
        measures.m_CODIGO = code;
        measures.m_ALTO = sourceMeasures.m_ALTO;
        measures.m_ANCHO = sourceMeasures.m_ANCHO;
        measures.m_CODIGOHIJO = sourceMeasures.m_CODIGOHIJO;
        measures.m_CODIGOPADRE = sourceMeasures.m_CODIGOPADRE;
        measures.m_LARGO = sourceMeasures.m_LARGO;
        measures.m_LIN = sourceMeasures.m_LIN;
        measures.m_NOMBRE = sourceMeasures.m_NOMBRE;
        measures.m_NUMLIN = sourceMeasures.m_NUMLIN;
        measures.m_POSICION = sourceMeasures.m_POSICION;
        measures.m_TIPO = sourceMeasures.m_TIPO;
        measures.m_TOTAL = sourceMeasures.m_TOTAL;
        measures.m_UNIDADES = sourceMeasures.m_UNIDADES;
        measures.Update();
    }
    transaction.Commit();
}

void CBudgetAdmin::Delete(CDatabase& database, const QString& strCode)
{
    CTransaction transaction(database);
    CStoreStatements::DeleteBudgetMeasurements(database, strCode);
    CStoreStatements::DeleteBudgetLines(database, strCode);
    CStoreStatements::DeleteBudgetHeader(database, strCode);
    transaction.Commit();
}
