#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <vector>

class CDatabase;
class CMedidasSet;
struct CLineRecord;
struct CMeasureRecord;

// The records of one budget as an exported FIEBDC-3 file holds them, in
// Windows-1252: the header ("~V", "~K"), every line with breakdown in line
// order ("~C", "~T", "~D" with its direct children, "~M" with its measurement
// lines), then every concept line ("~C", "~T", "~G"). They are built in one
// read of the budget's lines and measurement lines, and kept as bytes.
class CBc3BudgetRecords
{
public:
    // What the budget's header gives: its name, for a root line that has
    // none, and what "~V" and "~K" say besides the numbers' decimals: the
    // company that owns the file and the budget's rates, in store text (an
    // empty rate is one the budget does not give).
    struct Header {
        QString name;
        QString company;
        QString overheads;
        QString profit;
        QString vat;
    };

    // Characters of a line that Windows-1252 cannot hold, written as "?".
    struct Unencodable {
        long numlin;
        QString code;
        QString characters; // each once, in the order met
    };

    // Reads the lines and measurement lines of a budget through sets of its
    // own; false when the budget has no lines.
    bool Read(CDatabase& database, const QString& strBudget, const Header& header);
    // The file's bytes, in pieces of about a megabyte.
    void Emit(const std::function<void(QByteArrayView)>& sink) const;

    // The lines holding characters the file cannot hold, in line order.
    const std::vector<Unencodable>& Unencodables() const { return m_unencodables; }

    // The program "~V" names: "Velmora" and its version.
    static QString Program();

private:
    // Where a line stands in the tree and what its parent's "~D" says of it.
    struct Line {
        qsizetype entry = 0; // its "code\factor\yield\" in m_entries
        int codeLength = 0;
        int firstChild = -1;
        int nextSibling = -1;
    };
    // A line on the path from the root to the line being read.
    struct Ancestor {
        int line;
        long level;
        int position;   // among its siblings, from 1
        int children;
        int lastChild;
        bool chapter;   // the root or a chapter
    };
    // A line with breakdown: its "~C" and "~T" records and its "~M", in
    // m_decomposed, which go out around its "~D".
    struct Decomposed {
        int line;
        qsizetype begin;
        qsizetype measurement;
        qsizetype end;
    };
    // The most decimals met in each kind of number written, from the
    // format's defaults on.
    struct Decimals {
        int chapterYield = 3; // yields and factors under chapters and the root
        int chapterPrice = 2;
        int itemFactor = 3;   // factors and yields in the breakdown of items
        int itemYield = 3;
        int itemPrice = 2;
        int simplePrice = 2;
        int units = 2;        // measurement lines
        int sizes = 2;
        int total = 2;
    };

    void Clear();
    void AddLine(const CLineRecord& line, CMedidasSet& measures);
    void AddEntry(const CLineRecord& line);
    void AddConcept(const CLineRecord& line);
    void AddMeasurement(const CLineRecord& line, CMedidasSet& measures);
    void AddMeasurementRow(const CMeasureRecord& row);
    void AddConceptRecord(QByteArray& out, const CLineRecord& line);
    QByteArray HeaderRecords() const;
    QByteArrayView Code(int nLine) const;
    QByteArrayView Entry(int nLine) const;

    Header m_budget;
    QByteArray m_header;
    std::vector<Line> m_lines;
    QByteArray m_entries;
    std::vector<Ancestor> m_path;
    std::vector<Decomposed> m_decomposedLines;
    QByteArray m_decomposed;
    QByteArray m_concepts;
    Decimals m_decimals;
    // The level of a line left out: the lines below it go with it.
    long m_nSkipBelow = -1;
    // What the records of the line being read could not hold.
    QString m_strMissing;
    std::vector<Unencodable> m_unencodables;
};
