#pragma once

#include <QTextEdit>

class QImage;

// The report's editor: a rich-text editor that also takes pasted images.
// An image lives in the document as one of its resources until the
// document is saved with it.
class CRtfEdit : public QTextEdit
{
    Q_OBJECT

public:
    // Images wider than the report's page are shown at its width.
    static constexpr int kMaxImageWidth = 745;

    explicit CRtfEdit(QWidget* parent = nullptr);

    // Inserts the image at the caret.
    void InsertImage(const QImage& image);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int m_nImages = 0;
};
