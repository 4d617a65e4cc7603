#include "store/CRecordset.h"

#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CDateValue.h"

#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <algorithm>

namespace {

// Rows are read in blocks of this many keys, so that a walk through the set
// costs one statement per block instead of one per row.
constexpr int kFetchBlock = 64;
// Past this many rows held in memory the cache starts afresh.
constexpr int kMaxCachedRows = 32768;

QString TextFromStore(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        // Shared, without a conversion.
        return *static_cast<const QString*>(value.constData());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
}

QVariant NullText()
{
    return QVariant(QMetaType::fromType<QString>());
}

} // namespace

CRecordset::CRecordset(CDatabase* pDatabase)
    : m_pDatabase(pDatabase)
{
}

CRecordset::~CRecordset()
{
    Close();
}

void CRecordset::SetFilter(const QString& strFilter, const QVariantList& params)
{
    m_strFilter = strFilter;
    m_params = params;
}

void CRecordset::Bind()
{
    if (!m_bindings.empty())
        return;
    CFieldExchange fx;
    DoFieldExchange(fx);
    m_bindings = fx.Bindings();
    m_nullFlags.assign(m_bindings.size(), true);
}

bool CRecordset::IsTable() const
{
    return m_strSQL.startsWith(u'[') && m_strSQL.endsWith(u']') && !m_strSQL.contains(u' ');
}

bool CRecordset::CanUpdate() const
{
    return m_bOpen && m_nOpenType == dynaset && !(m_dwOptions & readOnly);
}

void CRecordset::Open(OpenType nOpenType, const QString& strSQL, unsigned dwOptions)
{
    Close();
    // Every set is given the run's connection: the file a run works on is the
    // one it opened, never one read back from the shared data-source list.
    if (!m_pDatabase || !m_pDatabase->IsOpen())
        throw CDBException(QStringLiteral("the record set has no open connection"));
    m_strSQL = strSQL.isEmpty() ? GetDefaultSQL() : strSQL;
    m_nOpenType = IsTable() || nOpenType == forwardOnly ? nOpenType : snapshot;
    m_dwOptions = dwOptions;
    Bind();
    ChooseReadFields();
    m_bOpen = true;
    try {
        Requery();
    } catch (const CDBException&) {
        m_bOpen = false;
        throw;
    }
}

void CRecordset::Close()
{
    m_pForward.reset();
    m_nForwardRead = 0;
    m_editMode = EditMode::none;
    m_keys.clear();
    m_rows.clear();
    m_nPos = -1;
    m_bBOF = m_bEOF = true;
    m_bDeleted = false;
    m_bOpen = false;
}

void CRecordset::SelectFields(std::vector<const void*> fields)
{
    m_selectedFields = std::move(fields);
}

void CRecordset::ChooseReadFields()
{
    m_readFields.clear();
    if (m_selectedFields.empty()) {
        for (size_t i = 0; i < m_bindings.size(); ++i)
            m_readFields.push_back(i);
        return;
    }
    // A row written back would lose the fields it never read.
    if ((m_nOpenType == dynaset && !(m_dwOptions & readOnly)) || !IsTable())
        throw CDBException(QStringLiteral("Only a read-only set over a table reads some of its fields."));
    for (const void* field : m_selectedFields) {
        if (FieldIndex(field) < 0)
            throw CDBException(QStringLiteral("SelectFields: the field is not bound."));
    }
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        if (std::find(m_selectedFields.begin(), m_selectedFields.end(), m_bindings[i].pValue) != m_selectedFields.end())
            m_readFields.push_back(i);
    }
    ClearMembers();
}

QString CRecordset::ColumnList(bool bReadOnly) const
{
    QStringList columns;
    if (bReadOnly) {
        for (const size_t field : m_readFields)
            columns << m_bindings[field].column;
    } else {
        for (const auto& binding : m_bindings)
            columns << binding.column;
    }
    return columns.join(QStringLiteral(", "));
}

void CRecordset::Requery()
{
    if (!m_bOpen)
        throw CDBException(QStringLiteral("Recordset is not open."));
    m_editMode = EditMode::none;
    m_keys.clear();
    m_rows.clear();
    if (m_nOpenType == forwardOnly) {
        // Its own statement, not a shared prepared one: it stays active
        // while the caller walks the rows.
        m_pForward = std::make_unique<QSqlQuery>(m_pDatabase->Connection());
        m_pForward->setForwardOnly(true);
        if (!m_pForward->prepare(SelectStatement()))
            throw CDBException(m_pForward->lastError().text());
        m_pDatabase->Exec(*m_pForward, m_params);
        m_nForwardRead = 0;
        m_nPos = -1;
        m_bDeleted = false;
        ReadForward();
        return;
    }
    if (m_nOpenType == snapshot)
        LoadSnapshot();
    else
        LoadKeys();
    m_bDeleted = false;
    if (m_keys.empty()) {
        m_nPos = -1;
        m_bBOF = m_bEOF = true;
        ClearMembers();
    } else {
        MoveTo(0);
    }
}

