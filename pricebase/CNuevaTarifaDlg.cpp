#include "pricebase/CNuevaTarifaDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int kLimit = 20;

} // namespace

CNuevaTarifaDlg::CNuevaTarifaDlg(QWidget* parent)
    : QDialog(parent)
    , m_pCodigo(new QLineEdit(this))
    , m_pTarifa(new QLineEdit(this))
{
    setWindowTitle(tr("Nueva Base de Precios"));
    m_pCodigo->setObjectName(QStringLiteral("codigo"));
    m_pTarifa->setObjectName(QStringLiteral("tarifa"));
    m_pCodigo->setMaxLength(kLimit);
    m_pTarifa->setMaxLength(kLimit);
    auto* form = new QFormLayout;
    form->addRow(tr("Código"), m_pCodigo);
    form->addRow(tr("Tarifa"), m_pTarifa);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNuevaTarifaDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNuevaTarifaDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString CNuevaTarifaDlg::Code() const
{
    return m_pCodigo->text().trimmed();
}

QString CNuevaTarifaDlg::Tariff() const
{
    return m_pTarifa->text().trimmed();
}

void CNuevaTarifaDlg::accept()
{
    if (Code().isEmpty() || Tariff().isEmpty())
        return;
    QDialog::accept();
}
