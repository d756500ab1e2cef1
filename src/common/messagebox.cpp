#include "common/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

MessageBoxHandler& handler() {
    static MessageBoxHandler h;
    return h;
}

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer showReal(const MessageBoxRequest& request) {
    // CR LF in the program's texts is a line break on screen.
    QString shown = request.text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(qtIcon(request.icon), request.title, shown, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    switch (request.buttons) {
    case MsgButtons::Ok: ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole); break;
    case MsgButtons::OkCancel:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        break;
    case MsgButtons::YesNoCancel:
        cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        [[fallthrough]];
    case MsgButtons::YesNo:
        yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
        break;
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == ok) return MsgAnswer::Ok;
    if (clicked == yes) return MsgAnswer::Yes;
    if (clicked == no) return MsgAnswer::No;
    if (clicked == cancel || !clicked) return cancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
    return MsgAnswer::Cancel;
}

} // namespace

MsgAnswer msgBox(const QString& text, MsgIcon icon, std::optional<QString> title,
                 MsgButtons buttons) {
    const MessageBoxRequest request{text, icon, title.value_or(programTitle), buttons};
    if (handler()) return handler()(request);
    return showReal(request);
}

void setMessageBoxHandler(MessageBoxHandler h) { handler() = std::move(h); }
