#include "CTestStore.h"

#include "TestMain.h"
#include "store/CArticulosSet.h"
#include "store/CDatabase.h"
#include "store/CPreciosSet.h"
#include "store/CPresupuestosSet.h"
#include "store/CTransaction.h"

#include <QAtomicInteger>
#include <QSqlQuery>

CTestStore::CTestStore(const QString& strName)
{
    static QAtomicInteger<int> counter;
    const QString name = strName.isEmpty() ? QStringLiteral("store%1.db").arg(counter.fetchAndAddRelaxed(1)) : strName;
    m_strPath = TestHome() + u'/' + name;
    m_pDoc = std::make_unique<CVelmoraDoc>();
    m_pSession = std::make_unique<CStoreSession>(*m_pDoc);
    m_pSession->Open(m_strPath);
}

CTestStore::~CTestStore()
{
    m_pSession.reset();
    m_pDoc.reset();
}

namespace {

// Lines "NIVEL|ARTICULO|DESGLOSE|PRECIO|RENDIMIENTO|IMPORTE" numbered 1..n.
void AddLines(CLineSet& set, const QString& strCode, const QStringList& lines)
{
    const QString tariff = set.Tariff();
    set.FilterNone();
    set.Open();
    int numlin = 0;
    for (const QString& line : lines) {
        const QStringList f = line.split(u'|');
        set.AddNew();
        set.SetFieldNull(nullptr);
        set.m_CODIGO = strCode;
        set.SetTariff(tariff);
        set.m_NUMLIN = QString::number(++numlin);
        set.m_NIVEL = f.value(0);
        set.m_ARTICULO = f.value(1);
        set.m_DESGLOSE = f.value(2, QStringLiteral("N"));
        set.m_PRECIO = f.value(3, QStringLiteral("0"));
        set.m_RENDIMIENTO = f.value(4, QStringLiteral("1"));
        set.m_IMPORTE = f.value(5, QStringLiteral("0"));
        set.m_FACTOR = QStringLiteral("1.0");
        set.Update();
    }
}

} // namespace

void CTestStore::AddBudget(const QString& strCode, const QStringList& lines, const QString& strName)
{
    AddBudget(Db(), strCode, lines, strName);
}

void CTestStore::AddBudget(CDatabase& db, const QString& strCode, const QStringList& lines, const QString& strName)
{
    CTransaction transaction(db);
    CPresupuestosSet header(&db);
    header.FilterNone();
    header.Open();
    header.AddNew();
    header.m_CODIGO = strCode;
    header.m_NOMBRE = strName.isEmpty() ? strCode : strName;
    header.m_GGEN = header.m_BIND = header.m_IVA = header.m_CPER = QStringLiteral("0");
    header.Update();

    CArticulosSet set(&db);
    AddLines(set, strCode, lines);
    transaction.Commit();
}

void CTestStore::AddTariff(const QString& strCode, const QString& strTariff, const QStringList& lines)
{
    CPreciosSet set(&Db());
    set.m_TARIFA = strTariff;
    AddLines(set, strCode, lines);
}

QStringList CTestStore::Lines(const QString& strCode)
{
    CArticulosSet set(&Db());
    set.FilterBudget(strCode);
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    QStringList lines;
    for (; !set.IsEOF(); set.MoveNext())
        lines << set.m_NUMLIN + u'|' + set.m_NIVEL + u'|' + set.m_ARTICULO;
    return lines;
}

QVariant CTestStore::Scalar(const QString& strSQL, const QVariantList& params)
{
    return Scalar(Db(), strSQL, params);
}

QVariant CTestStore::Scalar(CDatabase& db, const QString& strSQL, const QVariantList& params)
{
    QSqlQuery query(db.Connection());
    query.prepare(strSQL);
    for (qsizetype i = 0; i < params.size(); ++i)
        query.bindValue(int(i), params[i]);
    if (!query.exec() || !query.next())
        return {};
    return query.value(0);
}
