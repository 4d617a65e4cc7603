#include "output/CPrintOptionsDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CPrintOptionsDlg::CPrintOptionsDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Opciones de impresión"));
    auto* grid = new QGridLayout;
    grid->addWidget(CreateDocumentBox(false), 0, 0);
    grid->addWidget(CreateDocumentBox(true), 0, 1);
    grid->addWidget(CreateHeaderBox(), 1, 0, 2, 1);
    grid->addWidget(CreateBodyBox(), 1, 1);
    grid->addWidget(CreateFooterBox(), 2, 1);

    auto* documents = new QButtonGroup(this);
    documents->addButton(m_pBudget);
    documents->addButton(m_pInvoice);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("Aceptar"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("aceptar"));
    ok->setDefault(true);
    buttons->addButton(tr("Cancelar"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    // The controls whose state others follow.
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             m_pBudget, m_pInvoice, m_pShowInvoiceDate, m_pShowBudgetDate, m_pShowInvoiceNumber, m_pShowBudgetNumber,
             m_pClientData, m_pCompanyData})
        connect(button, &QAbstractButton::clicked, this, &CPrintOptionsDlg::UpdateOptionControls);
    SetOptions(CPrintOptions());
}

QLineEdit* CPrintOptionsDlg::CreateEdit(const char* szName, int nLimit)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(szName));
    if (nLimit > 0)
        edit->setMaxLength(nLimit);
    return edit;
}

QDateEdit* CPrintOptionsDlg::CreateDate(const char* szName)
{
    auto* date = new QDateEdit(this);
    date->setObjectName(QString::fromLatin1(szName));
    date->setCalendarPopup(true);
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return date;
}

QCheckBox* CPrintOptionsDlg::AddCheck(QGridLayout* grid, int nRow, int nColumn, const QString& strText,
                                      const char* szName)
{
    auto* check = new QCheckBox(strText, this);
    check->setObjectName(QString::fromLatin1(szName));
    grid->addWidget(check, nRow, nColumn);
    return check;
}

void CPrintOptionsDlg::AddCheckColumn(QGridLayout* grid, int nColumn, std::initializer_list<CCheck> checks)
{
    int row = 0;
    for (const CCheck& check : checks)
        *check.ppCheck = AddCheck(grid, row++, nColumn, check.strText, check.szName);
}

QGroupBox* CPrintOptionsDlg::CreateDocumentBox(bool bInvoice)
{
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    auto* kind = new QRadioButton(bInvoice ? tr("Factura") : tr("Presupuesto"), box);
    kind->setObjectName(bInvoice ? QStringLiteral("factura") : QStringLiteral("presupuesto"));
    grid->addWidget(kind, 0, 0, 1, 2);
    QLineEdit* level = CreateEdit(bInvoice ? "nivelFactura" : "nivelPresupuesto", 0);
    auto* levelLabel = new QLabel(tr("Hasta nivel"), box);
    levelLabel->setBuddy(level);
    grid->addWidget(levelLabel, 1, 0);
    grid->addWidget(level, 1, 1);
    QCheckBox* showNumber = AddCheck(grid, 2, 0, bInvoice ? tr("Nº Factura") : tr("Nº Presupuesto"),
                                     bInvoice ? "verNumFactura" : "verNumPresupuesto");
    QLineEdit* number = CreateEdit(bInvoice ? "numFactura" : "numPresupuesto", CPrintOptions::kNumberLimit);
    grid->addWidget(number, 2, 1);
    QCheckBox* showDate = AddCheck(grid, 3, 0, bInvoice ? tr("Fecha Factura") : tr("Fecha presupesto"),
                                   bInvoice ? "verFechaFactura" : "verFechaPresupuesto");
    QDateEdit* date = CreateDate(bInvoice ? "fechaFactura" : "fechaPresupuesto");
    grid->addWidget(date, 3, 1);
    if (bInvoice) {
        m_pInvoice = kind;
        m_pInvoiceLevel = level;
        m_pShowInvoiceNumber = showNumber;
        m_pInvoiceNumber = number;
        m_pShowInvoiceDate = showDate;
        m_pInvoiceDate = date;
    } else {
        m_pBudget = kind;
        m_pBudgetLevel = level;
        m_pShowBudgetNumber = showNumber;
        m_pBudgetNumber = number;
        m_pShowBudgetDate = showDate;
        m_pBudgetDate = date;
    }
    return box;
}

