#include "tools/lir-controller-sim/StopSignals.h"

#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};

void onStopSignal(int)
{
    const char byte = 1;
    // Nothing can be done about a full pipe: one byte is already waiting.
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
}
} // namespace

bool StopSignals::install()
{
    if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int stop : {SIGTERM, SIGINT, SIGQUIT, SIGHUP}) {
        struct sigaction previous = {};
        // Started under nohup, the emulator keeps running when its terminal
        // closes.
        if (stop == SIGHUP && sigaction(SIGHUP, nullptr, &previous) == 0 &&
            previous.sa_handler == SIG_IGN)
            continue;
        sigaction(stop, &action, nullptr);
    }
    signal(SIGPIPE, SIG_IGN);
    return true;
}

int StopSignals::fd()
{
    return g_pipe[0];
}
