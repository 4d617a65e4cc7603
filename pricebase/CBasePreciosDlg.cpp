#include "pricebase/CBasePreciosDlg.h"

#include "budget/CBudgetRow.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "grid/CNoSeparatorMemo.h"
#include "grid/CRedrawGuard.h"
#include "pricebase/CBuscarDlg.h"
#include "pricebase/CImportarTarifaDlg.h"
#include "pricebase/CNuevaTarifaDlg.h"
#include "pricebase/CPreciosList.h"
#include "pricebase/CPriceBaseAdmin.h"
#include "pricebase/CTarifasList.h"
#include "store/CDBException.h"
#include "ui/CMessageBox.h"
#include "ui/CPictureBox.h"
#include "ui/CToolbarIcons.h"
#include "ui/CWaitCursor.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kDescriptionLimit = 40000;

QPushButton* Button(const QString& strText, const char* szName, QWidget* parent)
{
    auto* button = new QPushButton(strText, parent);
    button->setObjectName(QString::fromLatin1(szName));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CBasePreciosDlg::CBasePreciosDlg(CVelmoraView& view, QWidget* parent)
    : QDialog(parent)
    , m_view(view)
    , m_pTariffs(new CTarifasList(this))
    , m_pLines(new CPreciosList(this))
    , m_pDescripcion(new CNoSeparatorMemo(this))
    , m_pPicture(new CPictureBox(this))
    , m_pNueva(Button(tr("Nueva"), "nueva", this))
    , m_pBorrar(Button(tr("Borrar"), "borrar", this))
    , m_pImportar(Button(tr("Importar"), "importar", this))
    , m_pBuscar(new QToolButton(this))
{
    setWindowTitle(tr("Base de Precios"));
    setModal(false);
    m_pTariffs->setObjectName(QStringLiteral("tariffList"));
    m_pLines->setObjectName(QStringLiteral("priceGrid"));
    m_pDescripcion->setObjectName(QStringLiteral("descripcion"));
    m_pBuscar->setObjectName(QStringLiteral("buscar"));
    m_pBuscar->setIcon(CToolbarIcons::SearchIcon());
    m_pBuscar->setIconSize(QSize(24, 24));
    m_pBuscar->setToolTip(tr("Buscar"));
    m_pBuscar->setAutoRaise(false);

    m_pTariffs->SetupColumns();
    m_pTariffs->m_onTariffChosen = [this](int nRow) { Guard([&] { ChooseTariff(nRow); FillPriceLines(1); }); };
    m_pTariffs->m_onImageFolder = [this](int nRow) { Guard([&] { OnImageFolder(nRow); }); };
    m_pLines->Attach(this, &m_view.GetDocument().m_preciosSet);
    m_pLines->SetupColumns();
    m_pDescripcion->SetMaxLength(kDescriptionLimit);
    m_pDescripcion->setReadOnly(true);
    connect(m_pDescripcion, &CNoSeparatorMemo::textChanged, this, &CBasePreciosDlg::OnDescriptionChanged);
    connect(m_pNueva, &QPushButton::clicked, this, &CBasePreciosDlg::OnNueva);
    connect(m_pBorrar, &QPushButton::clicked, this, &CBasePreciosDlg::OnBorrar);
    connect(m_pImportar, &QPushButton::clicked, this, &CBasePreciosDlg::OnImportar);
    connect(m_pBuscar, &QToolButton::clicked, this, &CBasePreciosDlg::OnBuscar);

    auto* buttons = new QVBoxLayout;
    for (QWidget* button : {static_cast<QWidget*>(m_pNueva), static_cast<QWidget*>(m_pBorrar),
                            static_cast<QWidget*>(m_pImportar)})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(m_pBuscar, 0, Qt::AlignHCenter);
    auto* top = new QHBoxLayout;
    top->addWidget(m_pTariffs, 1);
    top->addLayout(buttons);
    auto* bottom = new QHBoxLayout;
    m_pDescripcion->setFixedHeight(120);
    m_pPicture->setFixedSize(100, 120);
    bottom->addWidget(m_pDescripcion, 1);
    bottom->addWidget(m_pPicture);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_pLines, 3);
    layout->addLayout(bottom);
    resize(960, 680);

    m_runNewDialog = [](CNuevaTarifaDlg& dialog) { return dialog.exec() == QDialog::Accepted; };
    m_chooseImageFolder = [](QWidget* owner) {
        return QFileDialog::getExistingDirectory(owner, tr("Seleccione la carpeta de imágenes"));
    };
    m_runSearchDialog = [](CBuscarDlg& dialog) { dialog.exec(); };
    m_runImportDialog = [this](QWidget* owner) {
        std::vector<std::pair<QString, QString>> imported;
        CImportarTarifaDlg dialog(m_view.GetDocument().Database(), owner);
        if (dialog.exec() == QDialog::Accepted) {
            for (const CBc3PriceImportOutcome::Tariff& tariff : dialog.Outcome().m_tariffs)
                imported.emplace_back(dialog.Outcome().m_strCode, tariff.name);
        }
        return imported;
    };
}

