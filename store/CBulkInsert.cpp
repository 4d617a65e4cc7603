#include "store/CBulkInsert.h"

#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/NumberText.h"

#include <QSqlDriver>
#include <cstring>
#include <sqlite3.h>

namespace {

// Rows per statement: large enough to amortise a statement, small enough to
// stay far below the engine's limit on bound values.
constexpr int kBlockRows = 64;

} // namespace

CBulkInsert::Value CBulkInsert::Value::Fixed(double dValue, int nDecimals)
{
    char buffer[kStoreFormatBuffer];
    return Copy(std::string_view(buffer, size_t(StoreFormatTo(buffer, dValue, nDecimals))));
}

CBulkInsert::Value CBulkInsert::Value::Copy(std::string_view utf8)
{
    if (utf8.size() > sizeof m_number)
        return Value(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    Value value(nullptr);
    if (utf8.empty())
        return value;
    value.m_kind = Number;
    value.m_nLength = char(utf8.size());
    std::memcpy(value.m_number, utf8.data(), utf8.size());
    return value;
}

CBulkInsert::CBulkInsert(CDatabase& database, const QString& strTable, const QStringList& columns)
    : m_strTable(strTable)
    , m_columns(columns)
{
    const QVariant handle = database.Connection().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw CDBException(QStringLiteral("the store's connection does not allow bulk inserts"));
    m_pHandle = *static_cast<sqlite3* const*>(handle.constData());
    if (!m_pHandle)
        throw CDBException(QStringLiteral("the database is not open"));
    m_pBlock = Prepare(kBlockRows);
    try {
        m_pSingle = Prepare(1);
    } catch (...) {
        sqlite3_finalize(m_pBlock);
        throw;
    }
}

CBulkInsert::~CBulkInsert()
{
    sqlite3_finalize(m_pBlock);
    sqlite3_finalize(m_pSingle);
}

sqlite3_stmt* CBulkInsert::Prepare(int nRows)
{
    QString marks = QStringLiteral("(");
    for (qsizetype c = 0; c < m_columns.size(); ++c)
        marks += c == 0 ? QStringLiteral("?") : QStringLiteral(",?");
    marks += u')';
    QString sql = QStringLiteral("INSERT INTO ") + m_strTable + QStringLiteral(" (") + m_columns.join(u',')
        + QStringLiteral(") VALUES ") + marks;
    for (int r = 1; r < nRows; ++r)
        sql += u',' + marks;
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_pHandle, utf8.constData(), int(utf8.size()), &statement, nullptr) != SQLITE_OK)
        Raise();
    return statement;
}

void CBulkInsert::Raise() const
{
    throw CDBException(QString::fromUtf8(sqlite3_errmsg(m_pHandle)));
}

void CBulkInsert::Run(sqlite3_stmt* pStatement, size_t nFirst, int nRows)
{
    const size_t count = size_t(nRows) * size_t(m_columns.size());
    for (size_t i = 0; i < count; ++i) {
        const Value& value = m_values[nFirst + i];
        const int index = int(i) + 1;
        int status = SQLITE_OK;
        switch (value.m_kind) {
        case Value::Null:
            status = sqlite3_bind_null(pStatement, index);
            break;
        case Value::Integer:
            status = sqlite3_bind_int64(pStatement, index, value.m_nInteger);
            break;
        case Value::Text:
            status = sqlite3_bind_text16(pStatement, index, value.m_text.utf16(), int(value.m_text.size() * 2),
                                         SQLITE_STATIC);
            break;
        case Value::Utf8:
            status = sqlite3_bind_text(pStatement, index, value.m_utf8.data(), int(value.m_utf8.size()), SQLITE_STATIC);
            break;
        case Value::Number:
            status = sqlite3_bind_text(pStatement, index, value.m_number, value.m_nLength, SQLITE_STATIC);
            break;
        }
        if (status != SQLITE_OK)
            Raise();
    }
    const int status = sqlite3_step(pStatement);
    sqlite3_reset(pStatement);
    sqlite3_clear_bindings(pStatement);
    if (status != SQLITE_DONE)
        Raise();
}

void CBulkInsert::Add(std::initializer_list<Value> values)
{
    if (qsizetype(values.size()) != m_columns.size())
        throw CDBException(QStringLiteral("%1: %2 values for %3 columns").arg(m_strTable).arg(values.size()).arg(m_columns.size()));
    m_values.insert(m_values.end(), values.begin(), values.end());
    if (m_values.size() == size_t(kBlockRows) * size_t(m_columns.size())) {
        Run(m_pBlock, 0, kBlockRows);
        m_values.clear();
    }
}

void CBulkInsert::Flush()
{
    const size_t columns = size_t(m_columns.size());
    for (size_t first = 0; first < m_values.size(); first += columns)
        Run(m_pSingle, first, 1);
    m_values.clear();
}
