#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <set>

class CArticulosSet;
class CDatabase;
class CLineClipboard;

// The record-level operations on the line tree of one budget: the lines of
// the budget form a pre-order list numbered 1..n by NUMLIN with depth NIVEL,
// and a line is reached by moving the budget's line set to the position equal
// to its NUMLIN. Every operation keeps NUMLIN dense and each folder's
// measurement lines on their folder's number, and runs in one transaction.
//
// The line set must be open on the budget (FilterBudget) before each call.
class CBudgetTree
{
public:
    enum class Kind { Chapter, Folder, Concept };

    // The values of a line as the grid row holds them, in store text.
    struct Line {
        QString articulo;
        QString nivel;
        QString desglose;
        QString medida;
        QString nombre;
        QString descripcion;
        QString precio;
        QString factor;
        QString rendimiento;
        QString tipo1;
        QString tipo2;
        QString importe;
        QString imagen;
    };

    CBudgetTree(CArticulosSet& lines, const QString& strBudget);

    // A code edited in the grid: a chapter's code keeps its "#", any other
    // code loses every "#".
    static QString AdjustEditedCode(const QString& strBefore, const QString& strEdited);

    // The stored values of a new line of each kind.
    static Line NewLine(Kind kind, int nLevel);

    CDatabase& Database();
    const QString& Budget() const { return m_strBudget; }
    long LineCount() const;
    // Moves the line set to a line; false when there is no such line.
    bool Position(long nLine);
    long Level(long nLine);
    bool IsDecomposed(long nLine);
    // The number of the last line of a line's branch (the line itself when it has none).
    long BranchEnd(long nLine);

    // Inserts a new line right after nAfter, at nLevel; returns its number.
    long InsertLine(long nAfter, const Line& line);

    // Deletes a line with its branch and their measurement lines, after taking
    // its amount out of its parents. Returns the number of lines deleted.
    long DeleteBranch(long nLine);

    // Copies a line's branch and the measurement lines of its decomposed lines.
    // rowState tells, for a line shown in the grid, its state mark (0 none,
    // 1 collapsed, 2 expanded); nothing for a line not shown.
    void CopyBranch(long nLine, const std::function<std::optional<int>(long nLine)>& rowState,
                    CLineClipboard& clipboard);

    // Where a paste onto nLine puts the branch: it goes right after the
    // returned line number. into: as the target's first children.
    long PastePoint(long nLine, bool bInto);
    // Pastes the clipboard after PastePoint and empties it; returns the
    // number after which the lines were placed, or -1 when there was nothing.
    long PasteBranch(long nLine, bool bInto, CLineClipboard& clipboard);

    // Stores an edited line. When the code changed, the measurement lines
    // follow it.
    void SaveLine(long nLine, const Line& line, const QString& strCodeBefore, bool bCodeEdited);

    // Recomputes percentage lines and parents from a line up to the root.
    void RollUpTotals(long nLine);

    // Rewrites the line numbers as 1..n in their present order.
    void Renumber();

    // The code of the nearest earlier line of lower level.
    QString ParentCode(long nLine);

    // Re-prices every line of the budget when the custom increase changes
    // from dOld to dNew percent.
    void ApplyCustomIncrease(double dOld, double dNew);

    // The lines whose amounts the operations so far have rewritten, by their
    // present numbers: a grid refreshes just those rows.
    const std::set<long>& ChangedLines() const { return m_changed; }

    // Puts the line set back in step with the store: after an operation, or
    // after a failed one has been rolled back.
    void Requery();

private:
    // Recomputes a line's percentage siblings and its parent; returns the parent's number.
    long RollUpOnce(long nLine);
    void AddCopiedMeasures(const CLineClipboard& clipboard, const QString& strSourceLine, long nLine);
    template <class Operation>
    void Transact(Operation operation);

    CArticulosSet& m_lines;
    QString m_strBudget;
    std::set<long> m_changed;
};
