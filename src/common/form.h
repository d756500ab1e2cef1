#pragma once
// A window of the program. It is created on first use, hidden, and its Form_Load runs then;
// closing it by its close box runs Form_Unload and discards it, so the next use creates it
// afresh. Windows are reached only through forms::get<W>() so that no pointer dangles.
#include "common/eventboundary.h"

#include <QMainWindow>
#include <typeindex>

class Form;

namespace forms {
void discard(Form* form); // forget it now, delete it once no handler runs any more
} // namespace forms

class Form : public QMainWindow {
    Q_OBJECT
  public:
    Form(const QString& name, const QString& caption);

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Showing a window makes it visible and gives it the focus.
    void setVisible(bool visible) override;

    // Positions as the settings file keeps them, in twips (15 per pixel). A position that
    // would put the window off every screen is pulled back onto the screen.
    int leftTwips() const;
    int topTwips() const;
    void moveTwips(int left, int top);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    friend void forms::discard(Form* form);
    bool discarded_ = false;
};

namespace forms {

Form* find(std::type_index type);
void put(std::type_index type, Form* form);
void unloadAll(); // deletes every window at once, running no unload handler

template <class W> bool isLoaded() {
    return find(typeid(W)) != nullptr;
}

template <class W> W& get() {
    if (Form* existing = find(typeid(W))) return static_cast<W&>(*existing);
    auto* window = new W();
    // Registered before the load runs: a load may touch its own window again.
    put(typeid(W), window);
    window->Form_Load();
    return *window;
}

} // namespace forms
