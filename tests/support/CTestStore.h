#pragma once

#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"

#include <QString>
#include <QStringList>
#include <memory>

#include "store/CDatabase.h"

class CLineTable;

// Checks every invariant of a line tree in the store: dense numbers, the
// root first, levels that step down by one at most, measurement lines only
// on folders, and decomposed prices equal to the sum of their children (in
// a price base, chapters carry none).
void CheckLineTree(CDatabase& db, const CLineTable& table);

// A fresh store for one test: a new database file in the test home, the
// data source registered and the document's sets open on it.
class CTestStore
{
public:
    // An empty name picks a new file for every store.
    explicit CTestStore(const QString& strName = {});
    ~CTestStore();

    CVelmoraDoc& Doc() { return *m_pDoc; }
    CDatabase& Db() { return m_pDoc->Database(); }
    const QString& Path() const { return m_strPath; }

    // Adds a budget header and its lines. Each line is "NIVEL|ARTICULO|DESGLOSE|PRECIO|RENDIMIENTO|IMPORTE",
    // numbered 1..n in the order given; missing numbers default to 0 and 1.
    void AddBudget(const QString& strCode, const QStringList& lines, const QString& strName = {});
    static void AddBudget(CDatabase& db, const QString& strCode, const QStringList& lines, const QString& strName = {});
    // Adds a tariff of a price base and its lines, as AddBudget does.
    void AddTariff(const QString& strCode, const QString& strTariff, const QStringList& lines);
    static void AddTariff(CDatabase& db, const QString& strCode, const QString& strTariff, const QStringList& lines,
                          const QString& strImages = {});
    // The lines of a budget in NUMLIN order as "NUMLIN|NIVEL|ARTICULO".
    QStringList Lines(const QString& strCode);
    // A single value from the store ("SELECT ..." with bound values).
    QVariant Scalar(const QString& strSQL, const QVariantList& params = {});
    static QVariant Scalar(CDatabase& db, const QString& strSQL, const QVariantList& params = {});
    // Every row of a query, its values joined by "|"; NULL reads as strNull.
    static QStringList Rows(CDatabase& db, const QString& strSQL, const QVariantList& params = {},
                            const QString& strNull = {});
    // Inserts rows "a|b|c" into the columns "A|B|C" of a table, in one
    // transaction; an empty or missing value is NULL, "{bar}" stands for "|".
    static void Insert(CDatabase& db, const QString& strTable, const QString& strColumns, const QStringList& rows);

private:
    QString m_strPath;
    std::unique_ptr<CVelmoraDoc> m_pDoc;
    std::unique_ptr<CStoreSession> m_pSession;
};