void CRecordset::LoadKeys()
{
    QString sql = QStringLiteral("SELECT rowid FROM ") + m_strSQL;
    if (!m_strFilter.isEmpty())
        sql += QStringLiteral(" WHERE ") + m_strFilter;
    if (!m_strSort.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + m_strSort;
    QSqlQuery& query = m_pDatabase->PreparedQuery(sql);
    m_pDatabase->Exec(query, m_params);
    while (query.next())
        m_keys.push_back(query.value(0).toLongLong());
    query.finish();
}

QString CRecordset::SelectStatement() const
{
    QString sql = IsTable() ? QStringLiteral("SELECT ") + ColumnList(true) + QStringLiteral(" FROM ") + m_strSQL : m_strSQL;
    if (!m_strFilter.isEmpty())
        sql += QStringLiteral(" WHERE ") + m_strFilter;
    if (!m_strSort.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + m_strSort;
    return sql;
}

void CRecordset::ReadForward()
{
    if (!m_pForward->next()) {
        m_pForward->finish();
        m_bBOF = m_nForwardRead == 0;
        m_bEOF = true;
        m_nPos = m_nForwardRead;
        ClearMembers();
        return;
    }
    // Straight into the members: a long read allocates no row of its own.
    for (size_t c = 0; c < m_readFields.size(); ++c)
        LoadMember(m_readFields[c], m_pForward->value(int(c)));
    m_nPos = m_nForwardRead++;
    m_bBOF = m_bEOF = false;
}

void CRecordset::LoadSnapshot()
{
    QSqlQuery& query = m_pDatabase->PreparedQuery(SelectStatement());
    m_pDatabase->Exec(query, m_params);
    const int columns = int(m_readFields.size());
    qint64 index = 0;
    while (query.next()) {
        Row row(columns);
        for (int c = 0; c < columns; ++c)
            row[c] = query.value(c);
        m_rows.insert(index, std::move(row));
        m_keys.push_back(index++);
    }
    query.finish();
}

void CRecordset::Fetch(long index, bool backwards)
{
    if (m_rows.size() > kMaxCachedRows)
        m_rows.clear();
    QVariantList params;
    params.reserve(kFetchBlock);
    const long step = backwards ? -1 : 1;
    for (long i = index; i >= 0 && i < long(m_keys.size()) && params.size() < kFetchBlock; i += step) {
        if (!m_rows.contains(m_keys[i]))
            params << m_keys[i];
    }
    if (params.isEmpty())
        return;
    while (params.size() < kFetchBlock)
        params << QVariant(QMetaType::fromType<qlonglong>());

    static const QString marks = [] {
        QStringList list;
        for (int i = 0; i < kFetchBlock; ++i)
            list << QStringLiteral("?");
        return list.join(u',');
    }();
    const QString sql = QStringLiteral("SELECT rowid, ") + ColumnList(true) + QStringLiteral(" FROM ") + m_strSQL
        + QStringLiteral(" WHERE rowid IN (") + marks + u')';
    QSqlQuery& query = m_pDatabase->PreparedQuery(sql);
    m_pDatabase->Exec(query, params);
    const int columns = int(m_readFields.size());
    while (query.next()) {
        Row row(columns);
        for (int c = 0; c < columns; ++c)
            row[c] = query.value(c + 1);
        m_rows.insert(query.value(0).toLongLong(), std::move(row));
    }
    query.finish();
}

void CRecordset::MoveTo(long index, bool backwards)
{
    m_editMode = EditMode::none;
    m_bDeleted = false;
    const long count = long(m_keys.size());
    if (index < 0) {
        m_nPos = -1;
        m_bBOF = true;
        m_bEOF = count == 0;
        ClearMembers();
        return;
    }
    if (index >= count) {
        m_nPos = count;
        m_bEOF = true;
        m_bBOF = count == 0;
        ClearMembers();
        return;
    }
    m_nPos = index;
    m_bBOF = m_bEOF = false;
    const qint64 key = m_keys[index];
    if (!m_rows.contains(key))
        Fetch(index, backwards);
    const auto it = m_rows.constFind(key);
    if (it == m_rows.constEnd()) {
        // Deleted behind this set's back: a hole until the next Requery.
        m_bDeleted = true;
        ClearMembers();
        return;
    }
    LoadMembers(it.value());
}

void CRecordset::RequireScrollable() const
{
    if (m_nOpenType == forwardOnly)
        throw CDBException(QStringLiteral("A forward-only recordset moves only to the next row."));
}

void CRecordset::MoveFirst()
{
    RequireScrollable();
    MoveTo(0);
}

void CRecordset::MoveNext()
{
    if (m_nOpenType == forwardOnly) {
        if (m_bOpen && !m_bEOF)
            ReadForward();
        return;
    }
    if (m_bDeleted)
        MoveTo(m_nPos);
    else if (!m_bEOF || m_keys.empty())
        MoveTo(m_nPos + 1);
}

void CRecordset::MovePrev()
{
    RequireScrollable();
    if (!m_bBOF || m_keys.empty())
        MoveTo(m_nPos - 1, true);
}

void CRecordset::MoveLast()
{
    RequireScrollable();
    MoveTo(long(m_keys.size()) - 1, true);
}

void CRecordset::SetAbsolutePosition(long nRows)
{
    RequireScrollable();
    // Walks by position go either way; a step back reads the block behind.
    MoveTo(nRows - 1, nRows - 1 < m_nPos);
}

long CRecordset::GetAbsolutePosition() const
{
    if (m_bBOF || m_bEOF || m_bDeleted)
        return 0;
    return m_nPos + 1;
}

void CRecordset::ClearMembers()
{
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        const auto& binding = m_bindings[i];
        if (binding.kind == CFieldExchange::KindDate)
            static_cast<CDateValue*>(binding.pValue)->SetNull();
        else
            static_cast<QString*>(binding.pValue)->clear();
        m_nullFlags[i] = true;
    }
}

void CRecordset::LoadMembers(const Row& row)
{
    for (size_t c = 0; c < m_readFields.size(); ++c)
        LoadMember(m_readFields[c], row[c]);
}

void CRecordset::LoadMember(size_t field, const QVariant& value)
{
    const auto& binding = m_bindings[field];
    m_nullFlags[field] = value.isNull();
    if (binding.kind == CFieldExchange::KindDate)
        *static_cast<CDateValue*>(binding.pValue) = value.isNull() ? CDateValue() : CDateValue::FromStore(value.toString());
    else
        *static_cast<QString*>(binding.pValue) = value.isNull() ? QString() : TextFromStore(value);
}

QVariant CRecordset::MemberValue(size_t field) const
{
    const auto& binding = m_bindings[field];
    if (binding.kind == CFieldExchange::KindDate)
        return static_cast<const CDateValue*>(binding.pValue)->DateTime();
    return *static_cast<const QString*>(binding.pValue);
}

QVariant CRecordset::StoreValue(size_t field) const
{
    const auto& binding = m_bindings[field];
    if (m_nullFlags[field])
        return NullText();
    switch (binding.kind) {
    case CFieldExchange::KindDate: {
        const auto* date = static_cast<const CDateValue*>(binding.pValue);
        return date->IsNull() ? NullText() : QVariant(date->ToStore());
    }
    case CFieldExchange::KindInteger: {
        const QString text = static_cast<const QString*>(binding.pValue)->trimmed();
        if (text.isEmpty())
            return NullText();
        bool ok = false;
        const qlonglong number = text.toLongLong(&ok);
        return ok ? QVariant(number) : QVariant(text);
    }
    case CFieldExchange::KindText:
        break;
    }
    return *static_cast<const QString*>(binding.pValue);
}

void CRecordset::RequireCurrent() const
{
    if (!m_bOpen || m_bBOF || m_bEOF || m_bDeleted)
        throw CDBException(QStringLiteral("No current record."));
}

void CRecordset::RequireUpdatable() const
{
    if (!CanUpdate())
        throw CDBException(QStringLiteral("Recordset is read-only."));
}

void CRecordset::AddNew()
{
    RequireUpdatable();
    ClearMembers();
    m_editValues.clear();
    for (size_t i = 0; i < m_bindings.size(); ++i)
        m_editValues.push_back(MemberValue(i));
    m_editNulls = m_nullFlags;
    m_editMode = EditMode::addNew;
}

void CRecordset::Edit()
{
    RequireUpdatable();
    RequireCurrent();
    m_editValues.clear();
    for (size_t i = 0; i < m_bindings.size(); ++i)
        m_editValues.push_back(MemberValue(i));
    m_editNulls = m_nullFlags;
    m_editMode = EditMode::edit;
}

void CRecordset::Update()
{
    if (m_editMode == EditMode::none)
        throw CDBException(QStringLiteral("Update called without AddNew or Edit."));
    // A member given a value since AddNew or Edit is no longer NULL.
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        if (MemberValue(i) != m_editValues[i])
            m_nullFlags[i] = false;
    }
    if (m_editMode == EditMode::addNew)
        InsertCurrent();
    else
        UpdateCurrent();
    m_editMode = EditMode::none;
}

