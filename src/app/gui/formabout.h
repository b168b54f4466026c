#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

// The about box: program name, title, version, maker, programmers, year and web site, in the
// current language. Modeless; its Close button, Escape or a click on its background closes it.
class TFormAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TFormAbout(QWidget *parent = nullptr);

    // Fills every text for the current language and shows the box without blocking; an open
    // box comes to the front.
    void ShowAbout();
    // "version 4.2" / "версия 4.2".
    static QString VersionText();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPushButton *m_close = nullptr;
    QLabel *m_programName, *m_title, *m_version, *m_authorCaption, *m_maker, *m_contact,
        *m_programmersCaption, *m_programmers, *m_year, *m_link;
};

} // namespace velmora
