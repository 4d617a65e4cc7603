#include "store/CStoreStatements.h"

#include "store/CBulkInsert.h"
#include "store/CDatabase.h"

void CStoreStatements::DeleteTemporal(CDatabase& database, const QString& strBudget)
{
    database.ExecuteSQL(QStringLiteral("DELETE FROM TEMPORAL WHERE CODIGO = ?"), {strBudget});
}

void CStoreStatements::DeleteBudgetLines(CDatabase& database, const QString& strBudget)
{
    database.ExecuteSQL(QStringLiteral("DELETE FROM ARTICULOS WHERE CODIGO = ?"), {strBudget});
}

void CStoreStatements::DeleteBudgetHeader(CDatabase& database, const QString& strBudget)
{
    database.ExecuteSQL(QStringLiteral("DELETE FROM PRESUPUESTOS WHERE CODIGO = ?"), {strBudget});
}

void CStoreStatements::DeleteBudgetMeasurements(CDatabase& database, const QString& strBudget)
{
    database.ExecuteSQL(QStringLiteral("DELETE FROM MEDIDAS WHERE CODIGO = ?"), {strBudget});
}

void CStoreStatements::DeleteStaging(CDatabase& database, const QString& strIdentifier)
{
    database.ExecuteSQL(QStringLiteral("DELETE FROM IMPORTAR WHERE CODIGO = ?"), {strIdentifier});
}

void CStoreStatements::DeleteTariffLines(CDatabase& database, const QString& strCode, const QString& strTariff)
{
    database.ExecuteSQL(QStringLiteral("DELETE FROM PRECIOS WHERE CODIGO = ? AND TARIFA = ?"), {strCode, strTariff});
}

void CStoreStatements::DeleteTariff(CDatabase& database, const QString& strCode, const QString& strTariff)
{
    database.ExecuteSQL(QStringLiteral("DELETE FROM TARIFAS WHERE CODIGO = ? AND TARIFA = ?"), {strCode, strTariff});
}

void CStoreStatements::CopyTariffLines(CDatabase& database, const QString& strCode, const QString& strFrom,
                                       const QString& strTo)
{
    database.ExecuteSQL(
        QStringLiteral("INSERT INTO PRECIOS (CODIGO, NUMLIN, ARTICULO, NIVEL, DESGLOSE, NOMBRE, DESCRIPCION, FACTOR, "
                       "RENDIMIENTO, MEDIDA, PRECIO, FECHA, TIPO1, TIPO2, IMPORTE, IMAGEN, TARIFA) "
                       "SELECT CODIGO, NUMLIN, ARTICULO, NIVEL, DESGLOSE, NOMBRE, DESCRIPCION, FACTOR, RENDIMIENTO, "
                       "MEDIDA, PRECIO, FECHA, TIPO1, TIPO2, IMPORTE, IMAGEN, ? FROM PRECIOS "
                       "WHERE CODIGO = ? AND TARIFA = ? ORDER BY NUMLIN"),
        {strTo, strCode, strFrom});
}

void CStoreStatements::MoveMeasurements(CDatabase& database, const QString& strBudget, long nOldLine, long nNewLine)
{
    database.ExecuteSQL(QStringLiteral("UPDATE MEDIDAS SET NUMLIN = ? WHERE CODIGO = ? AND NUMLIN = ?"),
                        {qlonglong(nNewLine), strBudget, qlonglong(nOldLine)});
}

void CStoreStatements::RenameMeasurementChild(CDatabase& database, const QString& strNewCode, const QString& strBudget,
                                              long nLine)
{
    database.ExecuteSQL(QStringLiteral("UPDATE MEDIDAS SET CODIGOHIJO = ? WHERE CODIGO = ? AND NUMLIN = ?"),
                        {strNewCode, strBudget, qlonglong(nLine)});
}

void CStoreStatements::RenameMeasurementParent(CDatabase& database, const QString& strNewCode, const QString& strBudget,
                                               const QString& strOldCode)
{
    database.ExecuteSQL(QStringLiteral("UPDATE MEDIDAS SET CODIGOPADRE = ? WHERE CODIGO = ? AND CODIGOPADRE = ?"),
                        {strNewCode, strBudget, strOldCode});
}

std::unique_ptr<CBulkInsert> CStoreStatements::StagingInserter(CDatabase& database)
{
    return std::make_unique<CBulkInsert>(database, QStringLiteral("IMPORTAR"),
                                         QStringList{"CODIGO", "TIPO", "CODPADRE", "CODHIJO", "NOMBRE", "DESCRIPCION",
                                                     "FACTOR", "RENDIMIENTO", "IMAGEN", "MEDIDA", "PRECIO"});
}

std::unique_ptr<CBulkInsert> CStoreStatements::BudgetLineInserter(CDatabase& database)
{
    return std::make_unique<CBulkInsert>(database, QStringLiteral("ARTICULOS"),
                                         QStringList{"CODIGO", "NUMLIN", "ARTICULO", "NIVEL", "DESGLOSE", "FACTOR",
                                                     "RENDIMIENTO", "NOMBRE", "DESCRIPCION", "IMAGEN", "MEDIDA",
                                                     "PRECIO", "IMPORTE"});
}

std::unique_ptr<CBulkInsert> CStoreStatements::MeasurementInserter(CDatabase& database)
{
    return std::make_unique<CBulkInsert>(database, QStringLiteral("MEDIDAS"),
                                         QStringList{"CODIGO", "NUMLIN", "LIN", "CODIGOPADRE", "CODIGOHIJO",
                                                     "POSICION", "TIPO", "NOMBRE", "UNIDADES", "LARGO", "ANCHO",
                                                     "ALTO", "TOTAL"});
}
