// The program's process among the desktop's: another instance, other
// programs it starts, and its end.
#pragma once

#include <string_view>

namespace orvik {

class ProgramProcess {
public:
    virtual ~ProgramProcess() = default;

    // Whether another instance of the program runs for this user. The first
    // answer is kept: an instance that answers false stays the one running.
    virtual bool PrevInstance() = 0;
    // Starts a command line ("Charmap.exe", "hh.exe orvhelp.chm") in a normal
    // window with the focus and does not wait for it. False when it cannot be
    // started.
    virtual bool StartProgram(std::u16string_view commandLine) = 0;
    // Ends the process once the event being handled is done.
    virtual void Quit() = 0;
};

}  // namespace orvik
