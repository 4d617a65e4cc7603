#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>
#include <vector>

class CLineSet;
class CStoreSession;
class CVelmoraDoc;

// velmora-cli: the headless jobs, run on the same library as the program.
//   velmora-cli [--database PATH] COMMAND [ARGUMENTS]
// Without --database the per-user database is used. Messages follow the
// user's language setting.
class CCommandLineTool
{
    Q_DECLARE_TR_FUNCTIONS(CCommandLineTool)

public:
    CCommandLineTool(QTextStream& out, QTextStream& err);
    ~CCommandLineTool();

    // Arguments without the program name; returns the exit status.
    int Run(const QStringList& arguments);

    struct Command {
        const char* name;
        const char* usage;
        int (CCommandLineTool::*handler)(const QStringList& arguments);
    };
    static const std::vector<Command>& Commands();
    // Adds "print": its PDF needs QtGui, so it lives above the core and a
    // program that offers it adds it before Run.
    static void AddPrintCommand();

    // Commands of the libraries above the core, added by the program's main
    // before Run.
    using Handler = int (*)(CCommandLineTool& tool, const QStringList& arguments);
    static void AddCommand(const char* szName, const char* szUsage, Handler handler);

    // A value for tab-separated output: backslashes, tabs and line breaks
    // written as \\, \t, \n and \r.
    static QString Escaped(const QString& strText);
    // The lines of an open set as show-budget writes them, one a row.
    static void WriteLines(CLineSet& lines, QTextStream& out);

private:
    friend class CExportCommands;
    struct ExtraCommand {
        const char* name;
        const char* usage;
        Handler handler;
    };
    static std::vector<ExtraCommand>& ExtraCommands();

    static std::vector<Command>& CommandTable();
    int Usage(int nStatus);
    QString Text(const char* szSpanish, const char* szCatalan) const;
    // Opens the store, reporting a failure; false when it could not be opened.
    bool OpenStore();
    CVelmoraDoc& Doc() { return *m_pDoc; }

    int Init(const QStringList& arguments);
    int ListBudgets(const QStringList& arguments);
    int NewBudget(const QStringList& arguments);
    int CopyBudget(const QStringList& arguments);
    int DeleteBudget(const QStringList& arguments);
    int ShowBudget(const QStringList& arguments);

    // Reports a code that cannot be a budget's; false when it cannot.
    bool AcceptCode(const QString& strCode);
    // Reports a budget that is not in the store; false when it is missing.
    bool RequireBudget(const QString& strCode);
    int Formula(const QStringList& arguments);
    int ImportBudget(const QStringList& arguments);
    int ExportBudget(const QStringList& arguments);
    int Print(const QStringList& arguments);
    int CheckBudget(const QStringList& arguments); // CCliCheckBudget.cpp

    QTextStream& m_out;
    QTextStream& m_err;
    QString m_strIdioma;
    QString m_strDatabase;
    std::unique_ptr<CVelmoraDoc> m_pDoc;
    std::unique_ptr<CStoreSession> m_pSession;
};
