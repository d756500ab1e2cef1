#include "tools/toolwindow.h"

#include "herofile/settings.h"

#include <QGroupBox>
#include <QVBoxLayout>

void ToolWindow::Form_Load() {
    settings::placeWindow(*this);
}

void ToolWindow::Form_Unload() {
    settings::keepPosition(*this);
    sauveini();
}

QGroupBox* ToolWindow::makeFrame1() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    auto* frame = new QGroupBox(central);
    frame->setObjectName(QStringLiteral("Frame1"));
    outer->addWidget(frame);
    setCentralWidget(central);
    return frame;
}