CBasePreciosDlg::~CBasePreciosDlg() = default;

void CBasePreciosDlg::Guard(const std::function<void()>& action)
{
    try {
        action();
    } catch (const CDBException& e) {
        ReloadAfterError(e);
    }
}

void CBasePreciosDlg::Show()
{
    show();
    raise();
    activateWindow();
    Guard([this] {
        FillTariffs();
        FillPriceLines(1);
    });
}

// Tariffs ----------------------------------------------------------------------

void CBasePreciosDlg::FillTariffs()
{
    CVelmoraDoc& doc = m_view.GetDocument();
    QString code = m_strCode;
    QString tariff = m_strTariff;
    if (code.isEmpty() && tariff.isEmpty() && doc.m_parametrosSet.IsOpen() && !doc.m_parametrosSet.IsEOF()) {
        code = doc.m_parametrosSet.m_LISTA;
        tariff = doc.m_parametrosSet.m_TARIFA;
    }
    m_pTariffs->DeleteAllItems();
    m_tariffRows.clear();
    CWaitCursor wait;
    int chosen = 0;
    {
        CRedrawGuard redrawOff(*m_pTariffs);
        CTarifasSet& set = doc.m_tarifasSet;
        set.FilterAll(QStringLiteral("CODIGO, TARIFA"));
        if (set.IsOpen())
            set.Requery();
        else
            set.Open();
        for (int row = 0; !set.IsEOF(); set.MoveNext(), ++row) {
            const QString images = set.m_IMAGENES.isEmpty()
                ? tr("<Doble click aquí para seleccionar carpeta de imagenes>")
                : set.m_IMAGENES;
            m_pTariffs->InsertItem(row, QStringList{set.m_CODIGO, set.m_TARIFA, images, set.m_FECHA.Format(),
                                                    QString::number(row + 1)});
            m_tariffRows.push_back({set.m_CODIGO, set.m_TARIFA, set.m_IMAGENES});
            if (set.m_CODIGO == code && set.m_TARIFA == tariff)
                chosen = row;
        }
    }
    if (m_tariffRows.empty()) {
        ChooseTariff(-1);
        return;
    }
    m_pTariffs->SelectAndFocus(chosen);
    m_pTariffs->EnsureVisible(chosen);
    ChooseTariff(chosen);
}

void CBasePreciosDlg::ChooseTariff(int nRow)
{
    const bool valid = nRow >= 0 && nRow < int(m_tariffRows.size());
    m_strCode = valid ? m_tariffRows[size_t(nRow)].code : QString();
    m_strTariff = valid ? m_tariffRows[size_t(nRow)].tariff : QString();
    m_strImages = valid ? m_tariffRows[size_t(nRow)].images : QString();
}

