#include "admin/CDatosPresupuestoDlg.h"

#include "budget/CBudgetTotals.h"
#include "grid/CDateField.h"
#include "grid/CNumberEdit.h"
#include "store/NumberText.h"
#include "ui/CMessageBox.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kObservacionesLimit = 60000;

QString Shown(const QString& strStore)
{
    return FormatLocaleNumber(strStore, 2);
}

QString Stored(const QLineEdit* edit)
{
    return NormalizeNumberText(edit->text());
}

} // namespace

CDatosPresupuestoDlg::CDatosPresupuestoDlg(bool bNewMode, QWidget* parent)
    : QDialog(parent)
    , m_bNewMode(bNewMode)
{
    setWindowTitle(tr("Datos del presupuesto y factura"));

    m_pCodigo = TextField(20, "codigo");
    m_pCodigo->setReadOnly(!bNewMode);
    m_pNombre = TextField(0, "nombre");
    m_pTarifa = TextField(20, "tarifa");
    m_pCliente = TextField(12, "cliente");
    m_pNif = TextField(50, "nif");
    m_pDireccion = TextField(255, "direccion");
    m_pPoblacion = TextField(255, "poblacion");
    m_pCp = TextField(5, "cp");
    m_pProvincia = TextField(255, "provincia");
    m_pContacto = TextField(255, "contacto");
    m_pTelefono = TextField(50, "telefono");
    m_pFax = TextField(50, "fax");
    m_pEmail = TextField(50, "email");
    m_pFp = TextField(255, "fp");
    m_pNumFac = TextField(10, "numfac");
    m_pFecFac = new CDateField(this);
    m_pFecFac->setObjectName(QStringLiteral("fecfac"));
    m_pImagenes = TextField(255, "imagenes");
    m_pObs = new QPlainTextEdit(this);
    m_pObs->setObjectName(QStringLiteral("obs"));
    m_pObs->setTabChangesFocus(true);
    m_pObs->setMinimumHeight(90);

    m_pBind = NumberField(true, false, "bind");
    m_pImpBind = NumberField(false, true, "impbind");
    m_pGgen = NumberField(true, false, "ggen");
    m_pImpGgen = NumberField(false, true, "impggen");
    m_pCper = NumberField(true, false, "cper");
    m_pBase = NumberField(false, true, "base");
    m_pIva = NumberField(true, false, "iva");
    m_pImpIva = NumberField(false, true, "impiva");
    m_pTotal = NumberField(false, true, "totalAmount");

    auto* budget = new QFormLayout;
    budget->addRow(tr("Código"), m_pCodigo);
    budget->addRow(tr("Nombre"), m_pNombre);
    budget->addRow(tr("Tarifa"), m_pTarifa);
    budget->addRow(tr("Carpeta de imagenes"), m_pImagenes);

    auto* customer = new QFormLayout;
    customer->addRow(tr("Cliente"), m_pCliente);
    customer->addRow(tr("NIF"), m_pNif);
    customer->addRow(tr("Dirección"), m_pDireccion);
    customer->addRow(tr("Población"), m_pPoblacion);
    customer->addRow(tr("CP"), m_pCp);
    customer->addRow(tr("Provincia"), m_pProvincia);
    customer->addRow(tr("Contacto"), m_pContacto);
    customer->addRow(tr("Telefono"), m_pTelefono);
    customer->addRow(tr("Fax"), m_pFax);
    customer->addRow(tr("E-mail/Web"), m_pEmail);
    auto* customerBox = new QGroupBox(tr("Cliente"), this);
    customerBox->setLayout(customer);

    auto* invoice = new QFormLayout;
    invoice->addRow(tr("Forma de pago"), m_pFp);
    invoice->addRow(tr("Num. factura"), m_pNumFac);
    invoice->addRow(tr("Fecha factura"), m_pFecFac);
    auto* invoiceBox = new QGroupBox(tr("Factura"), this);
    invoiceBox->setLayout(invoice);

    auto* totals = new QGridLayout;
    const std::tuple<QString, CNumberEdit*, CNumberEdit*> rows[] = {
        {tr("Gastos generales"), m_pGgen, m_pImpGgen},
        {tr("Beneficio industrial"), m_pBind, m_pImpBind},
        {tr("Incremento personalizado"), m_pCper, nullptr},
    };
    int row = 0;
    for (const auto& [label, percent, amount] : rows) {
        totals->addWidget(new QLabel(label, this), row, 0);
        totals->addWidget(percent, row, 1);
        totals->addWidget(new QLabel(QStringLiteral("%"), this), row, 2);
        if (amount)
            totals->addWidget(amount, row, 3);
        ++row;
    }
    totals->addWidget(new QLabel(tr("Base"), this), row, 2, Qt::AlignRight);
    totals->addWidget(m_pBase, row++, 3);
    totals->addWidget(new QLabel(tr("Iva"), this), row, 0);
    totals->addWidget(m_pIva, row, 1);
    totals->addWidget(new QLabel(QStringLiteral("%"), this), row, 2);
    totals->addWidget(m_pImpIva, row++, 3);
    totals->addWidget(new QLabel(tr("Total"), this), row, 2, Qt::AlignRight);
    totals->addWidget(m_pTotal, row++, 3);
    auto* totalsBox = new QGroupBox(tr("Totales"), this);
    totalsBox->setLayout(totals);

    auto* budgetBox = new QGroupBox(tr("Presupuesto"), this);
    budgetBox->setLayout(budget);
    auto* left = new QVBoxLayout;
    left->addWidget(budgetBox);
    left->addWidget(customerBox);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(invoiceBox);
    right->addWidget(totalsBox);
    right->addWidget(new QLabel(tr("Observaciones"), this));
    right->addWidget(m_pObs, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Aceptar"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("aceptar"));
    buttons->addButton(tr("Cancelar"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDatosPresupuestoDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    for (CNumberEdit* percent : {m_pBind, m_pCper, m_pGgen, m_pIva})
        percent->installEventFilter(this);
    connect(m_pObs, &QPlainTextEdit::textChanged, this, [this] {
        if (m_pObs->toPlainText().size() > kObservacionesLimit) {
            const QSignalBlocker blocker(m_pObs);
            m_pObs->setPlainText(m_pObs->toPlainText().left(kObservacionesLimit));
            m_pObs->moveCursor(QTextCursor::End);
        }
    });

    SetHeader(CBudgetHeader::New());
    if (bNewMode)
        m_pCodigo->setFocus();
}

QLineEdit* CDatosPresupuestoDlg::TextField(int nLimit, const char* szName)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(szName));
    if (nLimit > 0)
        edit->setMaxLength(nLimit);
    edit->setMinimumWidth(nLimit > 0 && nLimit <= 12 ? 120 : 240);
    return edit;
}

CNumberEdit* CDatosPresupuestoDlg::NumberField(bool bPercent, bool bReadOnly, const char* szName)
{
    auto* edit = new CNumberEdit(this);
    edit->setObjectName(QString::fromLatin1(szName));
    edit->SetLimits(bPercent ? 5 : 18, 2);
    edit->setReadOnly(bReadOnly);
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(bPercent ? 70 : 120);
    return edit;
}

void CDatosPresupuestoDlg::SetHeader(const CBudgetHeader& header)
{
    m_pCodigo->setText(header.m_strCodigo);
    m_pNombre->setText(header.m_strNombre);
    m_pTarifa->setText(header.m_strTarifa);
    m_pCliente->setText(header.m_strCliente);
    m_pNif->setText(header.m_strNif);
    m_pDireccion->setText(header.m_strDireccion);
    m_pPoblacion->setText(header.m_strPoblacion);
    m_pCp->setText(header.m_strCp);
    m_pProvincia->setText(header.m_strProvincia);
    m_pContacto->setText(header.m_strContacto);
    m_pTelefono->setText(header.m_strTelefono);
    m_pFax->setText(header.m_strFax);
    m_pEmail->setText(header.m_strEmail);
    m_pFp->setText(header.m_strFp);
    m_pNumFac->setText(header.m_strNumFac);
    m_pFecFac->SetDateValue(header.m_fecFac);
    m_pImagenes->setText(header.m_strImagenes);
    m_pObs->setPlainText(header.m_strObs);
    m_pBind->setText(Shown(header.m_strBind));
    m_pImpBind->setText(Shown(header.m_strImpBind));
    m_pGgen->setText(Shown(header.m_strGgen));
    m_pImpGgen->setText(Shown(header.m_strImpGgen));
    m_pCper->setText(Shown(header.m_strCper));
    m_pBase->setText(Shown(header.m_strBase));
    m_pIva->setText(Shown(header.m_strIva));
    m_pImpIva->setText(Shown(header.m_strImpIva));
    m_pTotal->setText(Shown(header.m_strTotal));
    m_fecEnt = header.m_fecEnt;
    m_fecMod = header.m_fecMod;
    m_dHeldIncrease = StoreAtof(header.m_strCper);
    m_strHeldIncrease = m_pCper->text();
}

CBudgetHeader CDatosPresupuestoDlg::Header() const
{
    CBudgetHeader header;
    header.m_strCodigo = m_pCodigo->text();
    header.m_strNombre = m_pNombre->text();
    header.m_strTarifa = m_pTarifa->text();
    header.m_strCliente = m_pCliente->text();
    header.m_strNif = m_pNif->text();
    header.m_strDireccion = m_pDireccion->text();
    header.m_strPoblacion = m_pPoblacion->text();
    header.m_strCp = m_pCp->text();
    header.m_strProvincia = m_pProvincia->text();
    header.m_strContacto = m_pContacto->text();
    header.m_strTelefono = m_pTelefono->text();
    header.m_strFax = m_pFax->text();
    header.m_strEmail = m_pEmail->text();
    header.m_strFp = m_pFp->text();
    header.m_strNumFac = m_pNumFac->text();
    header.m_fecFac = m_pFecFac->DateValue();
    header.m_fecEnt = m_fecEnt;
    header.m_fecMod = m_fecMod;
    header.m_strImagenes = m_pImagenes->text();
    header.m_strObs = m_pObs->toPlainText();
    header.m_strBind = Stored(m_pBind);
    header.m_strImpBind = Stored(m_pImpBind);
    header.m_strGgen = Stored(m_pGgen);
    header.m_strImpGgen = Stored(m_pImpGgen);
    header.m_strCper = Stored(m_pCper);
    header.m_strBase = Stored(m_pBase);
    header.m_strIva = Stored(m_pIva);
    header.m_strImpIva = Stored(m_pImpIva);
    header.m_strTotal = Stored(m_pTotal);
    return header;
}

bool CDatosPresupuestoDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !m_bNewMode)
        OnLeavePercentage();
    return QDialog::eventFilter(watched, event);
}

