#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/views.h"
#include "i18n/language_texts.h"

class QChart;
class QGraphicsRectItem;
class QChartView;
class QLineSeries;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace quorvel {

class CSimulatorDlg;

// The loss curve window: draws the curve panel's CurveView as a chart of both sides' losses over
// the missiles fired, with the marks, and the same points as a table for the keyboard and screen
// readers. Non-modal; the main window creates it on first open and hands it each new view.
class CurveWindow : public QWidget {
    Q_OBJECT

public:
    CurveWindow(QWidget* owner, std::function<CSimulatorDlg*()> logic);

    void UseTexts(const LanguageTexts& texts);
    // Draws the view when it is not the one drawn already.
    void ShowCurve(const CurveView& curve);

    // The chart rendered as PNG or SVG and handed to the program to write (an error box names the
    // file and the reason when it cannot).
    void ExportImage(const QString& path, bool svg);
    QByteArray RenderImage(bool svg) const;

    QChartView* ChartView() const { return m_view; }
    QTableWidget* Table() const { return m_table; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // Words on the chart at a point of the curve's scale: beside it (on its left where it stands in
    // the chart's right quarter), moved along whenever the plot area changes.
    struct ChartWords {
        // The chart's background behind the words, which lines pass under; it holds the words.
        QGraphicsRectItem* box;
        QPointF at;
    };
    void Redraw();
    void AddWords(const std::string& text, QPointF at);
    void PlaceWords();
    void FillTable();
    void FollowPalette();
    void ShowHover(const QPointF& point, bool inside);
    void AskExport(bool svg);

    std::function<CSimulatorDlg*()> m_logic;
    LanguageTexts m_texts;
    CurveView m_curve;
    QTabWidget* m_tabs;
    QChart* m_chart;
    QChartView* m_view;
    QTableWidget* m_table;
    QPushButton* m_copyText;
    QPushButton* m_copyCsv;
    QPushButton* m_exportPng;
    QPushButton* m_exportSvg;
    QPushButton* m_copyImage;
    std::vector<ChartWords> m_words;
};

}  // namespace quorvel