void CRecordset::InsertCurrent()
{
    QStringList marks;
    QVariantList values;
    Row row;
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        marks << QStringLiteral("?");
        values << StoreValue(i);
        row.push_back(values.back());
    }
    const QString sql = QStringLiteral("INSERT INTO ") + m_strSQL + QStringLiteral(" (") + ColumnList(false)
        + QStringLiteral(") VALUES (") + marks.join(u',') + u')';
    QSqlQuery& query = m_pDatabase->PreparedQuery(sql);
    m_pDatabase->Exec(query, values);
    const qint64 key = query.lastInsertId().toLongLong();
    query.finish();
    m_keys.push_back(key);
    m_rows.insert(key, std::move(row));

    // The row that was current before AddNew stays current; a set that was
    // past its end stays past its end, now after the new row.
    if (m_bDeleted) {
        ClearMembers();
    } else if (m_bEOF) {
        m_nPos = long(m_keys.size());
        m_bBOF = false;
        ClearMembers();
    } else if (m_bBOF) {
        m_bEOF = false;
        ClearMembers();
    } else {
        MoveTo(m_nPos);
    }
}

void CRecordset::UpdateCurrent()
{
    QStringList assignments;
    QVariantList values;
    std::vector<size_t> dirty;
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        if (MemberValue(i) == m_editValues[i] && m_nullFlags[i] == m_editNulls[i])
            continue;
        dirty.push_back(i);
        assignments << m_bindings[i].column + QStringLiteral(" = ?");
        values << StoreValue(i);
    }
    if (dirty.empty())
        return;
    const qint64 key = m_keys[m_nPos];
    values << key;
    const QString sql = QStringLiteral("UPDATE ") + m_strSQL + QStringLiteral(" SET ") + assignments.join(QStringLiteral(", "))
        + QStringLiteral(" WHERE rowid = ?");
    QSqlQuery& query = m_pDatabase->PreparedQuery(sql);
    m_pDatabase->Exec(query, values);
    query.finish();
    auto it = m_rows.find(key);
    if (it != m_rows.end()) {
        for (size_t i = 0; i < dirty.size(); ++i)
            it.value()[dirty[i]] = values[qsizetype(i)];
    }
}

