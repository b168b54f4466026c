#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

namespace velmora {

// The manual's first section, its title page with the list of sections.
inline const QString HelpContentsAnchor = QStringLiteral("contents");

// One window (or pane) and the section of the manual that describes it.
struct HelpTopic
{
    const char *objectName; // the window's object name
    const char *anchor; // the section's anchor in both manuals
};

// Every window of the program with its section. A window added to the program gets a row
// here and a section with that anchor in both manuals (a test checks both).
const std::vector<HelpTopic> &HelpTopics();

// The section for a widget: the anchor of the nearest widget, from it up through its parents,
// whose object name is in HelpTopics; the manual's contents when none is.
QString HelpAnchorFor(const QWidget *widget);

// The page of anchor in a manual's .pages file (lines "anchor TAB page TAB heading"); 0 when
// the file cannot be read or does not list the anchor.
int HelpPageOf(const QString &pagesPath, const QString &anchor);

// Opens folder + base + "_en.pdf" or "_ru.pdf" (the current language) at the page of anchor
// from the .pages file beside it, as "…pdf#page=N" through the prompts; the whole file when
// the page is unknown or the first. When the system does not open it (the file is missing,
// no program opens PDF files) a warning names the PDF.
void OpenHelpAt(const QString &folder, const QString &base, const QString &anchor);

// F1 without modifiers, in any window of the application, opens the manual's window
// (ShowHelpAt) at that window's section. Installed on the application once the main window exists;
// owned by it.
class HelpKeyFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace velmora
