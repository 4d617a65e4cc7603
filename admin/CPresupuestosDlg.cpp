#include "admin/CPresupuestosDlg.h"

#include "admin/CBudgetAdmin.h"
#include "admin/CBudgetHeader.h"
#include "admin/CDatosPresupuestoDlg.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "grid/CEditList.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CPresupuestosSet.h"
#include "ui/CMessageBox.h"
#include "ui/CProgressBarText.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum ListColumn { kNum = 0, kCodigo = 1, kNombre = 2 };

class CWaitCursor
{
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
};

// The manager's list: a double click opens the budget.
class CBudgetList : public CEditList
{
public:
    CBudgetList(CPresupuestosDlg* pDialog, QWidget* parent)
        : CEditList(parent)
        , m_pDialog(pDialog)
    {
    }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        CEditList::mouseDoubleClickEvent(event);
        if (GetFirstSelected() >= 0)
            m_pDialog->OnAbrir();
    }

private:
    CPresupuestosDlg* m_pDialog;
};

} // namespace

CPresupuestosDlg::CPresupuestosDlg(CVelmoraView& view, const QString& strCodigo, QWidget* parent)
    : QDialog(parent)
    , m_strCodigo(strCodigo)
    , m_view(view)
    , m_pList(new CBudgetList(this, this))
    , m_pProgress(new CProgressBarText(this))
    , m_pProgressText(new QLabel(this))
    , m_pCancelar(new QPushButton(tr("Cancelar"), this))
{
    setWindowTitle(tr("Presupuestos"));
    m_pList->setObjectName(QStringLiteral("budgetList"));
    m_pList->SetColumnCount(3);
    m_pList->Column(kNum).strTitle = QStringLiteral("Num");
    m_pList->Column(kCodigo).strTitle = Text("Código", "Codi");
    m_pList->Column(kCodigo).nWidth = 100;
    m_pList->Column(kNombre).strTitle = Text("Nombre", "Nom");
    m_pList->Column(kNombre).nWidth = 250;
    m_pList->ApplyColumns();
    m_pList->SetEditEnabled(false);
    m_pList->SetRowDragEnabled(false);
    m_pList->SetMultipleSelection(false);
    m_pList->SetBkColor(QColor(255, 255, 153));
    m_pList->setMinimumSize(380, 300);

    auto* buttons = new QVBoxLayout;
    const std::pair<QString, void (CPresupuestosDlg::*)()> actions[] = {
        {tr("Nuevo"), &CPresupuestosDlg::OnNuevo},     {tr("Abrir"), &CPresupuestosDlg::OnAbrir},
        {tr("Borrar"), &CPresupuestosDlg::OnBorrar},   {tr("Copiar"), &CPresupuestosDlg::OnCopiar},
        {tr("Importar"), &CPresupuestosDlg::OnImportar}, {tr("Exportar"), &CPresupuestosDlg::OnExportar},
    };
    const char* names[] = {"nuevo", "abrir", "borrar", "copiar", "importar", "exportar"};
    int i = 0;
    for (const auto& [text, handler] : actions) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(names[i++]));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    m_pCancelar->setObjectName(QStringLiteral("cancelar"));
    m_pCancelar->hide();
    buttons->addWidget(m_pCancelar);

    auto* top = new QHBoxLayout;
    top->addWidget(m_pList, 1);
    top->addLayout(buttons);
    m_pProgress->setObjectName(QStringLiteral("progress"));
    m_pProgress->hide();
    m_pProgressText->setObjectName(QStringLiteral("progressText"));
    m_pProgressText->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_pProgress);
    layout->addWidget(m_pProgressText);

    m_runDataDialog = [](CDatosPresupuestoDlg& dialog) { return dialog.exec() == QDialog::Accepted; };
    FillList();
}

QString CPresupuestosDlg::Text(const char* szSpanish, const char* szCatalan) const
{
    return m_view.Text(szSpanish, szCatalan);
}

void CPresupuestosDlg::FillList()
{
    m_pList->DeleteAllItems();
    CWaitCursor wait;
    m_pList->SetRedraw(false);
    for (const CBudgetAdmin::Entry& entry : CBudgetAdmin::List(m_view.GetDocument().Database()))
        m_pList->InsertItem(m_pList->GetItemCount(), QStringList{entry.code, entry.code, entry.name});
    m_pList->SetRedraw(true);
    if (m_strCodigo.isEmpty()) {
        if (m_pList->GetItemCount() > 0)
            m_pList->SelectAndFocus(0);
        return;
    }
    for (int row = 0; row < m_pList->GetItemCount(); ++row) {
        if (m_pList->GetItemText(row, kNum).compare(m_strCodigo, Qt::CaseInsensitive) == 0) {
            m_pList->EnsureVisible(row);
            m_pList->SelectAndFocus(row);
            return;
        }
    }
}

