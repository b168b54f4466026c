#include "gui/profile/profileview.h"

#include "calc/spangeometry.h"
#include "gui/uitext.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QMouseEvent>
#include <QPainterPath>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

const QColor GroundColour(120, 80, 30);
const QColor WireColour(0, 70, 200);
const QColor ClearanceColour(0, 150, 70);
const QColor ColdColour(0, 160, 200);
const QColor ViolationColour(220, 0, 0);
const QColor GridColour(225, 225, 225);
const QColor LabelColour(90, 90, 90);

// A violation's red ring, in pixels at any zoom.
constexpr double MarkRadius = 6;
constexpr double MarkPenWidth = 2;

QPen Cosmetic(const QColor &colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, width, style);
    pen.setCosmetic(true);
    return pen;
}

// A round step near span/count: 1, 2 or 5 times a power of ten.
double GridStepNear(double span, int count)
{
    const double raw = std::max(span / count, 1e-6);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw)
            return m * power;
    }
    return 10 * power;
}

QString Metres(double value)
{
    return QString::number(value, 'f', std::abs(value - std::round(value)) < 1e-9 ? 0 : 1);
}

} // namespace

ProfileView::ProfileView(QWidget *parent)
    : QGraphicsView(parent)
{
    setScene(new QGraphicsScene(this));
    setRenderHint(QPainter::Antialiasing);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    // A window resized, or shown again after changes made while it was closed, keeps the
    // place at the centre in the centre.
    setResizeAnchor(QGraphicsView::AnchorViewCenter);
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    setBackgroundBrush(Qt::white);
}

QPointF ProfileView::ScenePoint(double station, double elevation) const
{
    return {station * 1000 / m_content.mg, -elevation * 1000 / m_content.mv};
}

double ProfileView::StationAt(const QPointF &scenePoint) const
{
    return scenePoint.x() * m_content.mg / 1000;
}

QPointF ProfileView::CentreStationElevation() const
{
    if (m_pendingCentre)
        return *m_pendingCentre;
    const QPointF centre = mapToScene(viewport()->rect().center());
    return {centre.x() * m_content.mg / 1000, -centre.y() * m_content.mv / 1000};
}

void ProfileView::CentreOnPlace(double station, double elevation)
{
    m_fitPending = false;
    // A hidden view's scroll bars take their ranges only when it is shown: the place waits
    // (showEvent).
    if (!isVisible()) {
        m_pendingCentre = QPointF(station, elevation);
        return;
    }
    m_pendingCentre.reset();
    centerOn(ScenePoint(station, elevation));
}

void ProfileView::showEvent(QShowEvent *event)
{
    QGraphicsView::showEvent(event);
    if (m_fitPending)
        FitDrawing();
    else if (m_pendingCentre)
        CentreOnPlace(m_pendingCentre->x(), m_pendingCentre->y());
}

bool ProfileView::MayUpdateInPlace(const Content &content) const
{
    // Only the towers moved, were retyped or the selection changed, on the same ground, with
    // the same number of towers, and every attachment point still inside the grid drawn.
    const LineProfile &now = m_content.line, &next = content.line;
    if (m_spanItems.size() + 1 != next.towers.size() || now.towers.size() != next.towers.size()
        || content.mg != m_content.mg || content.mv != m_content.mv
        || content.cold != m_content.cold || !content.check != !m_content.check
        || (content.check && content.check->design.size() != m_spanItems.size())
        || now.types != next.types || now.crossings != next.crossings
        || now.forbidden != next.forbidden || now.ground != next.ground)
        return false;
    for (const Tower &t : next.towers) {
        const auto type = static_cast<std::size_t>(t.type);
        if (type >= next.types.size()
            || GroundElevationAt(next.ground, t.station) + next.types[type].height > m_gridTop)
            return false;
    }
    return true;
}

void ProfileView::SetContent(const Content &content)
{
    const bool rescaled
        = content.mg != m_content.mg || content.mv != m_content.mv || m_content.line.ground.empty();
    const QPointF centre = CentreStationElevation();
    if (MayUpdateInPlace(content)) {
        UpdateInPlace(content);
        return;
    }
    m_content = content;
    Rebuild();
    if (rescaled)
        m_fitPending = true;
    if (m_fitPending) {
        FitDrawing();
    } else {
        CentreOnPlace(centre.x(), centre.y());
    }
}

void ProfileView::FitDrawing()
{
    m_pendingCentre.reset();
    // As with a place, the fit waits for the view to be shown (m_fitPending stays).
    if (!isVisible())
        return;
    resetTransform();
    fitInView(scene()->itemsBoundingRect(), Qt::KeepAspectRatio);
}

void ProfileView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    if (m_fitPending)
        FitDrawing();
}

