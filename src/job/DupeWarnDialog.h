// The duplicate-names warning (TForm3): two selected files would get the same converted name.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace pixmaro {

/// A fixed-size dialog with the heading "Warning!", the one-line label `Label2` naming the two
/// files, the explanation in the read-only text box `Memo1`, and "OK" (go on) and "Cancel".
/// Created once and reused.
class DupeWarnDialog : public QDialog {
    Q_OBJECT
public:
    explicit DupeWarnDialog(QWidget *parent = nullptr);

    /// Shows the dialog modally with `label` in `Label2`, centred. Returns true for "OK" (or
    /// Enter), false for "Cancel", Escape or closing the dialog.
    bool confirm(const QString &label);

    QLabel *label() const { return m_label2; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void centreLabel();

    QLabel *m_heading;
    QLabel *m_label2;
    QPlainTextEdit *m_memo1;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    int m_labelExtra = 0; // the height a wrapped label takes beyond one line
};

} // namespace pixmaro
