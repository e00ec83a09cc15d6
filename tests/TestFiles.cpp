#include "TestFiles.h"

#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

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
