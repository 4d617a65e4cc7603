#pragma once

#include <QString>

#include <functional>
#include <vector>

// Sort keys of grid cells, by column kind. Cells hold display text: numbers
// with a decimal comma and "." grouping, dates as "dd/mm/yyyy" with an
// optional "hh:mm:ss", an empty date as "" or " ".

// An empty cell counts as 0.
double NumberCellKey(const QString& strCell);

// yyyyMMddhhmmss as one integer; a cell too short to hold a date sorts as
// 01/01/1900, before every real date.
qint64 DateCellKey(const QString& strCell);

// Reads "dd/mm/yyyy" (the first ten characters) as a date; an empty cell, a
// blank or anything that is not a valid date gives a null QDate.
class QDate;
QDate DateFromCell(const QString& strCell);

// The order of nCount rows sorted by one column's cells (nKind: a
// ColumnInfo::Kind), stable: the row indexes, first row first.
std::vector<int> CellSortOrder(int nCount, const std::function<QString(int nRow)>& cell, int nKind, bool bAscending);
