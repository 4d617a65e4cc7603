#pragma once

#include "budget/CChangeSet.h"
#include "budget/CLineTree.h"
#include "measure/CMeasurementLines.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

class CLineSet;
class CPresupuestosSet;

// An edit the service refuses before touching the store: a line or column
// that does not exist or may not be edited, text that is not a number, a
// formula that does not parse. The message is in the user's language.
class CEditRefused : public std::runtime_error
{
public:
    explicit CEditRefused(const QString& strMessage);
    QString m_strMessage;
};

// The one way a change reaches a line tree: every edit of a budget's or a
// tariff's lines, from the grids, the measurement window, the budget data
// dialog and the command line. Each call validates its input, runs in one
// transaction (saving, rolling the amounts up, and storing a budget's totals
// computed from the stored amounts) and returns what changed. A refused edit
// raises CEditRefused and changes nothing; a store failure rolls everything
// back, puts the line set in step with the store again and raises the
// store's CDBException.
//
// The line set is the tree's own (the document's, for the window that shows
// it); the header set, when given, is the budget's header the caller shows.
class CEditingService
{
    Q_DECLARE_TR_FUNCTIONS(CEditingService)

public:
    using RowState = std::function<std::optional<int>(long nLine)>;

    CEditingService(CLineSet& lines, const CLineTable& table, CPresupuestosSet* pHeader = nullptr);
    ~CEditingService();
    CEditingService(const CEditingService&) = delete;
    CEditingService& operator=(const CEditingService&) = delete;

    CLineTree& Tree() { return m_tree; }
    const CLineTable& Table() const { return m_tree.Table(); }

    // Whether a cell of a line may be edited: a root's code, a decomposed
    // line's price, and the unit, factor and quantity of a chapter (and of a
    // budget folder with measurement lines) may not. The reason when not.
    std::optional<QString> WhyNotEditable(long nLine, int nColumn);
    // A typed number as store text: digits with one decimal comma or point
    // (display text's grouping points are dropped); an empty text stays
    // empty. Nothing when the text is not a number.
    static std::optional<QString> NumberText(const QString& strTyped);

    // Sets one cell of a line (columns of the budget grid) from typed text.
    CChangeSet EditCell(long nLine, int nColumn, const QString& strText);

    // A new line of a kind after the selected one: its first child when the
    // selected line is decomposed, its next sibling otherwise.
    CChangeSet InsertLine(long nSelected, CLineTree::Kind kind);
    CChangeSet DeleteLine(long nLine);
    // Copies a branch into the clipboard; changes nothing.
    void CopyBranch(long nLine, CLineClipboard& clipboard, const RowState& rowState = {});
    // Pastes the clipboard on a line: as its first children (into), or after
    // it and its branch. The clipboard is emptied.
    CChangeSet PasteBranch(long nLine, bool bInto, CLineClipboard& clipboard);
    // Moves a branch next to (or into) a target line, numbered as the lines
    // stand before the move. The clipboard carries it and is left empty.
    CChangeSet MoveBranch(long nLine, long nTarget, bool bInto, CLineClipboard& clipboard,
                          const RowState& rowState = {});
    CChangeSet Renumber();

    // Re-prices every line of the budget for a new custom increase and stores
    // it as the budget's CPER, together or not at all.
    CChangeSet ApplyCustomIncrease(double dOld, double dNew);
    // Computes and stores the budget's totals from the stored root amount.
    CChangeSet UpdateTotals();

    // The measurement lines of a folder; each change carries their sum to
    // the folder's quantity, as a typed quantity would.
    CChangeSet AddMeasurement(long nLine, const CMeasurementLines::Values& values, bool bFormula);
    CChangeSet EditMeasurement(long nLine, long nLin, int nColumn, const QString& strText);
    CChangeSet DeleteMeasurement(long nLine, long nLin);

private:
    template <class Operation>
    CChangeSet Run(bool bAmounts, Operation operation);
    CLineRecord RequireLine(long nLine);
    void RequireFolder(const CLineRecord& line);
    void RequireNotRoot(long nLine);
    CLineRecord EditedLine(const CLineRecord& stored, int nColumn, const QString& strText);
    void SetMeasuredQuantity(long nLine, CChangeSet& changes);
    // The budget's header, on the budget.
    CPresupuestosSet& Header();
    void StoreTotals(CChangeSet& changes);
    bool HasMeasurements(long nLine);

    CLineTree m_tree;
    CPresupuestosSet* m_pHeader;
    std::unique_ptr<CPresupuestosSet> m_pOwnHeader;
};
