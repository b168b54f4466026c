#pragma once

#include "data/project.h"

#include <QDialog>
#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmora {

class DecimalField;
class IntegerField;

// The panel of the climatic parameters: terrain type, height of the equivalent centre of
// gravity, three wind and four ice reliability coefficients.
class TFrameKlimatKoef : public QWidget
{
    Q_OBJECT

public:
    explicit TFrameKlimatKoef(QWidget *parent = nullptr);

    // The values into the controls. A terrain type other than 1, 2, 3 leaves the radio
    // buttons as they were.
    void LoadKoef(const TKlimatKoef &koef);
    // The controls into the values; VisotaPC2 is not touched; TypeTer unchanged when no
    // terrain button is selected.
    void StoreKoef(TKlimatKoef &koef) const;
    void ApplyLanguage();
    // The height field named with its note when its text holds no whole number; else empty.
    QString HeightRefusal() const;
    void FocusHeight();

private:
    QGroupBox *m_groupBoxPar, *m_groupBoxCoef, *m_groupBoxWind, *m_groupBoxIce;
    QLabel *m_labTypeTer, *m_labHeght, *m_labDo, *m_labM;
    QLabel *m_labRes1, *m_labReg1, *m_labRel1, *m_labRes2, *m_labReg2, *m_labRel2, *m_labOper;
    QRadioButton *m_rbA, *m_rbB, *m_rbC;
    IntegerField *m_visotaPC;
    DecimalField *m_vOtv, *m_vReg, *m_vNad, *m_gOtv, *m_gReg, *m_gNad, *m_gUsl;
};

// The climatic-parameter dialog: the panel with OK and Cancel. Its creation registers its
// string-table entries.
class TFormKlimatKoef : public QDialog
{
    Q_OBJECT

public:
    explicit TFormKlimatKoef(QWidget *parent = nullptr);

    // Captions in the current language; before each showing.
    void FormShow();
    void LoadKoef(const TKlimatKoef &koef) { m_frame->LoadKoef(koef); }
    void StoreKoef(TKlimatKoef &koef) const { m_frame->StoreKoef(koef); }

    TFrameKlimatKoef *Frame() const { return m_frame; }
    QPushButton *BitBtnOk() const { return m_ok; }
    QPushButton *BitBtnCancel() const { return m_cancel; }

private:
    TFrameKlimatKoef *m_frame = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace velmora