void CRecordset::Delete()
{
    RequireUpdatable();
    RequireCurrent();
    m_editMode = EditMode::none;
    const qint64 key = m_keys[m_nPos];
    QSqlQuery& query = m_pDatabase->PreparedQuery(QStringLiteral("DELETE FROM ") + m_strSQL + QStringLiteral(" WHERE rowid = ?"));
    m_pDatabase->Exec(query, {key});
    query.finish();
    m_rows.remove(key);
    m_keys.erase(m_keys.begin() + m_nPos);
    m_bDeleted = true;
}

void CRecordset::CancelUpdate()
{
    if (m_editMode == EditMode::none)
        return;
    m_editMode = EditMode::none;
    if (m_bBOF || m_bEOF || m_bDeleted)
        ClearMembers();
    else
        MoveTo(m_nPos);
}

long CRecordset::FieldIndex(const void* pField) const
{
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        if (m_bindings[i].pValue == pField)
            return long(i);
    }
    return -1;
}

void CRecordset::SetFieldNull(const void* pField, bool bNull)
{
    Bind();
    auto apply = [this, bNull](size_t i) {
        m_nullFlags[i] = bNull;
        if (!bNull)
            return;
        const auto& binding = m_bindings[i];
        if (binding.kind == CFieldExchange::KindDate)
            static_cast<CDateValue*>(binding.pValue)->SetNull();
        else
            static_cast<QString*>(binding.pValue)->clear();
        // Nulling a field after AddNew or Edit is a change of its own.
        if (m_editMode != EditMode::none)
            m_editValues[i] = MemberValue(i);
    };
    if (!pField) {
        for (size_t i = 0; i < m_bindings.size(); ++i)
            apply(i);
        return;
    }
    const long index = FieldIndex(pField);
    if (index < 0)
        throw CDBException(QStringLiteral("SetFieldNull: the field is not bound."));
    apply(size_t(index));
}

bool CRecordset::IsFieldNull(const void* pField) const
{
    const long index = FieldIndex(pField);
    if (index < 0)
        throw CDBException(QStringLiteral("IsFieldNull: the field is not bound."));
    return m_nullFlags[size_t(index)];
}
