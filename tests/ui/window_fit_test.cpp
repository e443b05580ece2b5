// Every result and every message the window can show is shown whole: the widest results of the
// program in all nine languages, and every message of every language file in every message line.

#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include "app/control_table.h"
#include "i18n/language_lines.h"
#include "i18n/language_table.h"
#include "ui/caption_label.h"
#include "ui/message_line.h"
#include "ui/result_cell.h"
#include "window_fixture.h"

using namespace quorvel;

namespace {

constexpr const char* kWidestInput = "2147483647";

// Fills every numeric field and runs every calculation. Without missiles nothing falls and the
// remaining counts are widest; with them the losses are.
void ShowWidestResults(WindowFixture& f, bool withMissiles) {
    for (ControlId id : kNumericInputs) f.Type(id, QString::fromLatin1(kWidestInput));
    if (!withMissiles) f.Type(ControlId::MissileInput, QStringLiteral("0"));
    f.Click(ControlId::SimulateButton);
    for (ControlId id : kNumericInputs) f.Type(id, QString::fromLatin1(kWidestInput));
    if (!withMissiles) f.Type(ControlId::MissileInput, QStringLiteral("0"));
    f.Click(ControlId::RequiredMissilesButton);
    f.Click(ControlId::FlightTimeButton);
    f.Click(ControlId::RangeButton);
    QTest::qWait(0);
}

// Checks that every caption and result cell shows its whole text; names the control when not.
void CheckCellsShowWholeTexts(WindowFixture& f, const QString& where) {
    for (const ControlRow& control : ControlTable()) {
        const ControlId id = control.id;
        if (auto* caption = qobject_cast<CaptionLabel*>(f.Window().Control(id))) {
            const int needed = caption->fontMetrics().size(Qt::TextShowMnemonic, caption->text()).width();
            QVERIFY2(needed <= caption->contentsRect().width(),
                     qPrintable(QStringLiteral("%1: caption %2 '%3' cut")
                                    .arg(where)
                                    .arg(ToInt(id))
                                    .arg(caption->text())));
        }
        auto* cell = qobject_cast<ResultCell*>(f.Window().Control(id));
        if (cell == nullptr) continue;
        const int needed = cell->fontMetrics().horizontalAdvance(cell->text());
        QVERIFY2(needed <= cell->contentsRect().width() && !cell->IsElided(),
                 qPrintable(QStringLiteral("%1: cell %2 needs %3 px for '%4' and has %5")
                                .arg(where)
                                .arg(ToInt(id))
                                .arg(needed)
                                .arg(cell->text())
                                .arg(cell->contentsRect().width())));
    }
}

}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

private slots:
    void the_widest_results_show_whole_in_every_language_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("withMissiles");
        for (int language = 0; language < static_cast<int>(kLanguages.size()); ++language) {
            const QByteArray name(
                kLanguages[static_cast<std::size_t>(language)].fileName.data(),
                static_cast<qsizetype>(kLanguages[static_cast<std::size_t>(language)].fileName.size()));
            QTest::addRow("%s, missiles", name.constData()) << language << true;
            QTest::addRow("%s, no missiles", name.constData()) << language << false;
        }
    }
    void the_widest_results_show_whole_in_every_language() {
        QFETCH(int, language);
        QFETCH(bool, withMissiles);
        WindowFixture f;
        f.WriteHomeFile(QStringLiteral("data/LanguageSave.dat"), QByteArray::number(language));
        f.Start();
        ShowWidestResults(f, withMissiles);
        // The example of the fault: the remaining total of a full defence is 2.147.483.647 per type.
        if (!withMissiles)
            QCOMPARE(f.Text(ControlId::RocketLauncherRemaining), QStringLiteral("2.147.483.647"));
        CheckCellsShowWholeTexts(f, QStringLiteral("language %1").arg(language));
    }

    void a_cell_given_too_little_room_is_cut_with_an_ellipsis_and_tells_its_value() {
        WindowFixture f;
        f.Start();
        f.Window().SetText(ControlId::RocketLauncherRemaining, "2.147.483.647.000.000");
        auto* cell = f.Control<ResultCell>(ControlId::RocketLauncherRemaining);
        QVERIFY(cell != nullptr);
        cell->resize(cell->minimumSizeHint());
        QVERIFY(cell->IsElided());
        QCOMPARE(cell->toolTip(), QStringLiteral("2.147.483.647.000.000"));
        QCOMPARE(f.Text(ControlId::RocketLauncherRemaining), QStringLiteral("2.147.483.647.000.000"));
        cell->resize(cell->sizeHint());
        QVERIFY(!cell->IsElided());
        QVERIFY(cell->toolTip().isEmpty());
    }

    void every_message_of_every_language_file_shows_whole_in_every_message_line() {
        std::vector<ControlId> messageLines;
        for (const ControlRow& control : ControlTable()) {
            if (control.kind == ControlKind::Cell && control.columnSpan > 1)
                messageLines.push_back(control.id);
        }
        QVERIFY(messageLines.size() >= 2);
        const int messages[] = {kLineMsgAllInterceptedMany, kLineMsgNoMissiles,  kLineMsgAllInterceptedOne,
                                kLineMsgNoDefence,          kLineMsgMissilesHit, kLineMsgNothingToDestroy,
                                kLineMsgOutOfRange,         kLineMsgOtherGalaxy};
        for (const LanguageEntry& language : kLanguages) {
            const std::string fileName(language.fileName);
            WindowFixture f;
            f.Start();
            for (ControlId id : messageLines) {
                auto* line = f.Control<MessageLine>(id);
                QVERIFY(line != nullptr);
                for (int number : messages) {
                    const QString text = ShippedLanguageLine(fileName.c_str(), number);
                    f.Window().SetText(id, text.toStdString());
                    QTest::qWait(0);
                    const QRect room = line->contentsRect();
                    const QRect used =
                        line->fontMetrics().boundingRect(QRect(0, 0, room.width(), QWIDGETSIZE_MAX),
                                                         Qt::TextWordWrap | line->alignment(), text);
                    QVERIFY2(used.height() <= room.height() && used.width() <= room.width(),
                             qPrintable(QStringLiteral("%1 line %2 in control %3 needs %4x%5, has %6x%7")
                                            .arg(QString::fromStdString(fileName))
                                            .arg(number)
                                            .arg(ToInt(id))
                                            .arg(used.width())
                                            .arg(used.height())
                                            .arg(room.width())
                                            .arg(room.height())));
                }
            }
        }
    }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
