#include "pricebase/CPriceBaseAdmin.h"

#include "budget/CLineTree.h"
#include "store/CDBException.h"
#include "store/CLineQueries.h"
#include "store/CLineTable.h"
#include "store/CPreciosSet.h"
#include "store/CStoreStatements.h"
#include "store/CTarifasSet.h"
#include "store/CTransaction.h"

namespace {

// The tariff's row, the set standing on it; at EOF when there is none.
void FindTariff(CTarifasSet& set, const QString& strCode, const QString& strTariff, CRecordset::OpenType type)
{
    set.SetFilter(QStringLiteral("CODIGO = ? AND TARIFA = ?"), {strCode, strTariff});
    set.Open(type, {}, type == CRecordset::snapshot ? CRecordset::readOnly : CRecordset::none);
}

} // namespace

std::vector<CPriceBaseAdmin::Tariff> CPriceBaseAdmin::List(CDatabase& database)
{
    CTarifasSet set(&database);
    set.FilterAll(QStringLiteral("CODIGO, TARIFA"));
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    std::vector<Tariff> tariffs;
    for (; !set.IsEOF(); set.MoveNext()) {
        tariffs.push_back({set.m_CODIGO, set.m_TARIFA, set.m_IMAGENES, set.m_FECHA,
                           CLineQueries::LineCount(database, CLineTable::ForTariff(set.m_CODIGO, set.m_TARIFA))});
    }
    return tariffs;
}

bool CPriceBaseAdmin::Exists(CDatabase& database, const QString& strCode, const QString& strTariff)
{
    CTarifasSet set(&database);
    FindTariff(set, strCode, strTariff, CRecordset::snapshot);
    return !set.IsEOF();
}

long CPriceBaseAdmin::LineCount(CDatabase& database, const QString& strCode, const QString& strTariff)
{
    return CLineQueries::LineCount(database, CLineTable::ForTariff(strCode, strTariff));
}

void CPriceBaseAdmin::AddTariff(CDatabase& database, const QString& strCode, const QString& strTariff,
                                const CDateValue& date)
{
    CTarifasSet tariffs(&database);
    FindTariff(tariffs, strCode, strTariff, CRecordset::dynaset);
    tariffs.AddNew();
    tariffs.SetFieldNull(nullptr);
    tariffs.m_CODIGO = strCode;
    tariffs.m_TARIFA = strTariff;
    tariffs.m_FECHA = date;
    tariffs.Update();
}

void CPriceBaseAdmin::Create(CDatabase& database, const QString& strCode, const QString& strTariff)
{
    CTransaction transaction(database);
    AddTariff(database, strCode, strTariff, CDateValue::Now());

    CPreciosSet lines(&database);
    lines.FilterTariff(strCode, strTariff);
    lines.Open();
    lines.AddNew();
    lines.SetFieldNull(nullptr);
    CLineRecord root = CLineTree::NewRoot(strCode);
    root.tarifa = strTariff;
    root.StoreInto(lines);
    lines.Update();
    transaction.Commit();
}

void CPriceBaseAdmin::Delete(CDatabase& database, const std::vector<Key>& tariffs)
{
    CTransaction transaction(database);
    for (const auto& [code, tariff] : tariffs) {
        CStoreStatements::DeleteTariffLines(database, code, tariff);
        CStoreStatements::DeleteTariff(database, code, tariff);
    }
    transaction.Commit();
}

void CPriceBaseAdmin::SetImageFolder(CDatabase& database, const QString& strCode, const QString& strTariff,
                                     const QString& strFolder)
{
    CTransaction transaction(database);
    CTarifasSet set(&database);
    FindTariff(set, strCode, strTariff, CRecordset::dynaset);
    for (; !set.IsEOF(); set.MoveNext()) {
        set.Edit();
        set.m_IMAGENES = strFolder;
        set.Update();
    }
    transaction.Commit();
}
