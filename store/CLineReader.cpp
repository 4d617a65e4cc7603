#include "store/CLineReader.h"

#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CLineTable.h"

#include <QLocale>
#include <QSqlDriver>
#include <sqlite3.h>

namespace {

// The columns read, in this order.
enum Column { Numlin, Nivel, Articulo, Desglose, Medida, Nombre, Precio, Factor, Rendimiento, Fecha, Tipo1, Tipo2,
              Importe, Imagen, Codigo };

const char* const kColumns = "NUMLIN, NIVEL, ARTICULO, DESGLOSE, MEDIDA, NOMBRE, PRECIO, FACTOR, RENDIMIENTO, "
                             "FECHA, TIPO1, TIPO2, IMPORTE, IMAGEN, CODIGO";

// Past this line the whole tree is being read down to a level: the level's
// index finds those lines without visiting the others.
constexpr long kWholeTreeFrom = 1;

// A column as a record set reads it: NULL is empty text, and a number kept
// as a floating-point value is written as its shortest text.
QString Text(sqlite3_stmt* pStatement, int nColumn)
{
    switch (sqlite3_column_type(pStatement, nColumn)) {
    case SQLITE_NULL:
        return QString();
    case SQLITE_FLOAT:
        return QString::number(sqlite3_column_double(pStatement, nColumn), 'f', QLocale::FloatingPointShortest);
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(pStatement, nColumn));
        return QString::fromUtf8(text, sqlite3_column_bytes(pStatement, nColumn));
    }
    }
}

int Bind(sqlite3_stmt* pStatement, int nIndex, const QVariant& value)
{
    if (value.typeId() == QMetaType::QString) {
        const QByteArray utf8 = value.toString().toUtf8();
        return sqlite3_bind_text(pStatement, nIndex, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    return sqlite3_bind_int64(pStatement, nIndex, value.toLongLong());
}

} // namespace

CLineReader::CLineReader(CDatabase& database, const CLineTable& table, long nFirst, long nMaxLevel)
    : m_strTariff(table.IsTariff() ? table.TariffName() : QString())
{
    const QVariant handle = database.Connection().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw CDBException(QStringLiteral("the store's connection cannot be read directly"));
    m_pHandle = *static_cast<sqlite3* const*>(handle.constData());
    if (!m_pHandle)
        throw CDBException(QStringLiteral("the database is not open"));

    // Reading a whole tree down to a level, "+NUMLIN" keeps the engine off
    // the line-number index, so that it takes the level's and sorts the few
    // lines found; from a line on, the line-number index reads the branch.
    const bool wholeTree = nMaxLevel >= 0 && nFirst <= kWholeTreeFrom;
    QString sql = QStringLiteral("SELECT ") + QLatin1String(kColumns) + QStringLiteral(" FROM ") + table.Table()
        + QStringLiteral(" WHERE ") + table.KeyFilter()
        + (wholeTree ? QStringLiteral(" AND +NUMLIN >= ?") : QStringLiteral(" AND NUMLIN >= ?"));
    QVariantList params = table.KeyValues() << qlonglong(nFirst);
    if (nMaxLevel >= 0) {
        sql += QStringLiteral(" AND NIVEL <= ?");
        params << qlonglong(nMaxLevel);
    }
    sql += QStringLiteral(" ORDER BY NUMLIN");
    try {
        m_pLines = Prepare(sql);
        for (qsizetype i = 0; i < params.size(); ++i) {
            if (Bind(m_pLines, int(i) + 1, params[i]) != SQLITE_OK)
                Raise();
        }
        if (table.HasMeasurements()) {
            m_pMeasured = Prepare(QStringLiteral("SELECT DISTINCT NUMLIN FROM MEDIDAS WHERE CODIGO = ? AND NUMLIN >= ? "
                                                 "ORDER BY NUMLIN"));
            if (Bind(m_pMeasured, 1, table.Code()) != SQLITE_OK || Bind(m_pMeasured, 2, qlonglong(nFirst)) != SQLITE_OK)
                Raise();
        }
    } catch (...) {
        sqlite3_finalize(m_pLines);
        sqlite3_finalize(m_pMeasured);
        throw;
    }
}

CLineReader::~CLineReader()
{
    sqlite3_finalize(m_pLines);
    sqlite3_finalize(m_pMeasured);
}

sqlite3_stmt* CLineReader::Prepare(const QString& strSQL)
{
    const QByteArray utf8 = strSQL.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_pHandle, utf8.constData(), int(utf8.size()), &statement, nullptr) != SQLITE_OK)
        Raise();
    return statement;
}

void CLineReader::Raise() const
{
    throw CDBException(QString::fromUtf8(sqlite3_errmsg(m_pHandle)));
}

bool CLineReader::Next(CLineRecord& line, bool& bMeasured)
{
    const int status = sqlite3_step(m_pLines);
    if (status == SQLITE_DONE)
        return false;
    if (status != SQLITE_ROW)
        Raise();
    line.numlin = Text(m_pLines, Numlin);
    line.nivel = Text(m_pLines, Nivel);
    line.articulo = Text(m_pLines, Articulo);
    line.desglose = Text(m_pLines, Desglose);
    line.medida = Text(m_pLines, Medida);
    line.nombre = Text(m_pLines, Nombre);
    line.precio = Text(m_pLines, Precio);
    line.factor = Text(m_pLines, Factor);
    line.rendimiento = Text(m_pLines, Rendimiento);
    line.fecha = sqlite3_column_type(m_pLines, Fecha) == SQLITE_NULL ? CDateValue()
                                                                     : CDateValue::FromStore(Text(m_pLines, Fecha));
    line.tipo1 = Text(m_pLines, Tipo1);
    line.tipo2 = Text(m_pLines, Tipo2);
    line.importe = Text(m_pLines, Importe);
    line.imagen = Text(m_pLines, Imagen);
    line.codigo = Text(m_pLines, Codigo);
    line.descripcion.clear();
    line.tarifa = m_strTariff;
    bMeasured = m_pMeasured && IsMeasured(long(sqlite3_column_int64(m_pLines, Numlin)));
    return true;
}

bool CLineReader::IsMeasured(long nLine)
{
    while (m_nNextMeasured >= 0 && m_nNextMeasured < nLine) {
        const int status = sqlite3_step(m_pMeasured);
        if (status == SQLITE_DONE)
            m_nNextMeasured = -1;
        else if (status == SQLITE_ROW)
            m_nNextMeasured = long(sqlite3_column_int64(m_pMeasured, 0));
        else
            Raise();
    }
    return m_nNextMeasured == nLine;
}
