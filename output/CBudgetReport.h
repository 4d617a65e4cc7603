#pragma once

#include "output/CRtfWriter.h"

#include <QCoreApplication>
#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <vector>

class CArticulosSet;
class CDatabase;
class CPresupuestosSet;
class QTextDocument;
struct CReportMeasure;

// The budget written as a plain, column-aligned report in a monospaced font
// at the end of a text document: title, company and client, the column
// heading, every line after the root with its measurements, and the totals.
// Columns are counted in characters; every text line is a paragraph.
class CBudgetReport
{
    Q_DECLARE_TR_FUNCTIONS(CBudgetReport)

public:
    // n spaces.
    static QString Spaces(int n);
    // Left-aligned field: the text followed by spaces, cut to n characters.
    static QString PadRight(const QString& strText, int n);
    // Right-aligned field: spaces followed by the text, its last n characters.
    static QString PadLeft(const QString& strText, int n);

    // Courier New, 10 points, with a monospaced stand-in where it is missing.
    static QFont ReportFont();
    // An A4 page whose lines hold the report's widest rows (93 characters)
    // in that font.
    static CRtfWriter::Page ReportPage();

    // The report's document defaults: its font, and 32 tab stops of 640
    // twips, which are also the steps of indents.
    static constexpr int kTabStopTwips = 640;
    static void PrepareDocument(QTextDocument& document);

    // The labels are in the language of the installed translation.
    explicit CBudgetReport(QTextDocument& document);

    // Reads the budget, its lines and measurements, the company data and the
    // header with sets of its own; raises CDBException.
    void WriteReport(CDatabase& db, const QString& strBudget);

private:
    // Inserts the text at the end with the current character and paragraph
    // formats; each "\r\n" ends a paragraph.
    void AppendText(const QString& strText);
    void Flush();
    void SetCharFormat(const QTextCharFormat& format);
    void SetCentered(bool bCentered);
    void SetBold(bool bOn);
    void SetItalic(bool bOn);
    void SetUnderline(bool bOn);
    void SetSizeTwips(int nTwips);

    void WriteTitle();
    void WriteAddresses(CDatabase& db, const CPresupuestosSet& client);
    void WriteHeading();
    void WriteLine(const CArticulosSet& line);
    void WriteMeasurements(const std::vector<CReportMeasure>& measures);
    void WriteTotals(const QString& strNetTotal, const CPresupuestosSet& header);
    void WriteTotal(const QString& strLabel, const QString& strValue);

    QTextCursor m_cursor;
    QTextCharFormat m_char;
    QTextBlockFormat m_block;
    QString m_strPending;
};
