#pragma once

#include "bc3/CBc3CodeIndex.h"
#include "bc3/CBc3Staging.h"
#include "budget/CRollUp.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

class IProgress;

// The line tree of a staged file, laid out and priced in memory, for the
// budget import and the price-base import alike. The decompositions unfold
// from the root in the file's order at every depth, ten levels deep at
// most; a code used in several places gives a line in each with its whole
// branch. Codes are matched without regard to their "#" marks, which
// FIEBDC-3 makes optional outside "~C".
class CBc3TreeBuilder
{
public:
    // The decompositions unfold into more lines than allowed.
    struct TooManyLines {};

    struct Line {
        int decomposition = -1;     // staged decomposition, or -1 for the root
        int parent = -1;            // index of the parent line, or -1 for the root
        int item = -1;              // staged concept, or -1 when no "~C" describes the code
        int id = -1;                // the code's entry in the builder's index
        short level = 0;
        int position = 0;           // among its siblings, from 1
        bool decomposed = false;
        bool percentChild = false;  // a child's code holds "%"
        bool priced = false;        // PRECIO and IMPORTE are written
        std::string_view articulo;
        std::string_view yield;     // RENDIMIENTO as written, for a line without concept
        std::string_view price;     // PRECIO as written
        double quantity = 0.0;
        double amount = 0.0;        // IMPORTE as written
        const CBc3StagedRecords::Measure* measure = nullptr;
    };

    // Which decomposed lines the roll-up prices from their children, besides
    // every percentage line: in a budget those the file leaves without a
    // price; in a price base every item with a breakdown, whatever the file
    // says, while chapters keep their own.
    enum class ERollUp { Unpriced, Items };

    CBc3TreeBuilder(const CBc3StagedRecords& staged, long nMaxLines);

    // Lays the lines out, showing statusText(0) beside the hidden bar and
    // then statusText(lines laid out) every few thousand lines and at the
    // end, letting the window repaint there when bPump is set. Raises
    // TooManyLines.
    void LayOutTree(IProgress& progress, const std::function<QString(long nLines)>& statusText, bool bPump = false);
    // Each line's concept, quantity, price and amount as the file gives
    // them: price(concept) is a concept's price text; with bMeasures a
    // decomposed line's quantity is the total of its measure.
    void PriceLines(const std::function<std::string_view(int nConcept)>& price, bool bMeasures);
    void RollUp(ERollUp rule);

    const std::vector<Line>& Lines() const { return m_lines; }
    long LineCount() const { return long(m_lines.size()); }

    // A code without its trailing "#" marks.
    static std::string_view Bare(std::string_view code);

private:
    // What the file says about one code, marks aside: its concepts, the
    // decompositions it heads and the measures of it, each in the builder's
    // lists from first to first + count.
    struct CodeInfo {
        int item = -1;               // the first concept "~C" wrote with the code
        bool manyConcepts = false;   // several, written with different marks
        std::string_view parent;     // the code as the first "~D" of it wrote it
        bool manyParents = false;    // "~D" of it written with different marks
        int firstRow = 0, rowCount = 0;
        int firstMeasure = 0, measureCount = 0;
    };
    struct Span {
        const int* first;
        const int* last;
        const int* begin() const { return first; }
        const int* end() const { return last; }
        bool empty() const { return first == last; }
    };

    void IndexStagedRows();
    int Intern(std::string_view code);
    Span Children(int nId, std::string_view parent);
    void Walk(int nParentId, std::string_view parent, int nLevel, int nParentLine);
    int FindConcept(int nId, std::string_view code) const;
    const CBc3StagedRecords::Measure* FindMeasure(int nId, std::string_view code, size_t nLine) const;
    bool AtPosition(std::string_view position, size_t nLine) const;
    std::vector<CRollUp::Sibling> Siblings(size_t nParent, std::vector<size_t>& indexes) const;
    std::string_view Keep(const QString& text);

    const long m_nMaxLines;
    const CBc3StagedRecords& m_staged;
    IProgress* m_pProgress = nullptr;
    std::function<QString(long)> m_statusText;
    bool m_bPump = false;

    // Codes without their marks, and what each one has.
    CBc3CodeIndex m_codes;
    std::vector<CodeInfo> m_infos;
    // Per staged decomposition, the entry of its child's code.
    std::vector<int> m_childIds;
    // Decompositions by parent in file order; measures by child in parent
    // code order.
    std::vector<int> m_rows;
    std::vector<int> m_measures;
    // The decompositions of a code written with marks that others of the
    // same code lack, the few times a file does that.
    std::unordered_map<std::string_view, std::vector<int>> m_exactRows;

    std::vector<Line> m_lines;
    // Prices the roll-up computed.
    std::vector<QByteArray> m_computed;
};
