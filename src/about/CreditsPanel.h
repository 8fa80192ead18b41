// The rolling credits panel: a white panel whose credits text rolls up once through it, one pixel
// at a time, while the panel's other children are hidden.
#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace pixmaro {

class CreditsPanel : public QFrame {
    Q_OBJECT

public:
    /// Milliseconds between two one-pixel steps of the roll.
    static constexpr int kStepMsec = 30;

    explicit CreditsPanel(QWidget *parent = nullptr);

    /// The credits, one entry per line; blank lines at the start are not rolled.
    void setLines(const QStringList &lines);
    const QStringList &lines() const { return m_lines; }

    /// Starts the roll: hides the children visible now, then moves the text up one pixel every
    /// kStepMsec milliseconds from just below the lower edge until its last line has left the
    /// upper edge. Ignored while a roll is running.
    void Play();
    bool isPlaying() const { return m_timer.isActive(); }
    /// How far the text has moved up, in pixels.
    int offset() const { return m_offset; }
    /// The pixels the text moves in a whole roll: the panel's height and the text's height.
    int rollLength() const;
    /// The height of one line: the font's height and external leading, and 1 for the raised text.
    int lineHeight() const;

Q_SIGNALS:
    /// The roll has reached its end and the hidden children are shown again.
    void OnStopPlay(CreditsPanel *sender);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void step();
    void stop();

    QStringList m_lines; // without the leading blank lines
    QTimer m_timer;
    int m_offset = 0;
    QList<QPointer<QWidget>> m_hidden;
};

} // namespace pixmaro
