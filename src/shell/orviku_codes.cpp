// The output-code actions of the menu: the radio group of the four codes,
// and the plain check item OnlyViet.
#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

constexpr int kVnFontSizeOfCode = 12;

}  // namespace

void OrvikU::Unicode_Click(std::int16_t) { RunCodeAction(kUnicodeCode); }
void OrvikU::TCVN_Click(std::int16_t) { RunCodeAction(kTcvn3Code); }
void OrvikU::VNI2_Click(std::int16_t) { RunCodeAction(kVniCode); }
void OrvikU::VW2_Click(std::int16_t) { RunCodeAction(kVietWareCode); }

// Nothing else in the system reads this mark.
void OrvikU::OnlyViet_Click(std::int16_t) { Menunoi.OnlyViet.Checked = !Menunoi.OnlyViet.Checked; }

void OrvikU::RunCodeAction(const OutputCodeAction& code) {
    for (const OutputCodeAction* each : kOutputCodeActions) (Menunoi.*(each->item)).Checked = false;
    (Menunoi.*(code.item)).Checked = true;
    app_.ConfigDialog().Combo1.Text = code.comboText;
    Module1& module = app_.module();
    app_.session().SetOutputCode(code.letterTable, code.item == &Menunoi::Unicode);
    Text1.FontName = code.boxFont;
    app_.output().VnFontName = code.outputFont;
    app_.output().VnFontSize = kVnFontSizeOfCode;
    if (Menunoi.IMEstate.Checked)
        app_.CandidateWindow().Text1.FontName = code.candidateBoxFont.value_or(app_.output().VnFontName);
    CodeLabel = code.codeLabel;
    StatusBar1.Text = std::u16string(code.statusPrefix) + module.ModeTitle + u"/" + CodeLabel;
}

}  // namespace orvik
