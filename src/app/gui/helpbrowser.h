#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QTreeWidget;

namespace velmora {

// The manual inside the program: its HTML chapters (the pages the PDF is made from, in the
// folder "help" beside the program) in a browser with the contents, a search through every
// chapter, back and forward, and the PDF for printing. Opens at a section by its anchor.
class HelpBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit HelpBrowser(const QString &helpFolder, QWidget *parent = nullptr);

    // Shows the section of anchor in the manual of the current language (its contents page
    // when the anchor is unknown). False, with nothing shown, when the chapters are missing.
    bool OpenAt(const QString &anchor);
    // The sections whose text holds words (case ignored), as listed under the search field.
    QStringList Search(const QString &words);

    // The chapter file and anchor shown.
    QUrl Source() const;
    QTextBrowser *Text() const { return m_text; }
    QTreeWidget *Contents() const { return m_contents; }
    QListWidget *Results() const { return m_results; }

private:
    struct Section
    {
        QString anchor;
        QString heading;
        int level = 1;
        QString file;
        QString text; // plain text, for the search
    };

    // Reads the chapters of the current language (again after a change of language).
    bool Load();
    void ApplyTexts();
    void Go(const Section &section);
    void SearchTyped();

    QString m_folder; // with a trailing "/"
    int m_language = -1;
    QList<Section> m_sections;
    QMap<QString, QString> m_fileOf; // anchor -> chapter file

    QLineEdit *m_search = nullptr;
    QListWidget *m_results = nullptr;
    QTreeWidget *m_contents = nullptr;
    QTextBrowser *m_text = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_forward = nullptr;
    QPushButton *m_home = nullptr;
    QPushButton *m_pdf = nullptr;
};

// The manual's window of the application at anchor: made on first use as a window of the main
// window, then brought to the front. When the chapters are missing, a warning names their
// folder. Returns the window (null without a main window).
HelpBrowser *ShowHelpAt(const QString &anchor);

} // namespace velmora
