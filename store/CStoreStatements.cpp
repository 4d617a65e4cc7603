#include "store/CStoreStatements.h"

#include "store/CBulkInsert.h"
#include "store/CDatabase.h"
#include "store/CLineTable.h"

#include <QSqlQuery>

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

void CStoreStatements::CopyBudgetLines(CDatabase& database, const QString& strFrom, const QString& strTo)
{
    database.ExecuteSQL(
        QStringLiteral("INSERT INTO ARTICULOS (ARTICULO, CODIGO, DESCRIPCION, DESGLOSE, FACTOR, FECHA, IMAGEN, IMPORTE, "
                       "MEDIDA, NIVEL, NOMBRE, NUMLIN, PRECIO, RENDIMIENTO, TIPO1, TIPO2) "
                       "SELECT CASE WHEN ARTICULO LIKE '%##' THEN ? ELSE ARTICULO END, ?, DESCRIPCION, DESGLOSE, "
                       "FACTOR, FECHA, IMAGEN, IMPORTE, MEDIDA, NIVEL, NOMBRE, NUMLIN, PRECIO, RENDIMIENTO, TIPO1, "
                       "TIPO2 FROM ARTICULOS WHERE CODIGO = ? ORDER BY NUMLIN, ID"),
        {strTo + QStringLiteral("##"), strTo, strFrom});
    database.ExecuteSQL(
        QStringLiteral("INSERT INTO MEDIDAS (CODIGO, NUMLIN, LIN, CODIGOPADRE, CODIGOHIJO, POSICION, TIPO, NOMBRE, "
                       "LARGO, ANCHO, ALTO, UNIDADES, TOTAL) "
                       "SELECT ?, NUMLIN, LIN, CODIGOPADRE, CODIGOHIJO, POSICION, TIPO, NOMBRE, LARGO, ANCHO, ALTO, "
                       "UNIDADES, TOTAL FROM MEDIDAS WHERE CODIGO = ? ORDER BY NUMLIN, LIN"),
        {strTo, strFrom});
}

void CStoreStatements::ShiftLines(CDatabase& database, const CLineTable& table, long nAfterLine, long nDelta)
{
    if (table.HasMeasurements()) {
        database.ExecuteSQL(QStringLiteral("UPDATE MEDIDAS SET NUMLIN = NUMLIN + ? WHERE CODIGO = ? AND NUMLIN > ?"),
                            {qlonglong(nDelta), table.Code(), qlonglong(nAfterLine)});
    }
    database.ExecuteSQL(QStringLiteral("UPDATE ") + table.Table() + QStringLiteral(" SET NUMLIN = NUMLIN + ? WHERE ")
                            + table.KeyFilter() + QStringLiteral(" AND NUMLIN > ?"),
                        QVariantList{qlonglong(nDelta)} + table.KeyValues() + QVariantList{qlonglong(nAfterLine)});
}

void CStoreStatements::DeleteLines(CDatabase& database, const CLineTable& table, long nFirst, long nLast)
{
    // A measurement line left behind would attach itself to whatever line takes its number next.
    if (table.HasMeasurements()) {
        database.ExecuteSQL(QStringLiteral("DELETE FROM MEDIDAS WHERE CODIGO = ? AND NUMLIN BETWEEN ? AND ?"),
                            {table.Code(), qlonglong(nFirst), qlonglong(nLast)});
    }
    database.ExecuteSQL(QStringLiteral("DELETE FROM ") + table.Table() + QStringLiteral(" WHERE ") + table.KeyFilter()
                            + QStringLiteral(" AND NUMLIN BETWEEN ? AND ?"),
                        table.KeyValues() << qlonglong(nFirst) << qlonglong(nLast));
}

void CStoreStatements::RenumberLines(CDatabase& database, const CLineTable& table)
{
    // The order is the lines' own (NUMLIN, ties in the order they were
    // written); each measurement line follows the first line that had its number.
    const QString numbered = QStringLiteral("SELECT ID, NUMLIN AS OLD, ROW_NUMBER() OVER (ORDER BY NUMLIN, ID) AS NEW FROM ")
        + table.Table() + QStringLiteral(" WHERE ") + table.KeyFilter();
    if (table.HasMeasurements()) {
        database.ExecuteSQL(
            QStringLiteral("WITH numbered AS (") + numbered + QStringLiteral("), "
                           "ranked AS (SELECT OLD, MIN(NEW) AS NEW FROM numbered GROUP BY OLD) "
                           "UPDATE MEDIDAS SET NUMLIN = (SELECT NEW FROM ranked WHERE ranked.OLD = MEDIDAS.NUMLIN) "
                           "WHERE CODIGO = ? AND NUMLIN IN (SELECT OLD FROM ranked WHERE OLD <> NEW)"),
            table.KeyValues() << table.Code());
    }
    database.ExecuteSQL(QStringLiteral("UPDATE ") + table.Table() + QStringLiteral(" SET NUMLIN = ranked.NEW FROM (")
                            + numbered + QStringLiteral(") AS ranked WHERE ") + table.Table()
                            + QStringLiteral(".ID = ranked.ID AND ") + table.Table()
                            + QStringLiteral(".NUMLIN IS NOT ranked.NEW"),
                        table.KeyValues());
}

bool CStoreStatements::HasMeasurements(CDatabase& database, const QString& strBudget, long nLine)
{
    QSqlQuery& query = database.PreparedQuery(QStringLiteral("SELECT 1 FROM MEDIDAS WHERE CODIGO = ? AND NUMLIN = ? LIMIT 1"));
    database.Exec(query, {strBudget, qlonglong(nLine)});
    const bool found = query.next();
    query.finish();
    return found;
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

std::unique_ptr<CBulkInsert> CStoreStatements::PriceLineInserter(CDatabase& database)
{
    return std::make_unique<CBulkInsert>(database, QStringLiteral("PRECIOS"),
                                         QStringList{"CODIGO", "TARIFA", "NUMLIN", "ARTICULO", "NIVEL", "DESGLOSE",
                                                     "FACTOR", "RENDIMIENTO", "NOMBRE", "DESCRIPCION", "IMAGEN",
                                                     "MEDIDA", "PRECIO", "IMPORTE"});
}

std::unique_ptr<CBulkInsert> CStoreStatements::MeasurementInserter(CDatabase& database)
{
    return std::make_unique<CBulkInsert>(database, QStringLiteral("MEDIDAS"),
                                         QStringList{"CODIGO", "NUMLIN", "LIN", "CODIGOPADRE", "CODIGOHIJO",
                                                     "POSICION", "TIPO", "NOMBRE", "UNIDADES", "LARGO", "ANCHO",
                                                     "ALTO", "TOTAL"});
}
