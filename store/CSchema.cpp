#include "store/CSchema.h"

#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CTransaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>

namespace {

// Kinds of column: text, numbers kept as the text they were written with
// (so "1.50000" reads back as written), integers that SQL compares and
// orders numerically, and date-times as "yyyy-MM-dd HH:mm:ss" text.
const QStringList& TableStatements()
{
    static const QStringList statements = {
        QStringLiteral("CREATE TABLE ARTICULOS (ID INTEGER PRIMARY KEY, ARTICULO TEXT, CODIGO TEXT, DESCRIPCION TEXT, "
                       "DESGLOSE TEXT, FACTOR TEXT, FECHA TEXT, IMAGEN TEXT, IMPORTE TEXT, MEDIDA TEXT, NIVEL INTEGER, "
                       "NOMBRE TEXT, NUMLIN INTEGER, PRECIO TEXT, RENDIMIENTO TEXT, TIPO1 TEXT, TIPO2 TEXT)"),
        QStringLiteral("CREATE TABLE PRESUPUESTOS (ID INTEGER PRIMARY KEY, BASE TEXT, BIND TEXT, CLIENTE TEXT, CODIGO TEXT, "
                       "CONTACTO TEXT, CP TEXT, CPER TEXT, DIRECCION TEXT, EMAIL TEXT, FAX TEXT, FECENT TEXT, FECFAC TEXT, "
                       "FECMOD TEXT, FP TEXT, GGEN TEXT, IMAGENES TEXT, IMPBIND TEXT, IMPGGEN TEXT, IMPIVA TEXT, IVA TEXT, "
                       "NIF TEXT, NOMBRE TEXT, NUMFAC TEXT, OBS TEXT, POBLACION TEXT, PROVINCIA TEXT, TARIFA TEXT, "
                       "TELEFONO TEXT, TOTAL TEXT)"),
        QStringLiteral("CREATE TABLE PARAMETROS (ID INTEGER PRIMARY KEY, LISTA TEXT, IMAGENES TEXT, TARIFA TEXT, CP TEXT, "
                       "DIRECCION TEXT, EMAIL TEXT, FAX TEXT, LOGO TEXT, NIF TEXT, NOMBRE TEXT, POBLACION TEXT, "
                       "PROVINCIA TEXT, TELEFONO TEXT, REGFAC TEXT)"),
        QStringLiteral("CREATE TABLE TARIFAS (ID INTEGER PRIMARY KEY, CODIGO TEXT, FECHA TEXT, IMAGENES TEXT, TARIFA TEXT)"),
        QStringLiteral("CREATE TABLE PRECIOS (ID INTEGER PRIMARY KEY, ARTICULO TEXT, CODIGO TEXT, DESCRIPCION TEXT, "
                       "DESGLOSE TEXT, FACTOR TEXT, FECHA TEXT, IMAGEN TEXT, IMPORTE TEXT, MEDIDA TEXT, NIVEL INTEGER, "
                       "NOMBRE TEXT, NUMLIN INTEGER, PRECIO TEXT, RENDIMIENTO TEXT, TARIFA TEXT, TIPO1 TEXT, TIPO2 TEXT)"),
        QStringLiteral("CREATE TABLE IMPORTAR (ID INTEGER PRIMARY KEY, CODIGO TEXT, TIPO TEXT, CODPADRE TEXT, CODHIJO TEXT, "
                       "NOMBRE TEXT, DESCRIPCION TEXT, FACTOR TEXT, RENDIMIENTO TEXT, IMAGEN TEXT, MEDIDA TEXT, "
                       "PRECIO TEXT, TIPO1 TEXT, TIPO2 TEXT)"),
        QStringLiteral("CREATE TABLE TEMPORAL (ID INTEGER PRIMARY KEY, CODIGO TEXT, DATOS TEXT)"),
    };
    return statements;
}

// The indexes behind the filters and sorts the program uses.
const QStringList& IndexStatements()
{
    static const QStringList statements = {
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTICULOS_LINEA ON ARTICULOS (CODIGO, NUMLIN)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTICULOS_NIVEL ON ARTICULOS (CODIGO, NIVEL, NUMLIN)"),
        QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS PRESUPUESTOS_CODIGO ON PRESUPUESTOS (CODIGO)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS PRESUPUESTOS_NOMBRE ON PRESUPUESTOS (NOMBRE)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS TARIFAS_CODIGO ON TARIFAS (CODIGO, TARIFA)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS PRECIOS_LINEA ON PRECIOS (CODIGO, TARIFA, NUMLIN)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS PRECIOS_ARTICULO ON PRECIOS (CODIGO, TARIFA, ARTICULO)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS IMPORTAR_PADRE ON IMPORTAR (CODIGO, TIPO, CODPADRE)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS IMPORTAR_HIJO ON IMPORTAR (CODIGO, TIPO, CODHIJO)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS TEMPORAL_CODIGO ON TEMPORAL (CODIGO)"),
    };
    return statements;
}

const QString kMedidasIndex =
    QStringLiteral("CREATE INDEX IF NOT EXISTS MEDIDAS_LINEA ON MEDIDAS (CODIGO, NUMLIN, LIN)");

} // namespace

