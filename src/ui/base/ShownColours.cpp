#include "ui/base/ShownColours.h"

#include <QEvent>
#include <QStyleFactory>
#include <QWidget>

namespace kt::ui {
namespace {

kt::Rgb ToRgb(const QColor& c) { return {c.red(), c.green(), c.blue()}; }

QColor WindowColour() { return QApplication::palette().color(QPalette::Window); }

// Lives as a child of the widget it watches. A palette change reaches a widget as
// ApplicationPaletteChange or as PaletteChange (also when its own palette is set, by us among
// others), so it acts only when the window colour really moved.
class PaletteFollower : public QObject {
public:
    PaletteFollower(QWidget* widget, std::function<void()> apply) : QObject(widget), m_apply(std::move(apply)) {
        widget->installEventFilter(this);
        Apply();
    }
    void Replace(std::function<void()> apply) {
        m_apply = std::move(apply);
        Apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const bool change = event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange;
        if (change && WindowColour() != m_window) Apply();
        return false;
    }

private:
    void Apply() {
        m_window = WindowColour();
        m_apply();
    }
    std::function<void()> m_apply;
    QColor m_window;
};

}  // namespace

QColor Shown(const QColor& colour, kt::ColourUse use) {
    const kt::Rgb shown = kt::ShownColour(ToRgb(colour), use, ToRgb(WindowColour()));
    return QColor(shown.r, shown.g, shown.b);
}

void FollowPalette(QWidget* widget, const char* key, std::function<void()> apply) {
    const QString name = QStringLiteral("kt-palette-") + QString::fromLatin1(key);
    for (QObject* child : widget->children()) {
        if (child->objectName() != name) continue;
        static_cast<PaletteFollower*>(child)->Replace(std::move(apply));
        return;
    }
    auto* follower = new PaletteFollower(widget, std::move(apply));
    follower->setObjectName(name);
}

void SetShownColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour, kt::ColourUse use) {
    const QByteArray key = QByteArray("role-") + QByteArray::number(static_cast<int>(role));
    FollowPalette(widget, key.constData(), [widget, role, colour, use] {
        // Setting the colour it already has would make the widget lay itself out again.
        QPalette p = widget->palette();
        const QColor shown = Shown(colour, use);
        if (p.isBrushSet(QPalette::Active, role) && p.color(role) == shown) return;
        p.setColor(role, shown);
        widget->setPalette(p);
    });
}

void UseDarkPalette(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    const QColor window(53, 53, 53), base(36, 36, 36), text(232, 232, 232), disabled(128, 128, 128);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(QPalette::Mid, QColor(40, 40, 40));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Shadow, QColor(10, 10, 10));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(120, 170, 255));
    p.setColor(QPalette::LinkVisited, QColor(190, 150, 255));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    app.setPalette(p);
}

}  // namespace kt::ui
