#include "budget/CVelmoraView.h"

#include "admin/CBudgetHeader.h"
#include "admin/CDatosEmpresaDlg.h"
#include "admin/CDatosPresupuestoDlg.h"
#include "admin/CPresupuestosDlg.h"
#include "app/CProfile.h"
#include "app/CommandIds.h"
#include "budget/CArticulosList.h"
#include "budget/CBudgetRow.h"
#include "budget/CBudgetTotals.h"
#include "budget/CEditingService.h"
#include "budget/CVelmoraDoc.h"
#include "core/CLanguage.h"
#include "grid/CNoSeparatorMemo.h"
#include "grid/CRedrawGuard.h"
#include "measure/CMedicionesDlg.h"
#include "output/CExcelExportCommand.h"
#include "output/CRtfReportDlg.h"
#include "output/CPrintRun.h"
#include "pricebase/CBasePreciosDlg.h"
#include "store/CDBException.h"
#include "store/CPresupuestosSet.h"
#include "store/CSchema.h"
#include "store/NumberText.h"
#include "ui/CMessageBox.h"
#include "ui/CPictureBox.h"
#include "ui/FieldWidth.h"
#include "ui/CStoreErrors.h"
#include "ui/CWaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr int kDescriptionLimit = 40000;

// The manuals live in the program's data folder: the user's, or the one it
// was installed or built with.
QString FindManual(const QString& strName)
{
    const QString user = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("Velmora/") + strName);
    if (!user.isEmpty())
        return user;
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {appDir + QStringLiteral("/../share/velmora"), appDir + QStringLiteral("/../res"), appDir}) {
        const QFileInfo candidate(dir + u'/' + strName);
        if (candidate.exists())
            return candidate.absoluteFilePath();
    }
    return {};
}

} // namespace

