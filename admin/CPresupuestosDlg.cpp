#include "admin/CPresupuestosDlg.h"

#include "admin/CBudgetAdmin.h"
#include "admin/CBudgetHeader.h"
#include "admin/CDatosPresupuestoDlg.h"
#include "bc3/CBc3BudgetExport.h"
#include "bc3/CBc3BudgetImport.h"
#include "bc3/CBc3Messages.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "grid/CEditList.h"
#include "grid/CRedrawGuard.h"
#include "store/CBudgetCode.h"
#include "store/CDBException.h"
#include "store/CDatabase.h"
#include "store/CPresupuestosSet.h"
#include "store/NumberText.h"
#include "ui/CMessageBox.h"
#include "ui/CProgressBarText.h"
#include "ui/CProgressDisplay.h"
#include "ui/CStoreErrors.h"
#include "ui/CWaitCursor.h"

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum ListColumn { kNum = 0, kCodigo = 1, kNombre = 2 };


// The manager's list: a double click and Enter open the budget, the
// Delete key deletes it as "Borrar" does.
class CBudgetList : public CEditList
{
public:
    CBudgetList(CPresupuestosDlg* pDialog, QWidget* parent)
        : CEditList(parent)
        , m_pDialog(pDialog)
    {
    }

    void DeleteLine(int, int) override { m_pDialog->OnBorrar(); }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        CEditList::mouseDoubleClickEvent(event);
        if (GetFirstSelected() >= 0)
            m_pDialog->OnAbrir();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && GetFirstSelected() >= 0) {
            event->accept();
            m_pDialog->OnAbrir();
            return;
        }
        CEditList::keyPressEvent(event);
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
    m_pList->Column(kCodigo).strTitle = tr("Código");
    m_pList->Column(kCodigo).nWidth = 100;
    m_pList->Column(kNombre).strTitle = tr("Nombre");
    m_pList->Column(kNombre).nWidth = 250;
    m_pList->ApplyColumns();
    m_pList->SetStretchColumn(kNombre);
    m_pList->SetEditEnabled(false);
    m_pList->SetRowDragEnabled(false);
    m_pList->SetMultipleSelection(false);
    m_pList->SetBkColor(QColor(255, 255, 153));
    m_pList->setMinimumSize(m_pList->ScaledWidth(380), 300);

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
    m_chooseImportFile = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(), tr("Archivos BC3 (*.bc3)"), nullptr,
                                            QFileDialog::ReadOnly);
    };
    m_chooseExportFile = [](QWidget* owner, const QString& strSuggested) {
        // The dialog adds ".bc3" to a name typed without extension before it
        // asks about overwriting, so that the question is about the real file.
        QFileDialog dialog(owner);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({tr("Archivos BC3 (*.bc3)"), tr("Todos los ficheros (*.*)")});
        dialog.setDefaultSuffix(QStringLiteral("bc3"));
        dialog.selectFile(strSuggested);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    FillList();
}

void CPresupuestosDlg::FillList()
{
    m_pList->DeleteAllItems();
    CWaitCursor wait;
    {
        CRedrawGuard redrawOff(*m_pList);
        for (const CBudgetAdmin::Entry& entry : CBudgetAdmin::List(m_view.GetDocument().Database()))
            m_pList->InsertItem(m_pList->GetItemCount(), QStringList{entry.code, entry.code, entry.name});
    }
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
    CDatosPresupuestoDlg dialog(true, this);
    CreateFromDialog(dialog, [this](const CBudgetHeader& header) {
        CBudgetAdmin::Create(m_view.GetDocument().Database(), header);
    });
}

void CPresupuestosDlg::CreateFromDialog(CDatosPresupuestoDlg& dialog,
                                        const std::function<void(const CBudgetHeader&)>& create)
{
    if (!m_runDataDialog(dialog))
        return;
    CBudgetHeader header = dialog.Header();
    // The code field cuts a pasted text at 20 units, maybe inside a character.
    header.m_strCodigo = CBudgetCode::Cut(header.m_strCodigo);
    if (const QString problem = CBudgetCode::Problem(header.m_strCodigo); !problem.isEmpty()) {
        CMessageBox::Show(this, problem);
        return;
    }
    if (IsListed(header.m_strCodigo)) {
        CMessageBox::Show(this, tr("Ya existe este presupuesto"));
        return;
    }
    const bool created = CStoreErrors::Catch(this, [&] {
        CWaitCursor wait;
        create(header);
    });
    if (created)
        CloseWithCode(header.m_strCodigo);
}

