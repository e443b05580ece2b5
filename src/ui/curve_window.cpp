#include "ui/curve_window.h"

#include <QApplication>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
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
    connect(m_chart, &QChart::plotAreaChanged, this, [this] { PlaceWords(); });
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

namespace {

// An axis with a tick and a grid line at each of the view's ticks, labelled as the view labels them.
QCategoryAxis* TickedAxis(QChart& chart, const std::vector<CurveTickView>& ticks, std::int64_t end,
                          const std::string& title) {
    auto* axis = new QCategoryAxis(&chart);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(0.0);
    for (const CurveTickView& tick : ticks)
        axis->append(ToQString(tick.label), static_cast<double>(tick.value));
    axis->setRange(0.0, static_cast<double>(std::max<std::int64_t>(end, 1)));
    axis->setTitleText(ToQString(title));
    return axis;
}

}  // namespace

void CurveWindow::Redraw() {
    for (const ChartWords& words : m_words) delete words.box;
    m_words.clear();
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    // Nothing to draw is said in place of a chart.
    m_chart->setTitle(ToQString(m_curve.emptyText));
    m_chart->legend()->setVisible(m_curve.emptyText.empty());
    if (!m_curve.emptyText.empty()) return;

    auto* defender = new QLineSeries(m_chart);
    auto* attacker = new QLineSeries(m_chart);
    defender->setName(ToQString(m_curve.lineNames[0]));
    attacker->setName(ToQString(m_curve.lineNames[1]));
    for (const CurvePointView& p : m_curve.points) {
        defender->append(static_cast<double>(p.missiles), static_cast<double>(p.defenderTotal));
        attacker->append(static_cast<double>(p.missiles), static_cast<double>(p.attackerTotal));
    }
    m_chart->addSeries(defender);
    m_chart->addSeries(attacker);
    connect(defender, &QLineSeries::hovered, this, &CurveWindow::ShowHover);
    connect(attacker, &QLineSeries::hovered, this, &CurveWindow::ShowHover);

    // The marks in the text's colour, told apart by their line's pattern and their words beside it.
    const double top = static_cast<double>(m_curve.yEnd);
    const QColor ink = m_view->palette().color(QPalette::WindowText);
    for (const CurveMarkView& mark : m_curve.marks) {
        if (mark.label.empty()) continue;
        const auto x = static_cast<double>(mark.missiles);
        auto* line = new QLineSeries(m_chart);
        line->setName(ToQString(mark.label));
        line->append(x, 0.0);
        line->append(x, top);
        QPen pen(ink, 1.5);
        if (!mark.dashes.empty()) pen.setDashPattern(QList<qreal>(mark.dashes.begin(), mark.dashes.end()));
        line->setPen(pen);
        m_chart->addSeries(line);
        for (QLegendMarker* marker : m_chart->legend()->markers(line)) marker->setVisible(false);
        AddWords(mark.label, QPointF(x, top * (1.0 - 0.07 * (mark.labelRow + 1))));
    }
    // Beyond destroying everything both lines run flat: the chart says why, above the flat part's end.
    if (!m_curve.flatNote.empty()) {
        AddWords(m_curve.flatNote,
                 QPointF(static_cast<double>(m_curve.end),
                         static_cast<double>(m_curve.points.back().attackerTotal) + top * 0.05));
    }

    QCategoryAxis* x = TickedAxis(*m_chart, m_curve.xTicks, m_curve.end, m_curve.xTitle);
    QCategoryAxis* y = TickedAxis(*m_chart, m_curve.yTicks, m_curve.yEnd, m_curve.yTitle);
    m_chart->addAxis(x, Qt::AlignBottom);
    m_chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : m_chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    PlaceWords();
}

void CurveWindow::AddWords(const std::string& text, QPointF at) {
    auto* box = new QGraphicsRectItem(m_chart);
    QColor paper = m_view->palette().color(QPalette::Base);
    paper.setAlpha(220);
    box->setBrush(paper);
    box->setPen(Qt::NoPen);
    box->setZValue(10);
    auto* words = new QGraphicsSimpleTextItem(ToQString(text), box);
    words->setBrush(m_view->palette().color(QPalette::WindowText));
    box->setRect(words->boundingRect().adjusted(-2, 0, 2, 0));
    m_words.push_back({box, at});
}

void CurveWindow::PlaceWords() {
    const auto end = static_cast<double>(std::max<std::int64_t>(m_curve.end, 1));
    for (const ChartWords& words : m_words) {
        const QPointF point = m_chart->mapToPosition(words.at);
        const QRectF box = words.box->rect();
        const double gap = 4.0;
        const double left =
            words.at.x() > end * 0.75 ? point.x() - gap - box.right() : point.x() + gap - box.left();
        words.box->setPos(left, point.y() - box.height() / 2);
    }
}

void CurveWindow::FillTable() {
    QStringList headers;
    for (const std::string& heading : m_curve.headingLines) headers << ToQString(heading);
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
    // Every heading whole, in any language.
    m_table->resizeColumnsToContents();
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
