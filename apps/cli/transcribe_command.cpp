// orvik transcribe: the readings the popup shows when the transcription runs
// on an RTF text copied to the clipboard. The text is read as the desktop
// reads the clipboard (surrogate pairs joined, a long text cut at the same
// limit; plain text rendered as RTF), put on the clipboard of a headless
// desktop, and transcribed by the application's own TranscribeSelection in
// the Telex Han or Telex Nom mode, with the corrections of the data
// directory's Tonaro.txt.
#include <filesystem>
#include <ostream>
#include <string>

#include "clipboard_input.h"
#include "command.h"
#include "console_platform.h"
#include "engine/text.h"
#include "ime_request.h"
#include "lookup/transcription.h"
#include "formats/clipboard_rtf.h"
#include "codes/desktop_codes.h"
#include "shell/application.h"

namespace orvik::cli {

namespace {

struct TranscribeRequest {
    std::string dataDirectory = ORVIK_DEFAULT_DATA_DIR;
    bool nom = false;
    bool raw = false;
    bool text = false;
    std::string input = "-";
};

int ParseTranscribe(const Args& args, TranscribeRequest& request, std::ostream& err) {
    bool inputNamed = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--data") {
            if (i + 1 == args.size()) return UsageError(err, "--data needs a value");
            request.dataDirectory = args[++i];
        } else if (arg == "--nom" || arg == "--raw" || arg == "--text") {
            (arg == "--nom" ? request.nom : arg == "--raw" ? request.raw : request.text) = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError(err, "unknown option '" + arg + "' for transcribe");
        } else if (inputNamed) {
            return UsageError(err, "transcribe reads one file (or - for standard input)");
        } else {
            request.input = arg;
            inputNamed = true;
        }
    }
    return 0;
}

// A UTF-8 character is at most four bytes, so this many bytes hold more
// characters than the clipboard read keeps.
constexpr std::size_t kTextByteLimit = 4 * kClipboardReadLimit;

std::u16string ClipboardRtf(const TranscribeRequest& request, const std::string& bytes) {
    if (request.text) return PlainTextOwnerRtf(Utf8ToU16(bytes));
    return OwnerRtf(bytes, !request.raw);
}

// The corrections are read from the current directory, as the desktop's
// working directory links them there.
void LinkCorrections(const std::string& dataDirectory, const std::string& currentDirectory) {
    const std::filesystem::path corrections = std::filesystem::absolute(dataDirectory) / "Tonaro.txt";
    std::error_code error;
    if (std::filesystem::exists(corrections, error))
        std::filesystem::create_symlink(corrections, std::filesystem::path(currentDirectory) / "Tonaro.txt", error);
}

std::u16string Transcription(const TranscribeRequest& request, const std::u16string& rtf, std::ostream& err) {
    ConsolePlatform platform(request.dataDirectory, err);
    LinkCorrections(request.dataDirectory, platform.CurrentDirectory());
    Application app(platform);
    const ModeOption& mode = kModeOptions[request.nom ? 1 : 0];  // Telex Nom or Telex Han
    (app.MainWindow().*mode.action)(mode.number);
    platform.ClipboardSetText(rtf, kClipboardRtf);
    app.TranscribeSelection(true);
    return app.Popup().Text1.Text;
}

}  // namespace

int RunTranscribe(const Args& args, Streams io) {
    TranscribeRequest request;
    if (const int status = ParseTranscribe(args, request, io.err); status != 0) return status;
    if (const int status = CheckDataDirectory(request.dataDirectory, io.err); status != 0) return status;
    const std::size_t limit = request.text ? kTextByteLimit : kClipboardReadLimit;
    const auto bytes = ReadClipboardInput(request.input, io.in, limit, io.err);
    if (!bytes) return 1;
    const std::u16string rtf = ClipboardRtf(request, *bytes);
    const std::u16string readings = Transcription(request, rtf, io.err);
    // The refusal's message is on the error stream, as the desktop shows it.
    if (rtf.size() > kMaxTranscribedRtf) return kUsageError;
    io.out << U16ToUtf8(readings) << '\n';
    return 0;
}

}  // namespace orvik::cli
