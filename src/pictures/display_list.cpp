#include "pictures/display_list.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QRawFont>
#include <QXmlStreamWriter>

#include <cmath>

namespace velmaris::pictures {

namespace {

QFont MakeFont(const QString& family, double fontSize, bool bold) {
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontSize * 16.0))));
    font.setBold(bold);
    return font;
}

// Fonts are laid out at 16 times the size and scaled down, so that small picture units
// still get fractional metrics.
constexpr double kFontOversample = 16.0;

QString Number(double value) {
    return QString::number(value, 'f', 2);
}

QString ColorName(const QColor& color) {
    return color.isValid() ? color.name(QColor::HexRgb) : QStringLiteral("none");
}

QString DashArray(const Stroke& stroke) {
    switch (stroke.dash) {
        case Dash::Dashed:
            return Number(stroke.width * 4.0) + QLatin1Char(',') + Number(stroke.width * 2.5);
        case Dash::Dotted:
            return Number(stroke.width * 1.0) + QLatin1Char(',') + Number(stroke.width * 2.0);
        case Dash::Solid:
            break;
    }
    return {};
}

QPen MakePen(const Stroke& stroke) {
    if (stroke.width <= 0.0) {
        return Qt::NoPen;
    }
    QPen pen(stroke.color, stroke.width);
    pen.setCapStyle(Qt::FlatCap);
    if (stroke.dash == Dash::Dashed) {
        pen.setDashPattern({4.0, 2.5});
    } else if (stroke.dash == Dash::Dotted) {
        pen.setDashPattern({1.0, 2.0});
    }
    return pen;
}

void WriteStroke(QXmlStreamWriter& xml, const Stroke& stroke) {
    if (stroke.width <= 0.0) {
        xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
        return;
    }
    xml.writeAttribute(QStringLiteral("stroke"), ColorName(stroke.color));
    xml.writeAttribute(QStringLiteral("stroke-width"), Number(stroke.width));
    const QString dashes = DashArray(stroke);
    if (!dashes.isEmpty()) {
        xml.writeAttribute(QStringLiteral("stroke-dasharray"), dashes);
    }
}

void WriteShape(QXmlStreamWriter& xml, const Shape& shape, const QString& family) {
    switch (shape.kind) {
        case Shape::Kind::Line:
            xml.writeStartElement(QStringLiteral("line"));
            xml.writeAttribute(QStringLiteral("x1"), Number(shape.p1.x()));
            xml.writeAttribute(QStringLiteral("y1"), Number(shape.p1.y()));
            xml.writeAttribute(QStringLiteral("x2"), Number(shape.p2.x()));
            xml.writeAttribute(QStringLiteral("y2"), Number(shape.p2.y()));
            WriteStroke(xml, shape.stroke);
            xml.writeEndElement();
            break;
        case Shape::Kind::Circle:
            xml.writeStartElement(QStringLiteral("circle"));
            xml.writeAttribute(QStringLiteral("cx"), Number(shape.p1.x()));
            xml.writeAttribute(QStringLiteral("cy"), Number(shape.p1.y()));
            xml.writeAttribute(QStringLiteral("r"), Number(shape.radius));
            xml.writeAttribute(QStringLiteral("fill"), ColorName(shape.fill));
            WriteStroke(xml, shape.stroke);
            xml.writeEndElement();
            break;
        case Shape::Kind::Rect:
            xml.writeStartElement(QStringLiteral("rect"));
            xml.writeAttribute(QStringLiteral("x"), Number(shape.rect.x()));
            xml.writeAttribute(QStringLiteral("y"), Number(shape.rect.y()));
            xml.writeAttribute(QStringLiteral("width"), Number(shape.rect.width()));
            xml.writeAttribute(QStringLiteral("height"), Number(shape.rect.height()));
            xml.writeAttribute(QStringLiteral("fill"), ColorName(shape.fill));
            WriteStroke(xml, shape.stroke);
            xml.writeEndElement();
            break;
        case Shape::Kind::Text: {
            xml.writeStartElement(QStringLiteral("text"));
            xml.writeAttribute(QStringLiteral("x"), Number(shape.p1.x()));
            xml.writeAttribute(QStringLiteral("y"), Number(shape.p1.y()));
            xml.writeAttribute(QStringLiteral("font-family"), family);
            xml.writeAttribute(QStringLiteral("font-size"), Number(shape.fontSize));
            if (shape.bold) {
                xml.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
            }
            const char* anchor = shape.anchor == Anchor::Start ? "start"
                                 : shape.anchor == Anchor::End ? "end"
                                                               : "middle";
            xml.writeAttribute(QStringLiteral("text-anchor"), QString::fromLatin1(anchor));
            xml.writeAttribute(QStringLiteral("dominant-baseline"), QStringLiteral("central"));
            xml.writeAttribute(QStringLiteral("fill"), ColorName(shape.stroke.color));
            xml.writeCharacters(shape.text);
            xml.writeEndElement();
            break;
        }
    }
}

