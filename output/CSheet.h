#pragma once

#include <QString>
#include <vector>

// One cell of a worksheet: empty, a text or a number, with the way it shows.
struct CSheetCell
{
    enum Kind : unsigned char { Empty, Text, Number };
    enum Style : unsigned char { General, Header, Decimals2, Decimals5 };

    Kind m_kind = Empty;
    Style m_style = General;
    QString m_strText;
    double m_dValue = 0.0;

    // An empty text is an empty cell; a longer text than a cell holds is cut.
    static CSheetCell MakeText(const QString& strText, Style style = General);
    static CSheetCell MakeNumber(double dValue, Style style);
    // A number kept as store text: a number when the whole text is one, empty
    // when the text is empty, and the text itself otherwise, so that nothing
    // is lost.
    static CSheetCell FromStoreNumber(const QString& strText, Style style);
};

// A worksheet as the workbook writers take it: a name, the rows from the
// first, and the columns' widths in characters.
struct CSheet
{
    // Excel keeps at most this many characters in a cell.
    static constexpr int kMaxTextLength = 32767;

    QString m_strName;
    std::vector<std::vector<CSheetCell>> m_rows;
    std::vector<int> m_columnWidths;

    int ColumnCount() const;
};
