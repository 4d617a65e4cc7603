#include "output/CRtfFormatBar.h"

#include "output/CRtfIcons.h"
#include "output/CRtfWriter.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

namespace {

constexpr int kFontSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

qreal TwipsToPixels(int nTwips)
{
    return qreal(nTwips) / CRtfWriter::kTwipsPerPixel;
}

} // namespace

CRtfFormatBar::CRtfFormatBar(QTextEdit& editor, QWidget* parent)
    : QToolBar(parent)
    , m_editor(editor)
    , m_pFontName(new QFontComboBox(this))
    , m_pFontSize(new QComboBox(this))
{
    setObjectName(QStringLiteral("formatBar"));
    setIconSize(QSize(16, 16));
    m_chooseColor = [](QWidget* owner, const QColor& initial) { return QColorDialog::getColor(initial, owner); };

    m_pFontName->setObjectName(QStringLiteral("fontName"));
    m_pFontName->setToolTip(tr("Fuente"));
    m_pFontName->setCurrentFont(QFont(QStringLiteral("Arial")));
    addWidget(m_pFontName);
    m_pFontSize->setObjectName(QStringLiteral("fontSize"));
    m_pFontSize->setToolTip(tr("Tamaño"));
    m_pFontSize->setEditable(true);
    m_pFontSize->setInsertPolicy(QComboBox::NoInsert);
    for (const int size : kFontSizes)
        m_pFontSize->addItem(QString::number(size));
    m_pFontSize->setCurrentText(QStringLiteral("10"));
    m_pFontSize->setMinimumContentsLength(3);
    addWidget(m_pFontSize);
    connect(m_pFontName, &QComboBox::textActivated, this, &CRtfFormatBar::ApplyFontName);
    connect(m_pFontSize, &QComboBox::textActivated, this, &CRtfFormatBar::ApplyFontSize);
    connect(m_pFontSize->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { ApplyFontSize(m_pFontSize->currentText()); });
    addSeparator();

    AddCommand(ID_BOLD, CRtfIcons::Bold, tr("Negrita"), true);
    AddCommand(ID_ITALIC, CRtfIcons::Italic, tr("Cursiva"), true);
    AddCommand(ID_UNDERLINE, CRtfIcons::Underline, tr("Subrayado"), true);
    addSeparator();
    auto* alignment = new QActionGroup(this);
    alignment->addAction(AddCommand(ID_ALIGN_LEFT, CRtfIcons::AlignLeft, tr("Alinear a la izquierda"), true));
    alignment->addAction(AddCommand(ID_ALIGN_CENTER, CRtfIcons::AlignCenter, tr("Centrar"), true));
    alignment->addAction(AddCommand(ID_ALIGN_RIGHT, CRtfIcons::AlignRight, tr("Alinear a la derecha"), true));
    addSeparator();
    AddCommand(ID_COLOR, CRtfIcons::Color, tr("Color del texto"), false);
    AddCommand(ID_BULLET, CRtfIcons::Bullets, tr("Viñetas"), false);
    AddCommand(ID_INDENT_LESS, CRtfIcons::IndentLess, tr("Reducir sangría"), false);
    AddCommand(ID_INDENT_MORE, CRtfIcons::IndentMore, tr("Aumentar sangría"), false);

    connect(Action(ID_BOLD), &QAction::triggered, this,
            [this](bool bOn) { m_editor.setFontWeight(bOn ? QFont::Bold : QFont::Normal); });
    connect(Action(ID_ITALIC), &QAction::triggered, this, [this](bool bOn) { m_editor.setFontItalic(bOn); });
    connect(Action(ID_UNDERLINE), &QAction::triggered, this, [this](bool bOn) { m_editor.setFontUnderline(bOn); });
    connect(Action(ID_ALIGN_LEFT), &QAction::triggered, this, [this] { SetAlignment(Qt::AlignLeft); });
    connect(Action(ID_ALIGN_CENTER), &QAction::triggered, this, [this] { SetAlignment(Qt::AlignHCenter); });
    connect(Action(ID_ALIGN_RIGHT), &QAction::triggered, this, [this] { SetAlignment(Qt::AlignRight); });
    connect(Action(ID_COLOR), &QAction::triggered, this, [this] {
        const QColor color = m_chooseColor(window(), m_editor.textColor());
        if (color.isValid())
            ApplyColor(color);
    });
    connect(Action(ID_BULLET), &QAction::triggered, this, &CRtfFormatBar::ToggleBullet);
    connect(Action(ID_INDENT_MORE), &QAction::triggered, this, &CRtfFormatBar::IncreaseIndent);
    connect(Action(ID_INDENT_LESS), &QAction::triggered, this, &CRtfFormatBar::DecreaseIndent);
    connect(&m_editor, &QTextEdit::cursorPositionChanged, this, &CRtfFormatBar::UpdateFromCaret);
    connect(&m_editor, &QTextEdit::currentCharFormatChanged, this, &CRtfFormatBar::UpdateFromCaret);
}

