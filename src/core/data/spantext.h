#pragma once

#include "data/section.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The fields of a column (or row) of numbers as a spreadsheet puts it on the clipboard or a
// CSV or text file holds it; bytes in UTF-8 (a byte-order mark is dropped) or, when they are
// not well-formed UTF-8, in Windows-1251. Fields are separated by line breaks, tabs, ";" and
// blanks, and empty ones dropped. "," is the decimal point ("120,5"), except in a text with no
// tab and no ";" that has a "." or a line with two or more ",": there it separates fields too,
// as in a CSV file of an English spreadsheet ("120.5,150,180"). A first line none of whose
// fields reads as a number is a heading ("Span, m") and dropped. The fields come back as
// UTF-8 texts, unchecked.
std::vector<std::string> SplitNumberFields(std::string_view bytes);

// The rule above for "," in lines (their heading taken away): true when it separates fields,
// false when it is the decimal point.
bool CommaSeparatesFields(const std::vector<std::string_view> &lines);

// The 0-based index of the first text that does not read as a number with "," or "." as the
// point and blanks around, or texts.size() when all do.
std::size_t FirstNonNumber(const std::vector<std::string> &texts);

// The refusal of texts[index] as a span, in the language given, naming section and the 1-based
// position: "Span 3 of anchor section "A": "12a" is not a number".
std::string NotANumberSpanText(const TSection &section, std::size_t index, const std::string &text,
                               Lang language);

// The spans of texts (a field or a cell each, in route order). Throws velmora::Error with
// NotANumberSpanText for the first text that is no number. The limits of the spans are
// CheckSection's business.
std::vector<double> ReadSpanTexts(const std::vector<std::string> &texts, const TSection &section,
                                  Lang language);

} // namespace velmora