void PaintShape(QPainter& painter, const Shape& shape, const QString& family) {
    switch (shape.kind) {
        case Shape::Kind::Line:
            painter.setPen(MakePen(shape.stroke));
            painter.drawLine(shape.p1, shape.p2);
            break;
        case Shape::Kind::Circle:
            painter.setPen(MakePen(shape.stroke));
            painter.setBrush(shape.fill.isValid() ? QBrush(shape.fill) : QBrush(Qt::NoBrush));
            painter.drawEllipse(shape.p1, shape.radius, shape.radius);
            break;
        case Shape::Kind::Rect:
            painter.setPen(MakePen(shape.stroke));
            painter.setBrush(shape.fill.isValid() ? QBrush(shape.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(shape.rect);
            break;
        case Shape::Kind::Text: {
            const QFont font = MakeFont(family, shape.fontSize, shape.bold);
            painter.save();
            painter.translate(shape.p1);
            painter.scale(1.0 / kFontOversample, 1.0 / kFontOversample);
            painter.setFont(font);
            painter.setPen(shape.stroke.color);
            const double span = 1.0e5;
            QRectF box(-span / 2.0, -span / 2.0, span, span);
            int align = Qt::AlignVCenter | Qt::AlignHCenter;
            if (shape.anchor == Anchor::Start) {
                box.moveLeft(0.0);
                align = Qt::AlignVCenter | Qt::AlignLeft;
            } else if (shape.anchor == Anchor::End) {
                box.moveRight(0.0);
                align = Qt::AlignVCenter | Qt::AlignRight;
            }
            painter.drawText(box, align | Qt::TextDontClip, shape.text);
            painter.restore();
            break;
        }
    }
}

}  // namespace

Group& DisplayList::NewGroup(Attributes attributes) {
    groups.push_back(Group{std::move(attributes), {}});
    return groups.back();
}

Shape LineShape(QPointF from, QPointF to, Stroke stroke) {
    Shape shape;
    shape.kind = Shape::Kind::Line;
    shape.p1 = from;
    shape.p2 = to;
    shape.stroke = stroke;
    return shape;
}

Shape CircleShape(QPointF centre, double radius, Stroke stroke, QColor fill) {
    Shape shape;
    shape.kind = Shape::Kind::Circle;
    shape.p1 = centre;
    shape.radius = radius;
    shape.stroke = stroke;
    shape.fill = fill;
    return shape;
}

Shape RectShape(QRectF rect, Stroke stroke, QColor fill) {
    Shape shape;
    shape.kind = Shape::Kind::Rect;
    shape.rect = rect;
    shape.stroke = stroke;
    shape.fill = fill;
    return shape;
}

Shape TextShape(QPointF at, QString text, double fontSize, QColor color, Anchor anchor, bool bold) {
    Shape shape;
    shape.kind = Shape::Kind::Text;
    shape.p1 = at;
    shape.text = std::move(text);
    shape.fontSize = fontSize;
    shape.stroke.color = color;
    shape.anchor = anchor;
    shape.bold = bold;
    return shape;
}

void Paint(const DisplayList& list, QPainter& painter, const QRectF& target) {
    if (list.size.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(target.topLeft());
    painter.scale(target.width() / list.size.width(), target.height() / list.size.height());
    painter.fillRect(QRectF(QPointF(0, 0), list.size), list.background);
    for (const Group& group : list.groups) {
        for (const Shape& shape : group.shapes) {
            PaintShape(painter, shape, list.fontFamily);
        }
    }
    painter.restore();
}

QByteArray WriteSvg(const DisplayList& list) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), Number(list.size.width()));
    xml.writeAttribute(QStringLiteral("height"), Number(list.size.height()));
    xml.writeAttribute(
        QStringLiteral("viewBox"),
        QStringLiteral("0 0 %1 %2").arg(Number(list.size.width()), Number(list.size.height())));
    xml.writeStartElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), QStringLiteral("100%"));
    xml.writeAttribute(QStringLiteral("height"), QStringLiteral("100%"));
    xml.writeAttribute(QStringLiteral("fill"), ColorName(list.background));
    xml.writeEndElement();
    for (const Group& group : list.groups) {
        xml.writeStartElement(QStringLiteral("g"));
        for (const auto& [name, value] : group.attributes) {
            xml.writeAttribute(name, value);
        }
        for (const Shape& shape : group.shapes) {
            WriteShape(xml, shape, list.fontFamily);
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

double TextWidth(const QString& family, double fontSize, const QString& text, bool bold) {
    const QFontMetricsF metrics(MakeFont(family, fontSize, bold));
    return metrics.horizontalAdvance(text) / kFontOversample;
}

bool FontHasGlyphs(const QString& family, const QString& text) {
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    if (!raw.isValid()) {
        return false;
    }
    for (const QChar ch : text) {
        if (!raw.supportsCharacter(ch)) {
            return false;
        }
    }
    return true;
}

QString PictureFontFamily() {
    QString preferred = QStringLiteral("DejaVu Sans");
    if (QFontDatabase::families().contains(preferred)) {
        return preferred;
    }
    return QFont().defaultFamily();
}

}  // namespace velmaris::pictures
