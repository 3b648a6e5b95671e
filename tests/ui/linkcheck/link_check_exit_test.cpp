// Exit while the workers of a cancelled run still wait on a server that never answers: the
// program ends within the check's bound, and cleanly, with its static objects destroyed behind
// it. The program is this test program itself, run again as a child for the one case below.

#include "gui_test_support.h"

#include "linkcheck/link_checker.h"
#include "ui/kit/command_map.h"
#include "ui/linkcheck/form_check_sw.h"
#include "ui/linkcheck/link_check_feature.h"
#include "ui/shell/form_main.h"
#include "ui/testing/scripted_prompts.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

constexpr char kPortVariable[] = "TARNLINK_SILENT_SERVER_PORT";
constexpr char kExiting[] = "-- exiting --";

// A port on 127.0.0.1 that takes connections into its queue and never reads or answers them.
class SilentServer {
public:
    SilentServer()
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(fd_, 16);
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~SilentServer() { ::close(fd_); }
    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

// The child: a run on the silent server, cancelled while two requests wait, then Exit.
TEST(LinkCheckExit, ChildExitsWithACancelledRunStillWaiting)
{
    const QByteArray port = qgetenv(kPortVariable);
    if (port.isEmpty())
        GTEST_SKIP() << "run as a child of ExitEndsCleanlyWithinTheBound";
    ensureApp();
    QTemporaryDir dir;
    Settings settings = quietSettings();
    settings.checkLinks.threadsAmount = 2;
    settings.checkLinks.delayThreads = 0;
    const QString ini = dir.filePath(QStringLiteral("Tarnlink.ini"));
    SettingsFile(ini).save(settings);
    ScriptedPrompts prompts;
    TFormMain form(ini);
    form.setPrompts(&prompts);
    for (int i = 0; i < 3; ++i)
        addLink(form.tree(), nullptr, "silent", ("http://127.0.0.1:" + port + "/").constData());
    TFormCheck_SW& window = form.feature<LinkCheckFeature>()->window();
    window.BtnCheck()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.ProgressBarThreads()->value() == 2; }, 10000));
    window.BtnCheck()->click(); // Cancel

    QSignalSpy ends(&form, &TFormMain::programEnds);
    std::printf("%s\n", kExiting);
    std::fflush(stdout);
    form.commands().run(Cmd::Exit);
    EXPECT_EQ(ends.count(), 1);
    EXPECT_TRUE(prompts.log().isEmpty());
}

TEST(LinkCheckExit, ExitEndsCleanlyWithinTheBound)
{
    ensureApp();
    SilentServer server;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kPortVariable), QString::number(server.port()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=LinkCheckExit.ChildExitsWithACancelledRunStillWaiting")});
    ASSERT_TRUE(child.waitForStarted());

    QByteArray output;
    QElapsedTimer sinceExit;
    while (!sinceExit.isValid() && child.waitForReadyRead(30000)) {
        output += child.readAll();
        if (output.contains(kExiting))
            sinceExit.start();
    }
    ASSERT_TRUE(sinceExit.isValid()) << output.toStdString();
    // Not finished by then means the exit waited on the silent server.
    const auto bound = kShutdownWait + std::chrono::seconds(3);
    const bool ended = child.waitForFinished(int(bound.count()));
    output += child.readAll();
    if (!ended)
        child.kill();
    ASSERT_TRUE(ended) << output.toStdString();
    EXPECT_LT(sinceExit.elapsed(), bound.count());
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

} // namespace
