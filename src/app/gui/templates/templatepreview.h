#pragma once

#include "data/project.h"
#include "templates/drawtemplate.h"

#include <QChartView>
#include <QRectF>
#include <QString>

class QValueAxis;

namespace velmora {

class ProgramContext;

// A sag template as "Port to Cad" would draw it: the sag curve, for a template proper also
// the ground and clearance curves, and the reference lines, in millimetres of the drawing at
// the template's scales, one millimetre as long across as up. The numbers are the drawing's
// own (ComputeTemplate). A template that cannot be drawn, or a climate the drawing refuses
// (ClimateRefusal), shows why in place; nothing is asked.
// Each curve carries its index in the figure as the property "curve" (0 sag, 1 ground,
// 2 clearance).
class TemplatePreview : public QChartView
{
    Q_OBJECT

public:
    // Shows the wires of program's catalogue in its language and units.
    explicit TemplatePreview(const ProgramContext &program, QWidget *parent = nullptr);

    // Shows shablon of project (nullptr: none) with the project's wire from the catalogue, in
    // the current language and units; engine as for the drawing (empty: the calculation
    // driver).
    void ShowTemplate(const TProject &project, const TShablon *shablon,
                      const TemplateEngine &engine = {});
    // Why nothing is drawn; empty when the template is shown.
    QString Reason() const { return m_reason; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    const ProgramContext &m_program;
    void ShowFigure(const TShablon &shablon, const TemplateFigure &figure);
    void ShowNothing(const QString &reason);
    // Sets the axes' ranges so that a millimetre of the drawing is as long across as up.
    void FitAspect();

    QValueAxis *m_x = nullptr;
    QValueAxis *m_y = nullptr;
    QRectF m_extent; // the figure's extent in drawing units; empty: nothing shown
    QString m_reason;
    bool m_fitting = false;
};

} // namespace velmora
