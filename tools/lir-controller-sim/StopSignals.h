#pragma once

// Turns SIGTERM, SIGINT, SIGQUIT and SIGHUP (unless ignored from the start)
// into a readable file descriptor, so the main loop can wait for them
// together with the line and the emulator ends cleanly, its link removed.
class StopSignals
{
public:
    static bool install();
    // Readable once a stop signal has arrived.
    static int fd();
};
