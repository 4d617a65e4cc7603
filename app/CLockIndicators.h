#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <array>

class QLabel;
class QStatusBar;

// The status bar's indicators of Caps Lock, Num Lock and Scroll Lock: each
// shows its name while its key is on and stays blank otherwise. Linux keeps
// the keyboard lights under /sys/class/leds ("input3::capslock" and so on,
// with the state in "brightness"); with several keyboards a lock is on when
// a light of any is. They are read again when a lock key is released and
// when the program comes to the front.
class CLockIndicators : public QObject
{
    Q_OBJECT

public:
    enum Lock { Caps, Num, Scroll, LockCount };

    explicit CLockIndicators(QStatusBar* pStatusBar, const QString& strLedsFolder = QStringLiteral("/sys/class/leds"));

    void Update();
    bool IsOn(Lock nLock) const { return m_on[nLock]; }
    QLabel* Indicator(Lock nLock) const { return m_labels[nLock]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ReadLight(Lock nLock) const;

    QString m_strLedsFolder;
    std::array<QLabel*, LockCount> m_labels{};
    std::array<bool, LockCount> m_on{};
};
