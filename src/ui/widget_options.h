// The organizer options read from the main window's live controls, found by
// their form names. Each reading asks the control at that moment.
#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

#include "organizer_options.h"

namespace vorlith::ui {

class WidgetOptions final : public OrganizerOptions {
public:
    // `window` holds the controls; once it is gone every reading gives the
    // empty answer (empty text, unchecked, no selection).
    explicit WidgetOptions(QWidget* window);

    std::string ReadText(const std::string& control) const override;
    int ReadChecked(const std::string& control) const override;
    int ReadSelectedIndex(const std::string& control) const override;
    std::string ReadItemText(const std::string& control, int index) const override;

private:
    QWidget* Find(const std::string& control) const;

    QPointer<QWidget> window_;
    mutable QHash<QByteArray, QPointer<QWidget>> controls_;  // looked up once by name
};

}  // namespace vorlith::ui
