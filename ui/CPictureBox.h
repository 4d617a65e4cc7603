#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

// The picture of the selected line beside a grid: white, with the image
// stretched over the box. A double click shows it enlarged in the image window.
class CPictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit CPictureBox(QWidget* parent = nullptr);

    void SetPath(const QString& strPath);
    const QString& Path() const { return m_strPath; }
    bool HasImage() const { return !m_image.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString m_strPath;
    QImage m_image;
};
