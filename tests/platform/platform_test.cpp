#include "platform/program_folder.h"
#include "platform/regional_settings.h"
#include "support/table.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace velmaris::platform {
namespace {

// Every folder under the folder as path/ and every file as path=contents, marked where its owner
// cannot write it, in order, separated by "|".
QByteArray Tree(const QString& root) {
    QByteArrayList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        entries.append(QDir(root).relativeFilePath(file.fileName()).toUtf8());
        if (QFileInfo(file).isDir()) {
            entries.last() += '/';
        } else if (file.open(QIODevice::ReadOnly)) {
            entries.last() +=
                (file.permissions() & QFileDevice::WriteOwner ? "=" : " (read-only)=") +
                file.readAll();
        }
    }
    std::sort(entries.begin(), entries.end());
    return entries.join('|');
}

TEST(ProgramFolder, ChosenFolderAndTheUsersCopies) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("platform/program-folders.tsv"), 6)) {
        SCOPED_TRACE(row[0].toStdString());
        const QTemporaryDir root;
        const auto path = [&](const QByteArray& relative) {
            return root.path() + '/' + QString::fromUtf8(relative);
        };
        for (const QByteArray& entry : row[1].split('|')) {
            const QByteArray name = entry.left(entry.indexOf('='));
            QDir().mkpath(QFileInfo(path(name)).path());
            QFile file(path(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                        file.write(entry.mid(name.size() + 1)) >= 0);
            file.setPermissions(QFileDevice::ReadOwner);
        }
        const ProgramFolderChoice choice = ChooseProgramFolder(path(row[2]), path("home"));
        EXPECT_EQ(choice.folder, path(row[3]));
        EXPECT_EQ(choice.problem,
                  QString::fromUtf8(row[4]).replace(QStringLiteral("{root}"), root.path()));
        EXPECT_EQ(Tree(root.path()), row[5]);
    }
}

TEST(RegionalSettings, OrdersFromFormatsAndNamedLocales) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("platform/date-time-orders.tsv"), 3)) {
        const QString text = QString::fromUtf8(row[1]);
        const LocaleRegionalSettings locale{QLocale(text)};
        const QByteArray order =
            row[0] == "date"   ? QByteArray::number(static_cast<int>(DateOrderFromFormat(text)))
            : row[0] == "time" ? QByteArray::number(TimeOrderFromFormat(text))
                               : QByteArray::number(static_cast<int>(locale.DateOrder())) + ' ' +
                                     QByteArray::number(locale.TimeOrder());
        EXPECT_EQ(order, row[2]) << row[0].data() << " " << row[1].data();
    }
}

}  // namespace
}  // namespace velmaris::platform
