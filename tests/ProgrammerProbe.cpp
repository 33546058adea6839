// Starts the programmer as a user does, makes one change so that its port stays open, says
// "ready" and runs until something ends it.
#include <QApplication>
#include <cstdio>

#include "app/Programmer.h"
#include "window/MainForm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    rotaline::Programmer programmer;
    programmer.start();
    dynamic_cast<rotaline::OptionGroup&>(*programmer.form().find("OptionBrake")).select(4);
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
