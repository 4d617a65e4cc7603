#pragma once

#include <QCoreApplication>
#include <QStringList>

class CCommandContext;

// print: the budget or invoice printout as a PDF file, laid out as the
// program prints it. It lays out text, so velmora-cli runs it in a
// QGuiApplication.
class CPrintCommand
{
    Q_DECLARE_TR_FUNCTIONS(CPrintCommand)

public:
    static constexpr const char* kUsage = "print CODE --pdf FILE [--invoice] [--level N] [--no-codes] [--no-amounts] "
                                          "[--measurements] [--short-descriptions] [--number TEXT] [--date DD/MM/YYYY]";

    static int Print(CCommandContext& context, const QStringList& arguments);
};
