#pragma once

// The program from start to end: start-up pictures, welcome screen, login, the main
// window and its event loop. Returns the process's exit code.
class TypingApplication
{
public:
    static int Run(int argc, char** argv);
};
