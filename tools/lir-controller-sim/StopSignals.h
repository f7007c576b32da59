#pragma once

// Turns SIGTERM and SIGINT into a readable file descriptor, so the main loop
// can wait for them together with the line.
class StopSignals
{
public:
    static bool install();
    // Readable once a stop signal has arrived.
    static int fd();
};
