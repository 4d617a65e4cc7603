#include "output/CExcelExport.h"

#include "output/CBudgetSheet.h"
#include "output/CXlsWriter.h"
#include "output/CXlsxWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

CExcelExport::Result Failure(CExcelExport::Status status, const QString& strDetail = {})
{
    return {status, strDetail};
}

CExcelExport::Result SaveBytes(const QString& strPath, const QByteArray& bytes)
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(CExcelExport::WriteFailed, file.errorString());
    file.write(bytes);
    if (!file.commit())
        return Failure(CExcelExport::WriteFailed, file.errorString());
    return {};
}

// libxlsxwriter writes to a path of its own choosing: a scratch file that
// then replaces the target in one step.
CExcelExport::Result SaveXlsx(const CSheet& sheet, const QString& strPath)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return Failure(CExcelExport::WriteFailed, scratch.errorString());
    const QString temporary = scratch.filePath(QStringLiteral("libro.xlsx"));
    QString error;
    if (!CXlsxWriter::Write(sheet, temporary, error))
        return Failure(CExcelExport::WriteFailed, error);
    QFile written(temporary);
    if (!written.open(QIODevice::ReadOnly))
        return Failure(CExcelExport::WriteFailed, written.errorString());
    return SaveBytes(strPath, written.readAll());
}

} // namespace

QString CExcelExport::WithDefaultExtension(const QString& strPath)
{
    return QFileInfo(strPath).suffix().isEmpty() ? strPath + QStringLiteral(".xls") : strPath;
}

bool CExcelExport::IsXlsx(const QString& strPath)
{
    return strPath.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
}

CExcelExport::Result CExcelExport::Export(CDatabase& db, const QString& strBudget, const QString& strPath)
{
    const CSheet sheet = CBudgetSheet::Build(db, strBudget);
    const bool xlsx = IsXlsx(strPath);
    const size_t maxRows = xlsx ? CXlsxWriter::kMaxRows : CXlsWriter::kMaxRows;
    if (sheet.m_rows.size() > maxRows)
        return Failure(TooManyRows, QString::number(sheet.m_rows.size() - 1));
    return xlsx ? SaveXlsx(sheet, strPath) : SaveBytes(strPath, CXlsWriter::File(sheet));
}

QString CExcelExport::Message(const Result& result, const QString& strPath)
{
    switch (result.m_status) {
    case Ok:
        return {};
    case TooManyRows:
        return tr("El presupuesto tiene %1 líneas y un libro .xls admite 65.535; expórtelo como .xlsx.")
            .arg(result.m_strDetail);
    case WriteFailed:
        break;
    }
    return tr("No se ha podido escribir %1: %2").arg(QDir::toNativeSeparators(strPath), result.m_strDetail);
}
