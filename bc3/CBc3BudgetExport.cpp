#include "bc3/CBc3BudgetExport.h"

#include "bc3/CBc3CodePage.h"
#include "bc3/CBc3Messages.h"
#include "budget/CVelmoraDoc.h"
#include "store/CArticulosSet.h"
#include "store/CMedidasSet.h"

#include <QFileInfo>
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

} // namespace

CBc3BudgetExport::CBc3BudgetExport(CVelmoraDoc& doc)
    : m_doc(doc)
{
}

CBc3BudgetExport::Status CBc3BudgetExport::Open(const QString& strBudget)
{
    m_lines.clear();
    m_measurements.clear();

    CPresupuestosSet& header = m_doc.m_presupuestosSet;
    header.FilterBudget(strBudget);
    header.Requery();
    if (header.IsEOF())
        return NoSuchBudget;
    CArticulosSet& documentLines = m_doc.m_articulosSet;
    documentLines.FilterBudget(strBudget);
    documentLines.Requery();
    if (documentLines.IsEOF())
        return EmptyBudget;

    // One read of the lines and one of the measurement lines, in line order.
    CArticulosSet lines(&m_doc.Database());
    lines.FilterBudget(strBudget);
    lines.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    m_lines.reserve(size_t(lines.GetRecordCount()));
    for (; !lines.IsEOF(); lines.MoveNext()) {
        m_lines.push_back(Line{lines.m_ARTICULO, lines.m_DESGLOSE, lines.m_NOMBRE, lines.m_DESCRIPCION, lines.m_FACTOR,
                               lines.m_RENDIMIENTO, lines.m_MEDIDA, lines.m_PRECIO, lines.m_IMPORTE, lines.m_IMAGEN,
                               lines.m_NIVEL.toInt()});
    }
    CMedidasSet measurements(&m_doc.Database());
    measurements.FilterBudget(strBudget);
    measurements.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
    for (; !measurements.IsEOF(); measurements.MoveNext()) {
        m_measurements[measurements.m_NUMLIN.toLong()].push_back(
            Measurement{measurements.m_TIPO, measurements.m_NOMBRE, measurements.m_UNIDADES, measurements.m_LARGO,
                        measurements.m_ANCHO, measurements.m_ALTO, measurements.m_CODIGOPADRE,
                        measurements.m_CODIGOHIJO});
    }
    return Ok;
}

QString CBc3BudgetExport::CollectDecomposition(long nNumLin) const
{
    if (nNumLin < 1 || nNumLin > long(m_lines.size()))
        return {};
    const int level = m_lines[size_t(nNumLin - 1)].nivel;
    QString children;
    for (size_t i = size_t(nNumLin); i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.nivel < level + 1)
            break;
        if (line.nivel == level + 1)
            children += Subfield(line.articulo) + u'\\' + Subfield(line.factor) + u'\\' + Subfield(line.rendimiento) + u'\\';
    }
    return children;
}

QByteArray CBc3BudgetExport::Text() const
{
    QByteArray text;
    if (m_lines.empty())
        return text;
    text.reserve(qsizetype(m_lines.size()) * 160);
    const auto write = [&text](const QString& record) {
        text += CBc3CodePage::EncodeAnsi(record);
        text += "\r\n";
    };
    write(QStringLiteral("~V|EDICIONES TRESCA, S.L.|FIEBDC-3/2004|Velmora 1.3||ANSI|"));
    write(QStringLiteral("~K||0\\0\\0\\0\\0|3\\2\\3\\3\\3\\3\\2\\5\\5\\3\\3\\3\\EUR\\|ANSI|"));

    const Line& root = m_lines.front();
    write(QStringLiteral("~C|%1\\||%2|%3\\|\\||||").arg(Subfield(root.articulo), Field(root.nombre), Subfield(root.importe)));

    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.desglose != QStringLiteral("S"))
            continue;
        const QString code = Subfield(line.articulo);
        write(QStringLiteral("~C|%1|%2|%3|%4\\|||").arg(code, Field(line.medida), Field(line.nombre), Subfield(line.precio)));
        if (!line.descripcion.isEmpty())
            write(QStringLiteral("~T|%1|%2|").arg(code, Field(line.descripcion)));
        const QString children = CollectDecomposition(long(i) + 1);
        if (!children.isEmpty())
            write(QStringLiteral("~D|%1|%2|").arg(code, children));
        const auto found = m_measurements.constFind(long(i) + 1);
        if (found != m_measurements.constEnd() && !found.value().empty()) {
            QString list;
            for (const Measurement& m : found.value()) {
                list += Subfield(m.tipo) + u'\\' + Subfield(m.nombre) + u'\\' + Subfield(m.unidades) + u'\\'
                    + Subfield(m.largo) + u'\\' + Subfield(m.ancho) + u'\\' + Subfield(m.alto) + u'\\';
            }
            const Measurement& first = found.value().front();
            write(QStringLiteral("~M|%1\\%2|1|%3|%4||")
                      .arg(Subfield(first.padre), Subfield(first.hijo), Subfield(line.rendimiento), list));
        }
    }

    for (const Line& line : m_lines) {
        if (line.desglose == QStringLiteral("S"))
            continue;
        const QString code = Subfield(line.articulo);
        write(QStringLiteral("~C|%1\\|%2|%3|%4\\|||").arg(code, Field(line.medida), Field(line.nombre), Subfield(line.precio)));
        if (!line.descripcion.isEmpty())
            write(QStringLiteral("~T|%1|%2|").arg(code, Field(line.descripcion)));
        if (!line.imagen.isEmpty())
            write(QStringLiteral("~G|%1|%2|").arg(code, Field(line.imagen)));
    }
    return text;
}

CBc3BudgetExport::Status CBc3BudgetExport::Write(const QString& strPath) const
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return FileError;
    const QByteArray text = Text();
    if (file.write(text) != text.size() || !file.commit())
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

QString CBc3BudgetExport::Message(Status status, const QString& strIdioma)
{
    switch (status) {
    case Ok:
        return {};
    case NoSuchBudget:
        return CBc3Messages::Text(CBc3Messages::NoSuchBudget, strIdioma);
    case EmptyBudget:
        return CBc3Messages::Text(CBc3Messages::EmptyBudget, strIdioma);
    case FileError:
        return CBc3Messages::Text(CBc3Messages::FileError, strIdioma);
    }
    return {};
}

CBc3BudgetExport::Status ExportBudgetBc3(CVelmoraDoc& doc, const QString& strBudget, const QString& strPath)
{
    CBc3BudgetExport exporter(doc);
    const CBc3BudgetExport::Status status = exporter.Open(strBudget);
    if (status != CBc3BudgetExport::Ok)
        return status;
    return exporter.Write(CBc3BudgetExport::FileNameWithExtension(strPath));
}
