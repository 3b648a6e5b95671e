// Starts the real program offscreen on the sample collection, checks that a second start quits
// at once, and closes the program as the end of the desktop session does.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QProcessEnvironment environmentIn(const QTemporaryDir& dir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TARNLINK_HOME", dir.filePath("home"));
    env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    return env;
}

TEST(TarnlinkProgram, StartsOnTheSampleCollectionAndCloses)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString sample = dir.filePath("sample.tlk");

    QProcess tool;
    tool.setStandardInputFile(TARNLINK_SAMPLE);
    tool.start(TARNLINK_TOOL, {"build", sample});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    QProcess first;
    first.setProcessEnvironment(environmentIn(dir));
    first.start(TARNLINK_PROGRAM, {sample});
    ASSERT_TRUE(first.waitForStarted(10000));
    EXPECT_FALSE(first.waitForFinished(1500)) << first.readAllStandardError().toStdString();

    QProcess second;
    second.setProcessEnvironment(environmentIn(dir));
    second.start(TARNLINK_PROGRAM, {sample});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    // The first start wrote its settings when it ended.
    EXPECT_TRUE(QFile::exists(dir.filePath("home/Tarnlink.ini")));
}

} // namespace
