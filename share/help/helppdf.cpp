// Builds one language's user manual from its chapter pages and writes beside it the page of
// every section, so that F1 in a window can open the manual at that window's section:
//   velmora_helppdf OUTPUT.pdf OUTPUT.pages CHAPTER.html...
//
// A chapter is a fragment of simple HTML (no <html> or <body> of its own). Each <h1> starts a
// new page. A heading becomes a section when its text is an anchor, <h2><a name="units">…</a>,
// and "<!-- contents -->" in a chapter is replaced by the list of the sections with their
// pages. Pictures are named relative to the chapter's folder; one that cannot be read fails
// the build, as does an anchor given twice.
//
// The .pages file is UTF-8 text, one section a line in the order of the manual:
// anchor TAB page TAB heading (pages counted from 1).

#include "common/fileio.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Section
{
    QString anchor;
    QString heading;
    int level = 0; // 1 chapter, 2 section, 3 subsection
    int page = 0;
};

const char *const StyleSheet = R"(
h1 { font-size: 18pt; font-weight: bold; color: #1d3b5a; page-break-before: always;
     margin-bottom: 10px; }
h2 { font-size: 13.5pt; font-weight: bold; color: #1d3b5a; margin-top: 16px; }
h3 { font-size: 11.5pt; font-weight: bold; margin-top: 12px; }
p { margin-top: 4px; margin-bottom: 4px; }
table { border-collapse: collapse; margin-top: 6px; margin-bottom: 6px; }
th { background-color: #e4eaf1; font-weight: bold; }
td, th { padding: 3px; }
code, pre, tt { font-family: "DejaVu Sans Mono"; font-size: 9pt; }
pre { background-color: #f3f3f3; margin-top: 4px; margin-bottom: 4px; }
p.formula { margin-left: 30px; margin-top: 6px; margin-bottom: 6px; font-size: 11.5pt; }
p.caption { font-size: 9pt; color: #505050; margin-bottom: 10px; }
p.draft { color: #7a4b00; font-style: italic; }
)";

const QString ContentsMarker = QStringLiteral("<!-- contents -->");

QString ReadChapter(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString() + ": "
                                 + file.errorString().toStdString());
    return QString::fromUtf8(file.readAll());
}

// Every <img src="…"> of a chapter, loaded from the chapter's folder into the document under
// the name the chapter uses.
void AddPictures(QTextDocument &document, const QString &chapter, const QString &folder)
{
    static const QRegularExpression image(QStringLiteral(R"re(<img\s[^>]*src="([^"]+)")re"));
    for (const QRegularExpressionMatch &match : image.globalMatch(chapter)) {
        const QString name = match.captured(1);
        const QString path = QDir(folder).filePath(name);
        const QImage picture(path);
        if (picture.isNull())
            throw std::runtime_error("cannot read the picture " + path.toStdString());
        document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
    }
}

QString Escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The list of sections that replaces the marker: chapters in bold, sections indented.
QString ContentsTable(const std::vector<Section> &sections)
{
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"1\">");
    for (const Section &section : sections) {
        if (section.level > 2 || section.page == 1)
            continue; // the title page does not list itself
        const bool chapter = section.level == 1;
        html += QStringLiteral("<tr><td style=\"padding-left: %1px;%2\">%3</td>"
                               "<td align=\"right\"%4>%5</td></tr>")
                    .arg(chapter ? 0 : 18)
                    .arg(chapter ? QStringLiteral(" font-weight: bold; padding-top: 5px;")
                                 : QString())
                    .arg(Escaped(section.heading))
                    .arg(chapter ? QStringLiteral(" style=\"font-weight: bold;\"") : QString())
                    .arg(section.page);
    }
    return html + QStringLiteral("</table>");
}

// The sections of the laid-out document with the pages they start on.
std::vector<Section> FindSections(const QTextDocument &document, qreal pageHeight)
{
    std::vector<Section> sections;
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QStringList names = it.fragment().charFormat().anchorNames();
            if (names.isEmpty())
                continue;
            // The first line, not the block: a heading that does not fit at the foot of a page
            // keeps its block (and top margin) there while its line moves to the next page.
            qreal top = layout->blockBoundingRect(block).top();
            if (block.layout() && block.layout()->lineCount() > 0)
                top += block.layout()->lineAt(0).y();
            sections.push_back(
                {names.first(), block.text().simplified(), level, int(top / pageHeight) + 1});
            break;
        }
    }
    for (std::size_t i = 0; i < sections.size(); ++i) {
        for (std::size_t k = 0; k < i; ++k) {
            if (sections[k].anchor == sections[i].anchor)
                throw std::runtime_error("the anchor " + sections[i].anchor.toStdString()
                                         + " is given twice");
        }
    }
    return sections;
}

bool SamePages(const std::vector<Section> &a, const std::vector<Section> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].page != b[i].page)
            return false;
    }
    return true;
}

