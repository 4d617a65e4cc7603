#pragma once

#include "admin/CBudgetHeader.h"

#include <QDialog>
#include <functional>

class CDateField;
class CNumberEdit;
class QLineEdit;
class QPlainTextEdit;

// "Datos del presupuesto y factura": the header of a budget. In new mode it
// only gathers the header for the budget manager; in edit mode, leaving a
// percentage field re-prices the budget when the custom increase changed and
// recomputes and stores the totals, whatever button ends the dialog.
class CDatosPresupuestoDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CDatosPresupuestoDlg(bool bNewMode, QWidget* parent = nullptr);

    // Shows the header's values (numbers with two decimals).
    void SetHeader(const CBudgetHeader& header);
    // The values as the fields hold them (numbers back in store text).
    CBudgetHeader Header() const;

    // Edit mode: what leaving a percentage field does outside the dialog.
    // Re-prices the budget for a new custom increase and refreshes the grid;
    // false when that failed and the budget stays as it was.
    std::function<bool(double dOld, double dNew)> m_applyIncrease;
    // The root line's stored amount.
    std::function<QString()> m_rootAmount;
    // Stores the percentages and amounts of the header.
    std::function<void(const CBudgetHeader&)> m_storeTotals;

    // The percentage fields' work, also run by Aceptar in edit mode.
    void OnLeavePercentage();

    QLineEdit* m_pCodigo;
    QLineEdit* m_pNombre;
    QLineEdit* m_pTarifa;
    QLineEdit* m_pCliente;
    QLineEdit* m_pNif;
    QLineEdit* m_pDireccion;
    QLineEdit* m_pPoblacion;
    QLineEdit* m_pCp;
    QLineEdit* m_pProvincia;
    QLineEdit* m_pContacto;
    QLineEdit* m_pTelefono;
    QLineEdit* m_pFax;
    QLineEdit* m_pEmail;
    QLineEdit* m_pFp;
    QLineEdit* m_pNumFac;
    CDateField* m_pFecFac;
    QLineEdit* m_pImagenes;
    QPlainTextEdit* m_pObs;
    CNumberEdit* m_pBind;
    CNumberEdit* m_pImpBind;
    CNumberEdit* m_pGgen;
    CNumberEdit* m_pImpGgen;
    CNumberEdit* m_pCper;
    CNumberEdit* m_pBase;
    CNumberEdit* m_pIva;
    CNumberEdit* m_pImpIva;
    CNumberEdit* m_pTotal;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* TextField(int nLimit, const char* szName);
    CNumberEdit* NumberField(bool bPercent, bool bReadOnly, const char* szName);

    bool m_bNewMode;
    // The custom increase the budget's prices stand at.
    double m_dHeldIncrease = 0.0;
    QString m_strHeldIncrease;
    // The dates the dialog does not show.
    CDateValue m_fecEnt;
    CDateValue m_fecMod;
};
