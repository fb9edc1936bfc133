#include "TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TempFolder::TempFolder()
    : previous_(QDir::currentPath())
{
    EXPECT_TRUE(dir_.isValid());
    QDir::setCurrent(dir_.path());
}

TempFolder::~TempFolder()
{
    QDir::setCurrent(previous_);
}

void TempFolder::write(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    file.write(bytes);
}

QByteArray TempFolder::read(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempFolder::exists(const QString& name)
{
    return QFile::exists(name);
}
