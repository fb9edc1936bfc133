#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Runs a test in a fresh, empty working folder and goes back to the old one afterwards.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    QString path() const { return dir_.path(); }

    static void write(const QString& name, const QByteArray& bytes);
    static QByteArray read(const QString& name);
    static bool exists(const QString& name);

private:
    QTemporaryDir dir_;
    QString previous_;
};
