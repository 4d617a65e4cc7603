#pragma once

#include <QDialog>

// The about box: the icon, the product line and "Aceptar".
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
