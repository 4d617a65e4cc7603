#pragma once

#include <QString>
#include <memory>

class CBulkInsert;
class CDatabase;
class CLineTable;

// The statements other than queries that the program sends to the store.
// Values travel as bound parameters, so a code holding a quote is just a code.
class CStoreStatements
{
public:
    static void DeleteTemporal(CDatabase& database, const QString& strBudget);

    static void DeleteBudgetLines(CDatabase& database, const QString& strBudget);
    static void DeleteBudgetHeader(CDatabase& database, const QString& strBudget);
    static void DeleteBudgetMeasurements(CDatabase& database, const QString& strBudget);
    static void DeleteStaging(CDatabase& database, const QString& strIdentifier);

    static void DeleteTariffLines(CDatabase& database, const QString& strCode, const QString& strTariff);
    static void DeleteTariff(CDatabase& database, const QString& strCode, const QString& strTariff);
    // Copies every line of one tariff of a price base into another tariff of the same price base.
    static void CopyTariffLines(CDatabase& database, const QString& strCode, const QString& strFrom, const QString& strTo);

    // Copies every line and every measurement line of a budget to a new
    // budget code; the root line takes the new code followed by "##".
    static void CopyBudgetLines(CDatabase& database, const QString& strFrom, const QString& strTo);

    // Shifts by nDelta the line numbers of a tree's lines, and of a budget's
    // measurement lines, that come after nAfterLine.
    static void ShiftLines(CDatabase& database, const CLineTable& table, long nAfterLine, long nDelta);
    // Deletes a range of a tree's lines, with a budget's measurement lines of them.
    static void DeleteLines(CDatabase& database, const CLineTable& table, long nFirst, long nLast);
    // Numbers a tree's lines 1..n in their present order, a budget's measurement lines with them.
    static void RenumberLines(CDatabase& database, const CLineTable& table);

    // Whether a budget line has measurement lines.
    static bool HasMeasurements(CDatabase& database, const QString& strBudget, long nLine);

    // A line's code changed: its own measurement lines, and those naming it as parent, follow.
    static void RenameMeasurementChild(CDatabase& database, const QString& strNewCode, const QString& strBudget, long nLine);
    static void RenameMeasurementParent(CDatabase& database, const QString& strNewCode, const QString& strBudget,
                                        const QString& strOldCode);

    // Bulk inserters for the BC3 import; the rows' values go in this column order.
    // IMPORTAR: CODIGO, TIPO, CODPADRE, CODHIJO, NOMBRE, DESCRIPCION, FACTOR, RENDIMIENTO, IMAGEN, MEDIDA, PRECIO.
    static std::unique_ptr<CBulkInsert> StagingInserter(CDatabase& database);
    // ARTICULOS: CODIGO, NUMLIN, ARTICULO, NIVEL, DESGLOSE, FACTOR, RENDIMIENTO, NOMBRE, DESCRIPCION, IMAGEN,
    // MEDIDA, PRECIO, IMPORTE.
    static std::unique_ptr<CBulkInsert> BudgetLineInserter(CDatabase& database);
    // PRECIOS: CODIGO, TARIFA, NUMLIN, ARTICULO, NIVEL, DESGLOSE, FACTOR, RENDIMIENTO, NOMBRE, DESCRIPCION,
    // IMAGEN, MEDIDA, PRECIO, IMPORTE.
    static std::unique_ptr<CBulkInsert> PriceLineInserter(CDatabase& database);
    // MEDIDAS: CODIGO, NUMLIN, LIN, CODIGOPADRE, CODIGOHIJO, POSICION, TIPO, NOMBRE, UNIDADES, LARGO, ANCHO,
    // ALTO, TOTAL.
    static std::unique_ptr<CBulkInsert> MeasurementInserter(CDatabase& database);
};
