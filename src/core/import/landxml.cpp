#include "import/landxml.h"

#include "common/error.h"
#include "common/numtext.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstring>
#include <memory>
#include <optional>

namespace velmora {

namespace {

struct DocFree
{
    void operator()(xmlDoc *doc) const { xmlFreeDoc(doc); }
};
struct ContextFree
{
    void operator()(xmlParserCtxt *context) const { xmlFreeParserCtxt(context); }
};

bool Named(const xmlNode *node, const char *name)
{
    return node->type == XML_ELEMENT_NODE
        && std::strcmp(reinterpret_cast<const char *>(node->name), name) == 0;
}

// The first element called name at or below node, depth first.
const xmlNode *FindElement(const xmlNode *node, const char *name)
{
    for (; node; node = node->next) {
        if (Named(node, name))
            return node;
        if (const xmlNode *found = FindElement(node->children, name))
            return found;
    }
    return nullptr;
}

std::string TextOf(const xmlNode *node)
{
    xmlChar *content = xmlNodeGetContent(node);
    std::string text = content ? reinterpret_cast<const char *>(content) : "";
    xmlFree(content);
    return text;
}

std::vector<std::string> Words(const std::string &text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    constexpr const char *separators = " \t\r\n,";
    while ((start = text.find_first_not_of(separators, start)) != std::string::npos) {
        const std::size_t end = text.find_first_of(separators, start);
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

class PointCollector
{
public:
    PointCollector(const std::string &file, Lang lang)
        : m_file(file)
        , m_lang(lang)
    {
    }

    // Adds the pairs of the words of text, found at line.
    void Add(const std::string &text, std::size_t line)
    {
        const std::vector<std::string> words = Words(text);
        if (words.size() % 2 != 0)
            Fail(line, 1, "missing", "отсутствует");
        for (std::size_t i = 0; i < words.size(); i += 2) {
            result.items.push_back({Number(words[i], line, 0), Number(words[i + 1], line, 1)});
            result.source.lines.push_back(line);
        }
    }

    [[noreturn]] void Fail(std::size_t line, std::size_t field, const std::string &english,
                           const std::string &russian) const
    {
        const LineFault fault {LineRecord::Ground, 0, field,
                               LineFieldName(LineRecord::Ground, field, m_lang),
                               InLanguage(m_lang, english, russian)};
        throw Error(LineFaultText(fault, {m_file, {line}}, m_lang));
    }

    ImportedRecords<GroundPoint> result;

private:
    double Number(const std::string &word, std::size_t line, std::size_t field) const
    {
        try {
            return ParseFloat(word);
        } catch (const ConversionError &) {
            Fail(line, field, "\"" + word + "\" is not a number", "«" + word + "» — не число");
        }
    }

    const std::string &m_file;
    Lang m_lang;
};

std::size_t LineOf(const xmlNode *node)
{
    const long line = xmlGetLineNo(node);
    return line > 0 ? static_cast<std::size_t>(line) : 0;
}

} // namespace

bool LooksLikeXml(std::string_view bytes)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, bom.size()) == bom)
        bytes.remove_prefix(bom.size());
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '<';
}

ImportedRecords<GroundPoint> ReadGroundLandXml(std::string_view bytes, const std::string &file,
                                               Lang lang)
{
    std::unique_ptr<xmlParserCtxt, ContextFree> context(xmlNewParserCtxt());
    if (!context)
        throw Error("Out of memory reading " + file);
    // No network, no entity substitution, no DTD loading; errors are read from the context.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    std::unique_ptr<xmlDoc, DocFree> doc(xmlCtxtReadMemory(context.get(), bytes.data(),
                                                           static_cast<int>(bytes.size()),
                                                           file.c_str(), nullptr, options));
    if (!doc) {
        const xmlError *error = xmlCtxtGetLastError(context.get());
        std::string reason = error && error->message ? error->message : "";
        while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' '))
            reason.pop_back();
        throw Error(
            file + InLanguage(lang, ", line ", ", строка ") + FormatInt(error ? error->line : 0)
            + InLanguage(lang, ": not a readable XML file: ", ": не читается как XML: ") + reason);
    }
    const xmlNode *root = xmlDocGetRootElement(doc.get());
    PointCollector collector(file, lang);
    collector.result.source.file = file;
    if (const xmlNode *surface = FindElement(root, "ProfSurf")) {
        for (const xmlNode *list = surface->children; list; list = list->next) {
            if (Named(list, "PntList2D"))
                collector.Add(TextOf(list), LineOf(list));
        }
    } else if (const xmlNode *alignment = FindElement(root, "ProfAlign")) {
        for (const xmlNode *pvi = alignment->children; pvi; pvi = pvi->next) {
            if (Named(pvi, "PVI"))
                collector.Add(TextOf(pvi), LineOf(pvi));
        }
    } else {
        throw Error(file
                    + InLanguage(lang, ": no ground profile (<ProfSurf> or <ProfAlign>) in it",
                                 ": в нём нет профиля (<ProfSurf> или <ProfAlign>)"));
    }
    LineProfile partial;
    partial.ground = collector.result.items;
    if (const auto fault = FindLineFault(partial, lang, LineScope::Records))
        throw Error(LineFaultText(*fault, collector.result.source, lang));
    return std::move(collector.result);
}

} // namespace velmora
