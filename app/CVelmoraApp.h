#pragma once

#include "app/CCommandTarget.h"

#include <QTranslator>
#include <memory>

class CMainFrame;
class CVelmoraDoc;
class CVelmoraView;
class QPrinter;

// The application: fixes the language for the run, creates the document, the
// frame and the view, and ends the run. Lives beside the QApplication.
class CVelmoraApp : public CCommandTarget
{
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
    bool IsCatalanLoaded() const { return m_bCatalanLoaded; }

private:
    void LoadTranslations(bool bCatalan);
    void OnAppAbout();
    void OnFilePrintSetup();

    std::unique_ptr<CVelmoraDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    CVelmoraView* m_pView = nullptr;
    std::unique_ptr<QPrinter> m_pPrinter;
    QTranslator m_translator;
    QTranslator m_qtTranslator;
    bool m_bCatalanLoaded = false;
};
