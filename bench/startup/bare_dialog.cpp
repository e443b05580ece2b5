// The yardstick of the start-up benchmark: a bare Qt program that shows one empty QDialog and
// quits the way `quorvel --startup-check` does, once the event loop is first idle.

#include <QApplication>
#include <QDialog>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(QDialog::Accepted); });
    dialog.exec();
    return 0;
}
