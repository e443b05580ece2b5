#pragma once

#include <QWidget>
#include <cstdint>

#include "i18n/language_texts.h"
#include "strike/loss_curve.h"

class QChart;
class QChartView;
class QLineSeries;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace quorvel {

// The loss curve window: a chart of both sides' losses over the missiles fired, with the marks, and
// the same points as a table for the keyboard and screen readers. Non-modal; the main window
// creates it on first open and hands it every new strike's curve.
class CurveWindow : public QWidget {
    Q_OBJECT

public:
    explicit CurveWindow(QWidget* owner);

    void UseTexts(const LanguageTexts& texts);
    void ShowCurve(const LossCurve& curve);

    // The table's rows with a header, columns split by tabs (grouped numbers) or commas (CSV).
    QString TableText(bool csv) const;
    // The chart as an image file; false after an error box naming the file and the reason.
    bool ExportPng(const QString& path);
    bool ExportSvg(const QString& path);

    QChartView* ChartView() const { return m_view; }
    QTableWidget* Table() const { return m_table; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void Redraw();
    void FillTable();
    void FollowPalette();
    void ShowHover(const QPointF& point, bool inside);
    void AskExport(bool svg);
    void SaveError(const QString& path, const QString& reason);

    LanguageTexts m_texts;
    LossCurve m_curve;
    QTabWidget* m_tabs;
    QChart* m_chart;
    QChartView* m_view;
    QTableWidget* m_table;
    QPushButton* m_copyText;
    QPushButton* m_copyCsv;
    QPushButton* m_exportPng;
    QPushButton* m_exportSvg;
    QPushButton* m_copyImage;
};

}  // namespace quorvel
