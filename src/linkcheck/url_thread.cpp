#include "url_thread.h"

#include "check_rules.h"
#include "http_probe.h"
#include "run_control.h"

namespace tarnlink {

TURLThread::TURLThread(CheckedLink link, const CheckContext& context) : link_(std::move(link)), context_(context) {}

void TURLThread::Launch(CheckedLink link, const CheckContext& context)
{
    RunningWorkers::raise();
    const std::shared_ptr<TURLThread> worker(new TURLThread(std::move(link), context));
    if (!context.threads->start([worker] { worker->run(); }))
        context.inbox->postWorkerEnded(RunningWorkers::lower());
}

void TURLThread::run()
{
    ProbeResult answer = ProbeAddress(RequestAddress(link_.link), context_.timeouts, context_.threads->shuttingDown());
    if (answer.opened && !IsWorkingStatus(answer.status))
        context_.inbox->postReport({std::move(link_), std::move(answer)});
    context_.inbox->postWorkerEnded(RunningWorkers::lower());
}

} // namespace tarnlink
