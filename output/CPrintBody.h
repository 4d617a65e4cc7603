#pragma once

#include "output/CPrintColumns.h"
#include "output/CPrintData.h"
#include "output/CPrintJob.h"

// The body of a printout laid out on pages: a row for each line (code, unit,
// description, price, quantity and amount) and, when asked, rows for its
// measurement lines. A description that reaches a page's end goes on at the
// top of the next page, alone; every page keeps where its body ends, which is
// where the footer starts on the last one.
class CPrintBody
{
public:
    static constexpr int kFirstBodyTop = 650;
    static constexpr int kBodyTop = 200;

    CPrintBody(CPrintJob& job, const CPrintData& data);

    // Replaces the job's pages with the rows of the data's lines; there is
    // always a first page, even without lines.
    void LayOut(bool bMeasurements);
    // Appends a page whose body starts at nBodyTop.
    void NewPage(int nBodyTop);

private:
    struct RowCells;

    bool IsFreshPage() const;
    void AddLine(const CPrintData::Line& line);
    void AddMeasures(const CPrintData::Line& line);
    void AddMeasureRow(const QString& strText, bool bHeading = false);
    void AddRow(const RowCells* pCells, const QString& strDescription, const TextBlock& description);
    RowCells LineCells(const CPrintData::Line& line, int y) const;
    TextBlock DescriptionBlock(const CPrintData::Line& line, int y) const;
    QString DescriptionOf(const CPrintData::Line& line) const;
    static QString MeasureText(const CPrintData::Measure& measure);

    CPrintJob& m_job;
    const CPrintData& m_data;
    const CPrintOptions& m_options;
    const CPrintColumns m_columns;
    int m_y = 0;
};
