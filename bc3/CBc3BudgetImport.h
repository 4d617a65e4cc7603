#pragma once

#include "bc3/CBc3Messages.h"

#include <QByteArray>
#include <QString>

class CDatabase;
class IProgress;

// How a budget import ended, for the window that started it.
struct CBc3ImportOutcome {
    enum Status {
        Ok,
        FileError,     // the file cannot be read
        BadCode,       // the code taken from the file name cannot be a budget's
        UnknownFormat, // no record in it
        Exists,        // the budget code is taken and replacing was not asked for
        TooManyLines,  // the decompositions unfold into more lines than a budget may hold
        StagingError,  // writing to the staging table failed
        DatabaseError, // the store failed while the budget was written
    };

    Status m_status = Ok;
    QString m_strBudget;     // the budget code, taken from the file name
    long m_nLines = 0;       // budget lines created, the root line included
    long m_nMeasurements = 0; // measurement lines created
    QString m_strError;      // the store's own text for StagingError and DatabaseError, the reason for BadCode

    bool IsOk() const { return m_status == Ok; }
    // The message to show for a failure, in the user's language.
    QString Message() const;
};

// Turns a FIEBDC-3 file into a budget: its header with its totals, its line
// tree and its measurement lines, in one transaction. Decompositions keep
// the file's order at every depth; a decomposed line whose price the file
// leaves empty or 0, and every percentage line, get what the roll-up of
// their siblings and children gives. Nothing changes unless it succeeds:
// a budget being replaced is deleted only once the new file has been read
// and found to hold records. The budget manager asks "Ya existe, desea
// reemplazarlo ? " when the outcome is Exists and calls again with bReplace.
//
// Progress: the bar over the staging of the records ("Importando desglose
// %d%%"), the status text while the tree is laid out ("Creando presupuesto
// ... %d" every few thousand lines and at the end, the bar hidden), and the
// bar again while the lines get their concepts and measurements
// ("Actualizando conceptos y medidas %d%%").
CBc3ImportOutcome ImportBudgetBc3(CDatabase& database, const QString& strPath, bool bReplace,
                                  IProgress* pProgress = nullptr);
// The same from a file's text, under the budget code given, with at most
// nMaxLines lines.
CBc3ImportOutcome ImportBudgetBc3Text(CDatabase& database, const QByteArray& text, const QString& strBudget,
                                      bool bReplace, IProgress* pProgress = nullptr, long nMaxLines = -1);

// The budget code of a file: its name without folder and extension, cut to
// 20 at the end of a whole character (CBudgetCode).
QString Bc3BudgetCodeFromFileName(const QString& strPath);

// True when the store holds a header or lines under the budget code.
bool Bc3BudgetExists(CDatabase& database, const QString& strBudget);

// The most lines one import creates: a file whose decompositions refer to
// each other can unfold into more lines than any budget holds.
constexpr long kBc3MaxBudgetLines = 2000000;
