#include "platform/home_folder.h"
#include "platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarnlink;

TEST(HomeFolder, OverrideThenPortableFolderThenConfigFolder)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("program");
    const QString config = dir.filePath("config");
    QDir().mkpath(program);

    EXPECT_EQ(chooseHomeFolder(dir.filePath("home/"), program, config), dir.filePath("home"));
    EXPECT_EQ(chooseHomeFolder({}, program, config), program); // writable

    QFile(program).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const bool readOnlyHolds = !QFileInfo(program).isWritable(); // root may write anyway
    if (readOnlyHolds)
        EXPECT_EQ(chooseHomeFolder({}, program, config), config + "/Tarnlink");
    QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile ini(program + "/Tarnlink.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.close();
    QFile(program).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(chooseHomeFolder({}, program, config), program); // holds Tarnlink.ini
    QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(chooseHomeFolder({}, {}, config), config + "/Tarnlink");
}

TEST(SingleInstanceLock, SecondHolderIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("runtime/tarnlink.lock");
    auto first = std::make_unique<SingleInstanceLock>(path);
    EXPECT_TRUE(first->acquired());
    EXPECT_FALSE(SingleInstanceLock(path).acquired());
    first.reset();
    EXPECT_TRUE(SingleInstanceLock(path).acquired());
}
