#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

// A line's picture enlarged: a resizable window that stretches the image
// over its whole client area. A file that does not load leaves it blank.
class CImagenDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CImagenDlg(QWidget* parent = nullptr);

    // The image file, given before the window runs.
    void SetPath(const QString& strPath);
    const QString& Path() const { return m_strPath; }
    bool HasImage() const { return !m_image.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_strPath;
    QImage m_image;
};
