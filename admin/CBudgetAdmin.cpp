#include "admin/CBudgetAdmin.h"

#include "admin/CBudgetHeader.h"
#include "budget/CLineTree.h"
#include "store/CArticulosSet.h"
#include "store/CDBException.h"
#include "store/CPresupuestosSet.h"
#include "store/CStoreStatements.h"
#include "store/CTransaction.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

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
    // The store orders text by its bytes: capitals first, accented letters
    // last. Spanish order (ñ after n) serves Catalan names as well.
    QCollator collator{QLocale(QLocale::Spanish, QLocale::Spain)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(), [&collator](const Entry& a, const Entry& b) {
        const int byName = collator.compare(a.name, b.name);
        return byName != 0 ? byName < 0 : collator.compare(a.code, b.code) < 0;
    });
    return entries;
}

long CBudgetAdmin::LineCount(CDatabase& database, const QString& strCode)
{
    CArticulosSet lines(&database);
    lines.FilterBudget(strCode);
    lines.Open(CRecordset::dynaset, {}, CRecordset::readOnly);
    return lines.GetRecordCount();
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
    CLineTree::NewRoot(header.m_strCodigo).StoreInto(lines);
    lines.Update();
    transaction.Commit();
}

void CBudgetAdmin::Copy(CDatabase& database, const QString& strSource, const CBudgetHeader& header)
{
    CTransaction transaction(database);
    AddHeader(database, header);
    CStoreStatements::CopyBudgetLines(database, strSource, header.m_strCodigo);
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
