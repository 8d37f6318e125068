#include <QApplication>

#include "app/application.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    GameApp game;
    if (!game.StartUp()) {
        return 0;
    }
    return application.exec();
}
