// What the typing session makes of one key; the window that got the key
// carries it out.
#pragma once

#include <cstdint>
#include <string>

#include "ime/typing_session.h"

namespace orvik {

struct KeyAnswer {
    enum class Act {
        None,           // the key is used up
        ShowCode,       // the typed code changed: show it and its candidates
        RewriteBox,     // the box shows the code again, the list as it is
        ShowPage,       // another page of the candidates is shown
        Commit,         // `text` ends the word, followed by `ending`
        CommitPassOn,   // `text` ends the word, then the key goes on
        PassOn,         // the key is the application's, as typed
        Pick,           // the candidate field `text` is chosen
        OpenPage,       // the dictionary page of candidate `position` opens
    };
    Act act = Act::None;
    std::u16string text;
    std::u16string ending;
    int position = 0;  // on the page shown

    static KeyAnswer Of(Act act, std::u16string text = {}, std::u16string ending = {}) {
        return {act, std::move(text), std::move(ending), 0};
    }
};

// Words typed for the application in the foreground, the candidate
// window's way: a key that ends a word sends it, and keys the session has
// no use for (with nothing typed, or no list to page or pick from) go on
// to the application as typed.
KeyAnswer AnswerKeyForApplication(TypingSession& session, std::int16_t key, std::int16_t shift);

// Words typed into the main window's own box, which keeps them: the box
// edits itself (`boxLength` is its length after that), Ctrl rather than
// Shift makes a capital, Space adds the word to the box's text, and a digit
// picks on its key-down.
KeyAnswer AnswerKeyInBox(TypingSession& session, std::int16_t key, std::int16_t shift, std::size_t boxLength);
KeyAnswer AnswerKeyDownInBox(const TypingSession& session, std::int16_t key);

}  // namespace orvik
