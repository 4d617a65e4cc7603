#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "store/CDBException.h"
#include "store/CDataSourceRegistry.h"
#include "store/CDatabase.h"
#include "store/CSchema.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlQuery>
#include <unistd.h>

namespace {

QByteArray FileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList SchemaOf(CDatabase& database, const QString& strExcept)
{
    QStringList rows;
    QSqlQuery query(database.Connection());
    query.exec("SELECT type, name, sql FROM sqlite_master ORDER BY name");
    while (query.next()) {
        if (!query.value(1).toString().startsWith(strExcept))
            rows << query.value(0).toString() + u' ' + query.value(1).toString() + u' ' + query.value(2).toString();
    }
    return rows;
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT

private slots:
    void newFileHasEveryTableAndTheCompanyRow()
    {
        const QString path = TestHome() + "/new/sub/Tresca.db";
        QVERIFY(CSchema::CreateIfMissing(path));
        QVERIFY(!CSchema::CreateIfMissing(path));
        CDatabase database;
        database.OpenFile(path);
        for (const char* table : {"ARTICULOS", "PRESUPUESTOS", "PARAMETROS", "TARIFAS", "PRECIOS", "IMPORTAR", "TEMPORAL"})
            QVERIFY2(database.TableExists(table), table);
        QVERIFY(!database.TableExists("MEDIDAS"));
        QCOMPARE(CSchema::Version(database), CSchema::kVersion);
        QSqlQuery query(database.Connection());
        QVERIFY(query.exec("SELECT count(*), max(coalesce(NOMBRE, '') || coalesce(LISTA, '')) FROM PARAMETROS"));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 1);
        QCOMPARE(query.value(1).toString(), QString());
    }

    void medidasIsCreatedWithItsDeclaredTypesAndNothingElseChanges()
    {
        const QString path = TestHome() + "/medidas.db";
        CSchema::CreateIfMissing(path);
        QStringList before;
        {
            CDatabase database;
            database.OpenFile(path);
            database.ExecuteSQL("INSERT INTO ARTICULOS (CODIGO, ARTICULO, NUMLIN) VALUES ('B', 'B##', 1)");
            before = SchemaOf(database, "MEDIDAS");
        }
        CVelmoraDoc doc;
        CStoreSession session(doc);
        session.Open(path);
        CDatabase& database = doc.Database();
        QVERIFY(database.TableExists("MEDIDAS"));
        QCOMPARE(SchemaOf(database, "MEDIDAS"), before);
        QSqlQuery query(database.Connection());
        QVERIFY(query.exec("SELECT sql FROM sqlite_master WHERE name = 'MEDIDAS'"));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), CSchema::CreateMedidasStatement());
        QVERIFY(query.exec("SELECT name, type FROM pragma_table_info('MEDIDAS') ORDER BY cid"));
        QStringList columns;
        while (query.next())
            columns << query.value(0).toString() + u' ' + query.value(1).toString();
        QCOMPARE(columns, QStringList({"CODIGO TEXT(20)", "NUMLIN INTEGER", "LIN INTEGER", "CODIGOPADRE TEXT(20)",
                                       "CODIGOHIJO TEXT(20)", "POSICION INTEGER", "TIPO TEXT(1)", "NOMBRE TEXT(255)",
                                       "LARGO NUMERIC", "ANCHO NUMERIC", "ALTO NUMERIC", "UNIDADES NUMERIC",
                                       "TOTAL NUMERIC"}));
        QVERIFY(query.exec("SELECT count(*) FROM ARTICULOS WHERE ARTICULO = 'B##'"));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 1);
    }

    void corruptFileIsReportedAndLeftUntouched()
    {
        const QString path = TestHome() + "/corrupt.db";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("This is not a database, but a user's letter.\n").repeated(200));
        }
        const QByteArray hash = FileHash(path);
        CVelmoraDoc doc;
        CStoreSession session(doc);
        try {
            session.Open(path);
            QFAIL("a corrupt file must not open");
        } catch (const CDBException& e) {
            QVERIFY2(e.m_strError.contains("not a database"), qPrintable(e.m_strError));
        }
        session.Close();
        QCOMPARE(FileHash(path), hash);
        QVERIFY(!CDataSourceRegistry::Exists(CDataSourceRegistry::VelmoraDsn()));
    }

    void fileLockedByAnotherCopyIsReported()
    {
        CTestStore running("locked.db");
        CDatabase second;
        try {
            second.OpenFile(running.Path());
            QFAIL("a second copy must not open the file");
        } catch (const CDBException& e) {
            QVERIFY2(e.m_strError.contains("locked"), qPrintable(e.m_strError));
        }
        QVERIFY(!second.IsOpen());
    }

    void unreadableFileIsReported()
    {
        const QString path = TestHome() + "/unreadable.db";
        CSchema::CreateIfMissing(path);
        QFile::setPermissions(path, QFileDevice::Permissions());
        CDatabase database;
        bool failed = false;
        try {
            database.OpenFile(path);
        } catch (const CDBException&) {
            failed = true;
        }
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // Root reads every file; the check only means something for a user.
        if (geteuid() != 0)
            QVERIFY(failed);
    }

    void registryAddsAndRemovesDataSources()
    {
        const QString attributes = CDataSourceRegistry::Attributes("Test", "/x/y.db");
        QCOMPARE(attributes, QString("DSN=Test") + QChar(0) + "DBQ=/x/y.db" + QChar(0));
        QVERIFY(CDataSourceRegistry::ConfigDataSource(CDataSourceRegistry::ODBC_ADD_DSN, "drv", attributes));
        QCOMPARE(CDataSourceRegistry::DatabasePath("Test"), QStringLiteral("/x/y.db"));
        QVERIFY(CDataSourceRegistry::ConfigDataSource(CDataSourceRegistry::ODBC_REMOVE_DSN, "drv", attributes));
        QVERIFY(!CDataSourceRegistry::Exists("Test"));
        QVERIFY(!CDataSourceRegistry::ConfigDataSource(CDataSourceRegistry::ODBC_ADD_DSN, "drv", QString()));
        CDatabase database;
        QVERIFY_THROWS_EXCEPTION(CDBException, database.OpenEx("ODBC;DSN=Test"));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestSchema>(argc, argv);
}

#include "test_schema.moc"