QGroupBox* CPrintOptionsDlg::CreateHeaderBox()
{
    auto* box = new QGroupBox(tr("Cabecera"), this);
    auto* grid = new QGridLayout(box);
    AddCheckColumn(grid, 0,
                   {{&m_pTitle, tr("Título presupuesto/factura"), "titulo"},
                    {&m_pClientData, tr("Datos cliente"), "datosCliente"},
                    {&m_pClientNif, tr("NIF cliente"), "nifCliente"},
                    {&m_pBudgetCode, tr("Código presupuesto"), "codigoPresupuesto"},
                    {&m_pCompanyData, tr("Datos empresa"), "datosEmpresa"},
                    {&m_pCompanyNif, tr("NIF empresa"), "nifEmpresa"},
                    {&m_pFiscalData, tr("Datos fiscales"), "datosFiscales"},
                    {&m_pLogo, tr("Logo"), "logo"}});

    auto* position = new QGroupBox(tr("Posición datos cliente"), box);
    auto* positionLayout = new QVBoxLayout(position);
    m_pClientLeft = new QRadioButton(tr("Izquierda"), position);
    m_pClientLeft->setObjectName(QStringLiteral("clienteIzquierda"));
    m_pClientRight = new QRadioButton(tr("Derecha"), position);
    m_pClientRight->setObjectName(QStringLiteral("clienteDerecha"));
    positionLayout->addWidget(m_pClientLeft);
    positionLayout->addWidget(m_pClientRight);
    grid->addWidget(position, 8, 0);
    grid->setRowStretch(9, 1);
    return box;
}

QGroupBox* CPrintOptionsDlg::CreateBodyBox()
{
    auto* box = new QGroupBox(tr("Datos cuerpo"), this);
    auto* grid = new QGridLayout(box);
    AddCheckColumn(grid, 0,
                   {{&m_pCodes, tr("Códigos"), "codigos"},
                    {&m_pAmounts, tr("Importes"), "importes"},
                    {&m_pMeasurements, tr("Mediciones"), "mediciones"}});
    m_pLongDescription = new QRadioButton(tr("Descripción larga"), box);
    m_pLongDescription->setObjectName(QStringLiteral("descripcionLarga"));
    m_pShortDescription = new QRadioButton(tr("Descripción corta"), box);
    m_pShortDescription->setObjectName(QStringLiteral("descripcionCorta"));
    grid->addWidget(m_pLongDescription, 0, 1);
    grid->addWidget(m_pShortDescription, 1, 1);
    return box;
}

QGroupBox* CPrintOptionsDlg::CreateFooterBox()
{
    auto* box = new QGroupBox(tr("Datos pie"), this);
    auto* grid = new QGridLayout(box);
    AddCheckColumn(grid, 0,
                   {{&m_pNet, tr("Neto"), "neto"},
                    {&m_pProfit, tr("Beneficio industrial"), "beneficio"},
                    {&m_pOverheads, tr("Gastos generales"), "gastos"},
                    {&m_pGross, tr("Bruto"), "bruto"}});
    AddCheckColumn(grid, 1,
                   {{&m_pBase, tr("Base"), "base"},
                    {&m_pVat, tr("Iva"), "iva"},
                    {&m_pTotal, tr("Total"), "total"},
                    {&m_pObservations, tr("Forma de pago"), "observaciones"}});
    // Wide enough for either of its captions, so that choosing the invoice
    // does not cut it.
    m_pObservations->setMinimumWidth(m_pObservations->sizeHint().width());
    return box;
}

void CPrintOptionsDlg::SetOptions(const CPrintOptions& o)
{
    (o.IsInvoice() ? m_pInvoice : m_pBudget)->setChecked(true);
    m_pBudgetLevel->setText(o.m_strBudgetLevel);
    m_pInvoiceLevel->setText(o.m_strInvoiceLevel);
    m_pBudgetNumber->setText(o.m_strBudgetNumber);
    m_pBudgetDate->setDate(o.m_budgetDate);
    m_pInvoiceNumber->setText(o.m_strInvoiceNumber);
    m_pInvoiceDate->setDate(o.m_invoiceDate);
    const std::pair<QAbstractButton*, bool> checks[] = {
        {m_pShowBudgetNumber, o.m_bBudgetNumber}, {m_pShowBudgetDate, o.m_bBudgetDate},
        {m_pShowInvoiceNumber, o.m_bInvoiceNumber}, {m_pShowInvoiceDate, o.m_bInvoiceDate},
        {m_pTitle, o.m_bTitle}, {m_pClientData, o.m_bClientData}, {m_pClientNif, o.m_bClientNif},
        {m_pBudgetCode, o.m_bBudgetCode}, {m_pCompanyData, o.m_bCompanyData}, {m_pCompanyNif, o.m_bCompanyNif},
        {m_pFiscalData, o.m_bFiscalData}, {m_pLogo, o.m_bLogo}, {m_pClientRight, o.IsClientRight()},
        {m_pClientLeft, !o.IsClientRight()}, {m_pCodes, o.m_bCodes},
        {m_pLongDescription, o.m_nDescription == CPrintOptions::LongDescription},
        {m_pShortDescription, o.m_nDescription != CPrintOptions::LongDescription}, {m_pAmounts, o.m_bAmounts},
        {m_pMeasurements, o.m_bMeasurements}, {m_pNet, o.m_bNet}, {m_pProfit, o.m_bProfit},
        {m_pOverheads, o.m_bOverheads}, {m_pGross, o.m_bGross}, {m_pBase, o.m_bBase}, {m_pVat, o.m_bVat},
        {m_pTotal, o.m_bTotal}, {m_pObservations, o.m_bObservations},
    };
    for (const auto& [button, checked] : checks)
        button->setChecked(checked);
    UpdateOptionControls();
}

