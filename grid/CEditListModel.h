#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <vector>

// The rows of an editable list: text cells plus, per row, the indent, the
// item image, the state image and a number the owner keeps with the row.
// Rows live in one flat vector with no object per row, so lists of tens of
// thousands of rows load and sort quickly. While a batch is open (the list's
// redraw is off) cell changes are announced once, when the batch closes.
class CEditListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Row
    {
        QList<QString> cells;
        int nIndent = 0;
        int nImage = -1;   // -1: none
        int nState = 0;    // 0 none, 1 collapsed, 2 expanded
        qint64 nData = 0;
    };

    explicit CEditListModel(QObject* parent = nullptr);

    // Replaces the columns; the rows keep their cells.
    void SetColumns(const QList<QString>& titles, const QList<Qt::Alignment>& aligns);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int Count() const { return int(m_rows.size()); }
    bool IsRow(int nRow) const { return nRow >= 0 && nRow < Count(); }
    const Row& At(int nRow) const { return m_rows[size_t(nRow)]; }

    // nRow is clamped to 0..Count(); returns where the row went.
    int InsertRow(int nRow, Row row);
    int InsertRows(int nRow, std::vector<Row> rows);
    void RemoveRows(int nFirst, int nCount);
    void Clear();

    QString Text(int nRow, int nCol) const;
    void SetText(int nRow, int nCol, const QString& strText);
    void SetIndent(int nRow, int nIndent);
    void SetImage(int nRow, int nImage);
    void SetState(int nRow, int nState);
    void SetData(int nRow, qint64 nData);

    // Puts the rows in a new order: order[i] is the old index of the row
    // that becomes row i. Selections and other persistent indexes follow
    // their rows.
    void Reorder(const std::vector<int>& order);

    void BeginBatch();
    void EndBatch();
    bool InBatch() const { return m_nBatch > 0; }

private:
    void CellsChanged(int nFirstRow, int nLastRow, int nFirstCol, int nLastCol);

    std::vector<Row> m_rows;
    QList<QString> m_titles;
    QList<Qt::Alignment> m_aligns;
    int m_nBatch = 0;
    bool m_bDirty = false;
};
