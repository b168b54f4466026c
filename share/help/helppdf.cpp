// Turns a help page written in simple HTML into the PDF manual that lies beside the program:
// velmora_helppdf input.html output.pdf

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora_helppdf input.html output.pdf\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s: %s\n", argv[1], qPrintable(input.errorString()));
        return 1;
    }
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setHtml(QString::fromUtf8(input.readAll()));

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    document.print(&writer);
    return 0;
}
