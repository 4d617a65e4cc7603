#pragma once

#include "budget/CEditingService.h"

#include <QString>

class CDBException;
class CLineClipboard;
struct CChangeSet;

// The window a tree grid of lines sits in: the budget view for the budget
// grid, the price-base window for a tariff's. The grid forwards what the
// user does to the editing service the window gives it, and leaves to the
// window the description box, the picture and the telling of failures.
class CLineListHost
{
public:
    virtual ~CLineListHost() = default;

    // The editing service on the lines the grid shows.
    virtual CEditingService Service() = 0;
    // The copied branch, one for every grid of the program.
    virtual CLineClipboard& Clipboard() = 0;
    // An edit changed amounts: a budget shows its new totals.
    virtual void ShowTotals(const CChangeSet& changes) = 0;

    // The description box shows a line's long description and takes its
    // edits; with no line shown it is empty and read-only.
    virtual void ClearDescription() = 0;
    virtual void SetDescription(long nLine, const QString& strText) = 0;
    // The picture of the selected line, by its image file name.
    virtual void ShowLinePicture(const QString& strImage) = 0;

    // A database error ended an operation: the store is as it was before
    // it, so the lines are loaded again and the user told.
    virtual void ReloadAfterError(const CDBException& error) = 0;
    // An edit was refused: the user is told why.
    virtual void ShowRefusal(const QString& strMessage) = 0;
};
