#pragma once
// Every message box of the program goes through msgBox(): a real QMessageBox in the program,
// a recorder in tests (setMessageBoxHandler) that answers without blocking.
#include <QString>
#include <functional>
#include <optional>

enum class MsgIcon { None, Critical, Exclamation, Information, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    QString text;
    MsgIcon icon = MsgIcon::None;
    QString title; // already resolved: "Ambrefer" when none was given
    MsgButtons buttons = MsgButtons::Ok;
    std::optional<MsgAnswer> defaultAnswer; // the button Enter presses; none: the first one
};

// No title shows the program's title; the empty text shows an empty title bar. A question that
// would drop work gives the safe answer as the default one.
MsgAnswer msgBox(const QString& text, MsgIcon icon = MsgIcon::None,
                 std::optional<QString> title = std::nullopt, MsgButtons buttons = MsgButtons::Ok,
                 std::optional<MsgAnswer> defaultAnswer = std::nullopt);

// Replaces the real box (tests); an empty function restores it.
using MessageBoxHandler = std::function<MsgAnswer(const MessageBoxRequest&)>;
void setMessageBoxHandler(MessageBoxHandler handler);

inline const QString programTitle = QStringLiteral("Ambrefer");
