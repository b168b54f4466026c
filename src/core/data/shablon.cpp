#include "data/shablon.h"

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

} // namespace

void TShablon::ReadFromText(TextLineReader &reader)
{
    Name = ReadRawLine(reader);
    TipShablona = ReadIntLine(reader);
    Krivie = ReadDecimalIntLine(reader);
    MG = ReadDecimalIntLine(reader);
    MV = ReadDecimalIntLine(reader);
    PR = ReadDecimalIntLine(reader);
    VP = ReadFloatLine(reader);
    TG = ReadFloatLine(reader);
    Zapas = ReadFloatLine(reader);
    Temperatura = ReadDecimalIntLine(reader);
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
