#include "ui/curve_window.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <numeric>

#include "text/number_format.h"
#include "text/placeholders.h"
#include "ui/qt_text.h"

namespace quorvel {
namespace {

constexpr int kTableColumns = 1 + 2 * kResourceCount;

std::int64_t Total(const Resources& r) { return std::accumulate(r.begin(), r.end(), std::int64_t{0}); }

QString Grouped(std::int64_t value) { return ToQString(FormatGrouped(value)); }

// The marks the chart draws, in the order of LanguageTexts::markNames; type-wiped marks are the
// table's and the batch's only (eight of them would crowd the chart).
int MarkTextIndex(CurveMarkKind kind) {
    switch (kind) {
        case CurveMarkKind::InterceptorsUsedUp:
            return 0;
        case CurveMarkKind::Typed:
            return 1;
        case CurveMarkKind::BreakEven:
            return 2;
        case CurveMarkKind::AllDestroyed:
            return 3;
        case CurveMarkKind::TypeWiped:
            break;
    }
    return -1;
}

}  // namespace

CurveWindow::CurveWindow(QWidget* owner)
    : QWidget(owner, Qt::Window),
      m_tabs(new QTabWidget(this)),
      m_chart(new QChart()),
      m_view(new QChartView(m_chart, m_tabs)),
      m_table(new QTableWidget(m_tabs)),
      m_copyText(new QPushButton(this)),
      m_copyCsv(new QPushButton(this)),
      m_exportPng(new QPushButton(this)),
      m_exportSvg(new QPushButton(this)),
      m_copyImage(new QPushButton(this)) {
    setObjectName(QStringLiteral("curveWindow"));
    m_view->setObjectName(QStringLiteral("curveChart"));
    m_table->setObjectName(QStringLiteral("curveTable"));
    m_view->setRenderHint(QPainter::Antialiasing);
    // Below the chart the legend has room for the marks' names and counts.
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setColumnCount(kTableColumns);
    m_table->verticalHeader()->setVisible(false);
    m_tabs->addTab(m_view, QString());
    m_tabs->addTab(m_table, QString());

    auto* buttons = new QHBoxLayout();
    for (QPushButton* button : {m_copyText, m_copyCsv, m_exportPng, m_exportSvg, m_copyImage}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    connect(m_copyText, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(TableText(false)); });
    connect(m_copyCsv, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(TableText(true)); });
    connect(m_exportPng, &QPushButton::clicked, this, [this] { AskExport(false); });
    connect(m_exportSvg, &QPushButton::clicked, this, [this] { AskExport(true); });
    connect(m_copyImage, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setImage(m_view->grab().toImage()); });
    resize(900, 560);
    FollowPalette();
}

void CurveWindow::UseTexts(const LanguageTexts& texts) {
    m_texts = texts;
    setWindowTitle(ToQString(texts.curveTitle));
    m_tabs->setTabText(0, ToQString(texts.chartTab));
    m_tabs->setTabText(1, ToQString(texts.tableTab));
    m_copyText->setText(ToQString(texts.copyAsText));
    m_copyCsv->setText(ToQString(texts.copyAsCsv));
    m_exportPng->setText(ToQString(texts.exportPng));
    m_exportSvg->setText(ToQString(texts.exportSvg));
    m_copyImage->setText(ToQString(texts.copyImage));
    QStringList headers{ToQString(texts.axisMissiles)};
    for (const std::string* side : {&texts.defenderLosses, &texts.attackerLosses}) {
        for (const std::string& resource : texts.resourceHeading) {
            headers << ToQString(*side + ": " + resource);
        }
    }
    m_table->setHorizontalHeaderLabels(headers);
    Redraw();
}

void CurveWindow::ShowCurve(const LossCurve& curve) {
    m_curve = curve;
    Redraw();
    FillTable();
}

void CurveWindow::Redraw() {
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) m_chart->removeAxis(axis);
    auto* defender = new QLineSeries(m_chart);
    auto* attacker = new QLineSeries(m_chart);
    defender->setName(ToQString(m_texts.seriesDefender));
    attacker->setName(ToQString(m_texts.seriesAttacker));
    std::int64_t highest = 1;
    for (const CurvePoint& p : m_curve.points) {
        const std::int64_t d = Total(p.defenderLoss);
        const std::int64_t a = Total(p.attackerLoss);
        defender->append(static_cast<double>(p.missiles), static_cast<double>(d));
        attacker->append(static_cast<double>(p.missiles), static_cast<double>(a));
        highest = std::max({highest, d, a});
    }
    m_chart->addSeries(defender);
    m_chart->addSeries(attacker);
    connect(defender, &QLineSeries::hovered, this, &CurveWindow::ShowHover);
    connect(attacker, &QLineSeries::hovered, this, &CurveWindow::ShowHover);

    // A vertical line per mark, named with its count in the legend.
    for (const CurveMark& mark : m_curve.marks) {
        const int text = MarkTextIndex(mark.kind);
        if (text < 0) continue;
        auto* line = new QLineSeries(m_chart);
        line->setName(ToQString(m_texts.markNames[static_cast<std::size_t>(text)] + " (" +
                                FormatGrouped(mark.missiles) + ")"));
        line->append(static_cast<double>(mark.missiles), 0.0);
        line->append(static_cast<double>(mark.missiles), static_cast<double>(highest));
        m_chart->addSeries(line);
        // The theme's colour for the series, dashed.
        QPen pen = line->pen();
        pen.setStyle(Qt::DashLine);
        line->setPen(pen);
    }

    auto* x = new QValueAxis(m_chart);
    auto* y = new QValueAxis(m_chart);
    x->setTitleText(ToQString(m_texts.axisMissiles));
    y->setTitleText(ToQString(m_texts.axisResources));
    x->setRange(0.0, static_cast<double>(std::max<std::int64_t>(m_curve.end, 1)));
    y->setRange(0.0, static_cast<double>(highest) * 1.05);
    x->setLabelFormat(QStringLiteral("%.0f"));
    if (m_curve.end >= 4) x->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(x, Qt::AlignBottom);
    m_chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : m_chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

