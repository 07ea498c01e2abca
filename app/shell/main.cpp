#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Kirvo Jigsaw Pleo III");
    window.show();
    return application.exec();
}
