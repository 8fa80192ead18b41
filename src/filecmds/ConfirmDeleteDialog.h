// The deletion confirmation: how many files go, to the trash or for good, Yes or No.
#pragma once

#include "settings/DeleteConfirmSettings.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace pixmaro {

class Messages;

/// The modal "Confirm File Deletion" dialog (objectName "TForm4"). It is created once and lives
/// until the program ends, so the state of its check box "Delete to Recycle Bin" carries from one
/// deletion to the next; the owner reads it from the settings at creation and writes it back at
/// the end.
class ConfirmDeleteDialog : public QDialog {
    Q_OBJECT
public:
    /// `messages` shows the note behind the warning picture.
    ConfirmDeleteDialog(
        const DeleteConfirmSettings &kept, Messages &messages, QWidget *parent = nullptr);

    /// The setting to keep: the check box as it stands now.
    DeleteConfirmSettings keptSettings() const;
    /// Sets the check box from `kept` (the reset to the factory settings).
    void setKeptSettings(const DeleteConfirmSettings &kept);

    /// Fills `lNumDel` for `count` files and shows the dialog modally. True only for "Yes".
    bool confirmDeletion(int count);
    /// Whether "Delete to Recycle Bin" is checked.
    bool toRecycleBin() const;

    /// The note shown when the warning picture is clicked.
    static QString RecycleNote();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Image1Click();

    Messages &m_messages;
    QLabel *Image1;
    QLabel *lNumDel;
    QCheckBox *cbRecycle;
    QPushButton *bYesDel;
    QPushButton *bNoDel;
};

} // namespace pixmaro
