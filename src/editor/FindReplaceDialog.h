// The editor's find and replace dialogs: modeless, kept once made, with match case, whole word and
// the direction of the search.
#pragma once

#include "editor/FindReplace.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace pixmaro {

class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Find, Replace };
    explicit FindReplaceDialog(Kind kind, QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    /// Empty for the find dialog.
    QString replaceText() const;
    void setReplaceText(const QString &text);
    FindOptions options() const;

Q_SIGNALS:
    void findNext();
    void replace();
    void replaceAll();

private:
    QLineEdit *eFind;
    QLineEdit *eReplace = nullptr;
    QCheckBox *cbWholeWord;
    QCheckBox *cbMatchCase;
    QRadioButton *rbUp;
    QRadioButton *rbDown;
};

} // namespace pixmaro
