#include "store/CSchema.h"

#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CFileAccess.h"
#include "store/CTransaction.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>

#include <vector>

namespace {

// A table of the store with the indexes behind the filters and sorts the
// program uses on it.
struct Table {
    QString name;
    QString create;
    QStringList indexes;
};

const QString kUniqueCodes =
    QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS PRESUPUESTOS_CODIGO ON PRESUPUESTOS (CODIGO)");
// Stands in for the unique index while the store holds a code twice.
const QString kRepeatedCodes = QStringLiteral("CREATE INDEX IF NOT EXISTS PRESUPUESTOS_CODIGOS ON PRESUPUESTOS (CODIGO)");

// Kinds of column: text, numbers kept as the text they were written with
// (so "1.50000" reads back as written), integers that SQL compares and
// orders numerically, and date-times as "yyyy-MM-dd HH:mm:ss" text.
const std::vector<Table>& Tables()
{
    static const std::vector<Table> tables = {
        {QStringLiteral("ARTICULOS"),
         QStringLiteral("CREATE TABLE ARTICULOS (ID INTEGER PRIMARY KEY, ARTICULO TEXT, CODIGO TEXT, DESCRIPCION TEXT, "
                        "DESGLOSE TEXT, FACTOR TEXT, FECHA TEXT, IMAGEN TEXT, IMPORTE TEXT, MEDIDA TEXT, NIVEL INTEGER, "
                        "NOMBRE TEXT, NUMLIN INTEGER, PRECIO TEXT, RENDIMIENTO TEXT, TIPO1 TEXT, TIPO2 TEXT)"),
         {QStringLiteral("CREATE INDEX IF NOT EXISTS ARTICULOS_LINEA ON ARTICULOS (CODIGO, NUMLIN)"),
          QStringLiteral("CREATE INDEX IF NOT EXISTS ARTICULOS_NIVEL ON ARTICULOS (CODIGO, NIVEL, NUMLIN)")}},
        {QStringLiteral("PRESUPUESTOS"),
         QStringLiteral("CREATE TABLE PRESUPUESTOS (ID INTEGER PRIMARY KEY, BASE TEXT, BIND TEXT, CLIENTE TEXT, CODIGO TEXT, "
                        "CONTACTO TEXT, CP TEXT, CPER TEXT, DIRECCION TEXT, EMAIL TEXT, FAX TEXT, FECENT TEXT, FECFAC TEXT, "
                        "FECMOD TEXT, FP TEXT, GGEN TEXT, IMAGENES TEXT, IMPBIND TEXT, IMPGGEN TEXT, IMPIVA TEXT, IVA TEXT, "
                        "NIF TEXT, NOMBRE TEXT, NUMFAC TEXT, OBS TEXT, POBLACION TEXT, PROVINCIA TEXT, TARIFA TEXT, "
                        "TELEFONO TEXT, TOTAL TEXT)"),
         {kUniqueCodes, QStringLiteral("CREATE INDEX IF NOT EXISTS PRESUPUESTOS_NOMBRE ON PRESUPUESTOS (NOMBRE)")}},
        {QStringLiteral("PARAMETROS"),
         QStringLiteral("CREATE TABLE PARAMETROS (ID INTEGER PRIMARY KEY, LISTA TEXT, IMAGENES TEXT, TARIFA TEXT, CP TEXT, "
                        "DIRECCION TEXT, EMAIL TEXT, FAX TEXT, LOGO TEXT, NIF TEXT, NOMBRE TEXT, POBLACION TEXT, "
                        "PROVINCIA TEXT, TELEFONO TEXT, REGFAC TEXT)"),
         {}},
        {QStringLiteral("TARIFAS"),
         QStringLiteral("CREATE TABLE TARIFAS (ID INTEGER PRIMARY KEY, CODIGO TEXT, FECHA TEXT, IMAGENES TEXT, TARIFA TEXT)"),
         {QStringLiteral("CREATE INDEX IF NOT EXISTS TARIFAS_CODIGO ON TARIFAS (CODIGO, TARIFA)")}},
        {QStringLiteral("PRECIOS"),
         QStringLiteral("CREATE TABLE PRECIOS (ID INTEGER PRIMARY KEY, ARTICULO TEXT, CODIGO TEXT, DESCRIPCION TEXT, "
                        "DESGLOSE TEXT, FACTOR TEXT, FECHA TEXT, IMAGEN TEXT, IMPORTE TEXT, MEDIDA TEXT, NIVEL INTEGER, "
                        "NOMBRE TEXT, NUMLIN INTEGER, PRECIO TEXT, RENDIMIENTO TEXT, TARIFA TEXT, TIPO1 TEXT, TIPO2 TEXT)"),
         {QStringLiteral("CREATE INDEX IF NOT EXISTS PRECIOS_LINEA ON PRECIOS (CODIGO, TARIFA, NUMLIN)"),
          QStringLiteral("CREATE INDEX IF NOT EXISTS PRECIOS_ARTICULO ON PRECIOS (CODIGO, TARIFA, ARTICULO)")}},
        {QStringLiteral("IMPORTAR"),
         QStringLiteral("CREATE TABLE IMPORTAR (ID INTEGER PRIMARY KEY, CODIGO TEXT, TIPO TEXT, CODPADRE TEXT, CODHIJO TEXT, "
                        "NOMBRE TEXT, DESCRIPCION TEXT, FACTOR TEXT, RENDIMIENTO TEXT, IMAGEN TEXT, MEDIDA TEXT, "
                        "PRECIO TEXT, TIPO1 TEXT, TIPO2 TEXT)"),
         {QStringLiteral("CREATE INDEX IF NOT EXISTS IMPORTAR_PADRE ON IMPORTAR (CODIGO, TIPO, CODPADRE)"),
          QStringLiteral("CREATE INDEX IF NOT EXISTS IMPORTAR_HIJO ON IMPORTAR (CODIGO, TIPO, CODHIJO)")}},
        {QStringLiteral("TEMPORAL"), QStringLiteral("CREATE TABLE TEMPORAL (ID INTEGER PRIMARY KEY, CODIGO TEXT, DATOS TEXT)"),
         {QStringLiteral("CREATE INDEX IF NOT EXISTS TEMPORAL_CODIGO ON TEMPORAL (CODIGO)")}},
    };
    return tables;
}

const QString kMedidasIndex =
    QStringLiteral("CREATE INDEX IF NOT EXISTS MEDIDAS_LINEA ON MEDIDAS (CODIGO, NUMLIN, LIN)");

void SetVersion(CDatabase& database)
{
    database.ExecuteSQL(QStringLiteral("PRAGMA user_version = %1").arg(CSchema::kVersion));
}

// Creates the tables the store lacks, with their indexes; a store that had
// none of them is new and current.
void CreateMissingTables(CDatabase& database)
{
    CTransaction transaction(database);
    bool bNew = true;
    for (const Table& table : Tables()) {
        if (database.TableExists(table.name)) {
            bNew = false;
            continue;
        }
        database.ExecuteSQL(table.create);
        for (const QString& index : table.indexes)
            database.ExecuteSQL(index);
        if (table.name == QStringLiteral("PARAMETROS"))
            database.ExecuteSQL(QStringLiteral("INSERT INTO PARAMETROS DEFAULT VALUES"));
    }
    if (bNew)
        SetVersion(database);
    transaction.Commit();
}

QStringList RepeatedCodes(CDatabase& database)
{
    QSqlQuery& query = database.PreparedQuery(QStringLiteral(
        "SELECT CODIGO FROM PRESUPUESTOS WHERE CODIGO IS NOT NULL GROUP BY CODIGO HAVING count(*) > 1 ORDER BY CODIGO"));
    database.Exec(query, {});
    QStringList codes;
    while (query.next())
        codes << query.value(0).toString();
    query.finish();
    return codes;
}

// Budget codes are unique in the store, except in an older one that already
// holds a code twice: it keeps working on an ordinary index until the
// repeated codes are gone. Returns those codes.
QStringList KeepCodesUnique(CDatabase& database)
{
    QSqlQuery& query = database.PreparedQuery(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = 'PRESUPUESTOS_CODIGO'"));
    database.Exec(query, {});
    const bool unique = query.next();
    query.finish();
    if (unique)
        return {};
    const QStringList repeated = RepeatedCodes(database);
    CTransaction transaction(database);
    if (repeated.isEmpty()) {
        database.ExecuteSQL(QStringLiteral("DROP INDEX IF EXISTS PRESUPUESTOS_CODIGOS"));
        database.ExecuteSQL(kUniqueCodes);
    } else {
        database.ExecuteSQL(kRepeatedCodes);
    }
    transaction.Commit();
    return repeated;
}

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
    if (strPath.isEmpty())
        throw CDBException(tr("No se ha indicado el fichero de la base de datos"));
    if (!CFileAccess::IsRegularOrMissing(strPath))
        throw CDBException(CFileAccess::NotRegularFile(strPath));
    if (QFileInfo::exists(strPath))
        return false;
    QString error;
    if (!CFileAccess::CreatePrivateFile(strPath, error))
        throw CDBException(tr("No se puede crear el fichero: %1").arg(error));
    return true;
}

QStringList CSchema::Prepare(CDatabase& database)
{
    CreateMissingTables(database);
    const QStringList repeated = Upgrade(database);
    if (repeated.isEmpty())
        return {};
    // A long list is cut: the message box must stay readable.
    constexpr int kShown = 20;
    QString codes = repeated.mid(0, kShown).join(QStringLiteral(", "));
    if (repeated.size() > kShown)
        codes += QStringLiteral(", …");
    return {tr("Hay varios presupuestos con el mismo código: %1").arg(codes)};
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
    CreateMissingTables(database);
    CreateMedidas(database);
}

int CSchema::Version(CDatabase& database)
{
    QSqlQuery& query = database.PreparedQuery(QStringLiteral("PRAGMA user_version"));
    database.Exec(query, {});
    const int version = query.next() ? query.value(0).toInt() : 0;
    query.finish();
    return version;
}

QStringList CSchema::Upgrade(CDatabase& database)
{
    if (Version(database) >= kVersion) {
        // Codes found twice were told at the upgrade; later opens only make
        // codes unique once they are.
        KeepCodesUnique(database);
        return {};
    }
    // An older file: add the indexes the program relies on now.
    CTransaction transaction(database);
    // The lines by level serve the parent queries that this one served.
    database.ExecuteSQL(QStringLiteral("DROP INDEX IF EXISTS ARTICULOS_PADRE"));
    for (const Table& table : Tables()) {
        for (const QString& index : table.indexes) {
            if (index != kUniqueCodes)
                database.ExecuteSQL(index);
        }
    }
    if (database.TableExists(QStringLiteral("MEDIDAS")))
        database.ExecuteSQL(kMedidasIndex);
    const QStringList repeated = KeepCodesUnique(database);
    SetVersion(database);
    transaction.Commit();
    return repeated;
}
