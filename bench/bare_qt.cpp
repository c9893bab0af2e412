// The floor for start-up and memory: a bare Qt program that shows two plain windows of the
// main and playlist windows' sizes side by side, the second first, and waits.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget main, list;
    main.setFixedSize(370, 186);
    list.setFixedSize(345, 234);
    main.move(100, 100);
    list.move(470, 100);
    list.show();
    main.show();
    return app.exec();
}
