#pragma once

#include <QPrintPreviewDialog>

class QAction;
class QPrintPreviewWidget;

// The platform's print preview with its toolbar in the user's language, a
// "Cerrar" button, and one button that switches between one and two pages
// and says which it will show. The pages are always portrait, so the
// orientation buttons are not offered.
class CLangPrintPreview : public QPrintPreviewDialog
{
    Q_OBJECT

public:
    explicit CLangPrintPreview(QPrinter* pPrinter, QWidget* parent = nullptr);

    QAction* PrintAction() const { return m_pPrint; }
    QAction* NextAction() const { return m_pNext; }
    QAction* PreviousAction() const { return m_pPrevious; }
    QAction* ZoomInAction() const { return m_pZoomIn; }
    QAction* ZoomOutAction() const { return m_pZoomOut; }
    QAction* CloseAction() const { return m_pClose; }
    QAction* OneTwoPagesAction() const { return m_pOneTwoPages; }
    QPrintPreviewWidget* PreviewWidget() const { return m_pPreview; }

    // Captions of the buttons; the one/two pages caption follows the pages shown.
    void SetCaptions();
    void UpdateOneTwoPagesCaption();

protected:
    void changeEvent(QEvent* event) override;

private:
    QAction* FindAction(const char* szQtText) const;
    void OnOneTwoPages();

    QPrintPreviewWidget* m_pPreview = nullptr;
    QAction* m_pPrint = nullptr;
    QAction* m_pNext = nullptr;
    QAction* m_pPrevious = nullptr;
    QAction* m_pZoomIn = nullptr;
    QAction* m_pZoomOut = nullptr;
    QAction* m_pSingle = nullptr;
    QAction* m_pFacing = nullptr;
    QAction* m_pClose = nullptr;
    QAction* m_pOneTwoPages = nullptr;
};
