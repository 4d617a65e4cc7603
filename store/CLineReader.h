#pragma once

#include "store/CLineRecord.h"

struct sqlite3;
struct sqlite3_stmt;
class CDatabase;
class CLineTable;

// Reads the lines of a tree front to back, as the grids show them: every
// column but the long description, in line order, from one line number on
// and down to a level. One statement through the engine's own interface on
// the store's connection, with no record kept behind: a grid of hundreds of
// thousands of lines is read at the engine's speed, and the caller stops
// when it has what it needs. A budget's lines also tell whether they have
// measurement lines.
class CLineReader
{
public:
    // nMaxLevel < 0 reads every level.
    CLineReader(CDatabase& database, const CLineTable& table, long nFirst, long nMaxLevel = -1);
    ~CLineReader();
    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;

    // The next line; false past the last. Raises CDBException.
    bool Next(CLineRecord& line, bool& bMeasured);

private:
    sqlite3_stmt* Prepare(const QString& strSQL);
    [[noreturn]] void Raise() const;
    // Whether a budget line has measurement lines: the measured lines are
    // read in line order beside the lines.
    bool IsMeasured(long nLine);

    sqlite3* m_pHandle = nullptr;
    sqlite3_stmt* m_pLines = nullptr;
    sqlite3_stmt* m_pMeasured = nullptr;
    long m_nNextMeasured = 0;
    QString m_strTariff;
};
