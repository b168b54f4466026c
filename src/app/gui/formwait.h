#pragma once

#include <QDialog>

class QLabel;

namespace velmora {

// The wait window shown during long work (report, drawing): a small tool window centred on
// the main window with one panel of bold text on the tooltip colour.
class TFormWait : public QDialog
{
    Q_OBJECT

public:
    explicit TFormWait(QWidget *parent = nullptr);

    // Puts text into the panel, lets waiting events be processed, shows the window without
    // blocking and lets the events be processed once more, so that the text is painted
    // before the caller's long work starts. A second call while shown only replaces the text.
    void ShowWait(const QString &text);
    QString PanelText() const;

private:
    QLabel *m_panel = nullptr;
};

} // namespace velmora
