#include "support/recorders.h"

#include "common/chance.h"
#include "common/clock.h"
#include "common/form.h"
#include "common/shared.h"
#include "herofile/settings.h"
#include "snake/modsnake.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <QtGlobal>

MessageRecorder::MessageRecorder() {
    setMessageBoxHandler([this](const MessageBoxRequest& request) {
        shown.push_back(request);
        if (answers.empty()) return MsgAnswer::Ok;
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    });
}

MessageRecorder::~MessageRecorder() {
    setMessageBoxHandler({});
}

QStringList MessageRecorder::texts() const {
    QStringList list;
    for (const auto& request : shown)
        list << request.text;
    return list;
}

const MessageBoxRequest& MessageRecorder::last() const {
    if (shown.empty()) qFatal("MessageRecorder: no message was shown");
    return shown.back();
}

EndRecorder::EndRecorder() {
    setEndProgramHandler([this] { ++ends; });
}

EndRecorder::~EndRecorder() {
    setEndProgramHandler({});
}

FreshProgram::FreshProgram() {
    forms::unloadAll();
    shared::reset();
    modsnake::reset();
    settings::current() = {}; // the settings outlive the windows: start from a new install's
    chance::unscript();
    appclock::setSpinWait([](double) {});
    appclock::setYieldHook({});
}

FreshProgram::~FreshProgram() {
    forms::unloadAll();
    chance::unscript();
    appclock::setSpinWait({});
    appclock::setTimeSource({});
    appclock::setYieldHook({});
}

void pickFromList(QComboBox* box, int index) {
    box->showPopup();
    QAbstractItemView* list = box->view();
    const QModelIndex entry = list->model()->index(index, box->modelColumn());
    list->scrollTo(entry);
    const QPoint at = list->visualRect(entry).center();
    QTest::mouseMove(list->viewport(), at);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (box->view()->isVisible())
        qFatal("pickFromList: the list of %s stayed open", qPrintable(box->objectName()));
}
