#pragma once

// Reads the groups of a picture's SVG back: their data-* attributes and their shapes.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <vector>

namespace velmaris::pictures::testing {

struct SvgElement {
    QString name;
    QMap<QString, QString> attributes;
    QString text;  // the characters of a <text>
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
        if (xml.isStartElement() && xml.name() == QLatin1String("g")) {
            groups.emplace_back();
            for (const auto& a : xml.attributes()) {
                if (a.name().startsWith(QLatin1String("data-"))) {
                    groups.back().data.insert(a.name().mid(5).toString(), a.value().toString());
                }
            }
            inGroup = true;
        } else if (xml.isStartElement() && inGroup) {
            SvgElement& element = groups.back().children.emplace_back(xml.name().toString());
            for (const auto& a : xml.attributes()) {
                element.attributes.insert(a.name().toString(), a.value().toString());
            }
            element.text = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            inGroup = false;
        }
    }
    if (xml.hasError() && error != nullptr) {
        *error = xml.errorString();
    }
    return groups;
}

// A line per group: its data-* attributes as key=value, then each of its shapes as `describe`
// puts it.
template <typename Describe>
QStringList GroupLines(const std::vector<SvgGroup>& groups, Describe describe) {
    QStringList lines;
    for (const SvgGroup& group : groups) {
        QStringList fields;
        for (const auto& [key, value] : group.data.asKeyValueRange()) {
            fields << key + '=' + value;
        }
        for (const SvgElement& child : group.children) {
            fields << describe(child);
        }
        lines << fields.join(' ');
    }
    return lines;
}

}  // namespace velmaris::pictures::testing
