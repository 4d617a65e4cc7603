#include "grid/CEditListModel.h"

#include <algorithm>

CEditListModel::CEditListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void CEditListModel::SetColumns(const QList<QString>& titles, const QList<Qt::Alignment>& aligns)
{
    const int nOld = int(m_titles.size());
    const int nNew = int(titles.size());
    if (nNew < nOld) {
        beginRemoveColumns(QModelIndex(), nNew, nOld - 1);
        m_titles = titles;
        m_aligns = aligns;
        endRemoveColumns();
    } else if (nNew > nOld) {
        beginInsertColumns(QModelIndex(), nOld, nNew - 1);
        m_titles = titles;
        m_aligns = aligns;
        endInsertColumns();
    } else {
        m_titles = titles;
        m_aligns = aligns;
    }
    if (nNew > 0)
        emit headerDataChanged(Qt::Horizontal, 0, nNew - 1);
}

int CEditListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

int CEditListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant CEditListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_aligns.value(index.column(), Qt::AlignLeft) | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant CEditListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size())
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_titles[section];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_aligns.value(section, Qt::AlignLeft) | Qt::AlignVCenter);
    return QVariant();
}

Qt::ItemFlags CEditListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Cells are edited by the list's own editors, never by the view's.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

int CEditListModel::InsertRow(int nRow, Row row)
{
    nRow = std::clamp(nRow, 0, Count());
    beginInsertRows(QModelIndex(), nRow, nRow);
    m_rows.insert(m_rows.begin() + nRow, std::move(row));
    endInsertRows();
    return nRow;
}

int CEditListModel::InsertRows(int nRow, std::vector<Row> rows)
{
    nRow = std::clamp(nRow, 0, Count());
    if (rows.empty())
        return nRow;
    beginInsertRows(QModelIndex(), nRow, nRow + int(rows.size()) - 1);
    m_rows.insert(m_rows.begin() + nRow, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
    return nRow;
}

void CEditListModel::RemoveRows(int nFirst, int nCount)
{
    if (nFirst < 0 || nCount <= 0 || nFirst >= Count())
        return;
    nCount = std::min(nCount, Count() - nFirst);
    beginRemoveRows(QModelIndex(), nFirst, nFirst + nCount - 1);
    m_rows.erase(m_rows.begin() + nFirst, m_rows.begin() + nFirst + nCount);
    endRemoveRows();
}

void CEditListModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    endResetModel();
}

QString CEditListModel::Text(int nRow, int nCol) const
{
    if (!IsRow(nRow) || nCol < 0)
        return QString();
    return At(nRow).cells.value(nCol);
}

void CEditListModel::SetText(int nRow, int nCol, const QString& strText)
{
    if (!IsRow(nRow) || nCol < 0)
        return;
    QList<QString>& cells = m_rows[size_t(nRow)].cells;
    if (nCol >= cells.size()) {
        if (strText.isEmpty())
            return;
        cells.resize(nCol + 1);
    } else if (cells[nCol] == strText) {
        return;
    }
    cells[nCol] = strText;
    CellsChanged(nRow, nRow, nCol, nCol);
}

void CEditListModel::SetIndent(int nRow, int nIndent)
{
    if (!IsRow(nRow) || At(nRow).nIndent == nIndent)
        return;
    m_rows[size_t(nRow)].nIndent = nIndent;
    CellsChanged(nRow, nRow, 0, 0);
}

void CEditListModel::SetImage(int nRow, int nImage)
{
    if (!IsRow(nRow) || At(nRow).nImage == nImage)
        return;
    m_rows[size_t(nRow)].nImage = nImage;
    CellsChanged(nRow, nRow, 0, 0);
}

void CEditListModel::SetState(int nRow, int nState)
{
    if (!IsRow(nRow) || At(nRow).nState == nState)
        return;
    m_rows[size_t(nRow)].nState = nState;
    CellsChanged(nRow, nRow, 0, 0);
}

void CEditListModel::SetData(int nRow, qint64 nData)
{
    if (IsRow(nRow))
        m_rows[size_t(nRow)].nData = nData;
}

void CEditListModel::Reorder(const std::vector<int>& order)
{
    if (int(order.size()) != Count())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newIndexOf(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        newIndexOf[size_t(order[i])] = int(i);
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    for (int old : order)
        sorted.push_back(std::move(m_rows[size_t(old)]));
    m_rows.swap(sorted);

    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to << index.sibling(newIndexOf[size_t(index.row())], index.column());
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CEditListModel::BeginBatch()
{
    ++m_nBatch;
}

void CEditListModel::EndBatch()
{
    if (m_nBatch == 0 || --m_nBatch > 0)
        return;
    // Rows may have been inserted or removed after a cell changed, so the
    // changed rows are not tracked one by one: the whole list is announced.
    if (m_bDirty && Count() > 0 && !m_titles.isEmpty())
        emit dataChanged(index(0, 0), index(Count() - 1, columnCount() - 1));
    m_bDirty = false;
}

void CEditListModel::CellsChanged(int nFirstRow, int nLastRow, int nFirstCol, int nLastCol)
{
    if (m_titles.isEmpty())
        return;
    if (m_nBatch > 0) {
        m_bDirty = true;
        return;
    }
    const int nCols = columnCount();
    if (nFirstCol >= nCols)
        return;
    emit dataChanged(index(nFirstRow, nFirstCol), index(nLastRow, std::min(nLastCol, nCols - 1)));
}
