#include "CTestStore.h"

#include "TestMain.h"
#include "store/CArticulosSet.h"
#include "store/CDatabase.h"
#include "store/CLineRecord.h"
#include "store/CLineTable.h"
#include "store/CMedidasSet.h"
#include "store/CPreciosSet.h"
#include "store/NumberText.h"
#include "store/CPresupuestosSet.h"
#include "store/CTarifasSet.h"
#include "store/CTransaction.h"

#include <QAtomicInteger>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

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
    AddTariff(Db(), strCode, strTariff, lines);
}

void CTestStore::AddTariff(CDatabase& db, const QString& strCode, const QString& strTariff, const QStringList& lines,
                           const QString& strImages)
{
    CTransaction transaction(db);
    CTarifasSet tariff(&db);
    tariff.FilterAll();
    tariff.Open();
    tariff.AddNew();
    tariff.SetFieldNull(nullptr);
    tariff.m_CODIGO = strCode;
    tariff.m_TARIFA = strTariff;
    tariff.m_IMAGENES = strImages;
    tariff.Update();
    CPreciosSet set(&db);
    set.m_TARIFA = strTariff;
    AddLines(set, strCode, lines);
    transaction.Commit();
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

QStringList CTestStore::Rows(CDatabase& db, const QString& strSQL, const QVariantList& params, const QString& strNull)
{
    QSqlQuery query(db.Connection());
    query.prepare(strSQL);
    for (qsizetype i = 0; i < params.size(); ++i)
        query.bindValue(int(i), params[i]);
    if (!query.exec())
        qFatal("%s: %s", qPrintable(strSQL), qPrintable(query.lastError().text()));
    QStringList rows;
    while (query.next()) {
        QStringList values;
        for (int c = 0; c < query.record().count(); ++c)
            values << (query.isNull(c) ? strNull : query.value(c).toString());
        rows << values.join(u'|');
    }
    return rows;
}

void CTestStore::Insert(CDatabase& db, const QString& strTable, const QString& strColumns, const QStringList& rows)
{
    const QStringList columns = strColumns.split(u'|');
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(strTable, columns.join(u','), QStringList(columns.size(), QStringLiteral("?")).join(u','));
    CTransaction transaction(db);
    for (const QString& row : rows) {
        const QStringList values = row.split(u'|');
        QVariantList params;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const QString value = values.value(i);
            params << (value.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                       : QVariant(QString(value).replace(QStringLiteral("{bar}"), QStringLiteral("|"))));
        }
        db.ExecuteSQL(sql, params);
    }
    transaction.Commit();
}

void CheckLineTree(CDatabase& db, const CLineTable& table)
{
    CPreciosSet tariff(&db);
    CArticulosSet budget(&db);
    CLineSet& set = table.IsTariff() ? static_cast<CLineSet&>(tariff) : budget;
    set.FilterTree(table);
    set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    QList<long> levels;
    QList<CLineRecord> lines;
    long expected = 1;
    for (; !set.IsEOF(); set.MoveNext()) {
        QCOMPARE(set.m_NUMLIN.toLong(), expected++);
        levels << set.m_NIVEL.toLong();
        lines << CLineRecord::From(set);
    }
    QVERIFY(!levels.isEmpty());
    QCOMPARE(levels[0], 0L);
    for (qsizetype i = 1; i < levels.size(); ++i) {
        QVERIFY(levels[i] >= 1);
        QVERIFY2(levels[i] <= levels[i - 1] + 1, qPrintable(QString("line %1").arg(i + 1)));
    }
    if (table.HasMeasurements()) {
        CMedidasSet measures(&db);
        measures.FilterBudget(table.Code());
        measures.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        for (; !measures.IsEOF(); measures.MoveNext()) {
            const long numlin = measures.m_NUMLIN.toLong();
            QVERIFY2(numlin >= 1 && numlin <= levels.size(), qPrintable(measures.m_NUMLIN));
            QVERIFY2(lines[numlin - 1].IsFolder(), qPrintable(lines[numlin - 1].articulo));
        }
    }
    for (qsizetype i = 0; i < levels.size(); ++i) {
        if (!lines[i].IsDecomposed() || (table.IsTariff() && lines[i].IsChapter()))
            continue;
        double sum = 0;
        bool any = false;
        for (qsizetype j = i + 1; j < levels.size() && levels[j] > levels[i]; ++j) {
            if (levels[j] == levels[i] + 1) {
                sum += StoreAtof(lines[j].importe);
                any = true;
            }
        }
        const double price = StoreAtof(lines[i].precio);
        if (any)
            QVERIFY2(qAbs(price - sum) < 0.0001, qPrintable(QString("line %1: %2 != %3").arg(i + 1).arg(price).arg(sum)));
    }
}

