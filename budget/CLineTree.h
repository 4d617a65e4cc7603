#pragma once

#include "store/CLineRecord.h"
#include "store/CLineTable.h"

#include <QString>
#include <functional>
#include <optional>
#include <set>
#include <vector>

class CDatabase;
class CLineClipboard;
class CLineSet;

// The record-level operations on one line tree: the lines of a budget or of
// a tariff form a pre-order list numbered 1..n by NUMLIN with depth NIVEL,
// and a line is reached by moving the tree's line set to the position equal
// to its NUMLIN. Every operation keeps NUMLIN dense (and a budget folder's
// measurement lines on their folder's number) and runs in one transaction,
// which nests in the caller's.
//
// The line set must be open on the tree (FilterTree) before each call.
class CLineTree
{
public:
    enum class Kind { Chapter, Folder, Concept };
    // How amounts roll up. In a budget every decomposed line carries the sum
    // of its children; in a price base chapters carry no totals: a roll-up
    // does not start from a chapter and stops at the first one it reaches.
    enum class RollUpRule { Budget, PriceBase };

    CLineTree(CLineSet& lines, const CLineTable& table);

    const CLineTable& Table() const { return m_table; }
    RollUpRule Rule() const { return m_rule; }
    void SetRollUpRule(RollUpRule rule) { m_rule = rule; }

    // A code edited in the grid: a chapter stays a chapter, with one "#" at
    // the end of its code; any other code loses every "#".
    static QString AdjustEditedCode(const QString& strBefore, const QString& strEdited);
    // The stored values of a new line of each kind.
    static CLineRecord NewLine(Kind kind, long nLevel);
    // The root line of a new budget.
    static CLineRecord NewRoot(const QString& strBudget);

    CDatabase& Database();
    long LineCount() const;
    // Moves the line set to a line; false when there is no such line.
    bool Position(long nLine);
    // The stored line; nothing when there is no such line.
    std::optional<CLineRecord> Line(long nLine);
    long Level(long nLine);
    bool IsDecomposed(long nLine);
    // The number of the last line of a line's branch (the line itself when it has none).
    long BranchEnd(long nLine);
    // The stored amount of the root line.
    QString RootAmount();

    // Inserts a new line right after nAfter; returns its number.
    long InsertLine(long nAfter, const CLineRecord& line);

    // Deletes a line with its branch and their measurement lines, after taking
    // its amount out of its parents. Returns the number of lines deleted.
    long DeleteBranch(long nLine);

    // Copies a line's branch and the measurement lines of its decomposed lines.
    // rowState tells, for a line shown in the grid, its state mark (0 none,
    // 1 collapsed, 2 expanded); nothing for a line not shown.
    void CopyBranch(long nLine, const std::function<std::optional<int>(long nLine)>& rowState,
                    CLineClipboard& clipboard);
    // Whether the clipboard may be pasted on a line: a chapter does not go
    // inside a folder.
    bool AcceptsPaste(long nLine, const CLineClipboard& clipboard);
    // Where a paste onto nLine puts the branch: it goes right after the
    // returned line number. into: as the target's first children.
    long PastePoint(long nLine, bool bInto);
    // Pastes the clipboard after PastePoint and empties it; returns the
    // number after which the lines were placed, or -1 when there was nothing.
    long PasteBranch(long nLine, bool bInto, CLineClipboard& clipboard);

    // Stores a line's new values. When its code changed, a budget's
    // measurement lines follow it.
    void SaveLine(long nLine, const CLineRecord& line);

    // Recomputes percentage lines and parents from a line up, by the rule.
    void RollUpTotals(long nLine);
    // A price base keeps one code, unit, description and price for a concept
    // wherever it occurs: carries those of a line to every line with its code,
    // rolling up from each.
    void CarryToOccurrences(long nLine);

    // Rewrites the line numbers as 1..n in their present order.
    void Renumber();

    // The code of the nearest earlier line of lower level.
    QString ParentCode(long nLine);
    // The numbers of a line's ancestors, the root first and its parent last.
    std::vector<long> Ancestors(long nLine);
    // The first line after nLine whose short or long description holds a
    // text, whatever its case; 0 when none does.
    long FindText(long nAfter, const QString& strText);

    // Re-prices every line when the custom increase changes from dOld to dNew percent.
    void ApplyCustomIncrease(double dOld, double dNew);

    // The lines whose stored values the operations so far have rewritten, by
    // their present numbers.
    const std::set<long>& ChangedLines() const { return m_changed; }
    void ClearChanged() { m_changed.clear(); }

    // Puts the line set back in step with the store: after an operation, or
    // after a failed one has been rolled back.
    void Requery();

private:
    // Recomputes a line's percentage siblings and its parent; returns the parent's number.
    long RollUpOnce(long nLine);
    // Gives every decomposed line of a range the sum of its children, by the rule.
    void SettleBranch(long nFirst, long nLast);
    void AddCopiedMeasures(const CLineClipboard& clipboard, const QString& strSourceLine, long nLine);
    void AddLine(const CLineRecord& line);
    template <class Operation>
    void Transact(Operation operation);

    CLineSet& m_lines;
    CLineTable m_table;
    RollUpRule m_rule;
    std::set<long> m_changed;
};
