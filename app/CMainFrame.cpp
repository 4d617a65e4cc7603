#include "app/CMainFrame.h"

#include "app/CCommandTarget.h"
#include "app/CLockIndicators.h"
#include "app/CommandIds.h"
#include "ui/CStoreErrors.h"
#include "ui/CToolbarIcons.h"

#include <QAction>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(tr("Velmora - Presupuestos y Facturación"));
    setWindowIcon(CToolbarIcons::ApplicationIcon());
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
}

void CMainFrame::SetView(QWidget* pView, CCommandTarget* pTarget)
{
    setCentralWidget(pView);
    m_pTarget = pTarget;
    UpdateCommandUI();
}

void CMainFrame::SetAppTarget(CCommandTarget* pTarget)
{
    m_pAppTarget = pTarget;
}

QAction* CMainFrame::AddAction(int nID, const QString& strText, const QString& strPrompt, const QString& strTip)
{
    auto* action = new QAction(strText, this);
    action->setData(nID);
    action->setStatusTip(strPrompt);
    action->setToolTip(strTip.isEmpty() ? strPrompt : strTip);
    const QIcon icon = CToolbarIcons::Icon(nID);
    if (!icon.isNull())
        action->setIcon(icon);
    connect(action, &QAction::triggered, this, [this, nID] { OnCommand(nID); });
    m_actions.insert(nID, action);
    return action;
}

void CMainFrame::CreateActions()
{
    AddAction(ID_GESTION_PRESUPUESTOS, tr("Gestión de presupuestos"), tr("Gestión de presupuestos"));
    AddAction(ID_CERRAR_PRESUPUESTO, tr("Cerrar presupuesto"), tr("Cerrar presupuesto"));
    AddAction(ID_BASE_PRECIOS, tr("Base de Precios"), tr("Base de Precios"));
    // Of the accelerators only Ctrl+P (print) has a handler in the main
    // window. The editing keys (Ctrl+Z, Ctrl+X, Ctrl+C, Ctrl+V and their
    // older forms) and F6/Shift+F6 are not bound here: they stay with the
    // control that has the focus, where the text fields use them.
    AddAction(ID_FILE_PRINT, tr("&Imprimir..."), tr("Imprime el documento activo"), tr("Imprimir"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    AddAction(ID_FILE_PRINT_PREVIEW, tr("&Presentación preliminar"), tr("Muestra páginas completas"),
              tr("Presentación preliminar"));
    AddAction(ID_FILE_PRINT_SETUP, tr("Con&figurar impresora..."), tr("Cambia la impresora y sus opciones"),
              tr("Configurar impresora"));
    AddAction(ID_IDIOMA_CASTELLANO, tr("Castellano"), tr("Idioma castellano"))->setCheckable(true);
    AddAction(ID_IDIOMA_CATALA, tr("Català"), tr("Idioma català"))->setCheckable(true);
    AddAction(ID_APP_EXIT, tr("&Salir"), tr("Sale de la aplicación"), tr("Salir"));
    AddAction(ID_MEDICIONES, tr("Mediciones"), tr("Mostrar/ocultar mediciones"));
    AddAction(ID_EXPORTAR_RTF, tr("Exportar a .rtf"), tr("Exportar a formato rtf"));
    AddAction(ID_EXPORTAR_EXCEL, tr("Exportar a Excel"), tr("Exportar a formato Excel"));
    AddAction(ID_RENUMERAR, tr("Renumerar"), tr("Renumerar registros"));
    AddAction(ID_DATOS_EMPRESA, tr("Datos de la empresa"), tr("Datos empresa"));
    AddAction(ID_VIEW_TOOLBAR, tr("Barra de &herramientas"), tr("Muestra u oculta la barra de herramientas"))
        ->setCheckable(true);
    AddAction(ID_VIEW_STATUS_BAR, tr("Barra de &estado"), tr("Muestra u oculta la barra de estado"))->setCheckable(true);
    AddAction(ID_APP_ABOUT, tr("&Acerca de Velmora..."), tr("Muestra información del programa"), tr("Acerca de"));
    AddAction(ID_MANUAL, tr("Manual"), tr("Manual"));
    AddAction(ID_DATOS_TOTALES, tr("Datos y totales"), tr("Datos y totales"));
    AddAction(ID_TB_INSERTAR_CAPITULO, tr("Insertar Capítulo"), tr("Insertar Capítulo"));
    AddAction(ID_TB_INSERTAR_CARPETA, tr("Insertar Carpeta"), tr("Insertar Carpeta"));
    AddAction(ID_TB_INSERTAR_CONCEPTO, tr("Insertar Concepto"), tr("Insertar Concepto"));
}

void CMainFrame::CreateMenus()
{
    QMenu* archivo = menuBar()->addMenu(tr("&Archivo"));
    archivo->addAction(Action(ID_GESTION_PRESUPUESTOS));
    archivo->addAction(Action(ID_CERRAR_PRESUPUESTO));
    archivo->addSeparator();
    archivo->addAction(Action(ID_BASE_PRECIOS));
    archivo->addSeparator();
    archivo->addAction(Action(ID_FILE_PRINT));
    archivo->addAction(Action(ID_FILE_PRINT_PREVIEW));
    archivo->addAction(Action(ID_FILE_PRINT_SETUP));
    archivo->addSeparator();
    QMenu* idiomas = archivo->addMenu(tr("Idiomas"));
    idiomas->addAction(Action(ID_IDIOMA_CASTELLANO));
    idiomas->addAction(Action(ID_IDIOMA_CATALA));
    archivo->addSeparator();
    archivo->addAction(Action(ID_APP_EXIT));

    QMenu* utilidades = menuBar()->addMenu(tr("Utilidades"));
    utilidades->addAction(Action(ID_MEDICIONES));
    utilidades->addAction(Action(ID_EXPORTAR_RTF));
    utilidades->addAction(Action(ID_EXPORTAR_EXCEL));
    utilidades->addAction(Action(ID_RENUMERAR));

    QMenu* empresa = menuBar()->addMenu(tr("Empresa"));
    empresa->addAction(Action(ID_DATOS_EMPRESA));

    QMenu* ver = menuBar()->addMenu(tr("&Ver"));
    ver->addAction(Action(ID_VIEW_TOOLBAR));
    ver->addAction(Action(ID_VIEW_STATUS_BAR));

    QMenu* ayuda = menuBar()->addMenu(tr("Ay&uda"));
    ayuda->addAction(Action(ID_APP_ABOUT));
    ayuda->addAction(Action(ID_MANUAL));

    for (QMenu* menu : {archivo, idiomas, utilidades, empresa, ver, ayuda})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = addToolBar(tr("Estándar"));
    m_pToolBar->setObjectName(QStringLiteral("toolbar128"));
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->addAction(Action(ID_FILE_PRINT));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_DATOS_TOTALES));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_EXPORTAR_EXCEL));
    m_pToolBar->addAction(Action(ID_EXPORTAR_RTF));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_DATOS_EMPRESA));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_MEDICIONES));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_TB_INSERTAR_CAPITULO));
    m_pToolBar->addAction(Action(ID_TB_INSERTAR_CARPETA));
    m_pToolBar->addAction(Action(ID_TB_INSERTAR_CONCEPTO));
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(Action(ID_APP_ABOUT));
}

