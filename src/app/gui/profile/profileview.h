#pragma once

#include "data/lineprofile.h"
#include "gui/profile/profilecheck.h"

#include <QGraphicsView>

#include <optional>
#include <vector>

class QGraphicsLineItem;
class QPainterPath;
class QGraphicsPathItem;
class QGraphicsSimpleTextItem;

namespace velmora {

// The line drawn on its ground at independent scales, 1:MG along and 1:MV up (the scene's unit
// is a millimetre of paper): the station/elevation grid, the ground, the forbidden stretches,
// the towers with number and type, the wire in the template state, the clearance line, the
// cold curve when asked, the crossings with their clearance and every violation in red. The
// wheel zooms about the cursor, a drag of the background pans, a drag of a tower moves it
// (the window decides where it may go), a double click on the ground asks for a tower there.
class ProfileView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit ProfileView(QWidget *parent = nullptr);

    struct Content
    {
        LineProfile line;
        const ProfileCheck *check = nullptr; // null: the line is drawn without wire
        double mg = 5000; // 1:MG horizontal
        double mv = 500; // 1:MV vertical
        bool cold = false;
        int selected = -1; // the tower shown selected
    };
    // Draws content afresh; the zoom is kept unless the scales changed.
    void SetContent(const Content &content);
    const Content &CurrentContent() const { return m_content; }

    QPointF ScenePoint(double station, double elevation) const;
    double StationAt(const QPointF &scenePoint) const;
    // The station and elevation at the centre of what is shown.
    QPointF CentreStationElevation() const;
    void CentreOnPlace(double station, double elevation);
    // The tower whose line passes within a few pixels of the viewport point, or -1.
    int TowerAt(const QPoint &viewportPoint) const;
    // The view's zoom factor relative to the paper (1 = a scene millimetre per pixel).
    double Zoom() const { return transform().m11(); }

signals:
    void TowerPicked(int index);
    void TowerDragged(int index, double station); // while the mouse moves
    void TowerDropped(int index); // the button released after a drag
    void AddRequested(double station);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The items of a span and of a tower, kept so that a drag redraws only what it changes.
    struct SpanItems
    {
        QGraphicsPathItem *wire = nullptr;
        QGraphicsPathItem *clearance = nullptr;
        QGraphicsPathItem *cold = nullptr;
    };
    struct TowerItems
    {
        QGraphicsLineItem *line = nullptr;
        QGraphicsSimpleTextItem *label = nullptr;
        double station = 0; // as drawn
        int type = 0;
        bool ok = true;
        bool selected = false;
    };

    void Rebuild();
    // True when content differs from what is drawn only in its towers' places, types, check
    // and selection; UpdateInPlace then redraws the towers and spans that changed.
    bool MayUpdateInPlace(const Content &content) const;
    void UpdateInPlace(const Content &content);
    void FitDrawing();
    void GridLine(const QLineF &line, const QPen &pen);
    void DrawGrid(double x0, double x1, double z0, double z1);
    QGraphicsPathItem *DrawCurve(const SpanCurve &curve, double lower, const QPen &pen);
    QPainterPath CurvePath(const SpanCurve &curve, double lower) const;
    QPen ClearancePen(std::size_t span) const;
    TowerItems DrawTower(std::size_t index);
    void DrawMarks();
    // A text beside at, gap pixels off it across (at any zoom), on the side align names.
    QGraphicsSimpleTextItem *Label(const QString &text, QPointF at, const QColor &colour,
                                   Qt::Alignment align, double gap = 3);

    Content m_content;
    int m_dragging = -1;
    bool m_moved = false;
    // The whole drawing is fitted again when the view takes its size, until the user zooms,
    // pans or asks for a place: a view is given its content before it is shown.
    bool m_fitPending = false;
    std::optional<QPointF> m_pendingCentre; // station, elevation to centre once shown
    std::vector<SpanItems> m_spanItems;
    std::vector<TowerItems> m_towerItems;
    std::vector<QGraphicsItem *> m_marks; // the violations' red rings
    double m_gridTop = 0; // m, the top of the grid drawn
};

} // namespace velmora
