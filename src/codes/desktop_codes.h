// The numbers the desktop gives meaning to, named once: virtual-key and scan
// codes of the keys the program reads and synthesizes, the shift-state bits
// of key events, the command codes of the key hook, message numbers and
// flags. Both the program and the key hook inside the input-method
// framework use these names.
#pragma once

#include <cstdint>
#include <string_view>

namespace orvik {

// Virtual-key codes. Letters and digits are their capitals' and digits'
// character codes.
inline constexpr std::int16_t kVkBack = 8;
inline constexpr std::int16_t kVkTab = 9;
inline constexpr std::int16_t kVkClear = 12;
inline constexpr std::int16_t kVkReturn = 13;
inline constexpr std::int16_t kVkShift = 16;
inline constexpr std::int16_t kVkControl = 17;
inline constexpr std::int16_t kVkMenu = 18;  // Alt
inline constexpr std::int16_t kVkPause = 19;
inline constexpr std::int16_t kVkCapital = 20;  // Caps Lock
inline constexpr std::int16_t kVkEscape = 27;
inline constexpr std::int16_t kVkSpace = 32;
inline constexpr std::int16_t kVkPrior = 33;  // Page Up
inline constexpr std::int16_t kVkNext = 34;   // Page Down
inline constexpr std::int16_t kVkEnd = 35;
inline constexpr std::int16_t kVkHome = 36;
inline constexpr std::int16_t kVkLeft = 37;
inline constexpr std::int16_t kVkUp = 38;
inline constexpr std::int16_t kVkRight = 39;
inline constexpr std::int16_t kVkDown = 40;
inline constexpr std::int16_t kVkSnapshot = 44;  // Print
inline constexpr std::int16_t kVkInsert = 45;
inline constexpr std::int16_t kVkDelete = 46;
inline constexpr std::int16_t kVk0 = 48;
inline constexpr std::int16_t kVk9 = 57;
inline constexpr std::int16_t kVkA = 65;
inline constexpr std::int16_t kVkC = 67;
inline constexpr std::int16_t kVkV = 86;
inline constexpr std::int16_t kVkZ = 90;
inline constexpr std::int16_t kVkLWin = 91;
inline constexpr std::int16_t kVkApps = 93;  // the menu key
inline constexpr std::int16_t kVkF1 = 112;
inline constexpr std::int16_t kVkF12 = 123;
inline constexpr std::int16_t kVkF24 = 135;
inline constexpr std::int16_t kVkNumLock = 144;
inline constexpr std::int16_t kVkScroll = 145;
// The punctuation keys, named by what they type on a US layout.
inline constexpr std::int16_t kVkSemicolon = 186;
inline constexpr std::int16_t kVkEquals = 187;
inline constexpr std::int16_t kVkComma = 188;
inline constexpr std::int16_t kVkMinus = 189;
inline constexpr std::int16_t kVkPeriod = 190;
inline constexpr std::int16_t kVkSlash = 191;
inline constexpr std::int16_t kVkGrave = 192;
inline constexpr std::int16_t kVkBracketLeft = 219;
inline constexpr std::int16_t kVkBackslash = 220;
inline constexpr std::int16_t kVkBracketRight = 221;
inline constexpr std::int16_t kVkQuote = 222;
// The hook reports a small letter's key as its character, this far above
// the capital's key code.
inline constexpr std::int16_t kSmallLetterOffset = 32;
constexpr bool IsDigitKey(std::int16_t key) { return key >= kVk0 && key <= kVk9; }

// The key of miscellaneous characters: the hook reports every symbol key
// (? ! ; and the like) as this one.
inline constexpr std::int16_t kVkOem8 = 223;

// The scan codes the program passes with its synthesized keys.
inline constexpr std::uint8_t kScanShift = 28;
inline constexpr std::uint8_t kScanControl = 29;
inline constexpr std::uint8_t kScanC = 23;
inline constexpr std::uint8_t kScanV = 23;
inline constexpr std::uint8_t kScanHome = 34;

// Shift-state bits of key events; "Ctrl" alone is a state of exactly 2.
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kCtrlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

// Mouse buttons as the handlers receive them.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;

// Command codes the key hook reports for its chords. No physical key gives
// a code above 255.
inline constexpr std::int16_t kCmdNextMode = 294;
inline constexpr std::int16_t kCmdTelexHan = 295;
inline constexpr std::int16_t kCmdImeOnOff = 296;
inline constexpr std::int16_t kCmdTelexNom = 297;
inline constexpr std::int16_t kCmdLookupHeld = 338;  // look-up while the user still holds Ctrl
inline constexpr std::int16_t kCmdTranscribe = 344;
inline constexpr std::int16_t kCmdTranscribeToo = 381;
inline constexpr std::int16_t kCmdLookup = 382;
inline constexpr std::int16_t kFirstCommandCode = 256;

// Characters of key-press events (KeyAscii) that are no printable text.
inline constexpr std::int16_t kAsciiBack = 8;
inline constexpr std::int16_t kAsciiReturn = 13;
inline constexpr std::int16_t kAsciiEscape = 27;
inline constexpr std::int16_t kFirstPrintableAscii = 32;

// Messages and flags.
inline constexpr std::uint32_t kWmChar = 258;
inline constexpr std::int32_t kWmLButtonDown = 0x201;
inline constexpr std::int32_t kWmRButtonDown = 0x204;
inline constexpr std::uint32_t kKeyEventKeyUp = 2;     // keybd_event flag
inline constexpr std::int32_t kClipboardRtf = -16639;  // the RTF format (0xBF01)
inline constexpr std::int32_t kClipboardText = 1;
inline constexpr std::uint32_t kWmMouseMove = 0x200;
inline constexpr std::uint32_t kSndMemory = 4;  // sndPlaySoundA: the sound is a WAVE file in memory

// Message boxes: the buttons and icon of a box, and the button answered.
inline constexpr std::int32_t kMbOkOnly = 0;
inline constexpr std::int32_t kMbOkCancel = 1;
inline constexpr std::int32_t kMbExclamation = 48;
inline constexpr std::int32_t kMbTypeMask = 0x0F;  // the bits of a style that choose the buttons
inline constexpr std::int32_t kMbIconMask = 0xF0;  // and those that choose the icon
inline constexpr std::int32_t kIdOk = 1;
inline constexpr std::int32_t kIdCancel = 2;

// Tray icons: adding and deleting one, and the parts of its record that
// count (callback message, icon and tip).
inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimDelete = 2;
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

// Twips per screen pixel at 96 and at 120 dots per inch: a tray icon's
// notification reports its mouse message times this as an X coordinate.
inline constexpr std::int32_t kTwipsPerPixelAt96Dpi = 15;
inline constexpr std::int32_t kTwipsPerPixelAt120Dpi = 12;

// The X input method's protocol: the message type of its client messages
// and the message an application sends when it has taken what the input
// method sent it.
inline constexpr std::string_view kXimProtocolAtom = "_XIM_PROTOCOL";
inline constexpr std::uint8_t kXimSyncReply = 62;

}  // namespace orvik