void CMainFrame::CreateStatusBar()
{
    m_pLocks = new CLockIndicators(statusBar());
    statusBar()->showMessage(tr("Preparado"));
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->showMessage(tr("Preparado"));
    });
}

bool CMainFrame::OnCommand(int nID)
{
    // Every menu, toolbar and accelerator command starts here: the edge
    // where a store error of the command stops.
    bool bHandled = true;
    CStoreErrors::Catch(this, [&] { bHandled = RouteCommand(nID); });
    UpdateCommandUI();
    emit CommandRouted(nID, bHandled);
    return bHandled;
}

bool CMainFrame::RouteCommand(int nID)
{
    if (m_pTarget && m_pTarget->OnCommand(nID))
        return true;
    switch (nID) {
    case ID_VIEW_TOOLBAR:
        m_pToolBar->setVisible(m_pToolBar->isHidden());
        return true;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(statusBar()->isHidden());
        return true;
    case ID_APP_EXIT:
        close();
        return true;
    default:
        // The application's own commands: the about box, the printer set-up.
        return m_pAppTarget && m_pAppTarget->OnCommand(nID);
    }
}

void CMainFrame::UpdateCommandUI()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        QAction& action = *it.value();
        if (m_pTarget && m_pTarget->OnUpdateCommand(it.key(), action))
            continue;
        action.setEnabled(true);
    }
    Action(ID_VIEW_TOOLBAR)->setChecked(!m_pToolBar->isHidden());
    Action(ID_VIEW_STATUS_BAR)->setChecked(!statusBar()->isHidden());
}
