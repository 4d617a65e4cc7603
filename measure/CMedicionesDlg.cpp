#include "measure/CMedicionesDlg.h"

#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CVelmoraView.h"
#include "grid/CRedrawGuard.h"
#include "measure/CMeasurementLines.h"
#include "measure/CMedicionesList.h"
#include "store/CDBException.h"
#include "store/NumberText.h"
#include "ui/CMessageBox.h"
#include "ui/FieldWidth.h"
#include "ui/CWaitCursor.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QToolTip>

namespace {

// The strip under the list that holds the insert button and the total.
constexpr int kStripHeight = 25;
constexpr int kStatusTimeout = 10000;


} // namespace

CMedicionesDlg::CMedicionesDlg(CVelmoraView& view, CMedidasSet& measurements, QWidget* parent)
    : QDialog(parent)
    , m_view(view)
    , m_measurements(measurements)
    , m_pList(new CMedicionesList(*this, this))
    , m_pTotal(new QLineEdit(this))
    , m_pTotalLabel(new QLabel(tr("Total mediciones"), this))
    , m_pInsert(new QPushButton(tr("Insertar medida"), this))
{
    setObjectName(QStringLiteral("mediciones"));
    setWindowTitle(tr("Mediciones"));
    setModal(false);
    m_pList->setObjectName(QStringLiteral("medicionesList"));
    m_pList->SetupColumns();
    m_pTotal->setObjectName(QStringLiteral("totalMediciones"));
    m_pTotal->setReadOnly(true);
    m_pTotal->setAlignment(Qt::AlignRight);
    m_pTotalLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Enter belongs to the list's cell editors, never to this button.
    m_pInsert->setAutoDefault(false);
    m_pInsert->setDefault(false);
    connect(m_pInsert, &QPushButton::clicked, this, [this] {
        if (IsFolderShown())
            m_pList->InsertMeasurement();
    });
    // The budget grid emptied or loaded anew: the line shown is gone from it.
    connect(view.List()->model(), &QAbstractItemModel::modelReset, this, &CMedicionesDlg::Reset);
    // As wide as the columns, at the user's font.
    resize(std::max(560, m_pList->ScaledWidth(170 + 5 * 70) + 40), 240);
    Reset();
}

CMedicionesDlg::~CMedicionesDlg() = default;

void CMedicionesDlg::ToggleMeasurements()
{
    CArticulosList* grid = m_view.List();
    if (isVisible()) {
        hide();
    } else if (grid->GetItemCount() > 0) {
        show();
        raise();
        activateWindow();
        LoadMeasurements();
    }
    if (grid->GetItemCount() > 0) {
        const int selected = grid->GetFirstSelected();
        grid->OnItemClick(selected < 0 ? 0 : selected, 0, 0);
    }
}

void CMedicionesDlg::OnBudgetLineSelected(int nRow)
{
    SetBudgetItem(nRow);
    LoadMeasurements();
    EnableEditing(IsFolderShown());
}

void CMedicionesDlg::SetBudgetItem(int nRow)
{
    CArticulosList* grid = m_view.List();
    if (nRow < 0 || nRow >= grid->GetItemCount()) {
        m_nBudgetItem = -1;
        m_strBudget.clear();
        m_strNumLin.clear();
        m_strCode.clear();
        return;
    }
    m_nBudgetItem = nRow;
    m_strBudget = grid->GetItemText(nRow, CBudgetRow::Presupuesto);
    m_strNumLin = grid->GetItemText(nRow, CBudgetRow::NumLin);
    m_strCode = grid->GetItemText(nRow, CBudgetRow::Codigo);
}

