#pragma once

#include <QDialog>

class QLineEdit;

// "Nueva Base de Precios": the code of a price base and the name of a new
// tariff of it, each of at most 20 characters. It is confirmed only with
// both filled in; blanks around them are not part of them.
class CNuevaTarifaDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CNuevaTarifaDlg(QWidget* parent = nullptr);

    QString Code() const;
    QString Tariff() const;

    void accept() override;

    QLineEdit* m_pCodigo;
    QLineEdit* m_pTarifa;
};
