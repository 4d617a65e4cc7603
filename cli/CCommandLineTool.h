#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

class CCommandContext;

// velmora-cli: the headless jobs, run on the same library as the program.
//   velmora-cli [--database PATH] COMMAND [ARGUMENTS]
// Without --database the per-user database is used. Messages follow the
// user's language setting.
//
// Each command is a function of a command group (CBudgetCommands,
// CBc3Commands, CEditCommands, ...) listed in the table of Commands(): a new
// command is a function in its group's files and one line of the table.
class CCommandLineTool
{
    Q_DECLARE_TR_FUNCTIONS(CCommandLineTool)

public:
    CCommandLineTool(QTextStream& out, QTextStream& err);

    // Arguments without the program name; returns the exit status: 0 done,
    // 1 failed, 2 a command line that is not understood.
    int Run(const QStringList& arguments);

    struct Command {
        const char* name;
        const char* usage;
        int (*run)(CCommandContext& context, const QStringList& arguments);
        // Lays out text with fonts (the printout, the report), which needs a
        // QGuiApplication; the other commands run in a QCoreApplication.
        bool laysOutText = false;
    };
    static const std::vector<Command>& Commands();
    // Whether the command the arguments name lays out text; the program
    // asks before it creates its application.
    static bool LaysOutText(const QStringList& arguments);

    // Writes the usage with every command; returns nStatus.
    static int Usage(QTextStream& stream, int nStatus);

private:
    static const Command* Find(const QString& strName);
    int RunCommand(const Command& command, const QStringList& arguments, const QString& strDatabase);

    QTextStream& m_out;
    QTextStream& m_err;
};
