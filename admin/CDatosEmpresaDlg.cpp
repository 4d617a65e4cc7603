#include "admin/CDatosEmpresaDlg.h"

#include "store/CParametrosSet.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

CDatosEmpresaDlg::CDatosEmpresaDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Datos empresa"));
    auto* form = new QFormLayout;
    m_pNombre = AddField(form, tr("Nombre"), 255, "nombre");
    m_pDireccion = AddField(form, tr("Dirección"), 255, "direccion");
    m_pPoblacion = AddField(form, tr("Población"), 255, "poblacion");
    m_pCp = AddField(form, tr("CP"), 5, "cp");
    m_pProvincia = AddField(form, tr("Provincia"), 255, "provincia");
    m_pTelefono = AddField(form, tr("Telefono"), 50, "telefono");
    m_pFax = AddField(form, tr("Fax"), 50, "fax");
    m_pEmail = AddField(form, tr("E-mail/Web"), 255, "email");
    m_pNif = AddField(form, tr("NIF"), 50, "nif");

    m_pLogo = new QLineEdit(this);
    m_pLogo->setObjectName(QStringLiteral("logo"));
    m_pLogo->setMaxLength(255);
    auto* logoButton = new QToolButton(this);
    logoButton->setObjectName(QStringLiteral("logoButton"));
    logoButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    logoButton->setToolTip(tr("Elegir el fichero del logotipo"));
    connect(logoButton, &QToolButton::clicked, this, &CDatosEmpresaDlg::OnLogo);
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(m_pLogo, 1);
    logoRow->addWidget(logoButton);
    form->addRow(tr("Logo"), logoRow);

    m_pRegFac = AddField(form, tr("Registro fiscal"), 0, "regfac");
    m_pRegFac->setMinimumWidth(420);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Aceptar"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("aceptar"));
    buttons->addButton(tr("Cancelar"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    m_chooseLogo = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(owner, QString(), QString(), tr("Todos los archivos (*.*)"), nullptr,
                                            QFileDialog::ReadOnly);
    };
}

QLineEdit* CDatosEmpresaDlg::AddField(QFormLayout* form, const QString& strLabel, int nLimit, const char* szName)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(szName));
    if (nLimit > 0)
        edit->setMaxLength(nLimit);
    form->addRow(strLabel, edit);
    return edit;
}

void CDatosEmpresaDlg::OnLogo()
{
    const QString path = m_chooseLogo ? m_chooseLogo(this) : QString();
    if (!path.isEmpty())
        m_pLogo->setText(path);
}

void CDatosEmpresaDlg::Load(const CParametrosSet& set)
{
    m_pCp->setText(set.m_CP);
    m_pDireccion->setText(set.m_DIRECCION);
    m_pEmail->setText(set.m_EMAIL);
    m_pFax->setText(set.m_FAX);
    m_pLogo->setText(set.m_LOGO);
    m_pNif->setText(set.m_NIF);
    m_pNombre->setText(set.m_NOMBRE);
    m_pPoblacion->setText(set.m_POBLACION);
    m_pProvincia->setText(set.m_PROVINCIA);
    m_pTelefono->setText(set.m_TELEFONO);
    m_pRegFac->setText(set.m_REGFAC);
}

void CDatosEmpresaDlg::Store(CParametrosSet& set) const
{
    set.m_CP = m_pCp->text();
    set.m_DIRECCION = m_pDireccion->text();
    set.m_EMAIL = m_pEmail->text();
    set.m_FAX = m_pFax->text();
    set.m_LOGO = m_pLogo->text();
    set.m_NIF = m_pNif->text();
    set.m_NOMBRE = m_pNombre->text();
    set.m_POBLACION = m_pPoblacion->text();
    set.m_PROVINCIA = m_pProvincia->text();
    set.m_TELEFONO = m_pTelefono->text();
    set.m_REGFAC = m_pRegFac->text();
}

bool CDatosEmpresaDlg::Edit(CParametrosSet& set)
{
    if (set.IsBOF() && set.IsEOF())
        set.Requery();
    Load(set);
    if (exec() != QDialog::Accepted)
        return false;
    // A store that lacks its company row gets one rather than losing the data typed.
    if (set.IsBOF() && set.IsEOF())
        set.AddNew();
    else
        set.Edit();
    Store(set);
    set.Update();
    set.Requery();
    return true;
}