QString CSchema::CreateMedidasStatement()
{
    return QStringLiteral("CREATE TABLE MEDIDAS (CODIGO TEXT(20),NUMLIN INTEGER,LIN INTEGER,CODIGOPADRE TEXT(20),"
                          "CODIGOHIJO TEXT(20),POSICION INTEGER,TIPO TEXT(1),NOMBRE TEXT(255),LARGO NUMERIC,"
                          "ANCHO NUMERIC,ALTO NUMERIC,UNIDADES NUMERIC,TOTAL NUMERIC)");
}

QString CSchema::DefaultDatabasePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Velmora/Tresca.db");
}

bool CSchema::CreateIfMissing(const QString& strPath)
{
    const QFileInfo info(strPath);
    if (info.exists())
        return false;
    if (!QDir().mkpath(info.absolutePath()))
        throw CDBException(QStringLiteral("unable to create the folder %1").arg(info.absolutePath()));

    // Build the file aside and move it into place, so that a failure halfway
    // never leaves a file that looks like a store.
    const QString building = info.absoluteFilePath() + QStringLiteral(".new");
    QFile::remove(building);
    {
        QFile touch(building);
        if (!touch.open(QIODevice::WriteOnly))
            throw CDBException(QStringLiteral("unable to create %1: %2").arg(building, touch.errorString()));
    }
    try {
        CDatabase database;
        database.OpenFile(building);
        CTransaction transaction(database);
        for (const QString& statement : TableStatements())
            database.ExecuteSQL(statement);
        for (const QString& statement : IndexStatements())
            database.ExecuteSQL(statement);
        database.ExecuteSQL(QStringLiteral("INSERT INTO PARAMETROS DEFAULT VALUES"));
        database.ExecuteSQL(QStringLiteral("PRAGMA user_version = %1").arg(kVersion));
        transaction.Commit();
    } catch (const CDBException&) {
        QFile::remove(building);
        throw;
    }
    if (!QFile::rename(building, info.absoluteFilePath())) {
        QFile::remove(building);
        throw CDBException(QStringLiteral("unable to create %1").arg(info.absoluteFilePath()));
    }
    return true;
}

void CSchema::CreateMedidas(CDatabase& database)
{
    CTransaction transaction(database);
    database.ExecuteSQL(CreateMedidasStatement());
    database.ExecuteSQL(kMedidasIndex);
    transaction.Commit();
}

void CSchema::CreateTables(CDatabase& database)
{
    CTransaction transaction(database);
    for (const QString& statement : TableStatements())
        database.ExecuteSQL(statement);
    for (const QString& statement : IndexStatements())
        database.ExecuteSQL(statement);
    database.ExecuteSQL(CreateMedidasStatement());
    database.ExecuteSQL(kMedidasIndex);
    database.ExecuteSQL(QStringLiteral("INSERT INTO PARAMETROS DEFAULT VALUES"));
    database.ExecuteSQL(QStringLiteral("PRAGMA user_version = %1").arg(kVersion));
    transaction.Commit();
}

int CSchema::Version(CDatabase& database)
{
    QSqlQuery& query = database.PreparedQuery(QStringLiteral("PRAGMA user_version"));
    database.Exec(query, {});
    const int version = query.next() ? query.value(0).toInt() : 0;
    query.finish();
    return version;
}

void CSchema::Upgrade(CDatabase& database)
{
    if (Version(database) >= kVersion)
        return;
    // An older file: add the indexes the program relies on now.
    CTransaction transaction(database);
    // The lines by level serve the parent queries that this one served.
    database.ExecuteSQL(QStringLiteral("DROP INDEX IF EXISTS ARTICULOS_PADRE"));
    for (const QString& statement : IndexStatements())
        database.ExecuteSQL(statement);
    if (database.TableExists(QStringLiteral("MEDIDAS")))
        database.ExecuteSQL(kMedidasIndex);
    database.ExecuteSQL(QStringLiteral("PRAGMA user_version = %1").arg(kVersion));
    transaction.Commit();
}
