#include "pricebase/CImportarTarifaDlg.h"

#include "bc3/CBc3Reader.h"
#include "store/CFileAccess.h"
#include "ui/CMessageBox.h"
#include "ui/CProgressBarText.h"
#include "ui/CProgressDisplay.h"
#include "ui/CToolbarIcons.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The header is read from the file's first bytes only.
constexpr qint64 kHeadBytes = 1000;

} // namespace

CImportarTarifaDlg::CImportarTarifaDlg(CDatabase& database, QWidget* parent)
    : QDialog(parent)
    , m_pPath(new QLineEdit(this))
    , m_pCarpeta(new QToolButton(this))
    , m_pCaption(new QLabel(tr("Ámbitos geográficos"), this))
    , m_pScopes(new QListWidget(this))
    , m_pProgress(new CProgressBarText(this))
    , m_pProgressText(new QLabel(this))
    , m_database(database)
{
    setWindowTitle(tr("Importar tarifa"));
    m_pPath->setObjectName(QStringLiteral("path"));
    m_pPath->setReadOnly(true);
    m_pPath->setMinimumWidth(320);
    m_pCarpeta->setObjectName(QStringLiteral("carpeta"));
    m_pCarpeta->setIcon(CToolbarIcons::FolderIcon());
    m_pCarpeta->setToolTip(tr("Elegir el fichero"));
    m_pScopes->setObjectName(QStringLiteral("scopes"));
    m_pScopes->setSelectionMode(QAbstractItemView::MultiSelection);
    m_pProgress->setObjectName(QStringLiteral("progress"));
    m_pProgressText->setObjectName(QStringLiteral("progressText"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pOk = buttons->button(QDialogButtonBox::Ok);
    m_pCancel = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CImportarTarifaDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CImportarTarifaDlg::reject);
    connect(m_pCarpeta, &QToolButton::clicked, this, &CImportarTarifaDlg::OnCarpeta);

    auto* file = new QHBoxLayout;
    file->addWidget(m_pPath, 1);
    file->addWidget(m_pCarpeta);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addWidget(m_pCaption);
    layout->addWidget(m_pScopes, 1);
    layout->addWidget(m_pProgress);
    layout->addWidget(m_pProgressText);
    layout->addWidget(buttons);

    m_chooseFile = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(), tr("Archivos BC3 (*.bc3)"), nullptr,
                                            QFileDialog::ReadOnly);
    };
    m_pProgress->hide();
    m_pProgressText->hide();
    SetExpanded(false);
}

void CImportarTarifaDlg::SetExpanded(bool bExpanded)
{
    m_bExpanded = bExpanded;
    m_pCaption->setVisible(bExpanded);
    m_pScopes->setVisible(bExpanded);
    setMinimumHeight(0);
    adjustSize();
    resize(width(), bExpanded ? std::max(height(), 320) : sizeHint().height());
    // Centred again over its owner, or on the screen.
    const QRect area = parentWidget() ? parentWidget()->window()->geometry()
                                      : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isValid())
        move(area.center() - rect().center());
}

void CImportarTarifaDlg::Tell(CBc3Messages::Id id)
{
    CMessageBox::Show(this, CBc3Messages::Text(id));
}

void CImportarTarifaDlg::OnCarpeta()
{
    const QString path = m_chooseFile(this);
    if (path.isEmpty()) {
        done(0);
        return;
    }
    SetFile(path);
}

void CImportarTarifaDlg::SetFile(const QString& strPath)
{
    m_pPath->setText(strPath);
    LoadScopes();
    m_strCode = Bc3PriceBaseCodeFromFileName(strPath);
}

void CImportarTarifaDlg::LoadScopes()
{
    m_pScopes->clear();
    const QString path = m_pPath->text();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!CFileAccess::IsRegularFile(path) || !file.open(QIODevice::ReadOnly)) {
        Tell(CBc3Messages::FileError);
        return;
    }
    QStringList labels;
    if (!Bc3PriceScopeLabels(file.read(kHeadBytes), labels)) {
        Tell(CBc3Messages::UnknownFormat);
        return;
    }
    m_pScopes->addItems(labels.isEmpty() ? QStringList{CBc3Messages::UnspecifiedScope()} : labels);
    SetExpanded(!labels.isEmpty());
    m_pScopes->item(0)->setSelected(true);
    m_pScopes->setCurrentRow(0);
}

void CImportarTarifaDlg::SetBusy(bool bBusy)
{
    m_bBusy = bBusy;
    m_pOk->setEnabled(!bBusy);
    m_pCancel->setEnabled(!bBusy);
    m_pCarpeta->setEnabled(!bBusy);
    m_pScopes->setEnabled(!bBusy);
}

void CImportarTarifaDlg::accept()
{
    if (!m_bBusy && ImportPriceBaseFile())
        QDialog::accept();
}

bool CImportarTarifaDlg::ImportPriceBaseFile()
{
    const QString path = m_pPath->text();
    if (path.isEmpty()) {
        Tell(CBc3Messages::ChooseFile);
        return false;
    }
    QByteArray text;
    if (!CBc3Reader::ReadFile(path, text)) {
        Tell(CBc3Messages::FileError);
        return false;
    }
    QStringList scopes;
    if (!Bc3PriceScopes(text.left(kHeadBytes), scopes)) {
        Tell(CBc3Messages::UnknownFormat);
        return false;
    }
    QStringList offered;
    QStringList chosen;
    for (int row = 0; row < m_pScopes->count(); ++row) {
        offered << m_pScopes->item(row)->text();
        if (m_pScopes->item(row)->isSelected())
            chosen << m_pScopes->item(row)->text();
    }
    if (chosen.isEmpty()) {
        if (!offered.isEmpty())
            Tell(CBc3Messages::ChooseScopes);
        return false;
    }
    SetBusy(true);
    CProgressDisplay progress(m_pProgress, m_pProgressText);
    m_outcome = ImportPriceBaseBc3Text(m_database, text, m_strCode, offered, chosen, &progress);
    SetBusy(false);
    m_pProgress->hide();
    m_pProgressText->hide();
    if (!m_outcome.IsOk()) {
        CMessageBox::Show(this, m_outcome.Message(), QMessageBox::Ok, QMessageBox::Critical);
        return false;
    }
    return true;
}

void CImportarTarifaDlg::reject()
{
    if (!m_bBusy)
        QDialog::reject();
}

void CImportarTarifaDlg::closeEvent(QCloseEvent* event)
{
    // The import answers to nothing until it is done.
    if (m_bBusy) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
