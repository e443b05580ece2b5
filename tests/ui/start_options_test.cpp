// The window executable's command line.

#include "ui/start_options.h"

#include <QTest>

using namespace quorvel;

class StartOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void command_lines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("understood");
        QTest::addColumn<QString>("home");
        QTest::addColumn<bool>("startupCheck");
        QTest::newRow("nothing") << QStringList{} << true << QString() << false;
        QTest::newRow("home as two words") << QStringList{"--home", "/tmp/q"} << true << "/tmp/q" << false;
        QTest::newRow("home with equals")
            << QStringList{"--home=/tmp/q", "--startup-check"} << true << "/tmp/q" << true;
        QTest::newRow("home without folder") << QStringList{"--home"} << false << QString() << false;
        QTest::newRow("empty home") << QStringList{"--home="} << false << QString() << false;
        QTest::newRow("unknown option") << QStringList{"--fast"} << false << QString() << false;
        QTest::newRow("stray word") << QStringList{"script.txt"} << false << QString() << false;
    }
    void command_lines() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, understood);
        QFETCH(QString, home);
        QFETCH(bool, startupCheck);
        std::vector<std::string> args;
        for (const QString& a : arguments) args.push_back(a.toStdString());
        const std::optional<StartOptions> options = ParseStartOptions(args);
        QCOMPARE(options.has_value(), understood);
        if (!options) return;
        QCOMPARE(QString::fromStdString(options->home.string()), home);
        QCOMPARE(options->startupCheck, startupCheck);
    }
};

QTEST_APPLESS_MAIN(StartOptionsTest)
#include "start_options_test.moc"
