#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

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

// Text in code page 932, as the tool's files hold it.
QByteArray cp932(const QString& text);

QString resourcePath(const QString& name);
