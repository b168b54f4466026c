#include "gui/helptopics.h"

#include "gui/helpbrowser.h"
#include "gui/platform.h"
#include "gui/program.h"
#include "gui/prompts.h"
#include "gui/uitext.h"
#include "l10n/localization.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QWidget>

namespace velmora {

const std::vector<HelpTopic> &HelpTopics()
{
    static const std::vector<HelpTopic> topics = {
        {"FormMain", "main-window"},
        {"FormKlimatKoef", "climatic"},
        {"FormUnitsDlg", "units"},
        {"LanguageDialog", "language"},
        {"FormAbout", "about"},
        {"FormWait", "calculate"},
        {"FormSave_Project", "save-prompt"},
        {"FormWiresBase", "catalogue"},
        {"FormWiresEdit", "wire-editor"},
        {"FormSpisokShabloni", "templates"},
        {"FormAutoShabloni", "template-editor"},
        // The results pane (a dock of the main window) and the stringing-tables window.
        {"ResultsPane", "results-pane"},
        {"FormStringing", "stringing-window"},
        {"SectionNameDialog", "stringing-window"}, // renaming a section
        // The line profile window and its chapter.
        {"FormProfile", "profile-window"},
    };
    return topics;
}

QString HelpAnchorFor(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QString name = w->objectName();
        if (name.isEmpty())
            continue;
        for (const HelpTopic &topic : HelpTopics()) {
            if (name == QLatin1String(topic.objectName))
                return QString::fromLatin1(topic.anchor);
        }
    }
    return HelpContentsAnchor;
}

int HelpPageOf(const QString &pagesPath, const QString &anchor)
{
    QFile file(pagesPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().split('\t');
        if (fields.size() >= 2 && QString::fromUtf8(fields[0]) == anchor) {
            bool ok = false;
            const int page = fields[1].trimmed().toInt(&ok);
            return ok && page > 0 ? page : 0;
        }
    }
    return 0;
}

void OpenHelpAt(const QString &folder, const QString &base, const QString &anchor)
{
    const QString stem = folder + base
        + (ShownLanguage() == Lang::English ? QStringLiteral("_en") : QStringLiteral("_ru"));
    const QString pdf = stem + QStringLiteral(".pdf");
    const int page = HelpPageOf(stem + QStringLiteral(".pages"), anchor);
    Prompts &prompts = CurrentPrompts();
    // The first page needs no "#page": the file opens there anyway.
    if (!prompts.OpenDocument(page > 1 ? pdf + QStringLiteral("#page=%1").arg(page) : pdf))
        prompts.Warning(UiText("Manual_not_opened").arg(QDir::toNativeSeparators(pdf)));
}

bool HelpKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    // Taking the override keeps F1 from the main window's Help action, so the key press
    // itself reaches the focused widget, which knows its window.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!widget)
        return false;
    ShowHelpAt(HelpAnchorFor(widget));
    return true;
}

} // namespace velmora
