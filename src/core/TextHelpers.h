#pragma once
// Text helpers whose exact behaviour is part of every file format: the piles,
// the card table, the stores and the data files are all plain text.

#include <string>
#include <string_view>
#include <vector>

namespace cardoria {

using TextList = std::vector<std::string>;

// The integer right-aligned in `width` characters, spaces turned into "0" and a
// minus sign moved to the front ("-05"); `width` asterisks when it does not fit.
std::string ZeroPad(long long value, int width);

// The last n characters; the whole text when n is at least its length.
std::string RightStr(std::string_view text, int n);

// Cut to n characters or padded on the right with spaces to n.
std::string PadRight(std::string_view text, int n);

// Only the space character (code 32) is trimmed, never tabs or other blanks.
std::string TrimLeftSpaces(std::string_view text);
std::string TrimRightSpaces(std::string_view text);

// Fixed 1-based columns of a line as every file reader takes them: a range
// past the end of the line reads as empty, a range the line only partly
// covers as the part it holds.
std::string Columns(std::string_view line, int first, int count);

// 1-based: characters 1..position-1, then `insert`, then those from position+count on.
std::string ReplaceRange(std::string_view text, int position, int count, std::string_view insert);

// Lines after every line starting with `header`, up to the next line starting
// with "["; repeated sections are concatenated in file order.
TextList SectionLines(const TextList& list, std::string_view header);

// Index of the first item equal to `text` once both are right-trimmed, else -1.
int IndexOfTrimmed(const TextList& list, std::string_view text);

// Hours zero-padded to hourWidth, then minutes and seconds, joined by `separator`.
std::string FormatHMS(long long seconds, int hourWidth, char separator = ':');

// True when every character is a decimal digit (and for the empty text).
bool IsAllDigits(std::string_view text);

// The integer value of a text as the pile and store codes are read: leading
// spaces skipped, an optional sign, then digits; anything else gives 0.
int TextToInt(std::string_view text);

// Lenient conversion for hand-edited values: surrounding blanks ignored, an
// optional sign and at least one digit; trailing text after the digits is
// ignored. `fallback` when there is no number or it does not fit in 32 bits.
int TextToIntDef(std::string_view text, int fallback);

}  // namespace cardoria
