#ifndef ICOMMANDLINE_H
#define ICOMMANDLINE_H

// The options the program answers by itself: --help (in the terminal's language) and --version
// print and exit before the single-instance lock, the settings or a camera are touched, so they
// work while another instance runs. Every other argument is left to Qt (-platform, -style, ...).
class ICommandLine {
public:
    // True when the arguments ask for help or the version.
    static bool wantsAnswer(int argc, char** argv);
    // Prints the answer and returns the exit status.
    static int answer(int argc, char** argv);
};

#endif  // ICOMMANDLINE_H
