#pragma once

#include "data/shablon.h"

#include <QDialog>

#include <functional>

class QAbstractButton;
class QButtonGroup;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace velmora {

class TemplatePreview;
class ProgramContext;

// The modal editor of one sag template. The template type and "Curves" exclude each other;
// the checks run when the user confirms, and the dialog stays open when one fails.
class TFormAutoShabloni : public QDialog
{
    Q_OBJECT

public:
    // The preview shows the wires of program's catalogue in its language and units.
    explicit TFormAutoShabloni(const ProgramContext &program, QWidget *parent = nullptr);

    // Puts the record into the controls in the order Name, template type, "Curves", MG, MV,
    // PR, VP, TG, Zapas, temperature; so a record with Krivie 0 opens as a curve.
    void LoadTemplate(const TShablon &shablon);
    // Copies the controls into the record; −1 for a choice with nothing selected. Disabled
    // fields are stored as they stand.
    void StoreTemplate(TShablon &shablon) const;
    // The checks in order (name, type, temperature of a curve, a span of 0, then scales and
    // span of 0 or below, naming the field); the first that fails shows its message in an
    // error box and gives false.
    bool ValidateInput();

    // Controls, for the tests and the screenshots.
    QLineEdit *NameField() const { return m_name; }
    QRadioButton *TipButton(int index) const;
    QRadioButton *CurvesButton() const { return m_curves; }
    QRadioButton *TemperatureButton(int index) const;
    QSpinBox *MGField() const { return m_mg; }
    QSpinBox *MVField() const { return m_mv; }
    QSpinBox *PRField() const { return m_pr; }
    QDoubleSpinBox *VPField() const { return m_vp; }
    QDoubleSpinBox *TGField() const { return m_tg; }
    QDoubleSpinBox *ZapasField() const { return m_zapas; }
    QGroupBox *TemperatureFrame() const { return m_tempFrame; }
    TemplatePreview *Preview() const { return m_preview; }

    // How the preview beside the fields shows the template as it is being edited (the list
    // window gives the project and the engine); none: the preview stays empty.
    using PreviewShow = std::function<void(TemplatePreview &, const TShablon &)>;
    void SetPreview(PreviewShow show) { m_showPreview = std::move(show); }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ApplyTexts();
    void TipShablonaChanging(int index);
    void KrivieChanging();
    void SelectTip(int index);
    void SelectTemperature(int index);
    void UpdatePreview();

    QLineEdit *m_name = nullptr;
    QLabel *m_nameLabel = nullptr;
    QGroupBox *m_tipFrame = nullptr;
    QButtonGroup *m_tip = nullptr;
    QRadioButton *m_tipButtons[2] = {};
    QRadioButton *m_curves = nullptr;
    QLabel *m_mgLabel = nullptr;
    QLabel *m_mvLabel = nullptr;
    QLabel *m_prLabel = nullptr;
    QLabel *m_vpLabel = nullptr;
    QLabel *m_tgLabel = nullptr;
    QLabel *m_zapasLabel = nullptr;
    QSpinBox *m_mg = nullptr;
    QSpinBox *m_mv = nullptr;
    QSpinBox *m_pr = nullptr;
    QDoubleSpinBox *m_vp = nullptr;
    QDoubleSpinBox *m_tg = nullptr;
    QDoubleSpinBox *m_zapas = nullptr;
    QGroupBox *m_tempFrame = nullptr;
    QButtonGroup *m_temperature = nullptr;
    QRadioButton *m_tempButtons[11] = {};
    QAbstractButton *m_cancel = nullptr;
    TemplatePreview *m_preview = nullptr;
    PreviewShow m_showPreview;

    // A decimal field shows two decimals; a value read from a file with more keeps them
    // unless the user changes the field.
    struct Loaded
    {
        double value = 0;
        double shown = 0;
    };
    Loaded m_loadedVP, m_loadedTG, m_loadedZapas;
};

} // namespace velmora
