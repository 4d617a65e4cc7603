#pragma once

#include <QString>

// The per-user list of data sources: maps a data source name to its driver and
// database file, as the ODBC installer does on Windows, in an odbc.ini of the
// user's configuration folder. It outlasts the process that registered it and
// is shared by every running copy, so each change is made under a lock and
// replaces the file in one step; the file and its folder are the user's alone.
//
// The program writes it for whoever reads the data source; it never reads its
// own database path back from it.
class CDataSourceRegistry
{
public:
    enum Request { ODBC_ADD_DSN = 1, ODBC_CONFIG_DSN = 2, ODBC_REMOVE_DSN = 3 };

    // The program's data source and the driver it names.
    static QString VelmoraDsn() { return QStringLiteral("Velmora"); }
    static QString VelmoraDriver() { return QStringLiteral("SQLite 3 (*.db)"); }
    // "DSN=<name>", NUL, "DBQ=<path>", NUL: the attribute list of a request;
    // with an owner, "OWNER=<owner>", NUL follows, marking whose entry it is.
    static QString Attributes(const QString& strDsn, const QString& strPath, const QString& strOwner = {});

    // Takes the installer's attribute list: "KEY=value" entries, each ended by
    // a NUL character. Adding writes the driver and every attribute but DSN in
    // place of any earlier entry. Removing takes the entry away only while it
    // still holds every attribute given, so that a run removes only what it
    // wrote itself. Returns false when the request cannot be carried out: no
    // DSN, no such entry (or another's), or the file cannot be written.
    static bool ConfigDataSource(Request request, const QString& strDriver, const QString& strAttributes);

    static bool Exists(const QString& strDsn);
    // A value of an entry ("DBQ", "Driver", "OWNER"), empty when missing.
    static QString Value(const QString& strDsn, const QString& strKey);
    static QString DatabasePath(const QString& strDsn) { return Value(strDsn, QStringLiteral("DBQ")); }
    static QString Driver(const QString& strDsn) { return Value(strDsn, QStringLiteral("Driver")); }

    // The file that holds the registry.
    static QString FileName();
};
