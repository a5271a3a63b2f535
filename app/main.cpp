// quivora: the window program. --help and --version answer without opening a window (or
// needing a display); every other argument goes to Qt.
#include "MainForm.h"
#include "QuivoraVersao.h"

#include <QApplication>

#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << "Usage: quivora [--help] [--version] [Qt options]\n"
                         "Opens Quivora's window: a genetic algorithm maximising Schaffer's F6,\n"
                         "with its parameter panel, fitness chart, run report and 3D view.\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "quivora " << QUIVORA_VERSAO << '\n';
            return 0;
        }
    }
    QApplication app(argc, argv);
    TMainForm MainForm;
    MainForm.showMaximized();
    return QApplication::exec();
}
