#pragma once

#include <QCoreApplication>
#include <QString>

class CDatabase;

// The budget's lines written to an Excel workbook with one sheet EXCEL: the
// Excel 97 format (.xls) unless the file name ends in ".xlsx". An existing
// file is replaced only once the new one has been written in full.
class CExcelExport
{
    Q_DECLARE_TR_FUNCTIONS(CExcelExport)

public:
    enum Status { Ok, TooManyRows, WriteFailed };
    struct Result
    {
        Status m_status = Ok;
        QString m_strDetail;
        bool IsOk() const { return m_status == Ok; }
    };

    // The path with ".xls" added when its file name has no extension.
    static QString WithDefaultExtension(const QString& strPath);
    static bool IsXlsx(const QString& strPath);

    // Reads the budget with sets of its own (raises CDBException) and writes
    // the workbook at strPath, its column names in the user's language.
    static Result Export(CDatabase& db, const QString& strBudget, const QString& strPath);
    // The user's message for a failed export.
    static QString Message(const Result& result, const QString& strPath);
};
