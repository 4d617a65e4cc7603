#pragma once

#include "app/CCommandTarget.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

class CLanguage;
class CMainFrame;
class CVelmoraDoc;
class CVelmoraView;
class QPrinter;

// The application: fixes the language for the run, creates the document, the
// frame and the view, and ends the run. Lives beside the QApplication.
class CVelmoraApp : public CCommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CVelmoraApp)

public:
    CVelmoraApp();
    ~CVelmoraApp() override;

    // False when the program cannot start (its store does not open); the
    // user has been told why.
    bool InitInstance();
    int ExitInstance();

    bool OnCommand(int nID) override;
    bool OnUpdateCommand(int nID, QAction& action) override;

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CVelmoraView* View() const { return m_pView; }
    CVelmoraDoc* Document() const { return m_pDoc.get(); }
    QPrinter& Printer();
    bool IsCatalanLoaded() const;

private:
    void LoadTranslations(const QString& strIdioma);
    void OnAppAbout();
    void OnFilePrintSetup();

    std::unique_ptr<CVelmoraDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    CVelmoraView* m_pView = nullptr;
    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<CLanguage> m_pLanguage;
    QTranslator m_qtTranslator;
};
