#include "bc3/CBc3BudgetExport.h"

#include "bc3/CBc3CodePage.h"
#include "bc3/CBc3Messages.h"
#include "budget/CVelmoraDoc.h"
#include "store/CArticulosSet.h"
#include "store/CMedidasSet.h"
#include "store/CPresupuestosSet.h"

#include <QFileInfo>
#include <QStringList>
#include <QSaveFile>

namespace {

// The format has no escapes: a "~" in a text would start a record and a "|"
// a field, so they are written as the look-alikes Windows-1252 has.
QString Field(const QString& text)
{
    QString result = text;
    result.replace(u'~', QChar(0x02DC));
    result.replace(u'|', QChar(0x00A6));
    return result;
}

// A value that sits in a "\"-separated list (codes, numbers, measurement
// lines) must not hold a "\" of its own either.
QString Subfield(const QString& text)
{
    QString result = Field(text);
    result.replace(u'\\', u'/');
    return result;
}

// Each character once, in the order met; a surrogate pair is one.
QString Distinct(const QString& characters)
{
    QString result;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const qsizetype length = characters[i].isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
        const QStringView character = QStringView(characters).mid(i, length);
        if (!result.contains(character))
            result += character;
        i += length - 1;
    }
    return result;
}

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
    m_levels.clear();
    m_entries.clear();
    m_root.clear();
    m_decomposed.clear();
    m_concepts.clear();
    m_unencodables.clear();

    // Its own sets: the document's stay on the budget the user has open.
    CPresupuestosSet header(&m_doc.Database());
    header.FilterBudget(strBudget);
    header.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    if (header.IsEOF())
        return NoSuchBudget;

    // What the records of the current line could not hold.
    QString missing;
    const auto record = [&missing](const QString& text) { return CBc3CodePage::EncodeAnsi(text, &missing) + "\r\n"; };

    // The lines and the measurement lines are read side by side in line order.
    CMedidasSet measurements(&m_doc.Database());
    measurements.FilterBudget(strBudget);
    measurements.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    CArticulosSet lines(&m_doc.Database());
    lines.FilterBudget(strBudget);
    lines.Open(CRecordset::forwardOnly, {}, CRecordset::readOnly);
    if (lines.IsEOF())
        return EmptyBudget;
    for (long numlin = 1; !lines.IsEOF(); lines.MoveNext(), ++numlin) {
        missing.clear();
        const QString code = Subfield(lines.m_ARTICULO);
        m_levels.push_back(lines.m_NIVEL.toInt());
        m_entries.push_back(code + u'\\' + Subfield(lines.m_FACTOR) + u'\\' + Subfield(lines.m_RENDIMIENTO) + u'\\');
        if (numlin == 1)
            m_root = record(QStringLiteral("~C|%1\\||%2|%3\\|\\||||").arg(code, Field(lines.m_NOMBRE), Subfield(lines.m_IMPORTE)));

        // This line's measurement lines, in LIN order; those of lines that
        // are not there are passed over.
        QString list;
        QString parent;
        QString child;
        while (!measurements.IsEOF() && measurements.m_NUMLIN.toLong() <= numlin) {
            if (measurements.m_NUMLIN.toLong() == numlin) {
                if (list.isEmpty()) {
                    parent = measurements.m_CODIGOPADRE;
                    child = measurements.m_CODIGOHIJO;
                }
                for (const QString* value : {&measurements.m_TIPO, &measurements.m_NOMBRE, &measurements.m_UNIDADES,
                                             &measurements.m_LARGO, &measurements.m_ANCHO, &measurements.m_ALTO})
                    list += Subfield(*value) + u'\\';
            }
            measurements.MoveNext();
        }

        if (lines.m_DESGLOSE == QStringLiteral("S")) {
            Decomposed line{numlin, code, {}, {}};
            line.records = record(QStringLiteral("~C|%1|%2|%3|%4\\|||")
                                      .arg(code, Field(lines.m_MEDIDA), Field(lines.m_NOMBRE), Subfield(lines.m_PRECIO)));
            if (!lines.m_DESCRIPCION.isEmpty())
                line.records += record(QStringLiteral("~T|%1|%2|").arg(code, Field(lines.m_DESCRIPCION)));
            if (!list.isEmpty()) {
                line.measurement = record(QStringLiteral("~M|%1\\%2|1|%3|%4||")
                                              .arg(Subfield(parent), Subfield(child), Subfield(lines.m_RENDIMIENTO), list));
            }
            m_decomposed.push_back(std::move(line));
        } else {
            m_concepts += record(QStringLiteral("~C|%1\\|%2|%3|%4\\|||")
                                     .arg(code, Field(lines.m_MEDIDA), Field(lines.m_NOMBRE), Subfield(lines.m_PRECIO)));
            if (!lines.m_DESCRIPCION.isEmpty())
                m_concepts += record(QStringLiteral("~T|%1|%2|").arg(code, Field(lines.m_DESCRIPCION)));
            if (!lines.m_IMAGEN.isEmpty())
                m_concepts += record(QStringLiteral("~G|%1|%2|").arg(code, Field(lines.m_IMAGEN)));
        }
        if (!missing.isEmpty())
            m_unencodables.push_back(Unencodable{numlin, lines.m_ARTICULO, Distinct(missing)});
    }
    return Ok;
}

QString CBc3BudgetExport::CollectDecomposition(long nNumLin) const
{
    if (nNumLin < 1 || nNumLin > long(m_levels.size()))
        return {};
    const int level = m_levels[size_t(nNumLin - 1)];
    QString children;
    for (size_t i = size_t(nNumLin); i < m_levels.size(); ++i) {
        if (m_levels[i] < level + 1)
            break;
        if (m_levels[i] == level + 1)
            children += m_entries[i];
    }
    return children;
}

template <class Sink>
void CBc3BudgetExport::Emit(Sink&& sink) const
{
    if (m_levels.empty())
        return;
    sink(QByteArrayLiteral("~V|EDICIONES TRESCA, S.L.|FIEBDC-3/2004|Velmora 1.3||ANSI|\r\n"
                           "~K||0\\0\\0\\0\\0|3\\2\\3\\3\\3\\3\\2\\5\\5\\3\\3\\3\\EUR\\|ANSI|\r\n"));
    sink(m_root);
    for (const Decomposed& line : m_decomposed) {
        sink(line.records);
        const QString children = CollectDecomposition(line.numlin);
        if (!children.isEmpty())
            sink(CBc3CodePage::EncodeAnsi(QStringLiteral("~D|%1|%2|").arg(line.code, children)) + "\r\n");
        sink(line.measurement);
    }
    sink(m_concepts);
}

QByteArray CBc3BudgetExport::Text() const
{
    QByteArray text;
    Emit([&text](const QByteArray& bytes) { text += bytes; });
    return text;
}

CBc3BudgetExport::Status CBc3BudgetExport::Write(const QString& strPath) const
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return FileError;
    bool written = true;
    Emit([&](const QByteArray& bytes) { written = written && file.write(bytes) == bytes.size(); });
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
