#include "hoardsort/ui/app.h"

#include <QApplication>
#include <iostream>

#include "common/files/home_folder.h"
#include "common/qt/qt_interaction.h"
#include "common/qt/window_util.h"
#include "hoardsort/sorting/install_lookup.h"
#include "hoardsort/ui/form1.h"

namespace hoardsort {

int runWindow(int& argc, char** argv, const std::optional<std::string>& home,
              const std::optional<std::string>& screenshot) {
    QApplication app(argc, argv);
    app.setApplicationName("Hoardsort");
    std::optional<std::filesystem::path> explicitHome;
    if (home) explicitHome = std::filesystem::path(*home);
    std::filesystem::path homeFolder = korvath::resolveHomeFolder(
        explicitHome, korvath::pathFromQString(QCoreApplication::applicationDirPath()), "hoardsort", {"ula.txt"});

    korvath::QtInteraction interaction;
    Form1 form(interaction, homeFolder);
    interaction.setParent(&form);
    if (!form.load(findInstallFolder(), !screenshot)) return 0;
    if (screenshot) {
        if (korvath::saveScreenshot(form, korvath::nativeToQString(*screenshot))) return 0;
        std::cerr << "hoardsort: cannot write " << *screenshot << '\n';
        return 1;
    }
    form.show();
    return app.exec();
}

}  // namespace hoardsort