bool CPresupuestosDlg::IsListed(const QString& strCode) const
{
    for (int row = 0; row < m_pList->GetItemCount(); ++row) {
        if (m_pList->GetItemText(row, kCodigo) == strCode)
            return true;
    }
    return false;
}

QString CPresupuestosDlg::SelectedCode() const
{
    const int row = m_pList->GetFirstSelected();
    return row < 0 ? QString() : m_pList->GetItemText(row, kCodigo);
}

void CPresupuestosDlg::CloseWithCode(const QString& strCode)
{
    m_strCodigo = strCode;
    QDialog::accept();
}

void CPresupuestosDlg::reject()
{
    // Closing the window opens nothing; the view keeps what it had.
    m_strCodigo.clear();
    QDialog::reject();
}

void CPresupuestosDlg::OnAbrir()
{
    const QString code = SelectedCode();
    if (!code.isEmpty())
        CloseWithCode(code);
}

void CPresupuestosDlg::OnNuevo()
{
    CDatosPresupuestoDlg dialog(m_view.m_strIdioma, true, this);
    if (!m_runDataDialog(dialog))
        return;
    const CBudgetHeader header = dialog.Header();
    if (IsListed(header.m_strCodigo)) {
        CMessageBox::Show(this, Text("Ya existe este presupuesto", "Ja existeix aquest pressupost"));
        return;
    }
    try {
        CBudgetAdmin::Create(m_view.GetDocument().Database(), header);
    } catch (const CDBException& e) {
        CMessageBox::Show(this, e.m_strError, QMessageBox::Ok, QMessageBox::Critical);
        return;
    }
    CloseWithCode(header.m_strCodigo);
}

void CPresupuestosDlg::OnCopiar()
{
    const QString source = SelectedCode();
    if (source.isEmpty()) {
        CMessageBox::Show(this, Text("Elija un presupuesto", "Trii un pressupost"));
        return;
    }
    CBudgetHeader sourceHeader;
    try {
        CPresupuestosSet set(&m_view.GetDocument().Database());
        set.FilterBudget(source);
        set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        if (set.IsEOF()) {
            CMessageBox::Show(this, Text("Ya no existe este presupuesto", "Ja no existeix aquest pressupost"));
            return;
        }
        sourceHeader.Load(set);
    } catch (const CDBException&) {
        CMessageBox::Show(this, Text("Error al abrir tabla Presupuestos", "Error al obrir la taula Pressupostos"));
        return;
    }
    CDatosPresupuestoDlg dialog(m_view.m_strIdioma, true, this);
    dialog.SetHeader(sourceHeader);
    if (!m_runDataDialog(dialog))
        return;
    const CBudgetHeader header = dialog.Header();
    if (IsListed(header.m_strCodigo)) {
        CMessageBox::Show(this, Text("Ya existe este presupuesto", "Ja existeix aquest pressupost"));
        return;
    }
    try {
        CWaitCursor wait;
        CBudgetAdmin::Copy(m_view.GetDocument().Database(), source, header);
    } catch (const CDBException& e) {
        CMessageBox::Show(this, e.m_strError, QMessageBox::Ok, QMessageBox::Critical);
        return;
    }
    CloseWithCode(header.m_strCodigo);
}

void CPresupuestosDlg::OnBorrar()
{
    const QString code = SelectedCode();
    if (code.isEmpty())
        return;
    try {
        CBudgetAdmin::Delete(m_view.GetDocument().Database(), code);
    } catch (const CDBException& e) {
        CMessageBox::Show(this, e.m_strError, QMessageBox::Ok, QMessageBox::Critical);
        return;
    }
    if (code == m_view.m_strCodigo)
        m_view.CloseBudget();
    m_strCodigo.clear();
    FillList();
}

void CPresupuestosDlg::OnImportar()
{
    CMessageBox::Show(this, Text("La importación BC3 todavía no está disponible.",
                                 "La importació BC3 encara no està disponible."),
                      QMessageBox::Ok, QMessageBox::Information);
}

void CPresupuestosDlg::OnExportar()
{
    CMessageBox::Show(this, Text("La exportación BC3 todavía no está disponible.",
                                 "L'exportació BC3 encara no està disponible."),
                      QMessageBox::Ok, QMessageBox::Information);
}
