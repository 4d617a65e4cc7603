#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The files that hold the user's data (the store, the data-source list) keep
// clients' names and addresses: they are created for the user alone, and only
// ordinary files are opened, so that a pipe or a device never blocks a job.
class CFileAccess
{
    Q_DECLARE_TR_FUNCTIONS(CFileAccess)

public:
    // Creates a folder and any missing parent; each folder created here is
    // the user's alone (0700), existing ones keep their permissions. False,
    // with the system's reason in strError, when that cannot be done.
    static bool MakePrivateFolder(const QString& strFolder, QString& strError);
    // Creates an empty file that only the user can read or write (0600), in a
    // folder made as above, unless the path already exists. False on failure.
    static bool CreatePrivateFile(const QString& strPath, QString& strError);

    // True when the path names an ordinary file: not a folder, a pipe or a device.
    static bool IsRegularFile(const QString& strPath);
    // True when there is nothing at the path, or an ordinary file.
    static bool IsRegularOrMissing(const QString& strPath);
    // "<path> is not an ordinary file", in the user's language.
    static QString NotRegularFile(const QString& strPath);

    // Holds a lock file, made as above, for this process alone while it
    // lives; other processes wait for it a few seconds at most. The system
    // lets go of it when the process ends, however it ends.
    class CLock
    {
    public:
        explicit CLock(const QString& strPath);
        ~CLock();
        CLock(const CLock&) = delete;
        CLock& operator=(const CLock&) = delete;
        bool IsLocked() const { return m_fd >= 0; }

    private:
        int m_fd = -1;
    };

    enum ReadStatus { Read, NotRegular, Failed };
    // Reads the whole of an ordinary file; anything else is refused without
    // waiting for a writer.
    static ReadStatus ReadRegularFile(const QString& strPath, QByteArray& data);
};
