#include "ProgramFiles.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

// Writes the data files of the program folder:       makeassets <output-folder>
// or the application icon into an icon theme folder: makeassets --icons <theme-folder> <icon-name>
int main(int argc, char** argv) {
    const bool icons = argc == 4 && std::strcmp(argv[1], "--icons") == 0;
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: makeassets <output-folder>\n"
                             "       makeassets --icons <theme-folder> <icon-name>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen"); // the build may run without a display
    QGuiApplication app(argc, argv);
    const QString failed =
        icons ? vt::writeThemeIcons(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]))
              : vt::writeProgramFiles(QString::fromLocal8Bit(argv[1]));
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "makeassets: cannot write %s\n", qPrintable(failed));
        return 1;
    }
    return 0;
}
