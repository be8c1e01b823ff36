#include "report/interpretation_file.h"

#include "support/table.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

TEST(IsKeyLine, MatchingRule) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/key-lines.tsv"), 2)) {
        EXPECT_EQ(IsKeyLine(QByteArrayView(row[0]), "SUN Conjunct MOON"), row[1] == "1")
            << row[0].toStdString();
    }
}

TEST(FindInterpretation, SearchRules) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/interpretations.tsv"), 3)) {
        const std::optional<QStringList> found = FindInterpretation(row[0], "SUN Square MOON");
        EXPECT_EQ(found ? found->join('|').toStdString() : "(none)", row[1].toStdString())
            << row[2].toStdString();
    }
}

}  // namespace
}  // namespace velmaris::domain