// Through the program's one safe writer: a stopped build leaves the old file or the new one,
// never a part.
void WriteWhole(const QString &path, const QByteArray &bytes)
{
    velmora::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                 std::string_view(bytes.constData(),
                                                  static_cast<std::size_t>(bytes.size())));
}

void WritePages(const QString &path, const std::vector<Section> &sections)
{
    QByteArray text;
    for (const Section &section : sections)
        text += section.anchor.toUtf8() + '\t' + QByteArray::number(section.page) + '\t'
            + section.heading.toUtf8() + '\n';
    WriteWhole(path, text);
}

int Run(const QString &pdfPath, const QString &pagesPath, const QStringList &chapterPaths)
{
    QString body;
    QTextDocument document;
    for (const QString &path : chapterPaths) {
        const QString chapter = ReadChapter(path);
        AddPictures(document, chapter, QFileInfo(path).absolutePath());
        body += chapter + QLatin1Char('\n');
    }
    static const QRegularExpression firstHeading(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                                 QRegularExpression::DotMatchesEverythingOption);
    QString title = firstHeading.match(body).captured(1);
    title.remove(QRegularExpression(QStringLiteral("<[^>]*>")));

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    std::vector<Section> sections;
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setTitle(title.simplified());
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 16, 18, 14), QPageLayout::Millimeter);

        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(10);
        document.setDefaultFont(font);
        document.setDefaultStyleSheet(QString::fromLatin1(StyleSheet));
        document.setDocumentMargin(0);
        document.documentLayout()->setPaintDevice(&writer);
        const QFont footerFont(QStringLiteral("DejaVu Sans"), 8);
        const qreal footerHeight = QFontMetricsF(footerFont, &writer).height() * 2.5;
        const QSizeF page(writer.width(), writer.height() - footerHeight);

        // The list of sections takes as many lines whatever its page numbers say, so the pages
        // it shows settle after one more layout; a few rounds guard against a line that wraps
        // differently once its number has more digits.
        for (int round = 0; round < 4; ++round) {
            QString html = body;
            html.replace(ContentsMarker, ContentsTable(sections));
            document.setHtml(QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1"
                                            "</title></head><body>%2</body></html>")
                                 .arg(Escaped(title), html));
            document.setPageSize(page);
            std::vector<Section> found = FindSections(document, page.height());
            const bool settled = round > 0 && SamePages(found, sections);
            sections = std::move(found);
            if (settled)
                break;
        }
        if (sections.empty())
            throw std::runtime_error("the manual has no section");

        QPainter painter(&writer);
        painter.setFont(footerFont);
        const int pages = document.pageCount();
        for (int index = 0; index < pages; ++index) {
            if (index > 0)
                writer.newPage();
            painter.save();
            painter.translate(0, -index * page.height());
            // A hair short of the page: a picture that starts the next page must not leave its
            // first row of pixels at the foot of this one.
            const QSizeF clip(page.width(), page.height() - 2);
            document.drawContents(&painter, QRectF(QPointF(0, index * page.height()), clip));
            painter.restore();
            const QRectF footer(0, writer.height() - footerHeight * 0.6, writer.width(),
                                footerHeight * 0.6);
            painter.setPen(QColor(0x50, 0x50, 0x50));
            painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, title.simplified());
            painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, QString::number(index + 1));
        }
        if (!painter.end())
            throw std::runtime_error("cannot write " + pdfPath.toStdString());
    }
    WriteWhole(pdfPath, pdf.data());
    WritePages(pagesPath, sections);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: velmora_helppdf OUTPUT.pdf OUTPUT.pages CHAPTER.html...\n");
        return 2;
    }
    QStringList chapters;
    for (int i = 3; i < argc; ++i)
        chapters << QString::fromLocal8Bit(argv[i]);
    try {
        return Run(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), chapters);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "velmora_helppdf: %s\n", e.what());
        return 1;
    }
}
