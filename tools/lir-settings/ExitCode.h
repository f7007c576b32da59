#pragma once

// The exit codes of every lir-settings command.
enum class ExitCode : int
{
    Success = 0, // done, nothing to report
    Failure = 1, // done with a finding: messages, refused values, a failed link
    Error = 2    // not done: bad arguments, unreadable or unwritable files
};
