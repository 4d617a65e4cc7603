#include "app/CLockIndicators.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

// The name of the indicator, and the ending of the light's name.
struct LockInfo {
    const char* name;
    const char* light;
};

constexpr LockInfo kLocks[CLockIndicators::LockCount] = {
    {QT_TRANSLATE_NOOP("CLockIndicators", "MAYÚS"), "::capslock"},
    {QT_TRANSLATE_NOOP("CLockIndicators", "NÚM"), "::numlock"},
    {QT_TRANSLATE_NOOP("CLockIndicators", "DESPL"), "::scrolllock"},
};

} // namespace

CLockIndicators::CLockIndicators(QStatusBar* pStatusBar, const QString& strLedsFolder)
    : QObject(pStatusBar)
    , m_strLedsFolder(strLedsFolder)
{
    for (int lock = 0; lock < LockCount; ++lock) {
        auto* label = new QLabel(pStatusBar);
        label->setObjectName(QString::fromLatin1(kLocks[lock].light + 2));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // As wide as the name, whether it shows or not.
        const QString name = tr(kLocks[lock].name);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(name) + 2 * label->fontMetrics().averageCharWidth());
        pStatusBar->addPermanentWidget(label);
        m_labels[lock] = label;
    }
    Update();
    QCoreApplication::instance()->installEventFilter(this);
}

bool CLockIndicators::ReadLight(Lock nLock) const
{
    const QDir folder(m_strLedsFolder);
    const QString ending = QString::fromLatin1(kLocks[nLock].light);
    for (const QString& light : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        if (!light.endsWith(ending))
            continue;
        QFile brightness(folder.filePath(light + QStringLiteral("/brightness")));
        if (brightness.open(QIODevice::ReadOnly) && brightness.readAll().trimmed().toInt() > 0)
            return true;
    }
    return false;
}

void CLockIndicators::Update()
{
    for (int lock = 0; lock < LockCount; ++lock) {
        m_on[lock] = ReadLight(Lock(lock));
        m_labels[lock]->setText(m_on[lock] ? tr(kLocks[lock].name) : QString());
    }
}

bool CLockIndicators::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
            Update();
            break;
        default:
            break;
        }
        break;
    case QEvent::ApplicationActivate:
        Update();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
