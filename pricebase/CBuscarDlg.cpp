#include "pricebase/CBuscarDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CBuscarDlg::CBuscarDlg(std::function<void(const QString&)> findNext, QWidget* parent)
    : QDialog(parent)
    , m_pTexto(new QLineEdit(this))
    , m_pSiguiente(new QPushButton(tr("Siguiente"), this))
    , m_findNext(std::move(findNext))
{
    setWindowTitle(tr("Buscar"));
    m_pTexto->setObjectName(QStringLiteral("texto"));
    m_pTexto->setMinimumWidth(260);
    m_pSiguiente->setObjectName(QStringLiteral("siguiente"));
    // Enter searches again, as the button does.
    m_pSiguiente->setDefault(true);
    connect(m_pSiguiente, &QPushButton::clicked, this, [this] {
        if (!m_pTexto->text().isEmpty())
            m_findNext(m_pTexto->text());
    });
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &CBuscarDlg::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(m_pTexto, 1);
    row->addWidget(m_pSiguiente);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(close);
}
