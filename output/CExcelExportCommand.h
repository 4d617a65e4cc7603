#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class CDatabase;
class QWidget;

// "Exportar a Excel": asks for the file, writes the open budget's workbook
// there and opens it with the desktop's program for it. A failure is told to
// the user and leaves any file that was there as it was.
class CExcelExportCommand
{
    Q_DECLARE_TR_FUNCTIONS(CExcelExportCommand)

public:
    using PathChooser = std::function<QString(QWidget* parent)>;
    using Opener = std::function<void(const QString& strPath)>;

    static void Run(QWidget* parent, CDatabase& db, const QString& strBudget);

    // The save dialog and the opening of the written file; tests put their
    // own in place (an empty function restores the program's).
    static void SetPathChooser(PathChooser chooser);
    static void SetOpener(Opener opener);

private:
    static QString ChoosePath(QWidget* parent);
    static void Open(const QString& strPath);
};