QAction* CRtfFormatBar::AddCommand(int nID, int nIcon, const QString& strTip, bool bCheckable)
{
    QAction* action = addAction(CRtfIcons::Icon(CRtfIcons::Kind(nIcon)), strTip);
    action->setData(nID);
    action->setCheckable(bCheckable);
    m_actions.insert(nID, action);
    return action;
}

void CRtfFormatBar::UpdateFromCaret()
{
    const QFont font = m_editor.currentCharFormat().font().resolve(m_editor.document()->defaultFont());
    Action(ID_BOLD)->setChecked(font.bold());
    Action(ID_ITALIC)->setChecked(font.italic());
    Action(ID_UNDERLINE)->setChecked(font.underline());
    const Qt::Alignment alignment = m_editor.alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter)
        Action(ID_ALIGN_CENTER)->setChecked(true);
    else if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        Action(ID_ALIGN_RIGHT)->setChecked(true);
    else
        Action(ID_ALIGN_LEFT)->setChecked(true);

    const QSignalBlocker nameBlocker(m_pFontName);
    const QSignalBlocker sizeBlocker(m_pFontSize);
    const int index = m_pFontName->findText(font.family());
    if (index >= 0)
        m_pFontName->setCurrentIndex(index);
    else
        m_pFontName->setEditText(font.family());
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    m_pFontSize->setCurrentText(QString::number(points));
}

void CRtfFormatBar::SetAlignment(Qt::Alignment alignment)
{
    m_editor.setAlignment(alignment);
    UpdateFromCaret();
}

void CRtfFormatBar::ApplyColor(const QColor& color)
{
    m_editor.setTextColor(color);
    m_editor.setFocus();
}

void CRtfFormatBar::ApplyFontName(const QString& strFamily)
{
    if (strFamily.isEmpty())
        return;
    QTextCharFormat format;
    format.setFontFamilies({strFamily});
    m_editor.mergeCurrentCharFormat(format);
    m_editor.setFocus();
}

void CRtfFormatBar::ApplyFontSize(const QString& strSize)
{
    bool ok = false;
    const double points = strSize.trimmed().replace(u',', u'.').toDouble(&ok);
    if (!ok || points <= 0)
        return;
    m_editor.setFontPointSize(points);
    m_editor.setFocus();
}

void CRtfFormatBar::ToggleBullet()
{
    QTextCursor cursor = m_editor.textCursor();
    cursor.beginEditBlock();
    if (QTextList* list = cursor.currentList()) {
        // Out of the list, with its indent and offset.
        const QTextBlock last = m_editor.document()->findBlock(cursor.selectionEnd());
        for (QTextBlock block = m_editor.document()->findBlock(cursor.selectionStart()); block.isValid();
             block = block.next()) {
            if (block.textList() == list)
                list->remove(block);
            if (block == last)
                break;
        }
        QTextBlockFormat format;
        format.setIndent(0);
        format.setLeftMargin(0);
        format.setTextIndent(0);
        cursor.mergeBlockFormat(format);
    } else {
        QTextListFormat format;
        format.setStyle(QTextListFormat::ListDisc);
        format.setIndent(1);
        cursor.createList(format);
    }
    cursor.endEditBlock();
    UpdateFromCaret();
}

int CRtfFormatBar::CurrentIndentTwips() const
{
    const QTextBlockFormat format = m_editor.textCursor().blockFormat();
    return qRound((format.leftMargin() + format.indent() * m_editor.document()->indentWidth()) *
                  CRtfWriter::kTwipsPerPixel);
}

void CRtfFormatBar::SetIndentTwips(int nTwips)
{
    QTextBlockFormat format;
    format.setIndent(0);
    format.setLeftMargin(TwipsToPixels(nTwips));
    m_editor.textCursor().mergeBlockFormat(format);
}

int CRtfFormatBar::TabStopTwips() const
{
    return std::max(1, qRound(m_editor.tabStopDistance() * CRtfWriter::kTwipsPerPixel));
}

void CRtfFormatBar::IncreaseIndent()
{
    const int step = TabStopTwips();
    const int next = (CurrentIndentTwips() / step + 1) * step;
    if (next <= kTabStops * step)
        SetIndentTwips(next);
}

void CRtfFormatBar::DecreaseIndent()
{
    const int step = TabStopTwips();
    const int current = CurrentIndentTwips();
    SetIndentTwips(current > 0 ? (current - 1) / step * step : 0);
}