void CPresupuestosDlg::OnCopiar()
{
    const QString source = SelectedCode();
    if (source.isEmpty()) {
        CMessageBox::Show(this, tr("Elija un presupuesto"));
        return;
    }
    CBudgetHeader sourceHeader;
    try {
        CPresupuestosSet set(&m_view.GetDocument().Database());
        set.FilterBudget(source);
        set.Open(CRecordset::snapshot, {}, CRecordset::readOnly);
        if (set.IsEOF()) {
            CMessageBox::Show(this, tr("Ya no existe este presupuesto"));
            return;
        }
        sourceHeader.Load(set);
    } catch (const CDBException&) {
        CMessageBox::Show(this, tr("Error al abrir tabla Presupuestos"));
        return;
    }
    CDatosPresupuestoDlg dialog(true, this);
    dialog.SetHeader(sourceHeader);
    CreateFromDialog(dialog, [this, &source](const CBudgetHeader& header) {
        CBudgetAdmin::Copy(m_view.GetDocument().Database(), source, header);
    });
}

void CPresupuestosDlg::OnBorrar()
{
    const int row = m_pList->GetFirstSelected();
    if (row < 0)
        return;
    const QString code = m_pList->GetItemText(row, kCodigo);
    // A whole budget goes, with no undo: the user says so first.
    long lines = 0;
    if (!CStoreErrors::Catch(this, [&] { lines = CBudgetAdmin::LineCount(m_view.GetDocument().Database(), code); }))
        return;
    const QString question = tr("¿Borrar el presupuesto %1, «%2», con sus %3 líneas y sus mediciones?\n\n"
                                "El borrado no se puede deshacer.")
                                 .arg(code, m_pList->GetItemText(row, kNombre),
                                      FormatLocaleNumber(QString::number(lines), 0));
    if (!CMessageBox::AskYesNo(this, question))
        return;
    if (!CStoreErrors::Catch(this, [&] { CBudgetAdmin::Delete(m_view.GetDocument().Database(), code); }))
        return;
    if (code == m_view.m_strCodigo)
        m_view.CloseBudget();
    m_strCodigo.clear();
    CStoreErrors::Catch(this, [this] { FillList(); });
}

void CPresupuestosDlg::OnImportar()
{
    CStoreErrors::Catch(this, [this] { Import(); });
}

void CPresupuestosDlg::OnExportar()
{
    CStoreErrors::Catch(this, [this] { Export(); });
}

void CPresupuestosDlg::Import()
{
    const QString path = m_chooseImportFile(this);
    if (path.isEmpty())
        return;
    bool replace = false;
    if (IsListed(Bc3BudgetCodeFromFileName(path))) {
        if (!CMessageBox::AskYesNo(this, CBc3Messages::Text(CBc3Messages::ReplaceQuestion)))
            return;
        replace = true;
    }
    CBc3ImportOutcome outcome;
    {
        CWaitCursor wait;
        CProgressDisplay progress(m_pProgress, m_pProgressText);
        outcome = ImportBudgetBc3(m_view.GetDocument().Database(), path, replace, &progress);
        // Lines left in the store without a header also take the code.
        if (outcome.m_status == CBc3ImportOutcome::Exists && !replace) {
            m_pProgress->hide();
            m_pProgressText->hide();
            QApplication::restoreOverrideCursor();
            const bool yes = CMessageBox::AskYesNo(this, outcome.Message());
            QApplication::setOverrideCursor(Qt::WaitCursor);
            if (!yes)
                return;
            outcome = ImportBudgetBc3(m_view.GetDocument().Database(), path, true, &progress);
        }
        m_pProgress->hide();
        m_pProgressText->hide();
    }
    if (!outcome.IsOk()) {
        CMessageBox::Show(this, outcome.Message());
        FillList();
        return;
    }
    CloseWithCode(outcome.m_strBudget);
}

void CPresupuestosDlg::Export()
{
    const QString code = SelectedCode();
    if (code.isEmpty()) {
        CMessageBox::Show(this, CBc3Messages::Text(CBc3Messages::ChooseBudget));
        return;
    }
    CBc3BudgetExport exporter(m_view.GetDocument());
    CBc3BudgetExport::Status status = exporter.Open(code);
    if (status != CBc3BudgetExport::Ok) {
        CMessageBox::Show(this, CBc3BudgetExport::Message(status));
        return;
    }
    const QString chosen = m_chooseExportFile(this, code + QStringLiteral(".bc3"));
    if (chosen.isEmpty())
        return;
    {
        CWaitCursor wait;
        status = exporter.Write(CBc3BudgetExport::FileNameWithExtension(chosen));
    }
    if (status != CBc3BudgetExport::Ok)
        CMessageBox::Show(this, CBc3BudgetExport::Message(status));
    else if (!exporter.Unencodables().empty())
        CMessageBox::Show(this, CBc3BudgetExport::UnencodableWarning(exporter.Unencodables(), false));
}
