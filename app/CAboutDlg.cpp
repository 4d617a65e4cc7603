#include "app/CAboutDlg.h"

#include "ui/CToolbarIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Acerca de Velmora"));
    auto* icon = new QLabel(this);
    icon->setPixmap(CToolbarIcons::ApplicationIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(tr("Velmora - Presupuestos y Facturación Versión 2.0"), this);
    auto* copyright = new QLabel(tr("Presupuestos, mediciones, bases de precios e intercambio FIEBDC-3."), this);
    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(copyright);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("Aceptar"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("aceptar"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
