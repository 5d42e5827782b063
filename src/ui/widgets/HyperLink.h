#pragma once
// A link in a dialog: an icon and an underlined text that opens its address with the desktop's
// handler when clicked (or on Space / Return when it has the focus). It shows blue until it has
// been opened, green afterwards and dark red while the mouse is over it.

#include <QIcon>
#include <QUrl>
#include <QWidget>

namespace kt::ui {

class CHyperLink : public QWidget {
    Q_OBJECT
public:
    CHyperLink(const QString& text, const QUrl& url, const QFont& font, const QIcon& icon, QWidget* parent = nullptr);

    QString Text() const { return m_text; }
    QUrl Url() const { return m_url; }
    bool Visited() const { return m_visited; }
    // The colour the text is drawn in now.
    QColor TextColour() const;
    const QIcon& Icon() const { return m_icon; }
    QSize sizeHint() const override;

    static QColor LinkColour() { return QColor(0, 0, 255); }
    static QColor VisitedColour() { return QColor(0, 128, 0); }
    static QColor HoverColour() { return QColor(128, 0, 0); }

signals:
    void opened(const QUrl& url);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Open();

    QString m_text;
    QUrl m_url;
    QIcon m_icon;
    bool m_visited = false;
    bool m_hover = false;
};

}  // namespace kt::ui
