#include "artwork/ProgramFiles.h"

#include <QGuiApplication>
#include <cstdio>

// Writes the data files of the program folder: makeassets <output-folder>
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeassets <output-folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen"); // the build may run without a display
    QGuiApplication app(argc, argv);
    const QString failed = vt::writeProgramFiles(QString::fromLocal8Bit(argv[1]));
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "makeassets: cannot write %s\n", qPrintable(failed));
        return 1;
    }
    return 0;
}
