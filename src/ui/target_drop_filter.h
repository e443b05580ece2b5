#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

namespace quorvel {

// Text and .txt files dropped anywhere on the main window go to the target list: text as it is,
// files by their local paths. Text dropped on the report field stays the field's own editing.
class TargetDropFilter : public QObject {
    Q_OBJECT

public:
    TargetDropFilter(QWidget& window, std::function<void(const QString&)> onText,
                     std::function<void(const QStringList&)> onFiles);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void(const QString&)> m_onText;
    std::function<void(const QStringList&)> m_onFiles;
};

}  // namespace quorvel