QGraphicsSimpleTextItem *ProfileView::Label(const QString &text, QPointF at, const QColor &colour,
                                            Qt::Alignment align, double gap)
{
    auto *item = scene()->addSimpleText(text);
    item->setBrush(colour);
    item->setFlag(QGraphicsItem::ItemIgnoresTransformations);
    const QRectF box = item->boundingRect();
    QPointF offset;
    if (align & Qt::AlignHCenter)
        offset.setX(-box.width() / 2);
    else if (align & Qt::AlignRight)
        offset.setX(-box.width() - gap);
    else
        offset.setX(gap);
    if (align & Qt::AlignVCenter)
        offset.setY(-box.height() / 2);
    else if (align & Qt::AlignBottom)
        offset.setY(-box.height() - 2);
    else
        offset.setY(2);
    // The text keeps its size at any zoom: its offset is in pixels, not in scene units.
    item->setPos(at);
    item->setTransform(QTransform::fromTranslate(offset.x(), offset.y()));
    item->setZValue(5);
    // Text is the dearest to paint; kept as a picture while the towers move.
    item->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
    return item;
}

void ProfileView::GridLine(const QLineF &line, const QPen &pen)
{
    QGraphicsLineItem *item = scene()->addLine(line, pen);
    item->setZValue(-10);
    // The grid, like the ground, stays as a picture while towers move over it.
    item->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
}

void ProfileView::DrawGrid(double x0, double x1, double z0, double z1)
{
    const double dx = GridStepNear(x1 - x0, 10);
    const double dz = GridStepNear(z1 - z0, 6);
    const QPen pen = Cosmetic(GridColour, 1);
    for (double x = std::ceil(x0 / dx) * dx; x <= x1 + 1e-9; x += dx) {
        GridLine(QLineF(ScenePoint(x, z0), ScenePoint(x, z1)), pen);
        Label(Metres(x), ScenePoint(x, z0), LabelColour, Qt::AlignHCenter | Qt::AlignTop);
    }
    for (double z = std::ceil(z0 / dz) * dz; z <= z1 + 1e-9; z += dz) {
        GridLine(QLineF(ScenePoint(x0, z), ScenePoint(x1, z)), pen);
        Label(Metres(z), ScenePoint(x0, z), LabelColour, Qt::AlignRight | Qt::AlignVCenter);
    }
}

QGraphicsPathItem *ProfileView::DrawCurve(const SpanCurve &curve, double lower, const QPen &pen)
{
    QGraphicsPathItem *item = scene()->addPath(CurvePath(curve, lower), pen);
    // A picture of its own: a drag redraws a span's path, and the others are only shown again.
    item->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
    return item;
}

