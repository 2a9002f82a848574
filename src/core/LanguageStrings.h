#pragma once
// Translatable texts are numbered: the text n of a language is the entry
// Language + n, Language being the preference (20000 for English).

#include <string>

namespace cardoria {

inline constexpr int kEnglishLanguage = 20000;

// The text numbered language + n; a language without that text falls back to
// English, and an unknown number gives the empty text.
std::string LanguageString(int language, int n);

}  // namespace cardoria
