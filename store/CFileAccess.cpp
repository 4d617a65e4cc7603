#include "store/CFileAccess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool StatPath(const QString& strPath, struct stat& info)
{
    return ::stat(QFile::encodeName(strPath).constData(), &info) == 0;
}

} // namespace

bool CFileAccess::MakePrivateFolder(const QString& strFolder, QString& strError)
{
    const QString folder = QDir::cleanPath(QFileInfo(strFolder).absoluteFilePath());
    // From the top down, so that every folder made here is made 0700.
    qsizetype next = folder.indexOf(u'/', 1);
    for (;;) {
        const QString prefix = next < 0 ? folder : folder.left(next);
        struct stat info;
        if (!StatPath(prefix, info)) {
            if (::mkdir(QFile::encodeName(prefix).constData(), S_IRWXU) != 0 && errno != EEXIST) {
                strError = prefix + QStringLiteral(": ") + SystemError();
                return false;
            }
        } else if (!S_ISDIR(info.st_mode)) {
            strError = prefix + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(ENOTDIR));
            return false;
        }
        if (next < 0)
            return true;
        next = folder.indexOf(u'/', next + 1);
    }
}

bool CFileAccess::CreatePrivateFile(const QString& strPath, QString& strError)
{
    if (!MakePrivateFolder(QFileInfo(strPath).absolutePath(), strError))
        return false;
    const int fd = ::open(QFile::encodeName(strPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == EEXIST)
        return true;
    strError = strPath + QStringLiteral(": ") + SystemError();
    return false;
}

bool CFileAccess::IsRegularFile(const QString& strPath)
{
    struct stat info;
    return StatPath(strPath, info) && S_ISREG(info.st_mode);
}

bool CFileAccess::IsRegularOrMissing(const QString& strPath)
{
    struct stat info;
    if (!StatPath(strPath, info))
        return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

CFileAccess::CLock::CLock(const QString& strPath)
{
    QString error;
    if (!MakePrivateFolder(QFileInfo(strPath).absolutePath(), error))
        return;
    m_fd = ::open(QFile::encodeName(strPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (m_fd < 0)
        return;
    // Changes under the lock take milliseconds; a holder that takes longer
    // than this is stuck, and the change is given up.
    const QDeadlineTimer deadline(10000);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        QThread::usleep(500);
    }
}

CFileAccess::CLock::~CLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString CFileAccess::NotRegularFile(const QString& strPath)
{
    return tr("%1 no es un fichero normal").arg(QDir::toNativeSeparators(strPath));
}

CFileAccess::ReadStatus CFileAccess::ReadRegularFile(const QString& strPath, QByteArray& data)
{
    // Opened without waiting: a pipe with no writer would otherwise hold the
    // open for ever. The kind of file is then taken from what was opened.
    const int fd = ::open(QFile::encodeName(strPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failed;
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    if (!known || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return known ? NotRegular : Failed;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Failed;
    }
    data = file.readAll();
    return file.error() == QFileDevice::NoError ? Read : Failed;
}
