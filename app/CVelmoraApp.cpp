#include "app/CVelmoraApp.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CProfile.h"
#include "app/CommandIds.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "core/CLanguage.h"
#include "store/CDBException.h"
#include "store/CSchema.h"
#include "ui/CMessageBox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>

CVelmoraApp::CVelmoraApp() = default;

CVelmoraApp::~CVelmoraApp()
{
    ExitInstance();
}

void CVelmoraApp::LoadTranslations(const QString& strIdioma)
{
    m_pLanguage = std::make_unique<CLanguage>(strIdioma);
    // Qt's own texts of the standard dialogs, when the system has them.
    const QString qtName = m_pLanguage->IsCatalan() ? QStringLiteral("qtbase_ca") : QStringLiteral("qtbase_es");
    if (m_qtTranslator.load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);
}

bool CVelmoraApp::IsCatalanLoaded() const
{
    return m_pLanguage && m_pLanguage->IsInstalled();
}

bool CVelmoraApp::InitInstance()
{
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora"));
    // The desktop's own file and colour dialogs speak the desktop's language,
    // not the one chosen here; Qt's speak ours.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);

    CProfile::EnsureLanguage();
    LoadTranslations(CProfile::Language());

    m_pDoc = std::make_unique<CVelmoraDoc>();
    m_pMainFrame = std::make_unique<CMainFrame>();
    m_pMainFrame->SetAppTarget(this);
    m_pView = new CVelmoraView(*m_pDoc, m_pMainFrame.get());
    m_pView->SetPrinter(&Printer());
    try {
        m_pView->OnInitialUpdate();
    } catch (const CDBException& e) {
        const QString path = m_pView->m_strDatabasePath.isEmpty() ? CSchema::DefaultDatabasePath()
                                                                  : m_pView->m_strDatabasePath;
        CMessageBox::Show(nullptr,
                          tr("No se puede abrir la base de datos\n%1\n\n%2\n\nEl programa se cerrará.")
                              .arg(path, e.m_strError),
                          QMessageBox::Ok, QMessageBox::Critical);
        ExitInstance();
        return false;
    }
    for (const QString& notice : m_pView->Session().Notices())
        CMessageBox::Show(nullptr, notice, QMessageBox::Ok, QMessageBox::Warning);
    m_pMainFrame->SetView(m_pView, m_pView);
    QObject::connect(m_pView, &CVelmoraView::CommandStateChanged, m_pMainFrame.get(), &CMainFrame::UpdateCommandUI);
    // Without a window manager "maximised" means nothing, so the frame also
    // takes the whole screen itself.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        m_pMainFrame->setGeometry(screen->availableGeometry());
    m_pMainFrame->showMaximized();
    return true;
}

int CVelmoraApp::ExitInstance()
{
    // Destroying the frame destroys the view, which closes the store and
    // removes the data source.
    m_pView = nullptr;
    m_pMainFrame.reset();
    m_pDoc.reset();
    m_pLanguage.reset();
    QCoreApplication::removeTranslator(&m_qtTranslator);
    return 0;
}

QPrinter& CVelmoraApp::Printer()
{
    if (!m_pPrinter)
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

bool CVelmoraApp::OnCommand(int nID)
{
    switch (nID) {
    case ID_APP_ABOUT:
        OnAppAbout();
        return true;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        return true;
    default:
        return false;
    }
}

bool CVelmoraApp::OnUpdateCommand(int, QAction&)
{
    return false;
}

void CVelmoraApp::OnAppAbout()
{
    CAboutDlg dialog(m_pMainFrame.get());
    dialog.exec();
}

void CVelmoraApp::OnFilePrintSetup()
{
    // Qt's print dialog chooses the printer and its options; called from
    // "Configurar impresora" it must not read as printing, so it is
    // titled and buttoned as the set-up it is here.
    QPrintDialog dialog(&Printer(), m_pMainFrame.get());
    dialog.setWindowTitle(tr("Configurar impresora"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(tr("Aceptar"));
    }
    dialog.exec();
}
