// The yardstick of the start-up benchmark: a bare Qt program that shows one empty QDialog and,
// the way `quorvel --startup-check` does, prints a ready line and quits once the event loop is
// first idle.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        std::printf("ready\n");
        std::fflush(stdout);
        dialog.done(QDialog::Accepted);
    });
    dialog.exec();
    return 0;
}
