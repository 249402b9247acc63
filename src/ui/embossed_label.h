// A one-line label drawn twice, white and then black one pixel right and
// down, for an embossed look. Never wrapped; cut off at its edges.
#pragma once

#include <QWidget>

namespace vorlith::ui {

class EmbossedLabel final : public QWidget {
    Q_OBJECT
public:
    explicit EmbossedLabel(QWidget* parent = nullptr);
    QString text() const { return text_; }
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

}  // namespace vorlith::ui
