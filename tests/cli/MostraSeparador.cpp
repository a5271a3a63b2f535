// Prints the decimal separator of QLocale::system(), as the window takes it, for the tests.
#include <QLocale>

#include <cstdio>

int main() {
    std::printf("%s\n", QLocale::system().decimalPoint().toUtf8().constData());
    return 0;
}
