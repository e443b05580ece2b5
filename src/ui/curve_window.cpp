#include "ui/curve_window.h"

#include <QApplication>
#include <QBuffer>
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
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "app/simulator_dialog.h"
#include "ui/qt_text.h"

namespace quorvel {

CurveWindow::CurveWindow(QWidget* owner, std::function<CSimulatorDlg*()> logic)
    : QWidget(owner, Qt::Window),
      m_logic(std::move(logic)),
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

    const auto copyTable = [this](bool csv) {
        if (CSimulatorDlg* dlg = m_logic()) dlg->Run(Action::CopyCurveTable, ActionInput(csv ? 1 : 0));
    };
    connect(m_copyText, &QPushButton::clicked, this, [copyTable] { copyTable(false); });
    connect(m_copyCsv, &QPushButton::clicked, this, [copyTable] { copyTable(true); });
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
    Redraw();
}

void CurveWindow::ShowCurve(const CurveView& curve) {
    if (curve.number == m_curve.number && !m_curve.headings.empty()) return;
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
    for (const CurvePointView& p : m_curve.points) {
        defender->append(static_cast<double>(p.missiles), static_cast<double>(p.defenderTotal));
        attacker->append(static_cast<double>(p.missiles), static_cast<double>(p.attackerTotal));
        highest = std::max({highest, p.defenderTotal, p.attackerTotal});
    }
    m_chart->addSeries(defender);
    m_chart->addSeries(attacker);
    connect(defender, &QLineSeries::hovered, this, &CurveWindow::ShowHover);
    connect(attacker, &QLineSeries::hovered, this, &CurveWindow::ShowHover);

    // A vertical line per mark, named with its count in the legend.
    for (const CurveMarkView& mark : m_curve.marks) {
        if (mark.label.empty()) continue;
        auto* line = new QLineSeries(m_chart);
        line->setName(ToQString(mark.label));
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
    QStringList headers;
    for (const std::string& heading : m_curve.headings) headers << ToQString(heading);
    m_table->setColumnCount(static_cast<int>(headers.size()));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setRowCount(static_cast<int>(m_curve.points.size()));
    for (std::size_t row = 0; row < m_curve.points.size(); ++row) {
        const std::vector<std::string> cells = m_curve.Row(row);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(ToQString(cells[column]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
}

void CurveWindow::ShowHover(const QPointF& point, bool inside) {
    if (!inside || m_curve.points.empty()) {
        QToolTip::hideText();
        return;
    }
    // The point nearest the pointer's missile count.
    const auto nearest = std::min_element(m_curve.points.begin(), m_curve.points.end(),
                                          [&](const CurvePointView& a, const CurvePointView& b) {
                                              return std::abs(static_cast<double>(a.missiles) - point.x()) <
                                                     std::abs(static_cast<double>(b.missiles) - point.x());
                                          });
    const auto index = static_cast<std::size_t>(nearest - m_curve.points.begin());
    QToolTip::showText(QCursor::pos(), ToQString(m_curve.Hover(index)), m_view);
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
    ExportImage(dialog.selectedFiles().constFirst(), svg);
}

void CurveWindow::ExportImage(const QString& path, bool svg) {
    // Rendered whole into memory first: the program writes the file atomically, so that a failed
    // write leaves the old file as it was.
    if (CSimulatorDlg* dlg = m_logic()) {
        const QByteArray image = RenderImage(svg);
        dlg->Run(Action::ExportCurveImage,
                 ActionInput(0, ToUtf8(path),
                             std::string(image.constData(), static_cast<std::size_t>(image.size()))));
    }
}

QByteArray CurveWindow::RenderImage(bool svg) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!svg) {
        m_view->grab().toImage().save(&buffer, "PNG");
        return bytes;
    }
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(m_view->size());
    generator.setViewBox(QRect(QPoint(0, 0), m_view->size()));
    generator.setTitle(ToQString(m_texts.curveTitle));
    QPainter painter;
    if (painter.begin(&generator)) {
        m_view->render(&painter);
        painter.end();
    }
    return bytes;
}

}  // namespace quorvel