void CBasePreciosDlg::OnImageFolder(int nRow)
{
    if (nRow < 0 || nRow >= int(m_tariffRows.size()))
        return;
    const QString folder = m_chooseImageFolder(this);
    if (folder.isEmpty())
        return;
    TariffRow& tariff = m_tariffRows[size_t(nRow)];
    CPriceBaseAdmin::SetImageFolder(m_view.GetDocument().Database(), tariff.code, tariff.tariff, folder);
    tariff.images = folder;
    m_pTariffs->SetItemText(nRow, CTarifasList::Imagenes, folder);
    if (tariff.code == m_strCode && tariff.tariff == m_strTariff)
        m_strImages = folder;
}

void CBasePreciosDlg::OnNueva()
{
    CNuevaTarifaDlg dialog(this);
    if (!m_runNewDialog(dialog))
        return;
    Guard([&] {
        CDatabase& database = m_view.GetDocument().Database();
        if (CPriceBaseAdmin::Exists(database, dialog.Code(), dialog.Tariff())) {
            CMessageBox::Show(this, tr("Ya existe esta tarifa"));
            return;
        }
        CPriceBaseAdmin::Create(database, dialog.Code(), dialog.Tariff());
        m_strCode = dialog.Code();
        m_strTariff = dialog.Tariff();
        FillTariffs();
        FillPriceLines(1);
    });
}

void CBasePreciosDlg::OnBorrar()
{
    const QList<int> rows = m_pTariffs->GetSelectedRows();
    if (rows.isEmpty())
        return;
    std::vector<CPriceBaseAdmin::Key> keys;
    for (const int row : rows)
        keys.emplace_back(m_tariffRows[size_t(row)].code, m_tariffRows[size_t(row)].tariff);
    // A tariff may hold tens of thousands of lines, and nothing brings them back.
    const QString question = keys.size() == 1
        ? tr("¿Borrar la tarifa %1 de %2 con todas sus líneas?").arg(keys.front().second, keys.front().first)
        : tr("¿Borrar las %1 tarifas seleccionadas con todas sus líneas?").arg(keys.size());
    if (!CMessageBox::AskYesNo(this, question))
        return;
    Guard([&] {
        CWaitCursor wait;
        CPriceBaseAdmin::Delete(m_view.GetDocument().Database(), keys);
        FillTariffs();
        FillPriceLines(1);
    });
}

void CBasePreciosDlg::OnImportar()
{
    const std::vector<std::pair<QString, QString>> imported = m_runImportDialog(this);
    if (imported.empty())
        return;
    // The first tariff imported is the one shown.
    m_strCode = imported.front().first;
    m_strTariff = imported.front().second;
    Guard([this] {
        FillTariffs();
        FillPriceLines(1);
    });
}

// Lines ------------------------------------------------------------------------

void CBasePreciosDlg::FillPriceLines(int nMaxLevel)
{
    m_pLines->DeleteAllItems();
    ClearDescription();
    m_pPicture->SetPath(QString());
    if (m_strCode.isEmpty() && m_strTariff.isEmpty())
        return;
    CWaitCursor wait;
    CRedrawGuard redrawOff(*m_pLines);
    // The editing service works on the document's set, which stands on the
    // open tariff; the rows are read apart, only as deep as they are shown:
    // a price base holds tens of thousands of lines, its first levels few.
    CPreciosSet& lines = m_view.GetDocument().m_preciosSet;
    lines.FilterTree(CLineTable::ForTariff(m_strCode, m_strTariff));
    if (lines.IsOpen())
        lines.Requery();
    else
        lines.Open();
    m_pLines->LoadTree(nMaxLevel);
}

CEditingService CBasePreciosDlg::Service()
{
    return CEditingService(m_view.GetDocument().m_preciosSet, CLineTable::ForTariff(m_strCode, m_strTariff));
}

