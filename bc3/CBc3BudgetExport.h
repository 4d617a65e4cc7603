#pragma once

#include "bc3/CBc3BudgetRecords.h"

#include <QByteArray>
#include <QString>
#include <vector>

class CVelmoraDoc;

// Writes a budget as a FIEBDC-3 file that this program and other estimating
// programs read back alike (CBc3BudgetRecords says what it holds). The text
// is Windows-1252, as its "~V" declares ("ANSI"), one record per line.
//
// The budget manager runs Open when "Exportar" is pressed, shows the
// outcome's message or its save dialog, and then runs Write with the chosen
// name passed through FileNameWithExtension.
class CBc3BudgetExport
{
public:
    enum Status {
        Ok,
        NoSuchBudget, // "No existe este presupuesto"
        EmptyBudget,  // "Presupuesto vacio"
        FileError,    // "Error fichero .bc3"
    };

    // Characters of a line that Windows-1252 cannot hold, written as "?".
    using Unencodable = CBc3BudgetRecords::Unencodable;

    explicit CBc3BudgetExport(CVelmoraDoc& doc);

    // Reads the budget's header, lines and measurement lines once, in line
    // order, through sets of its own, keeping them as the records they
    // become. Changes nothing.
    Status Open(const QString& strBudget);
    // The file's text for the budget opened.
    QByteArray Text() const;
    // Writes the text to the file, replacing it whole; an existing file is
    // left as it was when writing fails.
    Status Write(const QString& strPath) const;

    // The lines holding characters the file cannot hold, in line order.
    const std::vector<Unencodable>& Unencodables() const { return m_records.Unencodables(); }
    // The warning that lists them, at most nMaxItems lines of the budget:
    // one per line of text, or all on one line (bOneLine).
    static QString UnencodableWarning(const std::vector<Unencodable>& unencodables, bool bOneLine,
                                      int nMaxItems = 20);

    // A name typed without extension gets ".bc3".
    static QString FileNameWithExtension(const QString& strPath);
    // The message for a status, in the user's language.
    static QString Message(Status status);

private:
    CVelmoraDoc& m_doc;
    CBc3BudgetRecords m_records;
};

// Export in one go, for the command line: Open, then Write to the name with
// its extension; pUnencodables, when given, receives what Unencodables lists.
CBc3BudgetExport::Status ExportBudgetBc3(CVelmoraDoc& doc, const QString& strBudget, const QString& strPath,
                                         std::vector<CBc3BudgetExport::Unencodable>* pUnencodables = nullptr);
