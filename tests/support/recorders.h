#pragma once
// Stand-ins that tests install in place of what would block or end the test run.
#include "common/messagebox.h"

#include <QStringList>
#include <deque>
#include <vector>

// Answers every message box (OK unless an answer was queued) and keeps what was shown.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<MessageBoxRequest> shown;
    std::deque<MsgAnswer> answers;

    int count() const { return static_cast<int>(shown.size()); }
    QStringList texts() const;
    const MessageBoxRequest& last() const;
    void clear() { shown.clear(); }
};

// Counts the requests to end the program instead of ending it.
class EndRecorder {
  public:
    EndRecorder();
    ~EndRecorder();
    int ends = 0;
};

// A fresh program state for one test: every window unloaded, shared variables reset, chance
// unscripted, messages recorded and the end of the program recorded.
class FreshProgram {
  public:
    FreshProgram();
    ~FreshProgram();
    MessageRecorder messages;
    EndRecorder end;
};

class QComboBox;

// A user's choice from a combo box's list, made as the user makes it: the list is opened and
// the entry clicked with the mouse.
void pickFromList(QComboBox* box, int index);