void CurveWindow::FillTable() {
    m_table->setRowCount(static_cast<int>(m_curve.points.size()));
    int row = 0;
    for (const CurvePoint& p : m_curve.points) {
        std::array<std::int64_t, kTableColumns> values{p.missiles};
        std::copy(p.defenderLoss.begin(), p.defenderLoss.end(), values.begin() + 1);
        std::copy(p.attackerLoss.begin(), p.attackerLoss.end(), values.begin() + 1 + kResourceCount);
        for (int column = 0; column < kTableColumns; ++column) {
            auto* item = new QTableWidgetItem(Grouped(values[static_cast<std::size_t>(column)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
        ++row;
    }
}

QString CurveWindow::TableText(bool csv) const {
    const QChar separator = csv ? QLatin1Char(',') : QLatin1Char('\t');
    QStringList lines;
    QStringList header;
    for (int column = 0; column < kTableColumns; ++column) {
        QString title =
            m_table->horizontalHeaderItem(column) ? m_table->horizontalHeaderItem(column)->text() : QString();
        if (csv)
            title =
                QLatin1Char('"') + title.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        header << title;
    }
    lines << header.join(separator);
    for (const CurvePoint& p : m_curve.points) {
        QStringList cells{csv ? QString::number(p.missiles) : Grouped(p.missiles)};
        for (const Resources* side : {&p.defenderLoss, &p.attackerLoss}) {
            for (std::int64_t v : *side) cells << (csv ? QString::number(v) : Grouped(v));
        }
        lines << cells.join(separator);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CurveWindow::ShowHover(const QPointF& point, bool inside) {
    if (!inside || m_curve.points.empty()) {
        QToolTip::hideText();
        return;
    }
    // The point nearest the pointer's missile count.
    const auto nearest = std::min_element(m_curve.points.begin(), m_curve.points.end(),
                                          [&](const CurvePoint& a, const CurvePoint& b) {
                                              return std::abs(static_cast<double>(a.missiles) - point.x()) <
                                                     std::abs(static_cast<double>(b.missiles) - point.x());
                                          });
    const CurvePoint& p = *nearest;
    const std::string text = FillPlaceholders(
        m_texts.curveHover, {FormatGrouped(p.missiles), FormatGrouped(Total(p.defenderLoss)),
                             FormatGrouped(p.defenderLoss[0]), FormatGrouped(p.defenderLoss[1]),
                             FormatGrouped(p.defenderLoss[2]), FormatGrouped(Total(p.attackerLoss))});
    QToolTip::showText(QCursor::pos(), ToQString(text), m_view);
}

void CurveWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) FollowPalette();
}

void CurveWindow::FollowPalette() {
    // The chart's theme follows the window's palette: dark on a dark background.
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    m_chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
}

void CurveWindow::AskExport(bool svg) {
    const QString filter = svg ? QStringLiteral("SVG (*.svg)") : QStringLiteral("PNG (*.png)");
    QFileDialog dialog(this, ToQString(m_texts.curveExportTitle), QString(), filter);
    dialog.setObjectName(QStringLiteral("curveExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(svg ? QStringLiteral("svg") : QStringLiteral("png"));
    dialog.selectFile(svg ? QStringLiteral("loss-curve.svg") : QStringLiteral("loss-curve.png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().constFirst();
    if (svg) {
        ExportSvg(path);
    } else {
        ExportPng(path);
    }
}

void CurveWindow::SaveError(const QString& path, const QString& reason) {
    const std::string text = FillPlaceholders(m_texts.fileErrors.cannotSave, {ToUtf8(path), ToUtf8(reason)});
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorvel"), ToQString(text), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// Both exports write a temporary beside the target and rename it over the target only when complete.
bool CurveWindow::ExportPng(const QString& path) {
    QSaveFile file(path);
    const QImage image = m_view->grab().toImage();
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        SaveError(path, file.errorString());
        return false;
    }
    return true;
}

bool CurveWindow::ExportSvg(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        SaveError(path, file.errorString());
        return false;
    }
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(m_view->size());
    generator.setViewBox(QRect(QPoint(0, 0), m_view->size()));
    generator.setTitle(ToQString(m_texts.curveTitle));
    QPainter painter;
    const bool painted = painter.begin(&generator);
    if (painted) {
        m_view->render(&painter);
        painter.end();
    }
    if (!painted || !file.commit()) {
        SaveError(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace quorvel
