#include "app/screenshots.h"

#include "app/about_window.h"
#include "app/new_date_dialog.h"
#include "app/options_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <tuple>

namespace velmaris::app {
namespace {

// Lets the window system show and paint a window before it is grabbed.
void Settle(QWidget& widget) {
    widget.show();
    widget.raise();
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
    }
}

bool Save(QWidget& widget, const QString& folder, const char* name) {
    Settle(widget);
    return widget.grab().save(QDir(folder).filePath(QLatin1String(name)), "PNG");
}

}  // namespace

bool SaveScreenshots(MainWindow& window, const MainWindowServices& services,
                     const QString& folder) {
    QDir().mkpath(folder);
    bool saved = Save(window, folder, "main-window.png");

    NewDateDialog newDate(
        services.program.NewDateStartFields(),
        [](const QString&, const QString&, const QString&) { return false; }, services.screen,
        &window);
    saved = Save(newDate, folder, "new-date.png") && saved;
    newDate.hide();

    auto* about = new AboutWindow(services.screen, &window);
    saved = Save(*about, folder, "about.png") && saved;
    about->close();

    session::OptionsCommands commands(services.program, services.messages);
    auto* options = new OptionsWindow(
        commands, commands.OpenEditor().value_or(domain::OptionsText{}), services.screen, &window);
    saved = Save(*options, folder, "options.png") && saved;
    options->close();

    // The picture windows through their menu items, as a user opens them.
    for (const auto& [item, name, file] :
         {std::tuple{"mnuMoreChartWheel", "frmChartWheel", "chart-wheel.png"},
          std::tuple{"mnuMoreTimeline", "frmTimeline", "timeline.png"},
          std::tuple{"mnuMoreTransitListing", "frmTransitListing", "transit-listing.png"}}) {
        auto* action = window.findChild<QAction*>(QLatin1String(item));
        if (action == nullptr) {
            return false;
        }
        action->trigger();
        auto* picture = window.findChild<QWidget*>(QLatin1String(name));
        saved = picture != nullptr && Save(*picture, folder, file) && saved;
        if (picture != nullptr) {
            picture->close();
        }
    }
    return saved;
}

}  // namespace velmaris::app
