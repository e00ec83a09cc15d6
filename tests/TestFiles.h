#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <string>

// Small file helpers for tests that read and write real files in a temporary folder.
class TestFolder {
public:
    TestFolder();
    QString path(const QString& name) const;
    // Writes bytes as they are and returns the file's path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// A tiny filesystem of its own (tmpfs), to see what writes do when the disk fills up. Mounting
// needs root, as CI runs; elsewhere mounted() is false and skipReason() says why.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    const std::string& skipReason() const { return m_skipReason; }
    QString path(const QString& name) const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    std::string m_skipReason;
};

// Text in code page 932, as the tool's files hold it.
QByteArray cp932(const QString& text);

QString resourcePath(const QString& name);
