#include "bc3/CBc3BudgetExport.h"

#include "bc3/CBc3Messages.h"
#include "budget/CVelmoraDoc.h"
#include "store/CParametrosSet.h"
#include "store/CPresupuestosSet.h"

#include <QFileInfo>
#include <QStringList>
#include <QSaveFile>

namespace {

// "φ (U+03C6)": the character, and its number for those a terminal or a
// message box cannot show.
QString Described(const QString& characters)
{
    QStringList items;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        char32_t code = characters[i].unicode();
        qsizetype length = 1;
        if (characters[i].isHighSurrogate() && i + 1 < characters.size()) {
            code = QChar::surrogateToUcs4(characters[i], characters[i + 1]);
            length = 2;
        }
        items << QStringLiteral("%1 (U+%2)").arg(characters.mid(i, length),
                                               QString::number(uint(code), 16).toUpper().rightJustified(4, u'0'));
        i += length - 1;
    }
    return items.join(QStringLiteral(", "));
}

} // namespace

QString CBc3BudgetExport::UnencodableWarning(const std::vector<Unencodable>& unencodables, bool bOneLine, int nMaxItems)
{
    QStringList items;
    for (const Unencodable& line : unencodables) {
        if (items.size() == nMaxItems) {
            items << QStringLiteral("…");
            break;
        }
        items << CBc3Messages::Text(CBc3Messages::UnencodableLine)
                     .arg(QString::number(line.numlin), line.code, Described(line.characters));
    }
    return CBc3Messages::Text(CBc3Messages::Unencodable) + (bOneLine ? QStringLiteral(" ") : QStringLiteral("\n\n"))
        + items.join(bOneLine ? QStringLiteral("; ") : QStringLiteral("\n"));
}

CBc3BudgetExport::CBc3BudgetExport(CVelmoraDoc& doc)
    : m_doc(doc)
{
}

CBc3BudgetExport::Status CBc3BudgetExport::Open(const QString& strBudget)
{
    // Sets of its own: the document's stay on the budget the user has open.
    CPresupuestosSet header(&m_doc.Database());
    header.FilterBudget(strBudget);
    header.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    if (header.IsEOF()) {
        m_records = CBc3BudgetRecords();
        return NoSuchBudget;
    }
    CParametrosSet company(&m_doc.Database());
    company.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    const CBc3BudgetRecords::Header records{header.m_NOMBRE, company.IsEOF() ? QString() : company.m_NOMBRE,
                                            header.m_GGEN, header.m_BIND, header.m_IVA};
    return m_records.Read(m_doc.Database(), strBudget, records) ? Ok : EmptyBudget;
}

QByteArray CBc3BudgetExport::Text() const
{
    QByteArray text;
    m_records.Emit([&text](QByteArrayView bytes) { text.append(bytes); });
    return text;
}

CBc3BudgetExport::Status CBc3BudgetExport::Write(const QString& strPath) const
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return FileError;
    bool written = true;
    m_records.Emit([&](QByteArrayView bytes) { written = written && file.write(bytes.data(), bytes.size()) == bytes.size(); });
    if (!written || !file.commit())
        return FileError;
    return Ok;
}

QString CBc3BudgetExport::FileNameWithExtension(const QString& strPath)
{
    const QString name = QFileInfo(strPath).fileName();
    if (name.endsWith(u'.'))
        return strPath + QStringLiteral("bc3");
    if (!name.contains(u'.'))
        return strPath + QStringLiteral(".bc3");
    return strPath;
}

QString CBc3BudgetExport::Message(Status status)
{
    switch (status) {
    case Ok:
        return {};
    case NoSuchBudget:
        return CBc3Messages::Text(CBc3Messages::NoSuchBudget);
    case EmptyBudget:
        return CBc3Messages::Text(CBc3Messages::EmptyBudget);
    case FileError:
        return CBc3Messages::Text(CBc3Messages::FileError);
    }
    return {};
}

CBc3BudgetExport::Status ExportBudgetBc3(CVelmoraDoc& doc, const QString& strBudget, const QString& strPath,
                                         std::vector<CBc3BudgetExport::Unencodable>* pUnencodables)
{
    CBc3BudgetExport exporter(doc);
    const CBc3BudgetExport::Status status = exporter.Open(strBudget);
    if (status != CBc3BudgetExport::Ok)
        return status;
    if (pUnencodables)
        *pUnencodables = exporter.Unencodables();
    return exporter.Write(CBc3BudgetExport::FileNameWithExtension(strPath));
}
