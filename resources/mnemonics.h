// Mnemonics of localized captions. The dialog templates mark a caption's or button's mnemonic with
// "&" ("Countr&y:"), while the string tables' texts for them carry none ("Country:", "Land:"), so
// that a caption shown in the interface language would lose its Alt+letter.
#pragma once

#include <string>

namespace resources {

// The localized text with the template's mnemonic: at the template's letter where the text holds
// it (without regard to case), else at the text's first letter. A text that has a mnemonic of its
// own, or whose template text has none, is returned as it is. "&&" is an "&", never a mnemonic.
std::wstring WithTemplateMnemonic(const std::wstring& text, const std::wstring& templateText);

}  // namespace resources
