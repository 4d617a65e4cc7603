#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class CVelmoraDoc;

// Writes a budget as a FIEBDC-3 file that this program and other estimating
// programs read back: the header records, then every line with breakdown
// ("~C", "~T", "~D" with its direct children, "~M" with its measurement
// lines), then every concept line ("~C", "~T", "~G"). The text is
// Windows-1252, as its "~V" declares ("ANSI"), one record per line.
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
    struct Unencodable {
        long numlin;
        QString code;
        QString characters; // each once, in the order met
    };

    explicit CBc3BudgetExport(CVelmoraDoc& doc);

    // Reads the budget's lines and measurement lines once, in line order,
    // through sets of its own, keeping them as the records they become.
    // Changes nothing.
    Status Open(const QString& strBudget);
    // The file's text for the budget opened.
    QByteArray Text() const;
    // Writes the text to the file, replacing it whole; an existing file is
    // left as it was when writing fails.
    Status Write(const QString& strPath) const;

    // The lines holding characters the file cannot hold, in line order.
    const std::vector<Unencodable>& Unencodables() const { return m_unencodables; }
    // The warning that lists them, at most nMaxItems lines of the budget:
    // one per line of text, or all on one line (bOneLine).
    static QString UnencodableWarning(const std::vector<Unencodable>& unencodables, bool bOneLine,
                                      int nMaxItems = 20);

    // The "~D" list of a line: "code\factor\yield\" for each direct child,
    // in line order; empty when the line has none.
    QString CollectDecomposition(long nNumLin) const;

    // A name typed without extension gets ".bc3".
    static QString FileNameWithExtension(const QString& strPath);
    // The message for a status, in the user's language.
    static QString Message(Status status);

private:
    // A line with breakdown: its "~C" and "~T" records and its "~M", which
    // go out with its "~D" once every line has been read.
    struct Decomposed {
        long numlin;
        QString code;
        QByteArray records;
        QByteArray measurement;
    };

    template <class Sink>
    void Emit(Sink&& sink) const;

    CVelmoraDoc& m_doc;
    // Per line, by NUMLIN - 1: its level, and its entry in its parent's "~D".
    std::vector<int> m_levels;
    std::vector<QString> m_entries;
    QByteArray m_root;
    std::vector<Decomposed> m_decomposed;
    // The records of the concept lines, in line order.
    QByteArray m_concepts;
    std::vector<Unencodable> m_unencodables;
};

// Export in one go, for the command line: Open, then Write to the name with
// its extension; pUnencodables, when given, receives what Unencodables lists.
CBc3BudgetExport::Status ExportBudgetBc3(CVelmoraDoc& doc, const QString& strBudget, const QString& strPath,
                                         std::vector<CBc3BudgetExport::Unencodable>* pUnencodables = nullptr);
