// The editor's font dialog: face, size, style and colour, with an Apply button that changes the
// text at once.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QComboBox;
class QFontDialog;

namespace pixmaro {

class EditorFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditorFontDialog(QWidget *parent = nullptr);

    /// What the dialog shows when it opens.
    void setChoice(const QFont &font, const QColor &color);
    /// The font chosen, in points as the dialog lists sizes.
    QFont chosenFont() const;
    QColor chosenColor() const;

Q_SIGNALS:
    /// "Apply": the text takes the font and colour now, whatever the dialog's end.
    void applied(const QFont &font, const QColor &color);

private:
    QFontDialog *m_fonts;
    QComboBox *cbColor;
};

} // namespace pixmaro
