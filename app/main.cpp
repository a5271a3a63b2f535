// quivora: the window program. --help and --version answer without opening a window (or
// needing a display); every other argument goes to Qt.
#include "MainForm.h"
#include "QuivoraVersao.h"
#include "TraducaoQt.h"

#include <QApplication>

#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout
                << "Usage: quivora [OPTION]... [QT OPTION]...\n"
                   "Opens Quivora's window: a genetic algorithm that maximises Schaffer's F6\n"
                   "function, with its parameter panel, fitness chart, run report and a 3D view\n"
                   "of the surface with the population on it. The window is in Portuguese.\n"
                   "\n"
                   "Options:\n"
                   "  --help       display this help and exit\n"
                   "  --version    output version information and exit\n"
                   "\n"
                   "Every other argument goes to Qt, for example -platform NAME (the window\n"
                   "system plugin), -display NAME (the X display) or -reverse (right-to-left).\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "quivora " << QUIVORA_VERSAO << '\n';
            return 0;
        }
    }
    QApplication app(argc, argv);
    InstalaTraducaoQt(app);
    TMainForm MainForm;
    MainForm.showMaximized();
    return QApplication::exec();
}
