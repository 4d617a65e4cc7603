#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

// "Buscar": a text and "Siguiente", which finds the next line holding it.
// The dialog stays open between searches.
class CBuscarDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CBuscarDlg(std::function<void(const QString&)> findNext, QWidget* parent = nullptr);

    QLineEdit* m_pTexto;
    QPushButton* m_pSiguiente;

private:
    std::function<void(const QString&)> m_findNext;
};
