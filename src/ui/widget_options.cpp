#include "widget_options.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "qt_text.h"

namespace vorlith::ui {

WidgetOptions::WidgetOptions(QWidget* window) : window_(window) {}

QWidget* WidgetOptions::Find(const std::string& control) const {
    if (!window_) return nullptr;
    const QByteArray key(control.data(), static_cast<qsizetype>(control.size()));
    auto it = controls_.find(key);
    if (it != controls_.end() && *it) return *it;
    QWidget* widget = window_->findChild<QWidget*>(ToQString(control));
    controls_.insert(key, widget);
    return widget;
}

std::string WidgetOptions::ReadText(const std::string& control) const {
    auto* edit = qobject_cast<QLineEdit*>(Find(control));
    return edit ? ToBytes(edit->text()) : std::string();
}

int WidgetOptions::ReadChecked(const std::string& control) const {
    auto* button = qobject_cast<QAbstractButton*>(Find(control));
    return button && button->isChecked() ? 1 : 0;
}

int WidgetOptions::ReadSelectedIndex(const std::string& control) const {
    auto* combo = qobject_cast<QComboBox*>(Find(control));
    return combo ? combo->currentIndex() : -1;
}

std::string WidgetOptions::ReadItemText(const std::string& control, int index) const {
    auto* combo = qobject_cast<QComboBox*>(Find(control));
    if (!combo || index < 0 || index >= combo->count()) return {};
    return ToBytes(combo->itemText(index));
}

}  // namespace vorlith::ui