int CMedicionesDlg::BudgetRow() const
{
    if (m_strNumLin.isEmpty())
        return -1;
    const CArticulosList* grid = m_view.List();
    auto isShownLine = [&](int nRow) {
        return grid->GetItemText(nRow, CBudgetRow::NumLin) == m_strNumLin
            && grid->GetItemText(nRow, CBudgetRow::Codigo) == m_strCode
            && grid->GetItemText(nRow, CBudgetRow::Presupuesto) == m_strBudget;
    };
    const int count = grid->GetItemCount();
    if (m_nBudgetItem >= 0 && m_nBudgetItem < count && isShownLine(m_nBudgetItem))
        return m_nBudgetItem;
    for (int row = 0; row < count; ++row) {
        if (isShownLine(row))
            return row;
    }
    return -1;
}

bool CMedicionesDlg::IsFolderShown() const
{
    const int row = BudgetRow();
    return row >= 0 && m_view.List()->IsFolderRow(row);
}

void CMedicionesDlg::LoadMeasurements()
{
    m_pList->DeleteAllItems();
    CWaitCursor wait;
    CRedrawGuard redrawOff(*m_pList);
    double total = 0.0;
    if (BudgetRow() < 0) {
        m_pList->setEnabled(false);
    } else {
        try {
            CMeasurementLines(m_measurements).Load(m_strBudget, m_strNumLin);
            total = m_pList->FillFromSet();
        } catch (const CDBException& e) {
            m_pList->DeleteAllItems();
            total = 0.0;
            CMessageBox::Show(this,
                              tr("No se han podido leer las mediciones.\n\n%1").arg(e.m_strError),
                              QMessageBox::Ok, QMessageBox::Critical);
        }
    }
    ShowTotal(total);
}

void CMedicionesDlg::ShowTotal(double dTotal)
{
    m_pTotal->setText(FormatLocaleNumber(StoreFormat(dTotal, 5), 5));
}

void CMedicionesDlg::ShowFormulaError(const QRect& rcCellGlobal, int nPosition)
{
    const QString text = tr("Error en fórmula: posición %1").arg(nPosition);
    m_strFormulaError = text;
    QToolTip::showText(rcCellGlobal.bottomLeft(), text, m_pList, QRect(), kStatusTimeout);
    if (auto* frame = qobject_cast<QMainWindow*>(m_view.window()))
        frame->statusBar()->showMessage(text, kStatusTimeout);
}

void CMedicionesDlg::ClearFormulaError()
{
    if (m_strFormulaError.isEmpty())
        return;
    QToolTip::hideText();
    // Only the message this window put there: another may have followed it.
    if (auto* frame = qobject_cast<QMainWindow*>(m_view.window())) {
        if (frame->statusBar()->currentMessage() == m_strFormulaError)
            frame->statusBar()->clearMessage();
    }
    m_strFormulaError.clear();
}

void CMedicionesDlg::Reset()
{
    SetBudgetItem(-1);
    m_pList->DeleteAllItems();
    ShowTotal(0.0);
    EnableEditing(false);
}

void CMedicionesDlg::EnableEditing(bool bEnable)
{
    m_pList->setEnabled(bEnable);
    m_pInsert->setEnabled(bEnable);
}

void CMedicionesDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    // The strip grows with the font; the total box holds a sum of
    // 999.999.999,99999, the label ends where the box begins.
    const int strip = std::max(kStripHeight, m_pInsert->sizeHint().height() + 3);
    const int boxHeight = std::max(20, m_pTotal->sizeHint().height());
    const int totalWidth =
        std::max(100, FieldWidthFor(*m_pTotal, FormatLocaleNumber(QStringLiteral("999999999.99999"), 5)));
    const int labelWidth = std::max(200, m_pTotalLabel->sizeHint().width());
    m_pList->setGeometry(0, 0, w, std::max(0, h - strip));
    m_pInsert->setGeometry(0, h - strip + 3, std::max(118, m_pInsert->sizeHint().width()), strip - 3);
    m_pTotal->setGeometry(w - 5 - totalWidth, h - boxHeight, totalWidth, boxHeight);
    m_pTotalLabel->setGeometry(w - 15 - totalWidth - labelWidth, h - boxHeight, labelWidth, boxHeight);
}
