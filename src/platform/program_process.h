// The program's process among the desktop's: another instance, other
// programs it starts, its end, and the desktop's fonts.
#pragma once

#include <cstdint>
#include <string_view>

#include "formats/notify_icon_data.h"

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
    // Delivers a message to a window and waits for the answer.
    virtual std::int32_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                      std::int32_t lParam) = 0;
    // Removes a font the program added to the desktop's fonts.
    virtual std::int32_t RemoveFontResourceA(std::string_view fontFile) = 0;
};

}  // namespace orvik
