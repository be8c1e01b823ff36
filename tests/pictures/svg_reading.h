#pragma once

// Reads the groups of a picture's SVG back: their data-* attributes and their shapes.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QXmlStreamReader>

#include <vector>

namespace velmaris::pictures::testing {

struct SvgElement {
    QString name;
    QMap<QString, QString> attributes;
};

struct SvgGroup {
    QMap<QString, QString> data;  // data-* attributes without the prefix
    std::vector<SvgElement> children;
};

inline std::vector<SvgGroup> ReadSvgGroups(const QByteArray& svg, QString* error) {
    std::vector<SvgGroup> groups;
    QXmlStreamReader xml(svg);
    bool inGroup = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("g")) {
                SvgGroup group;
                for (const auto& a : xml.attributes()) {
                    const QString name = a.name().toString();
                    if (name.startsWith(QLatin1String("data-"))) {
                        group.data.insert(name.mid(5), a.value().toString());
                    }
                }
                groups.push_back(group);
                inGroup = true;
            } else if (inGroup) {
                SvgElement element{xml.name().toString(), {}};
                for (const auto& a : xml.attributes()) {
                    element.attributes.insert(a.name().toString(), a.value().toString());
                }
                groups.back().children.push_back(element);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            inGroup = false;
        }
    }
    if (xml.hasError() && error != nullptr) {
        *error = xml.errorString();
    }
    return groups;
}

}  // namespace velmaris::pictures::testing
