#pragma once

#include "budget/CLineListHost.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class CBuscarDlg;
class CNoSeparatorMemo;
class CNuevaTarifaDlg;
class CPictureBox;
class CPreciosList;
class CTarifasList;
class CVelmoraView;
class QPushButton;
class QToolButton;

// "Base de Precios": the modeless window of the price bases. It lists every
// tariff of every price base; the chosen tariff's lines show below as an
// editable tree, with the long description and the picture of the selected
// line. New tariffs are created with their root line, tariffs are deleted
// with their lines, price bases are imported from BC3 files, and the lines
// are searched by their descriptions. Closing the window only hides it.
class CBasePreciosDlg : public QDialog, public CLineListHost
{
    Q_OBJECT

public:
    CBasePreciosDlg(CVelmoraView& view, QWidget* parent = nullptr);
    ~CBasePreciosDlg() override;

    // Shows the window with its lists loaded afresh.
    void Show();
    // Reloads the tariffs, choosing again the tariff shown if it is still
    // there, else the one the company data names, else the first.
    void FillTariffs();
    // Reloads the chosen tariff's lines down to a level (-1: every level).
    void FillPriceLines(int nMaxLevel);

    void OnNueva();
    void OnBorrar();
    void OnImportar();
    void OnBuscar();
    // Selects the next line after the selected one whose descriptions hold
    // the text, opening the branches above it.
    void FindNext(const QString& strText);

    // The tariff whose lines are shown; both empty when there is none.
    const QString& Code() const { return m_strCode; }
    const QString& TariffName() const { return m_strTariff; }

    CTarifasList* Tariffs() const { return m_pTariffs; }
    CPreciosList* Lines() const { return m_pLines; }
    CNoSeparatorMemo* DescriptionBox() const { return m_pDescripcion; }
    CPictureBox* PictureBox() const { return m_pPicture; }

    // The grid's window.
    CEditingService Service() override;
    CLineClipboard& Clipboard() override;
    void ShowTotals(const CChangeSet&) override {}
    void ClearDescription() override;
    void SetDescription(long nLine, const QString& strText) override;
    void ShowLinePicture(const QString& strImage) override;
    void ReloadAfterError(const CDBException& error) override;
    void ShowRefusal(const QString& strMessage) override;

    // The dialogs the window runs; replaced in tests.
    std::function<bool(CNuevaTarifaDlg& dialog)> m_runNewDialog;
    std::function<QString(QWidget* parent)> m_chooseImageFolder;
    std::function<void(CBuscarDlg& dialog)> m_runSearchDialog;
    // Runs "Importar tarifa"; the tariffs it imported, none when it did not.
    std::function<std::vector<std::pair<QString, QString>>(QWidget* parent)> m_runImportDialog;

private:
    struct TariffRow {
        QString code;
        QString tariff;
        QString images;
    };

    void ChooseTariff(int nRow);
    void OnImageFolder(int nRow);
    void OnDescriptionChanged();
    // Selects a row of the lines and shows its line.
    void SelectLine(int nRow);
    // Opens the collapsed branches above a line; returns its row.
    int RevealLine(long nLine);
    // Runs an action of the user's that reaches the store; a store error
    // reloads the lists and is told.
    void Guard(const std::function<void()>& action);

    CVelmoraView& m_view;
    CTarifasList* m_pTariffs;
    CPreciosList* m_pLines;
    CNoSeparatorMemo* m_pDescripcion;
    CPictureBox* m_pPicture;
    QPushButton* m_pNueva;
    QPushButton* m_pBorrar;
    QPushButton* m_pImportar;
    QToolButton* m_pBuscar;
    std::vector<TariffRow> m_tariffRows;
    QString m_strCode;
    QString m_strTariff;
    QString m_strImages;
    // The line whose description the box shows; 0 for none.
    long m_nDescriptionLine = 0;
};
