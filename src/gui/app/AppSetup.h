#pragma once

// Registers the images compiled into the core library.
void initLirResources();

// The editor's entry: application, translation, maximised main window, event
// loop. Returns the exit code.
int runEditor(int& argc, char** argv);
