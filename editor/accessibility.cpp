#include "accessibility.h"

#include "map_canvas.h"
#include "swatch_box.h"

#include <QAccessibleWidget>

namespace {

class AccessibleSwatch final : public QAccessibleWidget {
public:
    explicit AccessibleSwatch(SwatchBox* swatch)
        : QAccessibleWidget(swatch, swatch->isClickable() ? QAccessible::Button
                                                          : QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            return swatch()->colorDescription();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (swatch()->isClickable()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            swatch()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    SwatchBox* swatch() const { return static_cast<SwatchBox*>(widget()); }
};

QAccessibleInterface* EditorAccessibleFactory(const QString&, QObject* object) {
    if (auto* swatch = qobject_cast<SwatchBox*>(object)) {
        return new AccessibleSwatch(swatch);
    }
    if (auto* canvas = qobject_cast<MapCanvas*>(object)) {
        return new QAccessibleWidget(canvas, QAccessible::Canvas);
    }
    return nullptr;
}

} // namespace

void InstallEditorAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(EditorAccessibleFactory);
        return true;
    }();
    (void)installed;
}
