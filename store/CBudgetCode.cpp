#include "store/CBudgetCode.h"

#include <QFileInfo>
#include <QTextBoundaryFinder>

namespace {

bool HasBrokenCharacter(const QString& strText)
{
    for (qsizetype i = 0; i < strText.size(); ++i) {
        const QChar c = strText[i];
        if (c.isHighSurrogate() && i + 1 < strText.size() && strText[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

} // namespace

QString CBudgetCode::Cut(const QString& strText)
{
    QString text;
    text.reserve(strText.size());
    for (qsizetype i = 0; i < strText.size(); ++i) {
        const QChar c = strText[i];
        if (c.isHighSurrogate() && i + 1 < strText.size() && strText[i + 1].isLowSurrogate()) {
            text += c;
            text += strText[++i];
        } else if (!c.isSurrogate()) {
            text += c;
        }
    }
    if (text.size() <= kMaxLength)
        return text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(kMaxLength);
    if (!graphemes.isAtBoundary())
        graphemes.toPreviousBoundary();
    return text.left(std::max<qsizetype>(0, graphemes.position()));
}

QString CBudgetCode::FromFileName(const QString& strPath)
{
    return Cut(QFileInfo(strPath).completeBaseName());
}

QString CBudgetCode::Problem(const QString& strCode)
{
    if (strCode.trimmed().isEmpty())
        return tr("Falta código de presupuesto");
    if (strCode.size() > kMaxLength)
        return tr("El código tiene más de %1 caracteres: %2").arg(QString::number(kMaxLength), strCode);
    if (HasBrokenCharacter(strCode))
        return tr("El código tiene caracteres incompletos: %1").arg(strCode);
    return {};
}
