// The question shown when frames are chosen without links to the originals: turn the links on,
// and in which mode.
#pragma once

#include "shell/Messages.h"

#include <QDialog>

class QLineEdit;

namespace pixmaro {

class LinkModeGroup;

inline constexpr const char *kHrefPromptText
    = "Frames requires that the HREF to Original files be selected.\r\nIt is currently unselected "
      "- would you like to set that option now?";

class HrefPromptDialog : public QDialog {
    Q_OBJECT
public:
    /// Warnings about relative addresses go through `messages`.
    explicit HrefPromptDialog(Messages &messages, QWidget *parent = nullptr);

    /// Readies the prompt before it is shown: the options dialog's relative prefix, its address
    /// text and mode for the originals, and the folders for the local-drive address and the
    /// different-drive warning.
    void prepare(const QString &relativePrefix, const QString &address, int mode,
        const QString &originalsFolder, const QString &pageFolder);

    /// Yes, No or Cancel (also closing the prompt), after it has been shown.
    MessageAnswer answer() const { return m_answer; }
    /// The mode chosen in the prompt.
    int mode() const;

    /// Closing the prompt answers Cancel.
    void reject() override;

private:
    void modeChosen(int mode);
    void finish(MessageAnswer answer);
    Messages &m_messages;
    LinkModeGroup *rgHREF;
    QLineEdit *eHREF;
    QString m_relativePrefix;
    QString m_originalsFolder;
    QString m_pageFolder;
    MessageAnswer m_answer = MessageAnswer::Cancel;
};

} // namespace pixmaro
