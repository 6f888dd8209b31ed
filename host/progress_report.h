#pragma once

#include <functional>
#include <string>

namespace host {

// How far a long job has come, on stderr. A terminal sees one line redrawn in place at every
// whole percent; a log or a pipe gets a plain line at every tenth of the job, with no carriage returns.
class ProgressReport {
public:
    // `describe` says where the job stands, such as "rendered 3.0 of 30.0 s".
    ProgressReport(bool shown, double total, std::function<std::string(double done)> describe);
    void update(double done);
    // Ends a redrawn line; a log has its last line already.
    void finish();

private:
    bool shown_;
    bool terminal_;
    double total_;
    std::function<std::string(double)> describe_;
    int lastStep_ = -1;
};

} // namespace host
