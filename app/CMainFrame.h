#pragma once

#include <QHash>
#include <QMainWindow>

class CCommandTarget;
class CLockIndicators;
class QAction;
class QMenu;
class QToolBar;

// The main window: menu bar, toolbar and status bar around the budget view.
// Every menu and toolbar command reaches the view first; what the view does
// not handle, the frame does.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);

    // The view: central widget and first target of every command.
    void SetView(QWidget* pView, CCommandTarget* pTarget);
    // The application: last target, for the commands that are its own.
    void SetAppTarget(CCommandTarget* pTarget);

    QAction* Action(int nID) const { return m_actions.value(nID); }
    QToolBar* ToolBar() const { return m_pToolBar; }
    CLockIndicators* LockIndicators() const { return m_pLocks; }
    // Runs a command as if chosen from a menu; false when no target carries
    // it out (a command the handler's guard refuses counts as carried out).
    bool OnCommand(int nID);
    // Re-evaluates which commands are enabled or checked.
    void UpdateCommandUI();

signals:
    // A command was run; bHandled as OnCommand returns it.
    void CommandRouted(int nID, bool bHandled);

private:
    QAction* AddAction(int nID, const QString& strText, const QString& strPrompt, const QString& strTip = {});
    bool RouteCommand(int nID);
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();

    CCommandTarget* m_pTarget = nullptr;
    CCommandTarget* m_pAppTarget = nullptr;
    QHash<int, QAction*> m_actions;
    QToolBar* m_pToolBar = nullptr;
    CLockIndicators* m_pLocks = nullptr;
};
