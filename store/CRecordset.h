#pragma once

#include "store/CFieldExchange.h"

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <vector>

class CDatabase;

// A record set over one table of the store, in the manner of the ODBC record
// sets: a filter and a sort, navigation by moves and by absolute position,
// and editing through the bound members of the derived class.
//
// A dynaset keeps the keys of its rows in sort order and reads a row when it
// is moved to. Its own edits, additions and deletions show at once (added rows
// at the end); other sets see them after Requery. A snapshot reads all its rows
// at Open and is read-only. A forward-only set reads its rows one at a time as
// MoveNext reaches them and holds none: a long read in constant memory; it is
// read-only and moves only forward.
//
// Filters name their values with "?" marks, filled from m_params in order.
class CRecordset
{
public:
    enum OpenType { dynaset, snapshot, forwardOnly };
    enum Options : unsigned { none = 0x0, readOnly = 0x4 };

    explicit CRecordset(CDatabase* pDatabase = nullptr);
    virtual ~CRecordset();
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    CDatabase* m_pDatabase = nullptr;
    QString m_strFilter;
    QString m_strSort;
    QVariantList m_params;

    // Sets the filter with its values and the sort in one go.
    void SetFilter(const QString& strFilter, const QVariantList& params = {});
    // A read-only set over a table may read only some of its fields, given
    // by their members, so that a long read converts no more than it needs:
    // the others stay empty and NULL. Takes effect at the next Open; an empty
    // list reads every field.
    void SelectFields(std::vector<const void*> fields);

    void Open(OpenType nOpenType = dynaset, const QString& strSQL = {}, unsigned dwOptions = none);
    void Requery();
    void Close();
    bool IsOpen() const { return m_bOpen; }
    bool CanUpdate() const;

    bool IsBOF() const { return m_bBOF; }
    bool IsEOF() const { return m_bEOF; }
    bool IsDeleted() const { return m_bDeleted; }
    void MoveFirst();
    void MoveNext();
    void MovePrev();
    void MoveLast();
    // Moves to row nRows counted from 1 in the set's order; past either end
    // the set is at BOF or EOF.
    void SetAbsolutePosition(long nRows);
    // The current row's position counted from 1, or 0 when there is none.
    long GetAbsolutePosition() const;
    // For a forward-only set, the rows read so far.
    long GetRecordCount() const { return m_nOpenType == forwardOnly ? m_nForwardRead : long(m_keys.size()); }

    void AddNew();
    void Edit();
    void Update();
    void Delete();
    void CancelUpdate();

    // nullptr stands for every field.
    void SetFieldNull(const void* pField, bool bNull = true);
    bool IsFieldNull(const void* pField) const;

    virtual QString GetDefaultSQL() const = 0;

protected:
    virtual void DoFieldExchange(CFieldExchange& fx) = 0;

private:
    using Row = std::vector<QVariant>;
    enum class EditMode { none, edit, addNew };

    void Bind();
    bool IsTable() const;
    QString ColumnList(bool bReadOnly) const;
    void LoadKeys();
    void LoadSnapshot();
    QString SelectStatement() const;
    void ReadForward();
    void Fetch(long index, bool backwards);
    void MoveTo(long index, bool backwards = false);
    void LoadMembers(const Row& row);
    void LoadMember(size_t field, const QVariant& value);
    void ChooseReadFields();
    void ClearMembers();
    QVariant MemberValue(size_t field) const;
    QVariant StoreValue(size_t field) const;
    void RequireCurrent() const;
    void RequireScrollable() const;
    void RequireUpdatable() const;
    long FieldIndex(const void* pField) const;
    void InsertCurrent();
    void UpdateCurrent();

    std::vector<CFieldExchange::Binding> m_bindings;
    std::vector<bool> m_nullFlags;
    std::vector<const void*> m_selectedFields;
    // The bindings a row holds, in the order of the select list.
    std::vector<size_t> m_readFields;
    OpenType m_nOpenType = dynaset;
    unsigned m_dwOptions = none;
    QString m_strSQL;
    bool m_bOpen = false;

    std::unique_ptr<QSqlQuery> m_pForward;
    long m_nForwardRead = 0;
    std::vector<qint64> m_keys;
    QHash<qint64, Row> m_rows;
    long m_nPos = -1;
    bool m_bBOF = true;
    bool m_bEOF = true;
    bool m_bDeleted = false;

    EditMode m_editMode = EditMode::none;
    std::vector<QVariant> m_editValues;
    std::vector<bool> m_editNulls;
};