CLineClipboard& CBasePreciosDlg::Clipboard()
{
    return m_view.Clipboard();
}

void CBasePreciosDlg::ClearDescription()
{
    SetDescription(0, QString());
}

void CBasePreciosDlg::SetDescription(long nLine, const QString& strText)
{
    m_nDescriptionLine = nLine;
    const QSignalBlocker blocker(m_pDescripcion);
    m_pDescripcion->setPlainText(strText);
    m_pDescripcion->setReadOnly(nLine <= 0);
}

void CBasePreciosDlg::OnDescriptionChanged()
{
    // What is typed goes to the line whose description is shown, and to no other.
    if (m_nDescriptionLine > 0)
        m_pLines->StoreDescription(m_nDescriptionLine, m_pDescripcion->toPlainText());
}

void CBasePreciosDlg::ShowLinePicture(const QString& strImage)
{
    if (strImage.isEmpty()) {
        m_pPicture->SetPath(QString());
        return;
    }
    // Folders and names written on Windows separate with backslashes.
    QString path = m_strImages;
    while (path.endsWith(u'\\') || path.endsWith(u'/'))
        path.chop(1);
    path += u'/' + strImage;
    m_pPicture->SetPath(path.replace(u'\\', u'/'));
}

void CBasePreciosDlg::ReloadAfterError(const CDBException& error)
{
    try {
        FillTariffs();
        FillPriceLines(1);
    } catch (const CDBException&) {
        // The next operation reports it.
    }
    CMessageBox::Show(this,
                      tr("No se ha podido guardar el cambio; la base de precios queda como estaba.\n\n%1")
                          .arg(error.m_strError),
                      QMessageBox::Ok, QMessageBox::Critical);
}

void CBasePreciosDlg::ShowRefusal(const QString& strMessage)
{
    CMessageBox::Show(this, strMessage, QMessageBox::Ok, QMessageBox::Warning);
}

// Search -----------------------------------------------------------------------

void CBasePreciosDlg::OnBuscar()
{
    if (m_pLines->GetItemCount() == 0)
        return;
    if (m_pLines->GetFirstSelected() < 0)
        SelectLine(0);
    CBuscarDlg dialog([this](const QString& strText) { FindNext(strText); }, this);
    m_runSearchDialog(dialog);
}

void CBasePreciosDlg::SelectLine(int nRow)
{
    m_pLines->DeselectAll();
    m_pLines->SelectAndFocus(nRow);
    m_pLines->EnsureVisible(nRow);
    m_pLines->m_nRow = nRow;
    m_pLines->OnItemClick(nRow, 0, 0);
}

int CBasePreciosDlg::RevealLine(long nLine)
{
    for (const long ancestor : Service().Tree().Ancestors(nLine)) {
        const int row = m_pLines->RowOfLine(ancestor);
        if (row >= 0 && m_pLines->GetItemStateImage(row) == 1)
            m_pLines->ExpandLine(row, int(m_pLines->RowLevel(row) + 1));
    }
    return m_pLines->RowOfLine(nLine);
}

void CBasePreciosDlg::FindNext(const QString& strText)
{
    const int selected = m_pLines->GetFirstSelected();
    if (strText.isEmpty() || selected < 0)
        return;
    Guard([&] {
        const long from = m_pLines->RowLine(selected);
        long found = Service().Tree().FindText(from, strText);
        if (found == 0) {
            if (from <= 1) {
                CMessageBox::Show(this, tr("No encontrado"));
                return;
            }
            if (!CMessageBox::AskYesNo(this, tr("No encontrado, ¿buscar desde el principio?")))
                return;
            SelectLine(0);
            found = Service().Tree().FindText(m_pLines->RowLine(0), strText);
            if (found == 0) {
                CMessageBox::Show(this, tr("No encontrado"));
                return;
            }
        }
        const int row = RevealLine(found);
        if (row >= 0)
            SelectLine(row);
    });
}
