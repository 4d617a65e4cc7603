#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CDatabase;

// The shape of the store file: the tables a store must have, the company row
// of a new store, MEDIDAS created when it is missing, and bringing a file made
// by an earlier version up to date.
class CSchema
{
    Q_DECLARE_TR_FUNCTIONS(CSchema)

public:
    static constexpr int kVersion = 2;

    // The statement that creates MEDIDAS, exactly as the program has always issued it.
    static QString CreateMedidasStatement();

    // The per-user database file: the XDG data folder + "Velmora/Tresca.db".
    static QString DefaultDatabasePath();

    // Makes an empty file, the user's alone, when nothing is at the path; its
    // tables come when it is opened and prepared. Returns true when it made
    // the file. Raises CDBException with a message for the user when the path
    // is empty or names something other than an ordinary file, or when the
    // file cannot be made.
    static bool CreateIfMissing(const QString& strPath);

    // Makes an open store whole: creates the tables it lacks (an empty store
    // gets every one but MEDIDAS, with the company row) and brings an older
    // store up to date. Returns what the user is to be told about the file.
    static QStringList Prepare(CDatabase& database);

    static void CreateMedidas(CDatabase& database);
    // Every table, MEDIDAS included, with the company row, on an empty
    // open store (an in-memory one, say).
    static void CreateTables(CDatabase& database);
    // Brings an open store up to kVersion; a current file is left as it is.
    // Returns the budget codes that the store holds more than once, which
    // keep the upgrade from making codes unique.
    static QStringList Upgrade(CDatabase& database);
    static int Version(CDatabase& database);
};
