#include "common/messagebox.h"

#include "common/eventboundary.h"
#include "common/form.h"
#include "common/screenfit.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <utility>
#include <vector>

namespace {

MessageBoxHandler& handler() {
    static MessageBoxHandler h;
    return h;
}

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The answer when the box went away with no button clicked (closed by the window system).
MsgAnswer unanswered(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
        break;
    }
    return MsgAnswer::Cancel;
}

MsgAnswer showReal(const MessageBoxRequest& request) {
    // CR LF in the program's texts is a line break on screen.
    QString shown = request.text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    // The window system shows the program's name in place of an empty title: a blank is
    // as empty as a title bar can be.
    const QString title = request.title.isEmpty() ? QStringLiteral(" ") : request.title;
    // Centred on the window the user works in.
    QWidget* from = QApplication::activeWindow();
    if (!from || !from->isVisible()) from = forms::opener();
    QMessageBox box(qtIcon(request.icon), title, shown, QMessageBox::NoButton, from);
    // A name or a description may hold "<": the text is never markup.
    box.setTextFormat(Qt::PlainText);
    // The box sizes itself to its text; its title must read whole too.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(screenfit::captionWidth(title), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    std::vector<std::pair<QPushButton*, MsgAnswer>> answers;
    auto add = [&](const QString& caption, QMessageBox::ButtonRole role, MsgAnswer answer) {
        answers.emplace_back(box.addButton(caption, role), answer);
    };
    switch (request.buttons) {
    case MsgButtons::Ok:
        add(QStringLiteral("OK"), QMessageBox::AcceptRole, MsgAnswer::Ok);
        break;
    case MsgButtons::OkCancel:
        add(QStringLiteral("OK"), QMessageBox::AcceptRole, MsgAnswer::Ok);
        add(QStringLiteral("Annuler"), QMessageBox::RejectRole, MsgAnswer::Cancel);
        break;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        add(QStringLiteral("Oui"), QMessageBox::YesRole, MsgAnswer::Yes);
        add(QStringLiteral("Non"), QMessageBox::NoRole, MsgAnswer::No);
        if (request.buttons == MsgButtons::YesNoCancel)
            add(QStringLiteral("Annuler"), QMessageBox::RejectRole, MsgAnswer::Cancel);
        break;
    }
    // The first button is the default one, unless the question gives another.
    QPushButton* preset = answers.front().first;
    for (const auto& [button, answer] : answers)
        if (answer == request.defaultAnswer) preset = button;
    box.setDefaultButton(preset);
    box.exec();
    leaveIfEnding();
    for (const auto& [button, answer] : answers)
        if (box.clickedButton() == button) return answer;
    return unanswered(request.buttons);
}

} // namespace

MsgAnswer msgBox(const QString& text, MsgIcon icon, std::optional<QString> title,
                 MsgButtons buttons, std::optional<MsgAnswer> defaultAnswer) {
    const MessageBoxRequest request{text, icon, title.value_or(programTitle), buttons,
                                    defaultAnswer};
    if (handler()) return handler()(request);
    return showReal(request);
}

void setMessageBoxHandler(MessageBoxHandler h) {
    handler() = std::move(h);
}
