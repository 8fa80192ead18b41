// A label whose text stands out of the window: drawn over a few grey copies of itself, each one
// pixel further towards the bottom right.
#pragma once

#include <QColor>
#include <QWidget>

namespace pixmaro {

class Label3D : public QWidget {
    Q_OBJECT

public:
    explicit Label3D(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    /// How many pixels the text is extruded.
    int depth() const { return m_depth; }
    void setDepth(int depth);
    void setShadowColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    int m_depth = 3;
    QColor m_shadow = Qt::gray;
};

} // namespace pixmaro
