#pragma once

#include <QByteArray>
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <utility>
#include <vector>

class QPainter;

namespace velmaris::pictures {

// Stroke pattern of a line; the patterns keep aspect families apart in grey print.
enum class Dash { Solid, Dashed, Dotted };

// Horizontal anchoring of a text at its point; texts are centred vertically on it.
enum class Anchor { Start, Middle, End };

struct Stroke {
    QColor color{Qt::black};
    double width = 1.0;
    Dash dash = Dash::Solid;
};

struct Shape {
    enum class Kind { Line, Circle, Rect, Text };
    Kind kind = Kind::Line;
    QPointF p1;              // line start, circle centre, text point
    QPointF p2;              // line end
    double radius = 0.0;     // circle
    QRectF rect;             // rectangle
    Stroke stroke;           // outline (width 0: none)
    QColor fill;             // fill of circles and rectangles (invalid: none)
    QString text;            // text
    double fontSize = 12.0;  // text height in picture units
    bool bold = false;
    Anchor anchor = Anchor::Middle;
};

using Attributes = std::vector<std::pair<QString, QString>>;

// Shapes drawn together and the machine-readable data-* attributes they carry as a whole
// (a body marker, an aspect line, a window bar).
struct Group {
    Attributes attributes;
    std::vector<Shape> shapes;
};

// A picture as a list of primitives in its own units (0,0 top left).
struct DisplayList {
    QSizeF size;
    QColor background{Qt::white};
    QString fontFamily;
    std::vector<Group> groups;

    Group& NewGroup(Attributes attributes = {});
};

Shape LineShape(QPointF from, QPointF to, Stroke stroke);
Shape CircleShape(QPointF centre, double radius, Stroke stroke, QColor fill = {});
Shape RectShape(QRectF rect, Stroke stroke, QColor fill = {});
Shape TextShape(QPointF at, QString text, double fontSize, QColor color,
                Anchor anchor = Anchor::Middle, bool bold = false);

// Paints the list onto the painter's device, scaled so that the picture fills `target`.
void Paint(const DisplayList& list, QPainter& painter, const QRectF& target);

// The same list as an SVG document; each group becomes a <g> with its attributes.
QByteArray WriteSvg(const DisplayList& list);

// Text width in picture units, as the painter will lay it out.
double TextWidth(const QString& family, double fontSize, const QString& text, bool bold = false);

// The font family used for pictures: one that has the astrological glyphs where installed.
QString PictureFontFamily();

// Whether the family has a glyph for every character of `text`.
bool FontHasGlyphs(const QString& family, const QString& text);

}  // namespace velmaris::pictures
