#include "tools/lir-controller-sim/StopSignals.h"

#include <csignal>
#include <fcntl.h>
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
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return true;
}

int StopSignals::fd()
{
    return g_pipe[0];
}
