#include "output/CLangPrintPreview.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QPrintPreviewWidget>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

CLangPrintPreview::CLangPrintPreview(QPrinter* pPrinter, QWidget* parent)
    : QPrintPreviewDialog(pPrinter, parent)
{
    m_pPreview = findChild<QPrintPreviewWidget*>();
    // The dialog's own buttons, found by the captions it gave them.
    m_pPrint = FindAction("Print");
    m_pNext = FindAction("Next page");
    m_pPrevious = FindAction("Previous page");
    m_pZoomIn = FindAction("Zoom in");
    m_pZoomOut = FindAction("Zoom out");
    m_pSingle = findChild<QAction*>(QStringLiteral("singleModeAction"));
    m_pFacing = findChild<QAction*>(QStringLiteral("facingModeAction"));
    for (const char* hidden : {"Portrait", "Landscape"}) {
        if (QAction* action = FindAction(hidden))
            action->setVisible(false);
    }
    for (const char* name : {"singleModeAction", "facingModeAction", "overviewModeAction"}) {
        if (QAction* action = findChild<QAction*>(QString::fromLatin1(name)))
            action->setVisible(false);
    }

    if (auto* toolbar = findChild<QToolBar*>()) {
        m_pOneTwoPages = new QAction(this);
        m_pOneTwoPages->setObjectName(QStringLiteral("oneTwoPages"));
        connect(m_pOneTwoPages, &QAction::triggered, this, &CLangPrintPreview::OnOneTwoPages);
        toolbar->insertAction(m_pSingle, m_pOneTwoPages);
        m_pClose = new QAction(style()->standardIcon(QStyle::SP_DialogCloseButton), QString(), this);
        m_pClose->setObjectName(QStringLiteral("close"));
        connect(m_pClose, &QAction::triggered, this, &QDialog::reject);
        toolbar->addSeparator();
        toolbar->addAction(m_pClose);
        // The buttons that carry a caption show it; the others keep their icon.
        for (QAction* action : {m_pPrint, m_pNext, m_pPrevious, m_pZoomIn, m_pZoomOut, m_pClose, m_pOneTwoPages}) {
            if (auto* button = action ? qobject_cast<QToolButton*>(toolbar->widgetForAction(action)) : nullptr)
                button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
    }
    SetCaptions();
}

QAction* CLangPrintPreview::FindAction(const char* szQtText) const
{
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", szQtText);
    for (QAction* action : findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void CLangPrintPreview::SetCaptions()
{
    setWindowTitle(tr("Presentación preliminar"));
    const std::pair<QAction*, QString> captions[] = {
        {m_pPrint, tr("Imprimir")},   {m_pNext, tr("Siguiente")}, {m_pPrevious, tr("Anterior")},
        {m_pClose, tr("Cerrar")},     {m_pZoomIn, tr("Acercar")}, {m_pZoomOut, tr("Alejar")},
    };
    for (const auto& [action, caption] : captions) {
        if (action) {
            action->setText(caption);
            action->setToolTip(caption);
        }
    }
    UpdateOneTwoPagesCaption();
}

void CLangPrintPreview::UpdateOneTwoPagesCaption()
{
    if (!m_pOneTwoPages)
        return;
    const bool severalPages = m_pPreview && m_pPreview->viewMode() != QPrintPreviewWidget::SinglePageView;
    const QString caption = severalPages ? tr("Una página") : tr("Dos páginas");
    m_pOneTwoPages->setText(caption);
    m_pOneTwoPages->setToolTip(caption);
}

void CLangPrintPreview::OnOneTwoPages()
{
    const bool severalPages = m_pPreview && m_pPreview->viewMode() != QPrintPreviewWidget::SinglePageView;
    // The dialog's own mode buttons keep its zoom and paging in step.
    if (QAction* mode = severalPages ? m_pSingle : m_pFacing)
        mode->trigger();
    else if (m_pPreview)
        m_pPreview->setViewMode(severalPages ? QPrintPreviewWidget::SinglePageView
                                             : QPrintPreviewWidget::FacingPagesView);
    UpdateOneTwoPagesCaption();
}

void CLangPrintPreview::changeEvent(QEvent* event)
{
    QPrintPreviewDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        SetCaptions();
}