CVelmoraView::CVelmoraView(CVelmoraDoc& doc, QWidget* parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_session(doc)
    , m_pList(new CArticulosList(this))
    , m_pDescripcion(new CNoSeparatorMemo(this))
    , m_pPicture(new CPictureBox(this))
    , m_pTotal(new QLineEdit(this))
    , m_pTotalCaption(new QLabel(tr("Total presupuesto"), this))
    , m_pEmptyHint(new QLabel(tr("No hay ningún presupuesto abierto.\n\n"
                                 "Para abrir uno o crear uno nuevo, elija Archivo › Gestión de presupuestos."),
                              this))
{
    m_pEmptyHint->setObjectName(QStringLiteral("emptyHint"));
    m_pEmptyHint->setAlignment(Qt::AlignCenter);
    m_pEmptyHint->setWordWrap(true);
    m_pList->setObjectName(QStringLiteral("budgetGrid"));
    m_pDescripcion->setObjectName(QStringLiteral("descripcion"));
    m_pTotal->setObjectName(QStringLiteral("total"));
    m_pTotal->setReadOnly(true);
    m_pTotal->setAlignment(Qt::AlignRight);
    m_pDescripcion->SetMaxLength(kDescriptionLimit);
    m_pDescripcion->installEventFilter(this);
    connect(m_pDescripcion, &CNoSeparatorMemo::textChanged, this, &CVelmoraView::OnDescriptionChanged);
    connect(m_pList, &CEditList::SelectionChanged, this, &CVelmoraView::CommandStateChanged);
    ShowBudgetControls(false);
}

CVelmoraView::~CVelmoraView()
{
    m_session.Close(m_strCodigo);
}

bool CVelmoraView::IsCatalan() const
{
    return CLanguage::IsCatalan(m_strIdioma);
}

void CVelmoraView::OnInitialUpdate()
{
    m_strIdioma = CProfile::Language();
    m_strDatabasePath = CSchema::DefaultDatabasePath();
    m_session.Open(m_strDatabasePath);
    m_pList->Attach(this, &m_doc.m_articulosSet);
    SetupGrid();
    ShowBudgetControls(false);
    if (!m_pMediciones) {
        m_pMediciones = new CMedicionesDlg(*this, m_doc.m_medidasSet, this);
        m_pMediciones->hide();
        connect(m_pList, &CArticulosList::LineSelected, m_pMediciones, &CMedicionesDlg::OnBudgetLineSelected);
    }
    if (!m_pBasePrecios) {
        m_pBasePrecios = new CBasePreciosDlg(*this, this);
        m_pBasePrecios->hide();
    }
}

void CVelmoraView::SetupGrid()
{
    m_pList->SetupColumns();
}

// The open budget ---------------------------------------------------------------

void CVelmoraView::ShowBudgetControls(bool bShow)
{
    for (QWidget* control : {static_cast<QWidget*>(m_pList), static_cast<QWidget*>(m_pDescripcion),
                             static_cast<QWidget*>(m_pPicture), static_cast<QWidget*>(m_pTotalCaption),
                             static_cast<QWidget*>(m_pTotal)})
        control->setVisible(bShow);
    // With no budget open the view tells how to open or create one.
    m_pEmptyHint->setVisible(!bShow);
}

void CVelmoraView::OpenBudget(const QString& strCode)
{
    if (strCode.isEmpty())
        return;
    ShowBudgetControls(true);
    m_strCodigo = strCode;
    try {
        FillList(1);
    } catch (const CDBException& e) {
        // A budget that cannot be read is not shown half-loaded.
        CloseBudget();
        CStoreErrors::Report(this, e);
        return;
    }
    emit CommandStateChanged();
}

void CVelmoraView::CloseBudget()
{
    m_pList->DeleteAllItems();
    m_strCodigo.clear();
    ShowBudgetControls(false);
    ClearDescription();
    m_pPicture->SetPath(QString());
    emit CommandStateChanged();
}

void CVelmoraView::FillList(int nMaxLevel)
{
    m_pList->DeleteAllItems();
    m_pTotal->clear();
    CWaitCursor wait;
    CRedrawGuard redrawOff(*m_pList);
    m_doc.m_presupuestosSet.FilterBudget(m_strCodigo);
    m_doc.m_presupuestosSet.Requery();
    // The editing service works on the document's set, which stands on the
    // open budget; the rows are read apart, only as deep as they are shown.
    m_doc.m_articulosSet.FilterBudget(m_strCodigo);
    m_doc.m_articulosSet.Requery();
    m_pList->LoadTree(nMaxLevel);
    m_pTotal->setText(m_pList->GetItemText(0, CBudgetRow::Importe));
    ClearDescription();
    emit CommandStateChanged();
}

CEditingService CVelmoraView::Service()
{
    return CEditingService(m_doc.m_articulosSet, CLineTable::ForBudget(m_strCodigo), &m_doc.m_presupuestosSet);
}

void CVelmoraView::Renumber()
{
    if (!IsBudgetOpen())
        return;
    try {
        Service().Renumber();
    } catch (const CDBException& e) {
        ReloadAfterError(e);
        return;
    }
    FillList(-1);
}

void CVelmoraView::UpdateTotals()
{
    if (!IsBudgetOpen())
        return;
    try {
        ShowTotals(Service().UpdateTotals());
    } catch (const CDBException& e) {
        ReloadAfterError(e);
    }
}

void CVelmoraView::ShowTotals(const CChangeSet& changes)
{
    if (!changes.m_strRootAmount.isEmpty())
        m_pTotal->setText(FormatLocaleNumber(changes.m_strRootAmount, 2));
}

QString CVelmoraView::ParentCode(long nLine)
{
    return Service().Tree().ParentCode(nLine);
}

bool CVelmoraView::OnPreparePrinting(bool bPreview)
{
    m_pPrintRun = std::make_unique<CPrintRun>(m_doc.Database(), m_doc.m_presupuestosSet, m_strCodigo, m_pPrinter, this);
    if (m_pPrintRun->Prepare(bPreview))
        return true;
    m_pPrintRun.reset();
    return false;
}

void CVelmoraView::OnPrint(QPainter&, int nPage)
{
    if (m_pPrintRun)
        m_pPrintRun->PrintPage(nPage);
}

void CVelmoraView::OnEndPrinting()
{
    m_pPrintRun.reset();
}

void CVelmoraView::ReloadAfterError(const CDBException& error)
{
    try {
        m_doc.m_medidasSet.Requery();
        // Loading the budget requeries its lines; without one they are requeried alone.
        if (IsBudgetOpen())
            FillList(1);
        else
            m_doc.m_articulosSet.Requery();
    } catch (const CDBException&) {
        // The next operation reports it.
    }
    const QString reason = CStoreErrors::Reason(error.m_strError);
    CMessageBox::Show(this,
                      tr("No se ha podido guardar el cambio; el presupuesto queda como estaba.")
                          + (reason.isEmpty() ? QString() : u' ' + reason) + QStringLiteral("\n\n")
                          + error.m_strError,
                      QMessageBox::Ok, QMessageBox::Critical);
}

// Description and picture -----------------------------------------------------

void CVelmoraView::ShowRefusal(const QString& strMessage)
{
    CMessageBox::Show(this, strMessage, QMessageBox::Ok, QMessageBox::Warning);
}

void CVelmoraView::ClearDescription()
{
    SetDescription(0, QString());
}

void CVelmoraView::SetDescription(long nLine, const QString& strText)
{
    m_nDescriptionLine = nLine;
    // Showing a line's description is not a change of it.
    const QSignalBlocker blocker(m_pDescripcion);
    m_pDescripcion->setPlainText(strText);
    m_pDescripcion->setReadOnly(nLine <= 0);
}

void CVelmoraView::ShowLinePicture(const QString& strImage)
{
    QString folder = m_doc.m_presupuestosSet.IsEOF() ? QString() : m_doc.m_presupuestosSet.m_IMAGENES;
    if (strImage.isEmpty()) {
        m_pPicture->SetPath(QString());
        return;
    }
    if (!folder.isEmpty() && !folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    m_pPicture->SetPath(QDir::fromNativeSeparators(folder + strImage));
}

void CVelmoraView::OnDescriptionChanged()
{
    // What is typed goes to the line whose description is shown, and to no other.
    const long line = m_nDescriptionLine;
    if (line <= 0)
        return;
    m_pList->StoreDescription(line, m_pDescripcion->toPlainText());
}

bool CVelmoraView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pDescripcion && event->type() == QEvent::FocusIn && m_pList->GetFirstSelected() < 0) {
        m_pList->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CVelmoraView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_pList->setGeometry(0, 0, w, std::max(0, h - 130));
    m_pEmptyHint->setGeometry(0, 0, w, h);
    m_pDescripcion->setGeometry(0, h - 120, 500, 120);
    m_pPicture->setGeometry(510, h - 120, 100, 120);
    // The total box holds the largest total there is, 999.999.999.999,99,
    // in the user's font; the caption ends where the spacing before it
    // begins, as wide as its text needs.
    const int totalWidth = std::max(80, FieldWidthFor(*m_pTotal, FormatLocaleNumber(QStringLiteral("999999999999.99"), 2)));
    const int boxHeight = std::max(18, m_pTotal->sizeHint().height());
    const int captionWidth = std::max(100, m_pTotalCaption->sizeHint().width());
    m_pTotalCaption->setGeometry(w - totalWidth - 10 - captionWidth, h - 120, captionWidth, boxHeight);
    m_pTotal->setGeometry(w - totalWidth, h - 120, totalWidth, boxHeight);
}

// Commands --------------------------------------------------------------------

bool CVelmoraView::OnCommand(int nID)
{
    switch (nID) {
    case ID_IDIOMA_CASTELLANO:
        OnIdioma(QStringLiteral("0"));
        return true;
    case ID_IDIOMA_CATALA:
        OnIdioma(QStringLiteral("1"));
        return true;
    case ID_MANUAL:
        OnManual();
        return true;
    case ID_DATOS_EMPRESA:
        OnDatosEmpresa();
        return true;
    case ID_GESTION_PRESUPUESTOS:
        OnGestionPresupuestos();
        return true;
    case ID_DATOS_TOTALES:
        OnDatosTotales();
        return true;
    case ID_CERRAR_PRESUPUESTO:
        CloseBudget();
        return true;
    case ID_RENUMERAR:
        Renumber();
        return true;
    case ID_MEDICIONES:
        if (m_pMediciones)
            m_pMediciones->ToggleMeasurements();
        return true;
    case ID_BASE_PRECIOS:
        if (m_pBasePrecios)
            m_pBasePrecios->Show();
        return true;
    case ID_EXPORTAR_RTF:
        if (IsBudgetOpen())
            CRtfReportDlg(m_doc.Database(), m_strCodigo, this).exec();
        return true;
    case ID_EXPORTAR_EXCEL:
        if (IsBudgetOpen())
            CExcelExportCommand::Run(this, m_doc.Database(), m_strCodigo);
        return true;
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
        // Nothing to print without lines.
        if (m_pList->GetItemCount() > 0 && OnPreparePrinting(nID == ID_FILE_PRINT_PREVIEW)) {
            m_pPrintRun->Execute([this](QPainter& painter, int nPage) { OnPrint(painter, nPage); });
            OnEndPrinting();
        }
        return true;
    default:
        return IsBudgetOpen() && m_pList->OnCommand(nID);
    }
}

bool CVelmoraView::OnUpdateCommand(int nID, QAction& action)
{
    const int selected = m_pList->GetFirstSelected();
    switch (nID) {
    case ID_IDIOMA_CASTELLANO:
    case ID_IDIOMA_CATALA: {
        const QString value = CProfile::Language();
        action.setEnabled(true);
        action.setChecked(value == (nID == ID_IDIOMA_CASTELLANO ? QStringLiteral("0") : QStringLiteral("1")));
        return true;
    }
    case ID_MEDICIONES:
    case ID_EXPORTAR_EXCEL:
    case ID_EXPORTAR_RTF:
        action.setEnabled(m_pList->GetItemCount() > 0);
        return true;
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
        action.setEnabled(IsBudgetOpen() && m_pList->GetItemCount() > 0);
        return true;
    case ID_BASE_PRECIOS:
        action.setEnabled(m_pBasePrecios != nullptr);
        return true;
    case ID_TB_INSERTAR_CAPITULO:
        action.setEnabled(selected >= 0 && m_pList->IsChapterRow(selected));
        return true;
    case ID_TB_INSERTAR_CARPETA:
    case ID_TB_INSERTAR_CONCEPTO:
        action.setEnabled(selected >= 0);
        return true;
    default:
        return false;
    }
}

void CVelmoraView::OnIdioma(const QString& strValue)
{
    CProfile::WriteProfileString(QStringLiteral("Settings"), QStringLiteral("idioma"), strValue);
    CMessageBox::Show(this, tr("Ha de reiniciar el programa"), QMessageBox::Ok, QMessageBox::Information);
}

void CVelmoraView::OnDatosEmpresa()
{
    CDatosEmpresaDlg dialog(this);
    CStoreErrors::Catch(this, [&] { dialog.Edit(m_doc.m_parametrosSet); });
}

void CVelmoraView::OnGestionPresupuestos()
{
    QString code;
    try {
        CPresupuestosDlg dialog(*this, m_strCodigo, this);
        dialog.exec();
        code = dialog.m_strCodigo;
    } catch (const CDBException& e) {
        ReloadAfterError(e);
        return;
    }
    OpenBudget(code);
}

void CVelmoraView::OnDatosTotales()
{
    CPresupuestosSet& header = m_doc.m_presupuestosSet;
    if (m_pList->GetItemCount() == 0)
        return;
    CBudgetHeader values;
    QString rootAmount;
    try {
        header.FilterBudget(m_strCodigo);
        header.Requery();
        if (header.IsEOF())
            return;
        values.Load(header);
        rootAmount = Service().Tree().RootAmount();
    } catch (const CDBException& e) {
        ReloadAfterError(e);
        return;
    }
    CDatosPresupuestoDlg dialog(false, this);
    dialog.SetHeader(values);
    dialog.m_rootAmount = [&rootAmount] { return rootAmount; };
    dialog.m_applyIncrease = [this, &rootAmount](double dOld, double dNew) {
        try {
            const CChangeSet changes = Service().ApplyCustomIncrease(dOld, dNew);
            rootAmount = changes.m_strRootAmount;
            m_pList->ShowChanges(changes);
            return true;
        } catch (const CDBException& e) {
            ReloadAfterError(e);
            return false;
        }
    };
    dialog.m_storeTotals = [this, &header](const CBudgetHeader& current) {
        try {
            header.Edit();
            current.StoreTotals(header);
            header.Update();
        } catch (const CDBException& e) {
            ReloadAfterError(e);
        }
    };
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        header.Edit();
        dialog.Header().StoreAll(header);
        header.m_FECMOD = CDateValue::Now();
        header.Update();
    } catch (const CDBException& e) {
        ReloadAfterError(e);
    }
}

void CVelmoraView::OnManual()
{
    const QString path = FindManual(IsCatalan() ? QStringLiteral("ManualCat.pdf") : QStringLiteral("ManualCas.pdf"));
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
