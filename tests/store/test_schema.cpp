#include "support/CTestStore.h"
#include "support/TestMain.h"

#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "store/CDBException.h"
#include "store/CDataSourceRegistry.h"
#include "store/CDatabase.h"
#include "store/CSchema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <sys/stat.h>
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

int Mode(const QString& path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// A store as an earlier version left it: no unique budget codes, and the
// statements given run on it.
void MakeOlderStore(const QString& path, const QStringList& statements)
{
    CSchema::CreateIfMissing(path);
    CDatabase database;
    database.OpenFile(path);
    CSchema::Prepare(database);
    database.ExecuteSQL("DROP INDEX PRESUPUESTOS_CODIGO");
    for (const QString& statement : statements)
        database.ExecuteSQL(statement);
    database.ExecuteSQL("PRAGMA user_version = 1");
}

QString RegistryText()
{
    QFile file(CDataSourceRegistry::FileName());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT

private slots:
    void newStoreIsWholeAndPrivate()
    {
        const QString folder = TestHome() + "/new";
        const QString path = folder + "/sub/Tresca.db";
        QVERIFY(CSchema::CreateIfMissing(path));
        QVERIFY(!CSchema::CreateIfMissing(path));
        QCOMPARE(QFileInfo(path).size(), 0);
        for (int round = 0; round < 2; ++round) {
            CVelmoraDoc doc;
            CStoreSession session(doc);
            session.Open(path);
            CDatabase& database = doc.Database();
            for (const char* table :
                 {"ARTICULOS", "PRESUPUESTOS", "PARAMETROS", "TARIFAS", "PRECIOS", "IMPORTAR", "TEMPORAL", "MEDIDAS"})
                QVERIFY2(database.TableExists(table), table);
            QCOMPARE(CSchema::Version(database), CSchema::kVersion);
            QCOMPARE(CTestStore::Scalar(database, "SELECT count(*) FROM PARAMETROS").toInt(), 1);
            QVERIFY(session.Notices().isEmpty());
        }
        // Clients' names and addresses are for the user's eyes only.
        QCOMPARE(Mode(path), 0600);
        QCOMPARE(Mode(folder), 0700);
        QCOMPARE(Mode(folder + "/sub"), 0700);
        QCOMPARE(Mode(QFileInfo(CDataSourceRegistry::FileName()).absolutePath()), 0700);
        QCOMPARE(Mode(CDataSourceRegistry::FileName()), 0600);
    }

    void emptyAndHalfMadeStoresGetWhatTheyLack()
    {
        // A creator that stopped at once left an empty file.
        const QString empty = TestHome() + "/empty.db";
        QFile(empty).open(QIODevice::WriteOnly);
        {
            CTestStore store("empty.db");
            QVERIFY(store.Db().TableExists("PRESUPUESTOS"));
            QCOMPARE(store.Scalar("SELECT count(*) FROM PARAMETROS").toInt(), 1);
        }
        // A store with some tables keeps its rows and gets the others.
        const QString half = TestHome() + "/half.db";
        QVERIFY(CSchema::CreateIfMissing(half));
        {
            CDatabase database;
            database.OpenFile(half);
            database.ExecuteSQL("CREATE TABLE PRESUPUESTOS (ID INTEGER PRIMARY KEY, CODIGO TEXT, NOMBRE TEXT)");
            database.ExecuteSQL("INSERT INTO PRESUPUESTOS (CODIGO, NOMBRE) VALUES ('OBRA', 'Casa')");
        }
        CTestStore store("half.db");
        QVERIFY(store.Db().TableExists("ARTICULOS"));
        QVERIFY(store.Db().TableExists("TEMPORAL"));
        QCOMPARE(store.Scalar("SELECT NOMBRE FROM PRESUPUESTOS WHERE CODIGO = 'OBRA'").toString(), QStringLiteral("Casa"));
        QCOMPARE(store.Scalar("SELECT count(*) FROM PARAMETROS").toInt(), 1);
    }

    void medidasIsCreatedWhenMissingAndNothingElseChanges()
    {
        const QString path = TestHome() + "/medidas.db";
        CSchema::CreateIfMissing(path);
        QStringList before;
        {
            CDatabase database;
            database.OpenFile(path);
            CSchema::Prepare(database);
            QVERIFY(!database.TableExists("MEDIDAS"));
            database.ExecuteSQL("INSERT INTO ARTICULOS (CODIGO, ARTICULO, NUMLIN) VALUES ('B', 'B##', 1)");
            before = SchemaOf(database, "MEDIDAS");
        }
        CTestStore store("medidas.db");
        CDatabase& database = store.Db();
        QCOMPARE(SchemaOf(database, "MEDIDAS"), before);
        QCOMPARE(store.Scalar("SELECT sql FROM sqlite_master WHERE name = 'MEDIDAS'").toString(),
                 CSchema::CreateMedidasStatement());
        QCOMPARE(store.Scalar("SELECT count(*) FROM ARTICULOS WHERE ARTICULO = 'B##'").toInt(), 1);
    }

    void repeatedBudgetCodesOfAnOlderStoreAreToldOnce()
    {
        const QString path = TestHome() + "/older.db";
        MakeOlderStore(path, {"INSERT INTO PRESUPUESTOS (CODIGO, NOMBRE) VALUES ('B', 'b1'), ('A', 'a1'), "
                              "('A', 'a2'), ('B', 'b2'), ('C', 'c'), (NULL, 'n1'), (NULL, 'n2')"});
        CVelmoraDoc doc;
        CStoreSession session(doc);
        session.Open(path);
        QCOMPARE(session.Notices(), QStringList({"Hay varios presupuestos con el mismo código: A, B"}));
        QCOMPARE(CSchema::Version(doc.Database()), CSchema::kVersion);
        session.Close();
        session.Open(path);
        QVERIFY(session.Notices().isEmpty());
        // Once the repeated codes are gone, codes are unique again.
        doc.Database().ExecuteSQL("DELETE FROM PRESUPUESTOS WHERE NOMBRE IN ('a2', 'b2')");
        session.Close();
        session.Open(path);
        QVERIFY(session.Notices().isEmpty());
        QVERIFY_THROWS_EXCEPTION(CDBException,
                                 doc.Database().ExecuteSQL("INSERT INTO PRESUPUESTOS (CODIGO) VALUES ('A')"));
    }

    void badFilesAreReportedAndLeftUntouched()
    {
        const QString path = TestFile("corrupt.db", QByteArray("This is not a database, but a user's letter.\n").repeated(200));
        const QByteArray hash = FileHash(path);
        CVelmoraDoc doc;
        CStoreSession session(doc);
        const auto failure = [&](const QString& strPath) {
            try {
                session.Open(strPath);
            } catch (const CDBException& e) {
                return e.m_strError;
            }
            return QStringLiteral("opened");
        };
        QVERIFY(failure(path).contains("not a database"));
        QCOMPARE(FileHash(path), hash);
        QVERIFY(!CDataSourceRegistry::Exists(CDataSourceRegistry::VelmoraDsn()));

        QVERIFY(failure(QString()).contains("No se ha indicado"));
        QVERIFY(failure(TestHome()).contains("no es un fichero normal"));
        const QString fifo = TestHome() + "/pipe.db";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(failure(fifo).contains("no es un fichero normal"));

        CTestStore running("locked.db");
        QVERIFY(failure(running.Path()).contains("locked"));
        QVERIFY(!doc.IsStoreOpen());
    }

    void registryEntriesAreRemovedOnlyByTheirWriter()
    {
        {
            QDir().mkpath(QFileInfo(CDataSourceRegistry::FileName()).absolutePath());
            QFile file(CDataSourceRegistry::FileName());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("; kept as it is\n[Other]\nDriver=x\nDBQ=\"/o.db\"\n");
        }
        const QString mine = CDataSourceRegistry::Attributes("Test", "/x/y.db", "me");
        QCOMPARE(mine, QString("DSN=Test") + QChar(0) + "DBQ=/x/y.db" + QChar(0) + "OWNER=me" + QChar(0));
        QVERIFY(CDataSourceRegistry::ConfigDataSource(CDataSourceRegistry::ODBC_ADD_DSN, "drv", mine));
        QCOMPARE(CDataSourceRegistry::DatabasePath("Test"), QStringLiteral("/x/y.db"));
        QCOMPARE(CDataSourceRegistry::Driver("Test"), QStringLiteral("drv"));
        QCOMPARE(CDataSourceRegistry::DatabasePath("Other"), QStringLiteral("/o.db"));

        const QString theirs = CDataSourceRegistry::Attributes("Test", "/x/y.db", "they");
        QVERIFY(!CDataSourceRegistry::ConfigDataSource(CDataSourceRegistry::ODBC_REMOVE_DSN, "drv", theirs));
        QVERIFY(CDataSourceRegistry::Exists("Test"));
        QVERIFY(CDataSourceRegistry::ConfigDataSource(CDataSourceRegistry::ODBC_REMOVE_DSN, "drv", mine));
        QVERIFY(!CDataSourceRegistry::Exists("Test"));
        QVERIFY(!CDataSourceRegistry::ConfigDataSource(CDataSourceRegistry::ODBC_REMOVE_DSN, "drv", mine));
        QVERIFY(!CDataSourceRegistry::ConfigDataSource(CDataSourceRegistry::ODBC_ADD_DSN, "drv", QString()));
        QVERIFY(RegistryText().startsWith("; kept as it is\n[Other]\n"));
    }

    void aRunWorksOnItsOwnFileWhateverTheRegistrySays()
    {
        const auto registerOther = [] {
            QVERIFY(CDataSourceRegistry::ConfigDataSource(
                CDataSourceRegistry::ODBC_ADD_DSN, CDataSourceRegistry::VelmoraDriver(),
                CDataSourceRegistry::Attributes("Velmora", TestHome() + "/other.db", "another run")));
        };
        registerOther();
        {
            CTestStore store("own.db");
            QCOMPARE(store.Db().GetDatabasePath(), store.Path());
            QCOMPARE(CDataSourceRegistry::DatabasePath("Velmora"), store.Path());
            // A copy refused because this one holds the file leaves the entry alone.
            CVelmoraDoc doc;
            CStoreSession refused(doc);
            QVERIFY_THROWS_EXCEPTION(CDBException, refused.Open(store.Path()));
            refused.Close();
            QCOMPARE(CDataSourceRegistry::DatabasePath("Velmora"), store.Path());
            // Another run registers its own file meanwhile...
            registerOther();
        }
        // ...and keeps its entry when this one ends.
        QCOMPARE(CDataSourceRegistry::DatabasePath("Velmora"), TestHome() + "/other.db");
        QVERIFY(!QFile::exists(TestHome() + "/other.db"));
        {
            CTestStore store("own.db");
        }
        QVERIFY(!CDataSourceRegistry::Exists("Velmora"));
    }

    void unwritableConfigurationFolderIsToldButTheStoreOpens()
    {
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        const QString blocked = TestHome() + "/blocked";
        QDir().mkpath(blocked);
        QFile(blocked + "/Velmora").open(QIODevice::WriteOnly);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocked));
        CVelmoraDoc doc;
        CStoreSession session(doc);
        session.Open(TestHome() + "/unregistered.db");
        const QStringList notices = session.Notices();
        QVERIFY(doc.Database().TableExists("PRESUPUESTOS"));
        session.Close();
        qputenv("XDG_CONFIG_HOME", config);
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0].startsWith("No se puede escribir en la carpeta de configuración " + blocked),
                 qPrintable(notices[0]));
    }
};

int main(int argc, char** argv)
{
    return RunTestObject<TestSchema>(argc, argv);
}

#include "test_schema.moc"
