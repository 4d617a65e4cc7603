#include "FieldWidth.h"

#include <QLineEdit>
#include <QStyle>

namespace {

// The line edit's own margin inside its frame on each side, and a few pixels
// to spare so that the last digit never touches the frame.
constexpr int kInnerMargin = 2;
constexpr int kSpare = 8;

} // namespace

int FieldWidthFor(const QLineEdit& field, const QString& strText)
{
    const int frame = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field);
    const QMargins margins = field.textMargins();
    return field.fontMetrics().horizontalAdvance(strText) + 2 * (frame + kInnerMargin) + margins.left()
        + margins.right() + kSpare;
}
