#include "output/CExcelExportCommand.h"

#include "output/CExcelExport.h"
#include "ui/CMessageBox.h"
#include "ui/CStoreErrors.h"
#include "ui/CWaitCursor.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace {

CExcelExportCommand::PathChooser& Chooser()
{
    static CExcelExportCommand::PathChooser chooser;
    return chooser;
}

CExcelExportCommand::Opener& FileOpener()
{
    static CExcelExportCommand::Opener opener;
    return opener;
}

} // namespace

void CExcelExportCommand::SetPathChooser(PathChooser chooser)
{
    Chooser() = std::move(chooser);
}

void CExcelExportCommand::SetOpener(Opener opener)
{
    FileOpener() = std::move(opener);
}

QString CExcelExportCommand::ChoosePath(QWidget* parent)
{
    // A name typed without extension gets ".xls" before the dialog asks
    // about overwriting, so that the question is about the real file.
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString xlsx = tr("Libro de Excel (*.xlsx)");
    dialog.setNameFilters({tr("Ficheros Excel (*.xls)"), xlsx, tr("Todos los ficheros (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("xls"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, xlsx](const QString& filter) {
        dialog.setDefaultSuffix(filter == xlsx ? QStringLiteral("xlsx") : QStringLiteral("xls"));
    });
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void CExcelExportCommand::Open(const QString& strPath)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(strPath));
}

void CExcelExportCommand::Run(QWidget* parent, CDatabase& db, const QString& strBudget)
{
    QString path = Chooser() ? Chooser()(parent) : ChoosePath(parent);
    if (path.isEmpty())
        return;
    path = CExcelExport::WithDefaultExtension(path);
    CExcelExport::Result result;
    const bool read = CStoreErrors::Catch(parent, [&] {
        CWaitCursor wait;
        result = CExcelExport::Export(db, strBudget, path);
    });
    if (!read)
        return;
    if (!result.IsOk()) {
        CMessageBox::Show(parent, CExcelExport::Message(result, path), QMessageBox::Ok, QMessageBox::Critical);
        return;
    }
    if (FileOpener())
        FileOpener()(path);
    else
        Open(path);
}
