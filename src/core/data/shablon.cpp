#include "data/shablon.h"

#include "common/error.h"
#include "common/numtext.h"
#include "data/projectfile.h"

#include <algorithm>
#include <stdexcept>

namespace velmora {

namespace {

// The integer lines after the type accept "," like the real ones, so "5000,0" fails as an
// integer with its own text in the message.
std::int32_t ReadDecimalIntLine(TextLineReader &reader)
{
    return ParseInt(ReadDecimalLine(reader));
}

// A value of a template that failed to convert, told with the template's name and the
// value's: "the template "Anchor", the horizontal scale: '5000,5' is not a valid integer".
template<typename Read>
auto NamedField(const std::string &templateName, const char *english, const char *russian,
                Read read) -> decltype(read())
{
    try {
        return read();
    } catch (const ConversionError &e) {
        const std::string shown = ShownText(templateName);
        throw ConversionError("the template \"" + shown + "\", " + english + ": " + e.what(),
                              "шаблон «" + shown + "», " + russian + ": " + e.Russian());
    }
}

} // namespace

void TShablon::ReadFromText(TextLineReader &reader)
{
    Name = ReadRawLine(reader);
    const auto field = [this, &reader](const char *english, const char *russian, auto read) {
        return NamedField(Name, english, russian, [&] { return read(reader); });
    };
    TipShablona = field("the type", "тип", ReadIntLine);
    Krivie = field("the curves", "вид кривых", ReadDecimalIntLine);
    MG = field("the horizontal scale", "масштаб горизонтальный", ReadDecimalIntLine);
    MV = field("the vertical scale", "масштаб вертикальный", ReadDecimalIntLine);
    PR = field("the equivalent span", "приведённый пролёт", ReadDecimalIntLine);
    VP = field("the attachment height", "высота подвеса", ReadFloatLine);
    TG = field("the required clearance", "требуемый габарит", ReadFloatLine);
    Zapas = field("the clearance reserve", "запас габарита", ReadFloatLine);
    Temperatura = field("the temperature", "температура", ReadDecimalIntLine);
}

void TShablon::WriteToText(TextLineWriter &writer) const
{
    writer.Line(SingleLine(Name));
    writer.Line(FormatInt(TipShablona));
    writer.Line(FormatInt(Krivie));
    writer.Line(FormatInt(MG));
    writer.Line(FormatInt(MV));
    writer.Line(FormatInt(PR));
    writer.Line(FormatNumber(VP));
    writer.Line(FormatNumber(TG));
    writer.Line(FormatNumber(Zapas));
    writer.Line(FormatInt(Temperatura));
}

int TShablonList::Add(const TShablon &shablon)
{
    m_items.push_back(shablon);
    return Count() - 1;
}

void TShablonList::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("TShablonList::Delete: index out of range");
    m_items.erase(m_items.begin() + index);
}

bool TShablonList::ReadFromText(TextLineReader &reader)
{
    const std::string countLine = ReadRawLine(reader);
    if (countLine.empty())
        return false;
    const std::int32_t count = ParseInt(countLine);
    Clear();
    for (std::int32_t i = 0; i < count; ++i) {
        TShablon shablon;
        shablon.ReadFromText(reader);
        m_items.push_back(std::move(shablon));
    }
    return true;
}

void TShablonList::WriteToText(TextLineWriter &writer) const
{
    writer.Line(FormatInt(Count()));
    for (const TShablon &shablon : m_items)
        shablon.WriteToText(writer);
}

} // namespace velmora