CPrintOptions CPrintOptionsDlg::Options() const
{
    CPrintOptions o;
    o.m_nDocumentKind = m_pInvoice->isChecked() ? CPrintOptions::Invoice : CPrintOptions::Budget;
    o.m_strBudgetLevel = m_pBudgetLevel->text();
    o.m_strInvoiceLevel = m_pInvoiceLevel->text();
    o.m_strBudgetNumber = m_pBudgetNumber->text();
    o.m_budgetDate = m_pBudgetDate->date();
    o.m_strInvoiceNumber = m_pInvoiceNumber->text();
    o.m_invoiceDate = m_pInvoiceDate->date();
    o.m_bBudgetNumber = m_pShowBudgetNumber->isChecked();
    o.m_bBudgetDate = m_pShowBudgetDate->isChecked();
    o.m_bInvoiceNumber = m_pShowInvoiceNumber->isChecked();
    o.m_bInvoiceDate = m_pShowInvoiceDate->isChecked();
    o.m_bTitle = m_pTitle->isChecked();
    o.m_bClientData = m_pClientData->isChecked();
    o.m_bClientNif = m_pClientNif->isChecked();
    o.m_bBudgetCode = m_pBudgetCode->isChecked();
    o.m_bCompanyData = m_pCompanyData->isChecked();
    o.m_bCompanyNif = m_pCompanyNif->isChecked();
    o.m_bFiscalData = m_pFiscalData->isChecked();
    o.m_bLogo = m_pLogo->isChecked();
    o.m_nClientPosition = m_pClientLeft->isChecked() ? CPrintOptions::ClientLeft : CPrintOptions::ClientRight;
    o.m_bCodes = m_pCodes->isChecked();
    o.m_nDescription = m_pShortDescription->isChecked() ? CPrintOptions::ShortDescription
                                                        : CPrintOptions::LongDescription;
    o.m_bAmounts = m_pAmounts->isChecked();
    o.m_bMeasurements = m_pMeasurements->isChecked();
    o.m_bNet = m_pNet->isChecked();
    o.m_bProfit = m_pProfit->isChecked();
    o.m_bOverheads = m_pOverheads->isChecked();
    o.m_bGross = m_pGross->isChecked();
    o.m_bBase = m_pBase->isChecked();
    o.m_bVat = m_pVat->isChecked();
    o.m_bTotal = m_pTotal->isChecked();
    o.m_bObservations = m_pObservations->isChecked();
    return o;
}

void CPrintOptionsDlg::UpdateOptionControls()
{
    const bool invoice = m_pInvoice->isChecked();
    for (QWidget* budgetSide : std::initializer_list<QWidget*>{m_pBudgetLevel, m_pShowBudgetNumber, m_pShowBudgetDate,
                                                               m_pBudgetCode, m_pMeasurements, m_pNet})
        budgetSide->setEnabled(!invoice);
    m_pBudgetNumber->setEnabled(!invoice && m_pShowBudgetNumber->isChecked());
    m_pBudgetDate->setEnabled(!invoice && m_pShowBudgetDate->isChecked());
    for (QWidget* invoiceSide : std::initializer_list<QWidget*>{m_pInvoiceLevel, m_pShowInvoiceNumber,
                                                                m_pShowInvoiceDate, m_pFiscalData})
        invoiceSide->setEnabled(invoice);
    m_pInvoiceNumber->setEnabled(invoice && m_pShowInvoiceNumber->isChecked());
    m_pInvoiceDate->setEnabled(invoice && m_pShowInvoiceDate->isChecked());
    m_pClientData->setEnabled(true);
    m_pCompanyData->setEnabled(true);
    m_pObservations->setText(invoice ? tr("Forma de pago") : tr("Observaciones"));
}
