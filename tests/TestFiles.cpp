#include "TestFiles.h"

#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

TestFolder::TestFolder()
{
    EXPECT_TRUE(m_dir.isValid());
}

QString TestFolder::path(const QString& name) const
{
    return m_dir.filePath(name);
}

QString TestFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path(name);
}

QByteArray TestFolder::read(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TestFolder::exists(const QString& name) const
{
    return QFile::exists(path(name));
}

SmallDisk::SmallDisk(qint64 bytes)
{
    if (geteuid() != 0 || !m_dir.isValid()) {
        m_skipReason = "mounting a small tmpfs needs root";
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(bytes);
    m_mounted = mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                      options.constData()) == 0;
    if (!m_mounted)
        m_skipReason = "this machine refused to mount a tmpfs";
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        umount(QFile::encodeName(m_dir.path()).constData());
}

QString SmallDisk::path(const QString& name) const
{
    return m_dir.filePath(name);
}

QByteArray cp932(const QString& text)
{
    QStringEncoder encoder("windows-31j");
    QByteArray bytes = encoder.encode(text);
    EXPECT_FALSE(encoder.hasError()) << text.toStdString();
    return bytes;
}

QString resourcePath(const QString& name)
{
    return QStringLiteral(KAKITORI_RESOURCES_DIR "/") + name;
}
