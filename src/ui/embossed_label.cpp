#include "embossed_label.h"

#include <QPainter>

namespace vorlith::ui {

EmbossedLabel::EmbossedLabel(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void EmbossedLabel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void EmbossedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip;
    painter.setPen(Qt::white);
    painter.drawText(rect(), flags, text_);
    painter.setPen(Qt::black);
    painter.drawText(rect().translated(1, 1), flags, text_);
}

}  // namespace vorlith::ui
