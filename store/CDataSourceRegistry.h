#pragma once

#include <QString>

// The per-user list of data sources: maps a data source name to its driver and
// database file, as the ODBC installer does on Windows. It lives in the user's
// configuration folder, so it outlasts the process that registered it.
class CDataSourceRegistry
{
public:
    enum Request { ODBC_ADD_DSN = 1, ODBC_CONFIG_DSN = 2, ODBC_REMOVE_DSN = 3 };

    // The program's data source and the driver it names.
    static QString VelmoraDsn() { return QStringLiteral("Velmora"); }
    static QString VelmoraDriver() { return QStringLiteral("SQLite 3 (*.db)"); }
    // "DSN=<name>", NUL, "DBQ=<path>", NUL: the attribute list of a request.
    static QString Attributes(const QString& strDsn, const QString& strPath);

    // Takes the installer's attribute list: "KEY=value" entries, each ended by a
    // NUL character. Returns false when the request cannot be carried out.
    static bool ConfigDataSource(Request request, const QString& strDriver, const QString& strAttributes);

    static void Add(const QString& strDsn, const QString& strDriver, const QString& strPath);
    static void Remove(const QString& strDsn);
    static bool Exists(const QString& strDsn);
    static QString DatabasePath(const QString& strDsn);
    static QString Driver(const QString& strDsn);

    // The file that holds the registry.
    static QString FileName();
};
