#include "ui/target_drop_filter.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <QWidget>

namespace quorvel {
namespace {

// The local .txt files of a drop; empty when it holds anything else.
QStringList TextFiles(const QMimeData& data) {
    QStringList files;
    if (!data.hasUrls()) return files;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile() || !url.toLocalFile().endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
            return {};
        }
        files << url.toLocalFile();
    }
    return files;
}

bool InReportField(const QWidget& widget) {
    // The field's drops arrive at its viewport.
    return qobject_cast<const QPlainTextEdit*>(&widget) != nullptr ||
           (widget.parentWidget() != nullptr &&
            qobject_cast<const QPlainTextEdit*>(widget.parentWidget()) != nullptr);
}

}  // namespace

TargetDropFilter::TargetDropFilter(QWidget& window, std::function<void(const QString&)> onText,
                                   std::function<void(const QStringList&)> onFiles)
    : QObject(&window), m_window(window), m_onText(std::move(onText)), m_onFiles(std::move(onFiles)) {
    m_window.setAcceptDrops(true);
}

bool TargetDropFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    if (!watched->isWidgetType()) return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != &m_window) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QMimeData* data = drop->mimeData();
    if (data == nullptr) return false;
    const QStringList files = TextFiles(*data);
    const bool text = files.isEmpty() && !data->hasUrls() && data->hasText() && !InReportField(*widget);
    if (files.isEmpty() && !text) return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        if (text) {
            m_onText(data->text());
        } else {
            m_onFiles(files);
        }
    }
    return true;
}

}  // namespace quorvel
