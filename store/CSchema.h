#pragma once

#include <QString>

class CDatabase;

// The shape of the store file: creating a new file with every table and the
// company row, creating MEDIDAS when it is missing, and bringing a file made
// by an earlier version up to date.
class CSchema
{
public:
    static constexpr int kVersion = 2;

    // The statement that creates MEDIDAS, exactly as the program has always issued it.
    static QString CreateMedidasStatement();

    // The per-user database file: the XDG data folder + "Velmora/Tresca.db".
    static QString DefaultDatabasePath();

    // Creates the file with every table but MEDIDAS when it does not exist.
    // An existing file is never touched. Returns true when a file was created.
    static bool CreateIfMissing(const QString& strPath);

    static void CreateMedidas(CDatabase& database);
    // Every table, MEDIDAS included, with the company row, on an empty
    // open store (an in-memory one, say).
    static void CreateTables(CDatabase& database);
    // Brings an open store up to kVersion; a current file is left as it is.
    static void Upgrade(CDatabase& database);
    static int Version(CDatabase& database);
};
