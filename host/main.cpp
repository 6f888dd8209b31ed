#include "host/command_line.h"
#include "host/commands.h"
#include "platform/clock.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

// The plug-in seeds its noise from the tick count; a clock that starts at one value and moves
// only as the host sleeps makes the same command render the same samples every time.
constexpr DWORD kOfflineStartTicks = 1;

} // namespace

// kravo-host: drives the plug-in through its own boundary, as a host would.
int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fprintf(stderr, "kravo-host: no command given\n%s", host::usageErrorHelp("").c_str());
        return 2;
    }
    if (args[0] == "help" || args[0] == "--help") {
        std::fputs(host::usageText().c_str(), stdout);
        return 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    // The editor on the desktop runs on the real clock, as a person uses it.
    platform::ManualClock offlineClock(kOfflineStartTicks);
    if (args[0] != "editor")
        platform::setClock(&offlineClock);
    try {
        if (args[0] == "render")
            return host::runRender(host::parseRenderOptions(rest));
        if (args[0] == "samples")
            return host::runSamples(host::parseSamplesOptions(rest));
        if (args[0] == "params")
            return host::runParams(host::parseParamsOptions(rest));
        if (args[0] == "editor")
            return host::runEditor(host::parseEditorOptions(rest));
        if (args[0] == "view")
            return host::runView(host::parseViewOptions(rest));
        throw host::UsageError("unknown command '" + args[0] + "'");
    } catch (const host::UsageError& error) {
        std::fprintf(stderr, "kravo-host: %s\n%s", error.what(), host::usageErrorHelp(args[0]).c_str());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kravo-host: %s\n", error.what());
        return 1;
    }
}