void CDatosPresupuestoDlg::OnLeavePercentage()
{
    if (m_bNewMode)
        return;
    const double increase = StoreAtof(Stored(m_pCper));
    if (increase != m_dHeldIncrease) {
        if (!m_applyIncrease || m_applyIncrease(m_dHeldIncrease, increase)) {
            m_dHeldIncrease = increase;
            m_strHeldIncrease = m_pCper->text();
        } else {
            // The prices stand at the increase held: so does the field, and
            // with it what is stored.
            m_pCper->setText(m_strHeldIncrease);
        }
    }
    const double pem = CBudgetTotals::PemFromAmount(m_rootAmount ? m_rootAmount() : QString());
    const CBudgetTotals totals = CBudgetTotals::Compute(pem, StoreAtof(Stored(m_pGgen)), StoreAtof(Stored(m_pBind)),
                                                        StoreAtof(Stored(m_pIva)));
    m_pImpGgen->setText(Shown(StoreFormat(totals.m_dGastos, 2)));
    m_pImpBind->setText(Shown(StoreFormat(totals.m_dBeneficio, 2)));
    m_pBase->setText(Shown(StoreFormat(totals.m_dBase, 2)));
    m_pImpIva->setText(Shown(StoreFormat(totals.m_dIva, 2)));
    m_pTotal->setText(Shown(StoreFormat(totals.m_dTotal, 2)));
    if (m_storeTotals)
        m_storeTotals(Header());
}

void CDatosPresupuestoDlg::accept()
{
    if (!m_bNewMode)
        OnLeavePercentage();
    if (m_bNewMode && m_pCodigo->text().isEmpty()) {
        CMessageBox::Show(this, tr("Falta código de presupuesto"));
        return;
    }
    QDialog::accept();
}