QPainterPath ProfileView::CurvePath(const SpanCurve &curve, double lower) const
{
    QPainterPath path;
    constexpr int Steps = 40;
    for (int i = 0; i <= Steps; ++i) {
        const double x = curve.xa + (curve.xb - curve.xa) * i / Steps;
        const QPointF p = ScenePoint(x, curve.ElevationAt(x) - lower);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

void ProfileView::Rebuild()
{
    scene()->clear();
    m_spanItems.clear();
    m_towerItems.clear();
    m_marks.clear();
    const LineProfile &line = m_content.line;
    if (line.ground.size() < 2)
        return;
    double zMin = line.ground.front().z, zMax = zMin;
    for (const GroundPoint &p : line.ground) {
        zMin = std::min(zMin, p.z);
        zMax = std::max(zMax, p.z);
    }
    for (const Tower &t : line.towers) {
        const auto type = static_cast<std::size_t>(t.type);
        if (type < line.types.size())
            zMax = std::max(zMax,
                            GroundElevationAt(line.ground, t.station) + line.types[type].height);
    }
    for (const Crossing &c : line.crossings)
        zMax = std::max(zMax, c.top + c.clearance);
    const double x0 = line.ground.front().x, x1 = line.ground.back().x;
    const double z0 = std::floor(zMin - 5), z1 = std::ceil(zMax + 5);
    m_gridTop = z1;
    DrawGrid(x0, x1, z0, z1);

    for (const ForbiddenStretch &f : line.forbidden) {
        auto *rect = scene()->addRect(QRectF(ScenePoint(f.from, z1), ScenePoint(f.to, z0)),
                                      Qt::NoPen, QColor(255, 170, 0, 60));
        rect->setZValue(-5);
        rect->setToolTip(UiText("Profile_forbidden_tip").arg(Metres(f.from), Metres(f.to)));
    }

    // The ground in pieces of a few hundred points: a repaint of a small part of a long line
    // strokes only the pieces there.
    constexpr std::size_t GroundPiece = 256;
    for (std::size_t first = 0; first + 1 < line.ground.size(); first += GroundPiece) {
        const std::size_t last = std::min(first + GroundPiece, line.ground.size() - 1);
        QPainterPath ground(ScenePoint(line.ground[first].x, line.ground[first].z));
        for (std::size_t i = first + 1; i <= last; ++i)
            ground.lineTo(ScenePoint(line.ground[i].x, line.ground[i].z));
        // Kept as a picture: a drag repaints most of the line at the whole line's zoom,
        // and the ground never changes under it.
        scene()
            ->addPath(ground, Cosmetic(GroundColour, 2))
            ->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
    }

    const ProfileCheck *check = m_content.check;
    if (check) {
        const double c = check->check.conditions.clearance;
        for (std::size_t i = 0; i < check->design.size(); ++i) {
            SpanItems items;
            items.wire = DrawCurve(check->design[i], 0, Cosmetic(WireColour, 1.5));
            items.clearance = DrawCurve(check->design[i], c, ClearancePen(i));
            if (m_content.cold)
                items.cold = DrawCurve(check->cold[i], 0, Cosmetic(ColdColour, 1, Qt::DotLine));
            m_spanItems.push_back(items);
        }
    }

    for (const Crossing &crossing : line.crossings) {
        const QString tip = UiText("Profile_crossing_tip")
                                .arg(QString::fromStdString(crossing.name), Metres(crossing.top),
                                     Metres(crossing.clearance));
        auto *top = scene()->addLine(
            QLineF(ScenePoint(crossing.station, GroundElevationAt(line.ground, crossing.station)),
                   ScenePoint(crossing.station, crossing.top)),
            Cosmetic(Qt::darkMagenta, 3));
        top->setToolTip(tip);
        auto *need = scene()->addLine(
            QLineF(ScenePoint(crossing.station, crossing.top),
                   ScenePoint(crossing.station, crossing.top + crossing.clearance)),
            Cosmetic(Qt::darkMagenta, 1, Qt::DashLine));
        need->setToolTip(tip);
        // Clear of the red ring a violated crossing gets at the wire above its top.
        Label(QString::fromStdString(crossing.name), ScenePoint(crossing.station, crossing.top),
              Qt::darkMagenta, Qt::AlignLeft | Qt::AlignTop, MarkRadius + MarkPenWidth + 3);
    }

    for (std::size_t i = 0; i < line.towers.size(); ++i)
        m_towerItems.push_back(DrawTower(i));

    DrawMarks();
    const QRectF bounds = scene()->itemsBoundingRect();
    // Room around the drawing, so that any place of it can be brought to the centre.
    setSceneRect(bounds.adjusted(-bounds.width() / 2, -bounds.height(), bounds.width() / 2,
                                 bounds.height()));
}

QPen ProfileView::ClearancePen(std::size_t span) const
{
    const ProfileCheck *check = m_content.check;
    const bool ok = check && span < check->check.spans.size()
        && check->check.spans[span].design.groundOk && check->check.spans[span].rulingOk;
    return Cosmetic(ok ? ClearanceColour : ViolationColour, 1, Qt::DashLine);
}

ProfileView::TowerItems ProfileView::DrawTower(std::size_t i)
{
    const LineProfile &line = m_content.line;
    const Tower &tower = line.towers[i];
    const auto type = static_cast<std::size_t>(tower.type);
    if (type >= line.types.size())
        return {};
    const ProfileCheck *check = m_content.check;
    const double ground = GroundElevationAt(line.ground, tower.station);
    const double top = ground + line.types[type].height;
    const bool ok = !check || i >= check->check.towers.size() || check->check.towers[i].ok;
    const bool selected = static_cast<int>(i) == m_content.selected;
    const QColor colour = ok ? (selected ? QColor(255, 120, 0) : Qt::black) : ViolationColour;
    TowerItems items;
    items.station = tower.station;
    items.type = tower.type;
    items.ok = ok;
    items.selected = selected;
    items.line = scene()->addLine(
        QLineF(ScenePoint(tower.station, ground), ScenePoint(tower.station, top)),
        Cosmetic(colour, selected ? 4 : 2.5));
    items.line->setZValue(2);
    const QString name = QString::fromStdString(line.types[type].name);
    items.line->setToolTip(
        UiText("Profile_tower_tip").arg(QString::number(i + 1), name, Metres(tower.station)));
    items.label = Label(QString::number(i + 1) + QStringLiteral("\n") + name,
                        ScenePoint(tower.station, top), colour, Qt::AlignLeft | Qt::AlignBottom);
    return items;
}

void ProfileView::DrawMarks()
{
    static const std::vector<ProfileViolation> none;
    const std::vector<ProfileViolation> &violations
        = m_content.check ? m_content.check->violations : none;
    // The rings there are move to the new places, so that each stays the picture its cache
    // drew once; only a change in their number makes or deletes one.
    while (m_marks.size() > violations.size()) {
        delete m_marks.back();
        m_marks.pop_back();
    }
    while (m_marks.size() < violations.size()) {
        auto *mark
            = scene()->addEllipse(QRectF(-MarkRadius, -MarkRadius, 2 * MarkRadius, 2 * MarkRadius),
                                  Cosmetic(ViolationColour, MarkPenWidth), QColor(255, 0, 0, 60));
        mark->setFlag(QGraphicsItem::ItemIgnoresTransformations);
        mark->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
        mark->setZValue(6);
        m_marks.push_back(mark);
    }
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        const ProfileViolation &v = violations[i];
        m_marks[i]->setPos(ScenePoint(v.station, v.elevation));
        if (m_marks[i]->toolTip() != v.text)
            m_marks[i]->setToolTip(v.text);
    }
}

void ProfileView::UpdateInPlace(const Content &content)
{
    m_content = content;
    const LineProfile &line = m_content.line;
    const ProfileCheck *check = m_content.check;
    std::vector<bool> moved(line.towers.size(), false);
    for (std::size_t i = 0; i < line.towers.size(); ++i) {
        TowerItems &items = m_towerItems[i];
        const Tower &tower = line.towers[i];
        const bool ok = !check || i >= check->check.towers.size() || check->check.towers[i].ok;
        const bool selected = static_cast<int>(i) == m_content.selected;
        moved[i] = items.station != tower.station || items.type != tower.type;
        if (!moved[i] && items.ok == ok && items.selected == selected && items.line)
            continue;
        delete items.line;
        delete items.label;
        items = DrawTower(i);
    }
    for (std::size_t i = 0; i < m_spanItems.size(); ++i) {
        SpanItems &items = m_spanItems[i];
        if (check && (moved[i] || moved[i + 1])) {
            const double c = check->check.conditions.clearance;
            items.wire->setPath(CurvePath(check->design[i], 0));
            items.clearance->setPath(CurvePath(check->design[i], c));
            if (items.cold)
                items.cold->setPath(CurvePath(check->cold[i], 0));
        }
        // The ruling span's stress changes with any span: every clearance line's colour.
        const QPen pen = ClearancePen(i);
        if (items.clearance->pen() != pen)
            items.clearance->setPen(pen);
    }
    DrawMarks();
}

int ProfileView::TowerAt(const QPoint &viewportPoint) const
{
    const LineProfile &line = m_content.line;
    int best = -1;
    double bestDistance = 7; // px
    for (std::size_t i = 0; i < line.towers.size(); ++i) {
        const Tower &tower = line.towers[i];
        const auto type = static_cast<std::size_t>(tower.type);
        if (type >= line.types.size() || line.ground.size() < 2)
            continue;
        const double ground = GroundElevationAt(line.ground, tower.station);
        const QPoint foot = mapFromScene(ScenePoint(tower.station, ground));
        const QPoint head
            = mapFromScene(ScenePoint(tower.station, ground + line.types[type].height));
        if (viewportPoint.y() < head.y() - 30 || viewportPoint.y() > foot.y() + 7)
            continue;
        const double distance = std::abs(viewportPoint.x() - foot.x());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

void ProfileView::wheelEvent(QWheelEvent *event)
{
    const double factor = std::pow(1.0015, event->angleDelta().y());
    const double zoom = Zoom() * factor;
    if (zoom < 1e-3 || zoom > 1e3)
        return;
    m_fitPending = false;
    scale(factor, factor);
    event->accept();
}

void ProfileView::mousePressEvent(QMouseEvent *event)
{
    m_fitPending = false; // the user takes over: a pan, a pick or a drag begins
    if (event->button() == Qt::LeftButton) {
        const int tower = TowerAt(event->position().toPoint());
        if (tower >= 0) {
            m_dragging = tower;
            m_moved = false;
            emit TowerPicked(tower);
            event->accept();
            return;
        }
    }
    QGraphicsView::mousePressEvent(event);
}

void ProfileView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging >= 0) {
        m_moved = true;
        emit TowerDragged(m_dragging, StationAt(mapToScene(event->position().toPoint())));
        event->accept();
        return;
    }
    QGraphicsView::mouseMoveEvent(event);
}

void ProfileView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragging >= 0 && event->button() == Qt::LeftButton) {
        const int tower = m_dragging;
        m_dragging = -1;
        if (m_moved)
            emit TowerDropped(tower);
        event->accept();
        return;
    }
    QGraphicsView::mouseReleaseEvent(event);
}

void ProfileView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && TowerAt(event->position().toPoint()) < 0) {
        emit AddRequested(StationAt(mapToScene(event->position().toPoint())));
        event->accept();
        return;
    }
    QGraphicsView::mouseDoubleClickEvent(event);
}

} // namespace velmora
