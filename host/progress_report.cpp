#include "host/progress_report.h"

#include "platform/terminal.h"

#include <algorithm>
#include <cstdio>

namespace host {

ProgressReport::ProgressReport(bool shown, double total, std::function<std::string(double done)> describe)
    : shown_(shown), terminal_(shown && platform::errorStreamIsTerminal()), total_(total), describe_(std::move(describe))
{
}

void ProgressReport::update(double done)
{
    if (!shown_ || total_ <= 0.0)
        return;
    const int stepsPerJob = terminal_ ? 100 : 10;
    const int step = static_cast<int>(std::clamp(done / total_, 0.0, 1.0) * stepsPerJob);
    if (step == lastStep_ || (!terminal_ && step == 0))
        return;
    lastStep_ = step;
    if (terminal_)
        std::fprintf(stderr, "\rkravo-host: %s", describe_(done).c_str());
    else
        std::fprintf(stderr, "kravo-host: %s (%d %%)\n", describe_(done).c_str(), 10 * step);
}

void ProgressReport::finish()
{
    if (terminal_ && lastStep_ >= 0)
        std::fputc('\n', stderr);
}

} // namespace host
