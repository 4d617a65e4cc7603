#pragma once

#include <QColor>
#include <QHash>
#include <QToolBar>
#include <functional>

class QAction;
class QComboBox;
class QFontComboBox;
class QTextEdit;

// The report editor's format toolbar: bold, italic, underline, alignment,
// text colour, bullets, indents, font and size, each acting on the editor's
// selection. Indents move by the editor's tab stops, 32 of them.
class CRtfFormatBar : public QToolBar
{
    Q_OBJECT

public:
    enum CommandId : int {
        ID_FONT_NAME = 32776,
        ID_FONT_SIZE = 32778,
        ID_BOLD = 32780,
        ID_ITALIC = 32782,
        ID_UNDERLINE = 32784,
        ID_ALIGN_LEFT = 32786,
        ID_ALIGN_CENTER = 32789,
        ID_ALIGN_RIGHT = 32791,
        ID_COLOR = 32794,
        ID_BULLET = 32796,
        ID_INDENT_MORE = 32797,
        ID_INDENT_LESS = 32799,
    };
    static constexpr int kTabStops = 32;

    explicit CRtfFormatBar(QTextEdit& editor, QWidget* parent = nullptr);

    QAction* Action(int nID) const { return m_actions.value(nID); }
    QFontComboBox* FontNameBox() const { return m_pFontName; }
    QComboBox* FontSizeBox() const { return m_pFontSize; }

    // Sets the buttons and the boxes from the format at the caret.
    void UpdateFromCaret();

    void ApplyColor(const QColor& color);
    void ToggleBullet();
    void IncreaseIndent();
    void DecreaseIndent();
    void ApplyFontName(const QString& strFamily);
    // A size in points; text that is not a positive number is ignored.
    void ApplyFontSize(const QString& strSize);

    // The colour dialog: an invalid colour when the user cancels.
    std::function<QColor(QWidget* parent, const QColor& initial)> m_chooseColor;

private:
    QAction* AddCommand(int nID, int nIcon, const QString& strTip, bool bCheckable);
    void SetAlignment(Qt::Alignment alignment);
    int TabStopTwips() const;
    // The current indent of the caret's paragraph, in twips.
    int CurrentIndentTwips() const;
    void SetIndentTwips(int nTwips);

    QTextEdit& m_editor;
    QHash<int, QAction*> m_actions;
    QFontComboBox* m_pFontName;
    QComboBox* m_pFontSize;
};
